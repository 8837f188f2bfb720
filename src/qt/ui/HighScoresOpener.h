#pragma once

#include <cstdint>
#include <optional>

class QWidget;

namespace bmd::ui {

class ScoreKeeper;

// Opens the high-score window modally over its owner: to view the table, or
// to enter a finished game's score. The window is never open twice: a game
// that ends while the table is viewed gets its entry once the view closes.
class HighScoresOpener {
public:
    explicit HighScoresOpener(QWidget* owner) : owner_(owner) {}

    // Without a table, no game earns a place and there is nothing to show.
    void SetScoreKeeper(ScoreKeeper* scores) { scores_ = scores; }

    void ShowTable();
    // Opens the entry if the game earns a place in the table, or if the
    // table cannot be read now to tell; false when the table has no place
    // for it.
    bool OfferEntry(std::int16_t tries);

private:
    void Open(bool newScorePending, std::int16_t tries);

    QWidget* owner_;
    ScoreKeeper* scores_ = nullptr;
    bool open_ = false;
    std::optional<std::int16_t> waitingEntry_;
};

} // namespace bmd::ui
