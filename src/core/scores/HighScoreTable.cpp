#include "HighScoreTable.h"

#include "NumberText.h"

#include <limits>

namespace bmd {

HighScoreTable DefaultHighScoreTable()
{
    HighScoreTable table;
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        table.At(position) = HighScoreEntry{kDefaultPlayerName, std::to_string(kDefaultScore)};
    }
    return table;
}

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

} // namespace bmd
