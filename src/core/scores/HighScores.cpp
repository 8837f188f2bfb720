#include "HighScores.h"

#include "BrightmooseConcentrationModule.h"

namespace bmd {

using BrightmooseConcentrationModule::ReadRegistryValue;
using BrightmooseConcentrationModule::WriteRegistryValue;

namespace {

std::string ValueName(const char* prefix, std::int16_t position)
{
    return prefix + std::to_string(position);
}

StoreResult ToStoreResult(RegistryResult result)
{
    switch (result) {
    case kRegistrySuccess:
        return StoreResult::Stored;
    case kRegistryBusy:
        return StoreResult::Busy;
    case kRegistryAccessDenied:
        return StoreResult::ReadOnly;
    case kRegistryDiskFull:
        return StoreResult::DiskFull;
    default:
        return StoreResult::Unavailable;
    }
}

} // namespace

HighScores::HighScores(std::unique_ptr<RegistryStore> store, char decimalPoint)
    : store_(std::move(store)), decimalPoint_(decimalPoint)
{
}

StoreResult HighScores::SeedHighScores()
{
    // One batch: a second copy of the game starting at the same moment sees
    // all the defaults or none, and never overwrites a value just saved.
    RegistryBatch batch(*store_);
    const bool writable = batch.Began() == kRegistrySuccess;
    if (!writable && !CanRead()) {
        Rebuild();
        return ToStoreResult(batch.Began());
    }
    read_ = true;
    stored_ = ReadTable(writable);
    const RegistryResult result = writable ? batch.End() : batch.Began();
    Rebuild();
    return ToStoreResult(result);
}

void HighScores::Refresh()
{
    // From one state of the store: a score another copy stores meanwhile
    // shows with its name, or not yet.
    RegistryReading reading(*store_);
    RegistryKey key = 0;
    const RegistryResult result = store_->OpenKey(kRoot, kKeyPath, key);
    if (result != kRegistrySuccess) {
        // Nothing stored, or no store: the table in memory stands; a store
        // held by another program is read when it is free.
        read_ = result != kRegistryBusy;
        return;
    }
    store_->CloseKey(key);
    read_ = true;
    stored_ = ReadTable(false);
    Rebuild();
}

bool HighScores::CanRead()
{
    RegistryReading reading(*store_);
    RegistryKey key = 0;
    const RegistryResult result = store_->OpenKey(kRoot, kKeyPath, key);
    store_->CloseKey(key);
    read_ = result != kRegistryBusy;
    return read_;
}

HighScoreTable HighScores::ReadTable(bool writeDefaults)
{
    HighScoreTable table;
    const auto read = [&](const char* prefix, std::int16_t position, const RegistryValue& defaultValue) {
        const std::string valueName = ValueName(prefix, position);
        std::string text = ValueText(ReadRegistryValue(*store_, kRoot, kKeyPath, valueName));
        if (text.empty()) {
            if (writeDefaults) {
                WriteRegistryValue(*store_, kRoot, kKeyPath, valueName, defaultValue, decimalPoint_);
            }
            text = ValueText(defaultValue);
        }
        return text;
    };
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        table.At(position).Name = read("Player", position, kDefaultPlayerName);
    }
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        table.At(position).Score = read("Score", position, kDefaultScore);
    }
    return table;
}

void HighScores::WriteTable(const HighScoreTable& table)
{
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        WriteRegistryValue(*store_, kRoot, kKeyPath, ValueName("Player", position), table.At(position).Name,
                           decimalPoint_);
    }
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        WriteRegistryValue(*store_, kRoot, kKeyPath, ValueName("Score", position), table.At(position).Score,
                           decimalPoint_);
    }
}

std::int16_t HighScores::Rebuild()
{
    const std::int16_t position = PlaceUnsaved(table_);
    // The scores saved in this run show their names as typed, not as the
    // store gives them back.
    std::vector<bool> shown(typedNames_.size(), false);
    for (std::int16_t place = 1; place <= HighScoreTable::kPositions; ++place) {
        HighScoreEntry& entry = table_.At(place);
        for (std::size_t i = 0; i < typedNames_.size(); ++i) {
            if (!shown[i] && entry == typedNames_[i].stored) {
                entry.Name = typedNames_[i].typed;
                shown[i] = true;
                break;
            }
        }
    }
    return position;
}

std::int16_t HighScores::PlaceUnsaved(HighScoreTable& table) const
{
    table = stored_;
    std::int16_t position = 0;
    for (const HighScoreEntry& entry : unsaved_) {
        position = PlaceNewScore(table, static_cast<std::int16_t>(std::stoi(entry.Score)));
        if (position != 0) {
            table.At(position).Name = entry.Name;
        }
    }
    return position;
}

PlacedScore HighScores::WithNewScore(std::int16_t tries) const
{
    PlacedScore placed{table_};
    placed.position = PlaceNewScore(placed.table, tries);
    return placed;
}

SavedScore HighScores::SaveNewScore(std::int16_t tries, const std::string& name)
{
    // Kept as typed for this run; the store keeps it without surrounding spaces.
    const HighScoreEntry entry{name.empty() ? kDefaultPlayerName : name, std::to_string(tries)};
    unsaved_.push_back(entry);
    // What the store gives back: the name trimmed, or read as a number; a
    // name of spaces only is stored empty and comes back as the default.
    const std::string stored = StoredText(entry.Name, decimalPoint_);
    typedNames_.push_back({{stored.empty() ? kDefaultPlayerName : stored, entry.Score}, entry.Name});
    const StoreResult result = StoreUnsavedScores();
    return {lastPlaced_, result};
}

StoreResult HighScores::StoreUnsavedScores()
{
    if (unsaved_.empty()) {
        return StoreResult::Stored;
    }
    RegistryBatch batch(*store_);
    RegistryResult result = batch.Began();
    if (result == kRegistrySuccess) {
        read_ = true;
        stored_ = ReadTable(false);
        HighScoreTable table;
        lastPlaced_ = PlaceUnsaved(table);
        WriteTable(table);
        result = batch.End();
        if (result == kRegistrySuccess) {
            stored_ = table;
            unsaved_.clear();
        }
    }
    const std::int16_t position = Rebuild();
    if (result != kRegistrySuccess) {
        lastPlaced_ = position;
    }
    return ToStoreResult(result);
}

StoreResult HighScores::ResetHighScores()
{
    RegistryBatch batch(*store_);
    if (batch.Began() != kRegistrySuccess) {
        return ToStoreResult(batch.Began());
    }
    WriteTable(DefaultHighScoreTable());
    const RegistryResult result = batch.End();
    if (result == kRegistrySuccess) {
        read_ = true;
        stored_ = DefaultHighScoreTable();
        unsaved_.clear();
        typedNames_.clear();
        table_ = stored_;
    }
    return ToStoreResult(result);
}

} // namespace bmd
