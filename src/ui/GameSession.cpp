#include "ui/GameSession.h"

#include "scores/HighScores.h"
#include "scores/SqliteRegistryStore.h"
#include "ui/frmBrightmooseConcentration.h"
#include "ui/frmSplash.h"

#include <QFile>
#include <QStandardPaths>
#include <QTimer>

namespace bmd::ui {

GameSession::GameSession(const QString& storeFile, const QString& fileToOpen)
    : storeFile_(storeFile), fileToOpen_(fileToOpen)
{
}

GameSession::~GameSession() = default;

QString GameSession::DefaultStoreFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/registry.sqlite");
}

void GameSession::Start(int year)
{
    splash_ = new frmSplash([this] { SeedHighScores(); }, [this] { LoadMainWindow(); }, year);
    splash_->show();
    // A window manager gives no splash the keyboard of itself, and a key
    // press is one way to leave it.
    splash_->activateWindow();
    // Builds the table (and decodes the card pictures) once the splash is on
    // screen, so that neither the splash nor the hand-over waits for it.
    QTimer::singleShot(kBuildDelayMs, this, [this] { BuildMainWindow(); });
}

void GameSession::BuildMainWindow()
{
    if (!mainWindow_) {
        mainWindow_ = std::make_unique<frmBrightmooseConcentration>(nullptr, nullptr,
                                                                    frmBrightmooseConcentration::Loading::Later);
        mainWindow_->SetHighScores(highScores_.get());
        // The native window and the layout too, so that showing only maps it.
        mainWindow_->winId();
        mainWindow_->ensurePolished();
    }
}

void GameSession::SeedHighScores()
{
    highScores_ = std::make_unique<HighScores>(
        std::make_unique<SqliteRegistryStore>(std::filesystem::path(QFile::encodeName(storeFile_).toStdString())));
    highScores_->SeedHighScores();
}

void GameSession::LoadMainWindow()
{
    BuildMainWindow();
    mainWindow_->Form_Load();
    mainWindow_->show();
    mainWindow_->activateWindow();
    if (!fileToOpen_.isEmpty()) {
        // After the splash has gone, so that a message about a bad file
        // stands over the dealt table.
        QTimer::singleShot(0, mainWindow_.get(), [this] { mainWindow_->OpenGameFile(fileToOpen_); });
    }
}

} // namespace bmd::ui
