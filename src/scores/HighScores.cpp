#include "scores/HighScores.h"

#include "scores/BrightmooseConcentrationModule.h"

#include <limits>

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

double ScoreNumber(const std::string& score)
{
    return ParseNumber(score).value_or(std::numeric_limits<double>::infinity());
}

bool Qualifies(const HighScoreTable& table, std::int16_t tries)
{
    return ScoreNumber(table.At(HighScoreTable::kPositions).Score) > tries;
}

void AdjustArray(HighScoreTable& table, std::int16_t position)
{
    if (position < 1 || position > HighScoreTable::kPositions) {
        return;
    }
    for (std::int16_t i = HighScoreTable::kPositions; i > position; --i) {
        table.At(i) = table.At(static_cast<std::int16_t>(i - 1));
    }
    table.At(position) = HighScoreEntry{};
}

std::int16_t PlaceNewScore(HighScoreTable& table, std::int16_t tries)
{
    std::int16_t newPosition = 0;
    for (std::int16_t i = HighScoreTable::kPositions; i >= 1; --i) {
        if (ScoreNumber(table.At(i).Score) > tries) {
            newPosition = i;
        }
    }
    if (newPosition == 0) {
        return 0;
    }
    AdjustArray(table, newPosition);
    table.At(newPosition) = HighScoreEntry{"", std::to_string(tries)};
    return newPosition;
}

HighScores::HighScores(std::unique_ptr<RegistryStore> store) : store_(std::move(store))
{
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        StoredTable.At(position) = HighScoreEntry{kDefaultPlayerName, std::to_string(kDefaultScore)};
    }
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
        StoredTable.At(position).Name = name;
    }
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        const std::string valueName = ScoreValueName(position);
        std::string score = ValueText(ReadRegistryValue(*store_, kRoot, kKeyPath, valueName));
        if (score.empty()) {
            WriteRegistryValue(*store_, kRoot, kKeyPath, valueName, kDefaultScore);
            score = std::to_string(kDefaultScore);
        }
        StoredTable.At(position).Score = score;
    }
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
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        StoredTable.At(position) = HighScoreEntry{kDefaultPlayerName, std::to_string(kDefaultScore)};
    }
}

} // namespace bmd
