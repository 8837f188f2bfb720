#pragma once

// Building and reading high-score tables in tests.

#include "scores/HighScores.h"
#include "scores/SqliteRegistryStore.h"

#include <QStringList>

namespace tables {

// The scores as listed, 99999 after the list ends; names "<prefix> 1" to "<prefix> 10".
inline bmd::HighScoreTable Make(const QStringList& scores, const QString& namePrefix = QStringLiteral("Player"))
{
    bmd::HighScoreTable table;
    for (std::int16_t position = 1; position <= bmd::HighScoreTable::kPositions; ++position) {
        table.At(position) = {QStringLiteral("%1 %2").arg(namePrefix).arg(position).toStdString(),
                              scores.value(position - 1, QStringLiteral("99999")).toStdString()};
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

// One field of every entry, from first to tenth.
inline QStringList Field(const bmd::HighScoreTable& table, std::string bmd::HighScoreEntry::*field)
{
    QStringList texts;
    for (std::int16_t position = 1; position <= bmd::HighScoreTable::kPositions; ++position) {
        texts << QString::fromStdString(table.At(position).*field);
    }
    return texts;
}
inline QStringList Scores(const bmd::HighScoreTable& table) { return Field(table, &bmd::HighScoreEntry::Score); }
inline QStringList Names(const bmd::HighScoreTable& table) { return Field(table, &bmd::HighScoreEntry::Name); }

// The high scores on a store file, as a run of the game opens them.
inline std::unique_ptr<bmd::HighScores> Open(const QString& file,
                                             std::chrono::milliseconds busyTimeout = std::chrono::seconds(5))
{
    return std::make_unique<bmd::HighScores>(
        std::make_unique<bmd::SqliteRegistryStore>(file.toStdString(), busyTimeout));
}

} // namespace tables
