#pragma once

#include "RecordingGameWindow.h"
#include "ScoreTables.h"
#include "ui/frmBrightmooseConcentration.h"

#include <QtTest>

// A shown main window on the ordered board, with a seeded score store behind
// it: the start of every test that ends a game or opens the high scores.
struct ScoredTable {
    explicit ScoredTable(const QString& storeFile) : scores(tables::Open(storeFile)), window(&random)
    {
        scores->SeedHighScores();
        window.SetHighScores(scores.get());
        window.show();
    }
    bool Exposed() { return QTest::qWaitForWindowExposed(&window); }

    std::unique_ptr<bmd::HighScores> scores;
    ScriptedRandom random{OrderedBoard()};
    bmd::ui::frmBrightmooseConcentration window;
};
