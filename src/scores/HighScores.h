#pragma once

#include "scores/RegistryStore.h"

#include <array>
#include <cstdint>
#include <memory>
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

    HighScoreEntry& At(std::int16_t position) { return entries_.at(static_cast<std::size_t>(position - 1)); }
    const HighScoreEntry& At(std::int16_t position) const
    {
        return entries_.at(static_cast<std::size_t>(position - 1));
    }

    bool operator==(const HighScoreTable&) const = default;

private:
    std::array<HighScoreEntry, kPositions> entries_;
};

inline const std::string kDefaultPlayerName = "Anonymous";
constexpr std::int32_t kDefaultScore = 99999;

// A score read as a number. A score that is not a number (the registry was
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

// The high-score table of the run and the store it lives in, under
// HKEY_LOCAL_MACHINE\Software\Brightmoose Software\Brightmoose Derudirodozir
// as "Player1".."Player10" and "Score1".."Score10". Store failures are silent:
// the table in memory is what the run goes on with.
class HighScores {
public:
    static constexpr std::uint32_t kRoot = kHkeyLocalMachine;
    static inline const std::string kKeyPath = "Software\\Brightmoose Software\\Brightmoose Derudirodozir";

    explicit HighScores(std::unique_ptr<RegistryStore> store);

    // Reads the twenty values into StoredTable, writing the default of each
    // one that is missing, empty or unreadable. Once, at start-up.
    void SeedHighScores();
    // The rule at the end of a game, against StoredTable.
    bool Qualifies(std::int16_t tries) const { return bmd::Qualifies(StoredTable, tries); }
    // Writes the twenty values of `table` together. StoredTable is the caller's to update.
    void StoreHighScores(const HighScoreTable& table);
    // Writes the twenty defaults and makes StoredTable the default table.
    void ResetHighScores();

    RegistryStore& Store() { return *store_; }

    HighScoreTable StoredTable;

private:
    std::unique_ptr<RegistryStore> store_;
};

} // namespace bmd
