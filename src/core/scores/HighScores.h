#pragma once

#include "HighScoreTable.h"
#include "RegistryStore.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace bmd {

// A finished game's score placed into a table: where it went, nameless.
struct PlacedScore {
    HighScoreTable table;
    std::int16_t position = 0; // 1-10; 0 when the score has no place
};

// How a change to the table fared with the store.
enum class StoreResult {
    Stored,
    Busy,        // another program holds the store; trying again later may work
    ReadOnly,    // the store can be read but not written, or not made
    DiskFull,    // the disk has no room for the change; freeing some may help
    Unavailable, // there is no store: no place to keep scores, or it cannot be opened
};

struct SavedScore {
    std::int16_t position = 0; // where the score stands in the table now; 0: it has no place
    StoreResult result = StoreResult::Stored;
};

// The high-score table and the store it lives in, under
// HKEY_LOCAL_MACHINE\Software\Brightmoose Software\Brightmoose Derudirodozir
// as "Player1".."Player10" and "Score1".."Score10". Other copies of the game
// may share the store: every change reads the table as stored inside the
// batch that writes it back, so a score stored by another copy meanwhile is
// ranked, never overwritten. A score the store does not take is kept in the
// table for this run, and stored by StoreUnsavedScores once the store allows.
class HighScores {
public:
    static constexpr std::uint32_t kRoot = kHkeyLocalMachine;
    static inline const std::string kKeyPath = "Software\\Brightmoose Software\\Brightmoose Derudirodozir";

    // decimalPoint: the locale's, for telling which names read as numbers.
    explicit HighScores(std::unique_ptr<RegistryStore> store, char decimalPoint = '.');

    // Reads the twenty values into the table, writing the default of each one
    // that is missing, empty or unreadable. A store that cannot be written is
    // only read; the defaults then stand in memory.
    StoreResult SeedHighScores();
    // Reads the table as stored now, for a store that other copies write.
    void Refresh();
    // False while the store cannot be read (another program holds it): the
    // table then is not the stored one, and no place may be offered from it.
    // A store that cannot be opened at all reads as the defaults.
    bool TableIsRead() const { return read_; }

    // The ten entries as stored, with this run's unsaved scores in their places.
    const HighScoreTable& StoredTable() const { return table_; }
    // The rule at the end of a game: the tenth score is worse than `tries`.
    bool Qualifies(std::int16_t tries) const { return bmd::Qualifies(table_, tries); }
    // The table as it would be with a finished game's score in it, its name
    // not given yet. Nothing is stored.
    PlacedScore WithNewScore(std::int16_t tries) const;
    // Places the score with the player's name ("" stands for "Anonymous") in
    // the table as stored now and stores the whole table.
    SavedScore SaveNewScore(std::int16_t tries, const std::string& name);
    // Tries again to store the scores the store did not take.
    StoreResult StoreUnsavedScores();
    bool HasUnsavedScores() const { return !unsaved_.empty(); }
    // Writes the twenty defaults and makes the table the default one; the
    // table stays as it was when the store does not take them.
    StoreResult ResetHighScores();

    RegistryStore& Store() { return *store_; }

private:
    HighScoreTable ReadTable(bool writeDefaults);
    // Whether the stored table can be read now; notes it in read_.
    bool CanRead();
    void WriteTable(const HighScoreTable& table);
    // table = stored_ with the unsaved scores placed; the last one's position.
    std::int16_t PlaceUnsaved(HighScoreTable& table) const;
    // table_ from stored_, the unsaved scores and the names typed in this run.
    std::int16_t Rebuild();

    std::unique_ptr<RegistryStore> store_;
    char decimalPoint_;
    HighScoreTable stored_ = DefaultHighScoreTable(); // as last read from or written to the store
    std::vector<HighScoreEntry> unsaved_;             // scores of this run the store has not taken
    struct TypedName {
        HighScoreEntry stored; // the entry as the store gives it back
        std::string typed;
    };
    std::vector<TypedName> typedNames_; // names saved in this run
    HighScoreTable table_ = DefaultHighScoreTable();
    std::int16_t lastPlaced_ = 0; // where the last unsaved score went when last placed
    bool read_ = false;
};

} // namespace bmd
