#pragma once

#include "scores/HighScoreTable.h"
#include "scores/RegistryStore.h"

#include <cstdint>
#include <memory>
#include <string>

namespace bmd {

// A finished game's score placed into a table: where it went, nameless.
struct PlacedScore {
    HighScoreTable table;
    std::int16_t position = 0; // 1-10; 0 when the score has no place
};

// The high-score table of the run and the store it lives in, under
// HKEY_LOCAL_MACHINE\Software\Brightmoose Software\Brightmoose Derudirodozir
// as "Player1".."Player10" and "Score1".."Score10". The table changes only
// through the operations below, each written to the store in one batch.
// Store failures are silent: the table in memory is what the run goes on with.
class HighScores {
public:
    static constexpr std::uint32_t kRoot = kHkeyLocalMachine;
    static inline const std::string kKeyPath = "Software\\Brightmoose Software\\Brightmoose Derudirodozir";

    explicit HighScores(std::unique_ptr<RegistryStore> store);

    // Reads the twenty values into the table, writing the default of each one
    // that is missing, empty or unreadable. Once, at start-up.
    void SeedHighScores();

    // The ten entries as stored.
    const HighScoreTable& StoredTable() const { return storedTable_; }
    // The rule at the end of a game: the tenth score is worse than `tries`.
    bool Qualifies(std::int16_t tries) const { return bmd::Qualifies(storedTable_, tries); }
    // The table as it would be with a finished game's score in it, its name
    // not given yet. Nothing is stored.
    PlacedScore WithNewScore(std::int16_t tries) const;
    // Places the score with the player's name ("" stands for "Anonymous") and
    // stores the whole table. Returns the position, 0 if it has none.
    std::int16_t SaveNewScore(std::int16_t tries, const std::string& name);
    // Writes the twenty defaults and makes the table the default one.
    void ResetHighScores();

    RegistryStore& Store() { return *store_; }

private:
    void StoreHighScores(const HighScoreTable& table);

    std::unique_ptr<RegistryStore> store_;
    HighScoreTable storedTable_ = DefaultHighScoreTable();
};

} // namespace bmd
