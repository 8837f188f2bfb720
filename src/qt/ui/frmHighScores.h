#pragma once

#include "HighScoreTable.h"

#include <QDialog>

#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace bmd::ui {

class Announcer;
class ScoreKeeper;

// The ten best games. Made anew for each opening and shown modally with
// exec(); the table itself is kept by the ScoreKeeper.
//
// Entry mode (newScorePending): the table is shown with the game's tries in
// their place and the player saves a name for them; closing without saving
// discards the new entry. View mode: the table as stored; it can be cleared.
// While the store cannot be read, the window says so and shows no table and
// no place until it can.
class frmHighScores : public QDialog {
    Q_OBJECT

public:
    frmHighScores(QWidget* owner, ScoreKeeper& scores, bool newScorePending, std::int16_t tries);

    // True: opened for a new score (entry mode); false: view mode.
    const bool NewScorePending;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildControls(QWidget* client);
    void Form_Load();
    void btnSave_Click();
    void btnClear_Click();
    void btnOK_Click();
    void mnuExit_Click();

    // The table as stored, with the new score placed in entry mode; while
    // the store cannot be read, says so and tries again.
    void ShowStoredTable();
    bool WaitingForTable() const;
    // For a screen reader: the place a new score found, the wait for the
    // table, or that the table, read at last, has no place for it.
    void SayWhereTheScoreStands();
    void ShowTable(const HighScoreTable& table);
    // The Clear button and File > Clear go together.
    void SetClearEnabled(bool enabled);

    ScoreKeeper& scores_;
    std::int16_t tries_;
    // The position of the new entry in entry mode, until it is saved.
    std::int16_t NewPosition = 0;

    QLabel* lblPlayer = nullptr;
    QLineEdit* txtPlayer = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnOK = nullptr;
    QTableWidget* fgHighScores = nullptr;
    QAction* mnuClear = nullptr;
    QLabel* lblWaiting = nullptr;
    QTimer* readAgain_ = nullptr;
    // Says what a screen reader would not hear: a name saved, a score that
    // Escape cannot leave behind.
    Announcer* announcer_ = nullptr;
};

} // namespace bmd::ui
