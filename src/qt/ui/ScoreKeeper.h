#pragma once

#include "HighScores.h"
#include "MessageBoxes.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <optional>

class QWidget;

namespace bmd {
class SqliteRegistryStore;
}

namespace bmd::ui {

// The run's high scores and their store. The store is opened when scores are
// first needed and never holds up a window:
// a store that another program holds is tried again a little later, and a
// score it does not take stays in the table for this run while the keeper
// keeps trying. The player is told once per run, in plain words, when a
// score cannot be kept, why, and what to do; and when the score is stored
// after all, that message says so instead. A damaged store set aside is
// told once too.
class ScoreKeeper : public QObject {
    Q_OBJECT

public:
    // How long a busy store is waited for in one go, and how long a score
    // may wait for a busy store before the player is told.
    static constexpr int kBusyWaitMs = 50;
    static constexpr int kRetryMs = 500;
    static constexpr int kTellAfterMs = 10000;
    // Once the player has been told, a store that stays busy is tried less
    // often, down to once in this long.
    static constexpr int kSlowestRetryMs = 8000;

    // An empty file name means there is no writable place for scores; none
    // at all means the usual place, found when the store is first opened.
    // tellAfterMs: how long a score waits for a busy store before the player
    // is told.
    explicit ScoreKeeper(std::optional<std::filesystem::path> storeFile = std::nullopt, int tellAfterMs = kTellAfterMs);

    // The store's usual place: registry.sqlite in the per-user data folder
    // (below the home folder of the password database when HOME is not
    // set, which is then set to it so that all of Qt agrees); "" when there
    // is no home folder or the folder cannot be made.
    static std::filesystem::path DefaultStoreFile();
    ~ScoreKeeper() override;

    // Opens the store and reads the table, writing missing defaults; the
    // other operations open it when they need it.
    void Open();
    bool IsOpen() const { return scores_ != nullptr; }

    // The table as stored, read again now (other copies may have written).
    const HighScoreTable& Table();
    // Whether that table is the stored one: false while another program
    // holds the store against readers.
    bool TableIsRead() const { return scores_ == nullptr || scores_->TableIsRead(); }
    bool Qualifies(std::int16_t tries);
    PlacedScore WithNewScore(std::int16_t tries) { return Scores().WithNewScore(tries); }
    // Stores the score under the name, or keeps it for this run and says why
    // (over `parent`) once per run. Returns its position in the table.
    std::int16_t SaveNewScore(std::int16_t tries, const QString& name, QWidget* parent);
    // Clears the table; returns false, after saying why, when the store does
    // not take it.
    bool ResetHighScores(QWidget* parent);

private:
    HighScores& Scores();
    // The store was held by another program, or the disk full, when it was opened.
    bool StoreBusy() const;
    void StartRetrying();
    void Retry();
    void Tell(StoreResult why, QWidget* parent);
    QString WhyText(StoreResult why) const;
    // What the player can do about it.
    QString WhatToDoText(StoreResult why) const;

    std::optional<std::filesystem::path> storeFile_;
    std::unique_ptr<HighScores> scores_;
    SqliteRegistryStore* store_ = nullptr; // owned by scores_; none where there is no place
    QTimer retry_;
    int waitedMs_ = 0;
    int tellAfterMs_;
    bool told_ = false;
    Notice notice_;  // the one message about a score that could not be saved
    Notice damaged_; // a damaged store set aside
};

} // namespace bmd::ui
