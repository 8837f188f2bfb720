#pragma once

#include "game/Game.h"
#include "game/RandomSource.h"
#include "seam/GameWindow.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QToolBar;

namespace bmd {
class HighScores;
}

namespace bmd::ui {

class CardImage;
class DeckSmall;

// The game table: the 6 x 9 board, the toolbar, the status bar with the
// counters, the Game and Help menus and the turn timer. The rules live in
// Game; this window only shows what Game asks for and hands it the clicks.
class frmBrightmooseConcentration : public QMainWindow, public GameWindow {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 654;   // 9810 twips
    static constexpr int kClientHeight = 634;  // 9510 twips
    static constexpr int kToolbarHeight = 28;
    static constexpr int kStatusBarHeight = 25;
    static constexpr int kTurnPauseMs = 750;

    // Later: the widgets are built now and the first deal waits for
    // Form_Load, so that start-up can build the window while the splash shows.
    enum class Loading { Now, Later };

    // A null random source means the clock-seeded one of the program.
    explicit frmBrightmooseConcentration(RandomSource* random = nullptr, QWidget* parent = nullptr,
                                         Loading loading = Loading::Now);

    // Deals the first game; runs once, however often it is called.
    void Form_Load();
    ~frmBrightmooseConcentration() override;

    // The high-score table of the run; without one, no game earns a place
    // and High Scores shows nothing.
    void SetHighScores(HighScores* highScores) { highScores_ = highScores; }

    Game& GameLogic() { return game_; }
    CardImage* Card(int index) const { return imgCard.at(index); }
    DeckSmall* Deck() const { return Deck1; }
    QLabel* StatusPanel(int panel) const { return panels_.at(panel - 1); }
    QToolBar* Toolbar() const { return Toolbar1; }
    const QTimer& TurnTimer() const { return Timer1; }
    // Where a card stands, in pixels from the top left of the client area
    // below the menu bar.
    QPoint CardPositionInClientArea(int index) const;

    // Replaces the game on the table by the saved game in the file; a file
    // that cannot be read or is no saved game gets a message and changes
    // nothing. Returns whether the game was opened.
    bool OpenGameFile(const QString& fileName);

    // GameWindow
    void SetDeckChangeCard(std::int32_t face) override;
    void SetCardPictureFromDeck(int index) override;
    void SetCardVisible(int index, bool visible) override;
    void SetCardStretch(int index, bool stretch) override;
    void SetStatusPanelText(int panel, const std::string& text) override;
    void SetSaveGameEnabled(bool enabled) override;
    void StartTurnTimer() override;
    void StopTurnTimer() override;
    void ShowMessage(const std::string& text) override;
    void ShowHighScoreEntry() override;

public slots:
    void Toolbar1_ButtonClick(const QString& key);
    void mnuNewGame_Click();
    void mnuExit_Click();
    void OpenGame();
    void SaveGame();
    void mnuHighScores_Click();
    void mnuContents_Click();
    void mnuIndex_Click();
    void mnuBrightmoose_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OpenHighScores(bool newScorePending);
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void BuildBoard();
    QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut, void (frmBrightmooseConcentration::*slot)());

    ClockSeededRandom clockRandom_;
    Game game_;
    QTimer Timer1;
    DeckSmall* Deck1 = nullptr;
    std::array<CardImage*, kCardCount> imgCard{};
    QToolBar* Toolbar1 = nullptr;
    std::array<QLabel*, 7> panels_{};
    QAction* mnuSaveGame = nullptr;
    QAction* toolbarSaveGame_ = nullptr;
    HighScores* highScores_ = nullptr;
    bool loaded_ = false;
    // The high-score window is modal, but a turn can end the game while it
    // shows the table; the entry for that game then waits until it closes.
    bool highScoresOpen_ = false;
    bool entryWaiting_ = false;
    // The names chosen last in the save and in the open dialog in this run.
    QString SaveFileName;
    QString OpenFileName;
};

} // namespace bmd::ui
