#pragma once

#include "RecordingGameWindow.h"
#include "ScoreKeeper.h"
#include "frmBrightmooseConcentration.h"

#include <QFile>

// A shown main window on the ordered board, with a seeded score store behind
// it: the start of every test that ends a game or opens the high scores.
struct ScoredTable {
    explicit ScoredTable(const QString& storeFile) : scores(QFile::encodeName(storeFile).toStdString()), window(&random)
    {
        scores.Open();
        window.SetScoreKeeper(&scores);
        window.show();
    }

    bmd::ui::ScoreKeeper scores;
    ScriptedRandom random{OrderedBoard()};
    bmd::ui::frmBrightmooseConcentration window;
};
