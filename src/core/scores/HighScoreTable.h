#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace bmd {

struct HighScoreEntry {
    std::string Name;  // "" for a new entry whose name is not given yet
    std::string Score; // decimal digits of the tries

    bool operator==(const HighScoreEntry&) const = default;
};

// The ten best games; position 1 is the best (fewest tries).
class HighScoreTable {
public:
    static constexpr std::int16_t kPositions = 10;

    HighScoreEntry& At(std::int16_t position) { return entries_.at(Slot(position)); }
    const HighScoreEntry& At(std::int16_t position) const { return entries_.at(Slot(position)); }

    bool operator==(const HighScoreTable&) const = default;

private:
    static std::size_t Slot(std::int16_t position) { return static_cast<std::size_t>(position - 1); }

    std::array<HighScoreEntry, kPositions> entries_;
};

inline const std::string kDefaultPlayerName = "Anonymous";
constexpr std::int32_t kDefaultScore = 99999;

// Ten entries of "Anonymous" and 99999: a first start's table.
HighScoreTable DefaultHighScoreTable();

// A score read as a number. A score that is not a number (the store was
// edited by hand) counts as worse than any number.
double ScoreNumber(const std::string& score);

// True when a game of `tries` earns a place: the tenth score is worse.
bool Qualifies(const HighScoreTable& table, std::int16_t tries);

// Opens a gap at `position`: the entries from there move down one place, the
// tenth is dropped, and the position is left with an empty name and score.
void AdjustArray(HighScoreTable& table, std::int16_t position);

// Puts `tries` above every worse score and below every equal or better one,
// with an empty name, and returns its position. Returns 0 and changes
// nothing when the score has no place.
std::int16_t PlaceNewScore(HighScoreTable& table, std::int16_t tries);

} // namespace bmd
