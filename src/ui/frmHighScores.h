#pragma once

#include "scores/HighScores.h"

#include <QDialog>

#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace bmd::ui {

// The ten best games. Made anew for each opening and shown modally with
// exec(); the table of the run (StoredTable) stays with the HighScores object.
//
// Entry mode (newScorePending): the game's tries are placed in a working copy
// of the table and the player saves a name for them; closing without saving
// discards the new entry. View mode: the table as stored; it can be cleared.
//
// The Help menu items only raise signals; the opener connects them.
class frmHighScores : public QDialog {
    Q_OBJECT

public:
    static inline const QString kHelpTopic = QStringLiteral("High_Scores.htm");

    frmHighScores(QWidget* owner, HighScores& highScores, bool newScorePending, std::int16_t tries);

    // True: opened for a new score (entry mode); false: view mode.
    const bool NewScorePending;

signals:
    void helpTopicRequested(const QString& topic);
    void helpIndexRequested();
    void webSiteRequested();
    void aboutRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildMenus();
    void BuildControls(QWidget* client);
    void Form_Load();
    void btnSave_Click();
    void btnClear_Click();
    void btnOK_Click();
    void mnuExit_Click();
    void mnuContents_Click();
    void mnuIndex_Click();
    void mnuBrightmoose_Click();
    void mnuAbout_Click();

    void ShowTable(const HighScoreTable& table);
    // The Clear button and File > Clear go together.
    void SetClearEnabled(bool enabled);

    HighScores& highScores_;
    std::int16_t tries_;
    HighScoreTable WorkingTable;
    std::int16_t NewPosition = 0;

    QLabel* lblPlayer = nullptr;
    QLineEdit* txtPlayer = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnOK = nullptr;
    QTableWidget* fgHighScores = nullptr;
    QAction* mnuClear = nullptr;
};

} // namespace bmd::ui
