#pragma once

#include "ScoreKeeper.h"
#include "frmSplash.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

namespace bmd::ui {

class frmBrightmooseConcentration;

// One run of the program: the high scores, the splash window and, from the
// hand-over on, the main window.
class GameSession : public QObject {
    Q_OBJECT

public:
    // storeFile: where the high scores live ("" where there is no writable
    // place, none for the usual place); fileToOpen: a saved game named on
    // the command line, opened once the main window is up ("" for none). Both
    // are the system's own bytes. tellAfterMs: how long a score waits for a
    // busy store before the player is told.
    GameSession(std::optional<std::filesystem::path> storeFile, std::filesystem::path fileToOpen,
                int tellAfterMs = ScoreKeeper::kTellAfterMs);
    ~GameSession() override;

    // started: how long ago the program started (its splash shows until two
    // seconds after that).
    void Start(int year, std::chrono::milliseconds started = {});

    ScoreKeeper& Scores() { return scores_; }
    frmSplash* Splash() const { return splash_; }
    frmBrightmooseConcentration* MainWindow() const { return mainWindow_.get(); }

private:
    void BuildMainWindow();
    void LoadMainWindow();

    static constexpr int kBuildDelayMs = 250;

    ScoreKeeper scores_;
    std::filesystem::path fileToOpen_;
    QPointer<frmSplash> splash_;
    std::unique_ptr<frmBrightmooseConcentration> mainWindow_;
};

} // namespace bmd::ui
