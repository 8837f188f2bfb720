#include "scores/HighScores.h"

#include "scores/BrightmooseConcentrationModule.h"

namespace bmd {

using BrightmooseConcentrationModule::ReadRegistryValue;
using BrightmooseConcentrationModule::WriteRegistryValue;

namespace {

std::string PlayerValueName(std::int16_t position)
{
    return "Player" + std::to_string(position);
}

std::string ScoreValueName(std::int16_t position)
{
    return "Score" + std::to_string(position);
}

} // namespace

HighScores::HighScores(std::unique_ptr<RegistryStore> store) : store_(std::move(store))
{
}

void HighScores::SeedHighScores()
{
    // One transaction: a second copy of the game starting at the same moment
    // sees all the defaults or none, and never overwrites a value just saved.
    RegistryBatch batch(*store_);
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        const std::string valueName = PlayerValueName(position);
        std::string name = ValueText(ReadRegistryValue(*store_, kRoot, kKeyPath, valueName));
        if (name.empty()) {
            WriteRegistryValue(*store_, kRoot, kKeyPath, valueName, kDefaultPlayerName);
            name = kDefaultPlayerName;
        }
        storedTable_.At(position).Name = name;
    }
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        const std::string valueName = ScoreValueName(position);
        std::string score = ValueText(ReadRegistryValue(*store_, kRoot, kKeyPath, valueName));
        if (score.empty()) {
            WriteRegistryValue(*store_, kRoot, kKeyPath, valueName, kDefaultScore);
            score = std::to_string(kDefaultScore);
        }
        storedTable_.At(position).Score = score;
    }
}

PlacedScore HighScores::WithNewScore(std::int16_t tries) const
{
    PlacedScore placed{storedTable_};
    placed.position = PlaceNewScore(placed.table, tries);
    return placed;
}

std::int16_t HighScores::SaveNewScore(std::int16_t tries, const std::string& name)
{
    PlacedScore placed = WithNewScore(tries);
    if (placed.position == 0) {
        return 0;
    }
    // Kept as typed for this run; the store keeps it without surrounding spaces.
    placed.table.At(placed.position).Name = name.empty() ? kDefaultPlayerName : name;
    StoreHighScores(placed.table);
    storedTable_ = placed.table;
    return placed.position;
}

void HighScores::StoreHighScores(const HighScoreTable& table)
{
    RegistryBatch batch(*store_);
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        WriteRegistryValue(*store_, kRoot, kKeyPath, PlayerValueName(position), table.At(position).Name);
    }
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        WriteRegistryValue(*store_, kRoot, kKeyPath, ScoreValueName(position), table.At(position).Score);
    }
}

void HighScores::ResetHighScores()
{
    {
        RegistryBatch batch(*store_);
        for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
            WriteRegistryValue(*store_, kRoot, kKeyPath, PlayerValueName(position), kDefaultPlayerName);
        }
        for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
            WriteRegistryValue(*store_, kRoot, kKeyPath, ScoreValueName(position), kDefaultScore);
        }
    }
    storedTable_ = DefaultHighScoreTable();
}

} // namespace bmd
