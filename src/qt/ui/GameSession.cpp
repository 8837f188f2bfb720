#include "GameSession.h"

#include "frmBrightmooseConcentration.h"
#include "frmSplash.h"

#include <QTimer>

namespace bmd::ui {

GameSession::GameSession(std::optional<std::filesystem::path> storeFile, std::filesystem::path fileToOpen,
                         int tellAfterMs)
    : scores_(std::move(storeFile), tellAfterMs), fileToOpen_(std::move(fileToOpen))
{
}

GameSession::~GameSession() = default;

void GameSession::Start(int year, std::chrono::milliseconds started)
{
    // The score store is opened when scores are first needed (the end of a
    // game, the high-score window): whatever state it is in, it never holds
    // up a window, and a game that never asks for it does not pay for it.
    splash_ = new frmSplash([this] { LoadMainWindow(); }, year, started);
    splash_->show();
    // A window manager gives no splash the keyboard of itself, and a key
    // press is one way to leave it.
    splash_->activateWindow();
    // Builds the table once the splash is on screen, so that neither the
    // splash nor the hand-over waits for it.
    QTimer::singleShot(kBuildDelayMs, this, [this] { BuildMainWindow(); });
}

void GameSession::BuildMainWindow()
{
    if (!mainWindow_) {
        mainWindow_ = std::make_unique<frmBrightmooseConcentration>(nullptr, nullptr,
                                                                    frmBrightmooseConcentration::Loading::Later);
        mainWindow_->SetScoreKeeper(&scores_);
        // The native window and the layout too, so that showing only maps it.
        mainWindow_->winId();
        mainWindow_->ensurePolished();
    }
}

void GameSession::LoadMainWindow()
{
    BuildMainWindow();
    mainWindow_->Form_Load();
    mainWindow_->show();
    mainWindow_->activateWindow();
    if (!fileToOpen_.empty()) {
        // After the splash has gone, so that a message about a bad file
        // stands over the dealt table.
        QTimer::singleShot(0, mainWindow_.get(), [this] { mainWindow_->OpenGameFile(fileToOpen_); });
    }
}

} // namespace bmd::ui
