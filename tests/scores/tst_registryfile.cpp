// The store file in trouble: damaged, unwritable, held by another program,
// shared by two writers. The game goes on and nothing is lost.

#include "FileBytes.h"
#include "ScoreTables.h"
#include "StoreFileProbe.h"
#include "scores/BrightmooseConcentrationModule.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

using bmd::HighScores;
using bmd::HighScoreTable;
using namespace std::chrono_literals;

namespace {

bool IsOpen(HighScores& scores)
{
    return static_cast<bmd::SqliteRegistryStore&>(scores.Store()).IsOpen();
}

// The table in the file, read without seeding anything.
HighScoreTable TableInFile(const QString& file)
{
    auto scores = tables::Open(file);
    const auto read = [&](const std::string& name) {
        return bmd::ValueText(bmd::BrightmooseConcentrationModule::ReadRegistryValue(
            scores->Store(), bmd::kHkeyLocalMachine, HighScores::kKeyPath, name));
    };
    HighScoreTable table;
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        table.At(position) = {read("Player" + std::to_string(position)), read("Score" + std::to_string(position))};
    }
    return table;
}

// One writer's table of one round: every score the round, names "<writer> <round> <position>".
HighScoreTable RoundTable(const QString& writer, int round)
{
    return tables::Make(QStringList(10, QString::number(round)), QStringLiteral("%1 %2").arg(writer).arg(round));
}

} // namespace

class TestRegistryFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;

    QStringList SetAside() const { return QDir(dir_->path()).entryList({"*damaged*"}, QDir::Files, QDir::Name); }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        file_ = dir_->filePath(QStringLiteral("registry.sqlite"));
    }
    void cleanup() { QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }

    // Kept aside byte for byte, never deleted; a fresh store holds the defaults.
    void damagedFileIsSetAside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("aside");
        const QStringList first{"registry.sqlite.damaged-1"};
        QTest::newRow("text file") << "text" << first;
        QTest::newRow("damaged pages") << "pages" << first;
        QTest::newRow("our table name in another shape") << "foreign" << first;
        QTest::newRow("another program's database") << "unrelated" << first;
        QTest::newRow("earlier copy kept") << "again" << (first + QStringList{"registry.sqlite.damaged-2"});
        QTest::newRow("empty file is a fresh store") << "empty" << QStringList{};
    }
    void damagedFileIsSetAside()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, aside);
        if (kind == QLatin1String("pages")) {
            tables::Store(file_, tables::Make({"10", "20"}));
            QByteArray bytes = ReadBytes(file_);
            QVERIFY(bytes.size() >= 8192);
            QVERIFY(WriteBytes(file_, bytes.left(4096) + QByteArray(bytes.size() - 4096, '\xA5')));
        } else if (kind == QLatin1String("foreign")) {
            QCOMPARE(probe::Database(file_).Execute("CREATE TABLE registry_values (key TEXT)"), SQLITE_OK);
        } else if (kind == QLatin1String("unrelated")) {
            QCOMPARE(probe::Database(file_).Execute("CREATE TABLE notes (text TEXT)"), SQLITE_OK);
        } else {
            QVERIFY(WriteBytes(file_, kind == QLatin1String("empty")
                                          ? QByteArray()
                                          : QByteArray("This is no database.\n").repeated(200)));
            QVERIFY(kind != QLatin1String("again") || WriteBytes(file_ + ".damaged-1", "an older damaged store"));
        }
        const QByteArray found = ReadBytes(file_);
        const QByteArray older = ReadBytes(file_ + ".damaged-1");

        auto scores = tables::Open(file_);
        QVERIFY(IsOpen(*scores));
        scores->SeedHighScores();
        QCOMPARE(scores->StoredTable(), bmd::DefaultHighScoreTable());
        scores.reset();

        QCOMPARE(SetAside(), aside);
        if (!aside.isEmpty()) {
            QCOMPARE(ReadBytes(dir_->filePath(aside.last())), found);
            QCOMPARE(ReadBytes(dir_->filePath(aside.first())), aside.size() > 1 ? older : found);
        }
        QVERIFY(probe::Database(file_).IsHealthy());
        QCOMPARE(TableInFile(file_), bmd::DefaultHighScoreTable());
    }

    // No store at all: the run goes on with the table in memory.
    void unwritableFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder path runs through a file") << "file";
        QTest::newRow("store path is a folder") << "folder";
        QTest::newRow("read-only folder") << "readonly";
    }
    void unwritableFolder()
    {
        QFETCH(QString, kind);
        QString file = file_;
        if (kind == QLatin1String("file")) {
            QVERIFY(WriteBytes(dir_->filePath("blocker"), "x"));
            file = dir_->filePath("blocker/Brightmoose/registry.sqlite");
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(file));
        } else {
            QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner));
            if (WriteBytes(dir_->filePath("probe"), "x")) {
                QSKIP("this user may write into a read-only folder");
            }
        }
        auto scores = tables::Open(file);
        QVERIFY(!IsOpen(*scores));
        scores->SeedHighScores();
        QCOMPARE(scores->StoredTable(), bmd::DefaultHighScoreTable());
        QCOMPARE(int(scores->SaveNewScore(10, "Player")), 1);
        scores->ResetHighScores();
        QCOMPARE(scores->StoredTable(), bmd::DefaultHighScoreTable());
        QVERIFY(SetAside().isEmpty());
    }

    // Another program holds the file: reads go on where they can, a batch of
    // writes fails whole, and nothing of the file is lost or set aside.
    void heldByAnotherProgram_data()
    {
        QTest::addColumn<QString>("lockSql");
        QTest::addColumn<bool>("readsStored");
        QTest::newRow("writing") << "BEGIN IMMEDIATE; UPDATE registry_values SET type = type;" << true;
        QTest::newRow("held exclusively")
            << "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE registry_values SET type = type;" << false;
    }
    void heldByAnotherProgram()
    {
        QFETCH(QString, lockSql);
        QFETCH(bool, readsStored);
        const HighScoreTable stored = tables::Make({"10", "20"});
        tables::Store(file_, stored);
        auto other = std::make_unique<probe::Database>(file_);
        QCOMPARE(other->Execute(lockSql.toStdString()), SQLITE_OK);

        auto scores = tables::Open(file_, 50ms);
        scores->SeedHighScores();
        QCOMPARE(scores->StoredTable(), readsStored ? stored : bmd::DefaultHighScoreTable());
        scores->SaveNewScore(1, "Rejected");
        QCOMPARE(other->Execute("ROLLBACK"), SQLITE_OK);
        other.reset();
        QCOMPARE(TableInFile(file_), stored);
        QVERIFY(SetAside().isEmpty());
    }

    // A write refused in the middle of a batch takes the whole batch with it:
    // the writes before it are rolled back and those after it fail at once.
    void failedWriteRollsBackTheBatch()
    {
        const HighScoreTable stored = tables::Make({"10", "20"});
        tables::Store(file_, stored);
        QCOMPARE(probe::Database(file_).Execute("CREATE TRIGGER refuse BEFORE UPDATE ON registry_values"
                                                " WHEN new.name = 'Score5' BEGIN SELECT RAISE(ABORT, 'refused'); END"),
                 SQLITE_OK);
        auto scores = tables::Open(file_);
        scores->SeedHighScores();
        {
            bmd::RegistryStore& store = scores->Store();
            bmd::RegistryBatch batch(store);
            bmd::RegistryKey key = 0;
            QCOMPARE(store.CreateKey(HighScores::kRoot, HighScores::kKeyPath, key), bmd::kRegistrySuccess);
            const char dword[4] = {1, 0, 0, 0};
            QCOMPARE(store.SetValue(key, "Score4", bmd::kRegDword, dword, 4), bmd::kRegistrySuccess);
            QVERIFY(store.SetValue(key, "Score5", bmd::kRegDword, dword, 4) != bmd::kRegistrySuccess);
            QVERIFY(store.SetValue(key, "Score6", bmd::kRegDword, dword, 4) != bmd::kRegistrySuccess);
            store.CloseKey(key);
        }
        QCOMPARE(TableInFile(file_), stored);
        QCOMPARE(int(scores->SaveNewScore(5, "Quick")), 1);
        QCOMPARE(TableInFile(file_), stored);
    }

    // Two copies of the game saving at once, into a store neither has made yet:
    // every write lands, every table lands whole (as each copy sees when it
    // reads back), and the file stays a sound database.
    void twoWritersBothComplete()
    {
        constexpr int kRounds = 25;
        std::atomic<int> started{0};
        std::atomic<int> mixedTables{0};
        const auto writer = [&](const QString& who) {
            for (++started; started.load() < 2;) {
                std::this_thread::yield();
            }
            auto scores = tables::Open(file_);
            scores->SeedHighScores();
            for (int round = 1; round <= kRounds; ++round) {
                tables::Store(scores->Store(), RoundTable(who, round));
                bmd::BrightmooseConcentrationModule::WriteRegistryValue(
                    scores->Store(), bmd::kHkeyLocalMachine, HighScores::kKeyPath,
                    QStringLiteral("%1 %2").arg(who).arg(round).toStdString(), round);
                scores->SeedHighScores();
                const QString first = QString::fromStdString(scores->StoredTable().At(1).Name);
                const bool whole = scores->StoredTable()
                                   == RoundTable(first.section(' ', 0, 0), first.section(' ', 1, 1).toInt());
                mixedTables += whole ? 0 : 1;
            }
        };
        std::thread first(writer, QStringLiteral("First"));
        std::thread second(writer, QStringLiteral("Second"));
        first.join();
        second.join();

        QCOMPARE(mixedTables.load(), 0);
        probe::Database raw(file_);
        QVERIFY(raw.IsHealthy());
        QCOMPARE(raw.Text("SELECT count(*) FROM registry_values WHERE name LIKE 'First %'"), QString::number(kRounds));
        QCOMPARE(raw.Text("SELECT count(*) FROM registry_values WHERE name LIKE 'Second %'"), QString::number(kRounds));
        const HighScoreTable last = TableInFile(file_);
        QVERIFY(last == RoundTable("First", kRounds) || last == RoundTable("Second", kRounds));
    }
};

QTEST_GUILESS_MAIN(TestRegistryFile)
#include "tst_registryfile.moc"
