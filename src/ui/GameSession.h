#pragma once

#include "ui/frmSplash.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace bmd {
class HighScores;
}

namespace bmd::ui {

class frmBrightmooseConcentration;

// One run of the program: the high-score table, the splash window and, from
// the hand-over on, the main window.
class GameSession : public QObject {
    Q_OBJECT

public:
    // storeFile: where the high scores live; fileToOpen: a saved game named
    // on the command line, opened once the main window is up ("" for none).
    GameSession(const QString& storeFile, const QString& fileToOpen);
    ~GameSession() override;

    void Start(int year);

    HighScores& Scores() { return *highScores_; }
    frmSplash* Splash() const { return splash_; }
    frmBrightmooseConcentration* MainWindow() const { return mainWindow_.get(); }

    // The store's usual place: registry.sqlite in the per-user data folder.
    static QString DefaultStoreFile();

private:
    void SeedHighScores();
    void BuildMainWindow();
    void LoadMainWindow();

    static constexpr int kBuildDelayMs = 250;

    QString storeFile_;
    QString fileToOpen_;
    std::unique_ptr<HighScores> highScores_;
    QPointer<frmSplash> splash_;
    std::unique_ptr<frmBrightmooseConcentration> mainWindow_;
};

} // namespace bmd::ui
