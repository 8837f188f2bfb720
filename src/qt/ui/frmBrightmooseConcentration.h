#pragma once

#include "Game.h"
#include "GameWindow.h"
#include "HighScoresOpener.h"
#include "RandomSource.h"
#include "StatusPanels.h"

#include <QMainWindow>
#include <QTimer>

#include <filesystem>
#include <memory>

class QAction;
class QToolBar;

namespace bmd::ui {

class Announcer;
class CardTable;

// The game table: the 6 x 9 cards, the toolbar, the status bar with the
// counters, the Game and Help menus and the turn timer. The rules live in
// Game; this window shows what Game tells it and hands it the clicks.
class frmBrightmooseConcentration : public QMainWindow, public GameWindow {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 654;  // 9810 twips
    static constexpr int kClientHeight = 634; // 9510 twips
    static constexpr int kToolbarHeight = 28;
    static constexpr int kStatusBarHeight = 25;
    static constexpr int kTurnPauseMs = 750;

    // Later: the widgets are built now and the first deal waits for
    // Form_Load, so that start-up can build the window while the splash shows.
    enum class Loading { Now, Later };

    // A null random source means the clock-seeded one of the program.
    explicit frmBrightmooseConcentration(RandomSource* random = nullptr, QWidget* parent = nullptr,
                                         Loading loading = Loading::Now);
    ~frmBrightmooseConcentration() override;

    // Deals the first game; runs once, however often it is called.
    void Form_Load();

    // The high-score table of the run; without one, no game earns a place
    // and High Scores shows nothing.
    void SetScoreKeeper(ScoreKeeper* scores) { highScoresOpener_.SetScoreKeeper(scores); }

    Game& GameLogic() { return game_; }
    CardTable* Table() const { return table_; }
    QLabel* StatusPanel(int panel) const { return statusPanels_->Panel(panel); }
    QToolBar* Toolbar() const { return Toolbar1; }
    const QTimer& TurnTimer() const { return Timer1; }
    // Where a card stands, in pixels from the top left of the client area
    // below the menu bar.
    QPoint CardPositionInClientArea(int index) const;

    // Replaces the game on the table by the saved game in the file; a file
    // that cannot be read or is no saved game gets a message and changes
    // nothing. Returns whether the game was opened.
    bool OpenGameFile(const std::filesystem::path& file);

    // GameWindow
    void ShowTable(const CardsOnTable& onTable) override;
    void ShowFace(int index, std::int16_t face) override;
    void ShowBack(int index) override;
    void RemovePair(int first, int second) override;
    void CountersChanged(std::int16_t tries, std::int16_t matchesMade) override;
    void SaveAvailabilityChanged(bool available) override;
    void StartTurnTimer() override;
    void StopTurnTimer() override;
    void GameOver() override;
    void OfferHighScore(std::int16_t tries) override;

public Q_SLOTS:
    // A click on a card, and the end of the look at a turn's two cards.
    void imgCard_Click(int Index);
    void Timer1_Timer();
    void mnuNewGame_Click();
    void mnuExit_Click();
    void OpenGame();
    void SaveGame();
    void mnuHighScores_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCommands();
    void BuildToolbar();

    // Says what the table shows but a screen reader would not hear: faces,
    // the outcome of each try, the end of a game.
    Announcer* announcer_ = nullptr;
    std::int16_t tries_ = 0;
    // Cards turned back since the last face up: two end a try without a pair.
    int turnedBack_ = 0;
    // The face of a pair that left the table, until the counters count it.
    std::int16_t pairFace_ = 0;
    ClockSeededRandom clockRandom_;
    Game game_;
    QTimer Timer1;
    CardTable* table_ = nullptr;
    QToolBar* Toolbar1 = nullptr;
    std::unique_ptr<StatusPanels> statusPanels_;
    // One action per command, shared by the menu and the toolbar.
    QAction* mnuNewGame = nullptr;
    QAction* mnuOpenGame = nullptr;
    QAction* mnuSaveGame = nullptr;
    QAction* mnuHighScores = nullptr;
    HighScoresOpener highScoresOpener_{this};
    bool loaded_ = false;
    // The names chosen last in the save and in the open dialog in this run.
    QString SaveFileName;
    QString OpenFileName;
};

} // namespace bmd::ui
