#pragma once

// Building and reading high-score tables in tests.

#include "scores/HighScores.h"

#include <QStringList>

namespace tables {

// The scores as listed, 99999 after the list ends; names "<prefix> 1" to "<prefix> 10".
inline bmd::HighScoreTable Make(const QStringList& scores, const QString& namePrefix = QStringLiteral("Player"))
{
    bmd::HighScoreTable table;
    for (std::int16_t position = 1; position <= bmd::HighScoreTable::kPositions; ++position) {
        table.At(position).Score = scores.value(position - 1, QStringLiteral("99999")).toStdString();
        table.At(position).Name = QStringLiteral("%1 %2").arg(namePrefix).arg(position).toStdString();
    }
    return table;
}

inline bmd::HighScoreTable Defaults()
{
    bmd::HighScoreTable table;
    for (std::int16_t position = 1; position <= bmd::HighScoreTable::kPositions; ++position) {
        table.At(position) = {"Anonymous", "99999"};
    }
    return table;
}

inline QStringList Scores(const bmd::HighScoreTable& table)
{
    QStringList scores;
    for (std::int16_t position = 1; position <= bmd::HighScoreTable::kPositions; ++position) {
        scores << QString::fromStdString(table.At(position).Score);
    }
    return scores;
}

inline QStringList Names(const bmd::HighScoreTable& table)
{
    QStringList names;
    for (std::int16_t position = 1; position <= bmd::HighScoreTable::kPositions; ++position) {
        names << QString::fromStdString(table.At(position).Name);
    }
    return names;
}

} // namespace tables
