#pragma once

// Building, storing and reading high-score tables in tests.

#include "BrightmooseConcentrationModule.h"
#include "HighScores.h"
#include "SqliteRegistryStore.h"

#include <QFile>
#include <QStringList>

namespace tables {

// The scores as listed, 99999 after the list ends; names "Player 1" to "Player 10".
inline bmd::HighScoreTable Make(const QStringList& scores)
{
    bmd::HighScoreTable table;
    for (std::int16_t position = 1; position <= bmd::HighScoreTable::kPositions; ++position) {
        table.At(position) = {"Player " + std::to_string(position),
                              scores.value(position - 1, QStringLiteral("99999")).toStdString()};
    }
    return table;
}

inline std::unique_ptr<bmd::SqliteRegistryStore>
OpenStore(const QString& file, std::chrono::milliseconds busyTimeout = std::chrono::seconds(5))
{
    return std::make_unique<bmd::SqliteRegistryStore>(QFile::encodeName(file).toStdString(), busyTimeout);
}

// The high scores on a store file, as a run of the game opens them.
inline std::unique_ptr<bmd::HighScores> Open(const QString& file)
{
    return std::make_unique<bmd::HighScores>(OpenStore(file));
}

// Writes the twenty values of a table into a store file, as an earlier run did.
inline void Store(const QString& file, const bmd::HighScoreTable& table)
{
    const auto store = OpenStore(file);
    bmd::RegistryBatch batch(*store);
    for (std::int16_t position = 1; position <= bmd::HighScoreTable::kPositions; ++position) {
        const auto write = [&](const char* value, const std::string& text) {
            bmd::BrightmooseConcentrationModule::WriteRegistryValue(
                *store, bmd::HighScores::kRoot, bmd::HighScores::kKeyPath, value + std::to_string(position), text);
        };
        write("Player", table.At(position).Name);
        write("Score", table.At(position).Score);
    }
}

// The table a later run of the game reads from the file.
inline bmd::HighScoreTable NextRun(const QString& file)
{
    auto scores = Open(file);
    scores->SeedHighScores();
    return scores->StoredTable();
}

} // namespace tables
