// The ten-best table: placing a new score, the qualification rule, and the
// seeding, storing and clearing on a real store file.

#include "ScoreTables.h"
#include "StoreFileProbe.h"

#include "scores/HighScores.h"
#include "scores/SqliteRegistryStore.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using bmd::HighScoreEntry;
using bmd::HighScores;
using bmd::HighScoreTable;

class TestHighScoreTable : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void placeNewScore_data()
    {
        QTest::addColumn<QStringList>("scores");
        QTest::addColumn<int>("tries");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("scoresAfter");

        QTest::newRow("equal scores: new one below them") << QStringList{"40", "50", "50", "60"} << 50 << 4
                                                          << QStringList{"40", "50", "50", "50", "60"};
        QTest::newRow("best of all") << QStringList{"40", "50", "50", "60"} << 30 << 1
                                     << QStringList{"30", "40", "50", "50", "60"};
        const QStringList nines{"74", "74", "74", "74", "74", "74", "74", "74", "74"};
        QTest::newRow("into tenth place") << (nines + QStringList{"75"}) << 74 << 10 << (nines + QStringList{"74"});
        QTest::newRow("equal to the tenth: no place") << (nines + QStringList{"75"}) << 75 << 0
                                                      << (nines + QStringList{"75"});
        QTest::newRow("numbers, not text") << QStringList{"99", "100"} << 99 << 2 << QStringList{"99", "99", "100"};
        QTest::newRow("no number counts as worst") << QStringList{"40", "abc", "50"} << 45 << 2
                                                   << QStringList{"40", "45", "abc", "50"};
    }

    void placeNewScore()
    {
        QFETCH(QStringList, scores);
        QFETCH(int, tries);
        QFETCH(int, position);
        QFETCH(QStringList, scoresAfter);

        const HighScoreTable before = tables::Make(scores);
        HighScoreTable table = before;
        QCOMPARE(int(bmd::PlaceNewScore(table, std::int16_t(tries))), position);
        QCOMPARE(tables::Scores(table), tables::Scores(tables::Make(scoresAfter)));
        // Every entry from the new position on has moved down one place; the tenth is gone.
        for (std::int16_t i = 1; i <= HighScoreTable::kPositions; ++i) {
            const HighScoreEntry expected = (position == 0 || i < position) ? before.At(i)
                                            : i == position ? HighScoreEntry{"", std::to_string(tries)}
                                                            : before.At(std::int16_t(i - 1));
            QCOMPARE(table.At(i), expected);
        }
    }

    void qualifies_data()
    {
        QTest::addColumn<QString>("tenth");
        QTest::addColumn<int>("tries");
        QTest::addColumn<bool>("qualifies");

        QTest::newRow("equal to the tenth") << "75" << 75 << false;
        QTest::newRow("one better") << "75" << 74 << true;
        QTest::newRow("default admits any game") << "99999" << 32767 << true;
        QTest::newRow("100 is worse than 99") << "100" << 99 << true;
        QTest::newRow("stored with exponent") << "1e2" << 100 << false;
        QTest::newRow("no number") << "abc" << 32767 << true;
    }

    void qualifies()
    {
        QFETCH(QString, tenth);
        QFETCH(int, tries);
        QFETCH(bool, qualifies);

        QStringList scores(9, QStringLiteral("1"));
        QCOMPARE(bmd::Qualifies(tables::Make(scores << tenth), std::int16_t(tries)), qualifies);
    }

    void seedingAnEmptyStoreWritesTheDefaults()
    {
        HighScores highScores = Open();
        highScores.SeedHighScores();
        QCOMPARE(highScores.StoredTable, tables::Defaults());

        probe::Database raw(File());
        QCOMPARE(raw.Text("SELECT count(*) FROM registry_values"), QStringLiteral("20"));
        QCOMPARE(raw.Text("SELECT group_concat(path, '|') FROM"
                          " (SELECT path FROM registry_keys WHERE root = 2147483650 ORDER BY path)"),
                 QStringLiteral("Software|Software\\Brightmoose Software|"
                                "Software\\Brightmoose Software\\Brightmoose Derudirodozir"));
        for (int position = 1; position <= 10; ++position) {
            const auto player = raw.Value(HighScores::kKeyPath, "Player" + std::to_string(position));
            QCOMPARE(player.type, 1);
            QCOMPARE(player.data, QByteArray("Anonymous\0", 10));
            const auto score = raw.Value(HighScores::kKeyPath, "Score" + std::to_string(position));
            QCOMPARE(score.type, 4);
            QCOMPARE(score.data, QByteArray("\x9F\x86\x01\x00", 4));
        }
    }

    // Only a value that reads as "" gets its default; the others stay as they are.
    void seedingWritesOnlyWhatIsMissing_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("name");

        QTest::newRow("nothing missing") << "" << "" << 1 << "11" << "Player 1";
        QTest::newRow("only Score7 missing") << "DELETE FROM registry_values WHERE name = 'Score7'" << "Score7" << 7
                                             << "99999" << "Player 7";
        QTest::newRow("Player3 empty") << "UPDATE registry_values SET data = x'00' WHERE name = 'Player3'"
                                       << "Player3" << 3 << "13" << "Anonymous";
        QTest::newRow("Score2 of another type") << "UPDATE registry_values SET type = 3 WHERE name = 'Score2'"
                                                << "Score2" << 2 << "99999" << "Player 2";
        QTest::newRow("score that is no number is kept")
            << "UPDATE registry_values SET type = 1, data = x'61626300' WHERE name = 'Score5'" << "" << 5 << "abc"
            << "Player 5";
    }

    void seedingWritesOnlyWhatIsMissing()
    {
        QFETCH(QString, damage);
        QFETCH(QString, written);
        QFETCH(int, position);
        QFETCH(QString, score);
        QFETCH(QString, name);

        const HighScoreTable stored = tables::Make({"11", "12", "13", "14", "15", "16", "17", "18", "19", "20"});
        Open().StoreHighScores(stored);
        probe::Database raw(File());
        QCOMPARE(raw.Execute(damage.toStdString()), SQLITE_OK);
        raw.LogWrites();

        HighScores highScores = Open();
        highScores.SeedHighScores();
        QCOMPARE(raw.Written(), written);
        HighScoreTable expected = stored;
        expected.At(std::int16_t(position)) = {name.toStdString(), score.toStdString()};
        QCOMPARE(highScores.StoredTable, expected);
    }

    // What a player saves as a name, as the next start reads it back.
    void namesComeBackAsStored_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("nextStart");

        QTest::newRow("empty") << "" << "Anonymous";
        QTest::newRow("spaces only") << "    " << "Anonymous";
        QTest::newRow("spaces around") << "  Player One  " << "Player One";
        QTest::newRow("007") << "007" << "7";
        QTest::newRow("42") << "42" << "42";
        QTest::newRow("eleven digits") << "12345678901" << "12345678901";
        QTest::newRow("non-ASCII") << "Ünïcødé ✓" << "Ünïcødé ✓";
        const QString longName(10000, QLatin1Char('n'));
        QTest::newRow("10,000 characters") << longName << longName;
    }

    void namesComeBackAsStored()
    {
        QFETCH(QString, saved);
        QFETCH(QString, nextStart);

        HighScoreTable table = tables::Make({"40", "50"});
        table.At(2).Name = saved.toStdString();
        Open().StoreHighScores(table);

        HighScores nextRun = Open();
        nextRun.SeedHighScores();
        table.At(2).Name = nextStart.toStdString();
        QCOMPARE(nextRun.StoredTable, table);
    }

    void resetRewritesAllTwenty()
    {
        HighScores highScores = Open();
        highScores.SeedHighScores();
        highScores.StoredTable = tables::Make({"12"});
        probe::Database raw(File());
        raw.LogWrites();

        highScores.ResetHighScores();
        QCOMPARE(raw.Written(), QStringLiteral("Player1 Player2 Player3 Player4 Player5 Player6 Player7 Player8 "
                                               "Player9 Player10 Score1 Score2 Score3 Score4 Score5 Score6 Score7 "
                                               "Score8 Score9 Score10"));
        QCOMPARE(highScores.StoredTable, tables::Defaults());
    }

private:
    QString File() const { return dir_->filePath(QStringLiteral("registry.sqlite")); }
    HighScores Open() const { return HighScores(std::make_unique<bmd::SqliteRegistryStore>(File().toStdString())); }

    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(TestHighScoreTable)
#include "tst_highscoretable.moc"
