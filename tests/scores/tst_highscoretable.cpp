// The ten-best table: placing a new score, the qualification rule, and the
// seeding, saving and clearing on a real store file.

#include "ScoreTables.h"
#include "StoreFileProbe.h"

#include <QTemporaryDir>
#include <QtTest>

using bmd::HighScoreEntry;
using bmd::HighScoreTable;

class TestHighScoreTable : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file_;

private slots:
    void init()
    {
        file_ = dir_.filePath(QStringLiteral("registry.sqlite"));
        QFile::remove(file_);
    }

    // The place a game of so many tries takes (0: none, the game does not
    // qualify); every entry from there on moves down one, the tenth is gone.
    void placeNewScore_data()
    {
        QTest::addColumn<QStringList>("scores");
        QTest::addColumn<int>("tries");
        QTest::addColumn<int>("position");
        const QStringList nines(9, QStringLiteral("74"));
        QTest::newRow("equal scores: new one below them") << QStringList{"40", "50", "50", "60"} << 50 << 4;
        QTest::newRow("best of all") << QStringList{"40", "50", "50", "60"} << 30 << 1;
        QTest::newRow("into tenth place") << (nines + QStringList{"75"}) << 74 << 10;
        QTest::newRow("equal to the tenth: no place") << (nines + QStringList{"75"}) << 75 << 0;
        QTest::newRow("default admits any game") << QStringList{} << 32767 << 1;
        QTest::newRow("numbers, not text") << QStringList{"99", "100"} << 99 << 2;
        QTest::newRow("tenth 100 is worse than 99") << (nines + QStringList{"100"}) << 99 << 10;
        QTest::newRow("tenth stored with exponent") << (nines + QStringList{"1e2"}) << 100 << 0;
        QTest::newRow("no number counts as worst") << QStringList{"40", "abc", "50"} << 45 << 2;
        QTest::newRow("tenth no number") << (nines + QStringList{"abc"}) << 32767 << 10;
    }
    void placeNewScore()
    {
        QFETCH(QStringList, scores);
        QFETCH(int, tries);
        QFETCH(int, position);
        const HighScoreTable before = tables::Make(scores);
        QCOMPARE(bmd::Qualifies(before, std::int16_t(tries)), position != 0);
        HighScoreTable table = before;
        QCOMPARE(int(bmd::PlaceNewScore(table, std::int16_t(tries))), position);
        for (std::int16_t i = 1; i <= HighScoreTable::kPositions; ++i) {
            const HighScoreEntry expected = (position == 0 || i < position) ? before.At(i)
                                            : i == position                 ? HighScoreEntry{"", std::to_string(tries)}
                                                                            : before.At(std::int16_t(i - 1));
            QCOMPARE(table.At(i), expected);
        }
    }

    void seedingAnEmptyStoreWritesTheDefaults()
    {
        auto scores = tables::Open(file_);
        scores->SeedHighScores();
        QCOMPARE(scores->StoredTable(), bmd::DefaultHighScoreTable());
        probe::Database raw(file_);
        QCOMPARE(raw.Text("SELECT count(*) FROM registry_values"), QStringLiteral("20"));
        QCOMPARE(raw.Text("SELECT group_concat(path, '|') FROM"
                          " (SELECT path FROM registry_keys WHERE root = 2147483650 ORDER BY path)"),
                 QStringLiteral("Software|Software\\Brightmoose Software|"
                                "Software\\Brightmoose Software\\Brightmoose Derudirodozir"));
        // Every name "Anonymous" and its NUL (10 bytes), every score the DWORD 99999.
        QCOMPARE(raw.Text("SELECT group_concat(forms) FROM (SELECT DISTINCT substr(name, 1, 5) || type || hex(data)"
                          " AS forms FROM registry_values ORDER BY forms)"),
                 QStringLiteral("Playe1416E6F6E796D6F757300,Score49F860100"));
    }

    // Only a value that reads as "" gets its default; the others stay as they are.
    void seedingWritesOnlyWhatIsMissing_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("name");
        QTest::newRow("nothing missing") << ""
                                         << "" << 1 << "11"
                                         << "Player 1";
        QTest::newRow("only Score7 missing") << "DELETE FROM registry_values WHERE name = 'Score7'"
                                             << "Score7" << 7 << "99999"
                                             << "Player 7";
        QTest::newRow("Player3 empty") << "UPDATE registry_values SET data = x'00' WHERE name = 'Player3'"
                                       << "Player3" << 3 << "13"
                                       << "Anonymous";
        QTest::newRow("Score2 of another type") << "UPDATE registry_values SET type = 3 WHERE name = 'Score2'"
                                                << "Score2" << 2 << "99999"
                                                << "Player 2";
        QTest::newRow("score that is no number is kept")
            << "UPDATE registry_values SET type = 1, data = x'61626300' WHERE name = 'Score5'"
            << "" << 5 << "abc"
            << "Player 5";
    }
    void seedingWritesOnlyWhatIsMissing()
    {
        QFETCH(QString, damage);
        QFETCH(int, position);
        QFETCH(QString, score);
        QFETCH(QString, name);
        const HighScoreTable stored = tables::Make({"11", "12", "13", "14", "15", "16", "17", "18", "19", "20"});
        tables::Store(file_, stored);
        probe::Database raw(file_);
        QCOMPARE(raw.Execute(damage.toStdString()), SQLITE_OK);
        raw.LogWrites();

        auto scores = tables::Open(file_);
        scores->SeedHighScores();
        QTEST(raw.Written(), "written");
        HighScoreTable expected = stored;
        expected.At(std::int16_t(position)) = {name.toStdString(), score.toStdString()};
        QCOMPARE(scores->StoredTable(), expected);
    }

    // A finished game's score with the player's name: placed below equal
    // scores, the whole table written, the name shown as typed for this run
    // and stored without its spaces; "" stands for "Anonymous".
    void saveNewScore_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("thisRun");
        QTest::addColumn<QString>("nextRun");
        QTest::newRow("name") << "Player One"
                              << "Player One"
                              << "Player One";
        QTest::newRow("empty") << ""
                               << "Anonymous"
                               << "Anonymous";
        QTest::newRow("spaces around") << "  Player One  "
                                       << "  Player One  "
                                       << "Player One";
        QTest::newRow("spaces only") << "   "
                                     << "   "
                                     << "Anonymous";
        QTest::newRow("007") << "007"
                             << "007"
                             << "7";
    }
    void saveNewScore()
    {
        QFETCH(QString, typed);
        QFETCH(QString, thisRun);
        QFETCH(QString, nextRun);
        tables::Store(file_, tables::Make({"40", "50", "50", "60", "61", "62", "63", "64", "65", "66"}));
        auto scores = tables::Open(file_);
        scores->SeedHighScores();
        const bmd::PlacedScore preview = scores->WithNewScore(50);
        QCOMPARE(int(preview.position), 4);
        QCOMPARE(tables::NextRun(file_), scores->StoredTable()); // nothing stored by looking

        QCOMPARE(int(scores->SaveNewScore(50, typed.toStdString()).position), 4);
        HighScoreTable expected = preview.table;
        expected.At(4).Name = thisRun.toStdString();
        QCOMPARE(scores->StoredTable(), expected);
        QCOMPARE(tables::Names(scores->StoredTable()).last(), QStringLiteral("Player 9")); // 66 dropped
        expected.At(4).Name = nextRun.toStdString();
        QCOMPARE(tables::NextRun(file_), expected);
        QCOMPARE(int(scores->SaveNewScore(67, "late").position), 0);
        QCOMPARE(tables::NextRun(file_), expected);
    }

    // Clear writes every default, the tenth entry's too.
    void resetWritesAllTwenty()
    {
        const HighScoreTable full = tables::Make({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
        tables::Store(file_, full);
        auto scores = tables::Open(file_);
        scores->SeedHighScores();
        QCOMPARE(scores->StoredTable(), full);
        scores->ResetHighScores();
        QCOMPARE(scores->StoredTable(), bmd::DefaultHighScoreTable());
        QCOMPARE(tables::NextRun(file_), bmd::DefaultHighScoreTable());
    }
};

QTEST_GUILESS_MAIN(TestHighScoreTable)
#include "tst_highscoretable.moc"
