// The store file in trouble: damaged, unwritable, held by another program,
// shared by two writers. The game goes on and nothing is lost.

#include "AsAnotherUser.h"
#include "FileBytes.h"
#include "ScoreTables.h"
#include "StoreFileProbe.h"
#include "scores/BrightmooseConcentrationModule.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <random>

using bmd::HighScores;
using bmd::HighScoreTable;
using namespace std::chrono_literals;

namespace {

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

} // namespace

class TestRegistryFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;
    const HighScoreTable stored = tables::Make({"10", "20"}); // as an earlier run left it

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
            tables::Store(file_, stored);
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

        QCOMPARE(tables::NextRun(file_), bmd::DefaultHighScoreTable());

        QCOMPARE(SetAside(), aside);
        if (!aside.isEmpty()) {
            QCOMPARE(ReadBytes(dir_->filePath(aside.last())), found);
            QCOMPARE(ReadBytes(dir_->filePath(aside.first())), aside.size() > 1 ? older : found);
        }
        QVERIFY(probe::Database(file_).IsHealthy());
        QCOMPARE(TableInFile(file_), bmd::DefaultHighScoreTable());
    }

    // No store at all: the run goes on with the table in memory.
    void noStore_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder path runs through a file") << "file";
        QTest::newRow("store path is a folder") << "folder";
        QTest::newRow("no place at all") << "none";
    }
    void noStore()
    {
        QFETCH(QString, kind);
        std::unique_ptr<HighScores> scores;
        if (kind == QLatin1String("none")) {
            scores = std::make_unique<HighScores>(std::make_unique<bmd::NoRegistryStore>());
        } else {
            QString file = file_;
            if (kind == QLatin1String("file")) {
                QVERIFY(WriteBytes(dir_->filePath("blocker"), "x"));
                file = dir_->filePath("blocker/Brightmoose/registry.sqlite");
            } else {
                QVERIFY(QDir().mkpath(file));
            }
            scores = tables::Open(file);
            QVERIFY(!static_cast<bmd::SqliteRegistryStore&>(scores->Store()).IsOpen());
        }
        QCOMPARE(scores->SeedHighScores(), bmd::StoreResult::Unavailable);
        QCOMPARE(scores->StoredTable(), bmd::DefaultHighScoreTable());
        const bmd::SavedScore saved = scores->SaveNewScore(10, "Player");
        QVERIFY(saved.position == 1 && saved.result == bmd::StoreResult::Unavailable);
        QCOMPARE(scores->StoredTable().At(1).Name, std::string("Player")); // kept for this run
        QCOMPARE(scores->ResetHighScores(), bmd::StoreResult::Unavailable);
        QVERIFY(SetAside().isEmpty());
    }

    // A store the player cannot write still shows its scores; only writing
    // is refused, and the file stays as it was.
    void readOnlyStore_data()
    {
        QTest::addColumn<bool>("folderReadOnly");
        QTest::newRow("read-only folder") << true;
        QTest::newRow("read-only file") << false;
    }
    void readOnlyStore()
    {
        if (IsRoot()) {
            const QString failure = RunAsNobody("readOnlyStore");
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        QFETCH(bool, folderReadOnly);
        tables::Store(file_, stored);
        QVERIFY(!QFile::exists(file_ + "-shm")); // a closed store leaves no journal
        QVERIFY(QFile::setPermissions(folderReadOnly ? dir_->path() : file_, QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray before = ReadBytes(file_);

        auto scores = tables::Open(file_);
        QCOMPARE(scores->SeedHighScores(), bmd::StoreResult::ReadOnly);
        QCOMPARE(scores->StoredTable(), stored);
        QCOMPARE(scores->SaveNewScore(5, "Quick").result, bmd::StoreResult::ReadOnly);
        QCOMPARE(scores->ResetHighScores(), bmd::StoreResult::ReadOnly);
        scores.reset();
        QCOMPARE(ReadBytes(file_), before);
    }

    // Another program holds the file: reads go on where they can, a save
    // fails whole and waits in memory, and is stored once the file is free.
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
        tables::Store(file_, stored);
        auto other = std::make_unique<probe::Database>(file_);
        QCOMPARE(other->Execute(lockSql.toStdString()), SQLITE_OK);

        auto store = tables::OpenStore(file_, 50ms);
        bmd::SqliteRegistryStore& sqlite = *store;
        HighScores scores(std::move(store));
        QCOMPARE(scores.SeedHighScores(), bmd::StoreResult::Busy);
        QCOMPARE(scores.StoredTable(), readsStored ? stored : bmd::DefaultHighScoreTable());
        QCOMPARE(scores.SaveNewScore(15, "Waiting").result, bmd::StoreResult::Busy);
        QVERIFY(scores.HasUnsavedScores());
        QCOMPARE(other->Execute("ROLLBACK"), SQLITE_OK);
        other.reset();
        QCOMPARE(TableInFile(file_), stored);

        QVERIFY(sqlite.Reopen());
        QCOMPARE(scores.StoreUnsavedScores(), bmd::StoreResult::Stored);
        HighScoreTable expected = stored;
        expected.At(bmd::PlaceNewScore(expected, 15)).Name = "Waiting";
        QCOMPARE(TableInFile(file_), expected);
        QVERIFY(SetAside().isEmpty());
    }

    // A write refused in the middle of a batch takes the whole batch with it:
    // the writes before it are rolled back and those after it fail at once.
    void failedWriteRollsBackTheBatch()
    {
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
            QVERIFY(batch.End() != bmd::kRegistrySuccess);
        }
        QCOMPARE(TableInFile(file_), stored);
        QVERIFY(scores->SaveNewScore(5, "Quick").result != bmd::StoreResult::Stored);
        QCOMPARE(TableInFile(file_), stored);
    }

    // Two copies of the game, each storing scores in turn into one store:
    // none is lost, the table ends as the ten best of all, and the file stays
    // a sound database.
    void twoCopiesKeepEveryScore()
    {
        QProcess first;
        QProcess second;
        for (QProcess* copy : {&first, &second}) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("BMD_STORE_WRITER"), copy == &first ? "1" : "2");
            environment.insert(QStringLiteral("BMD_STORE_FILE"), file_);
            copy->setProcessEnvironment(environment);
            copy->setProcessChannelMode(QProcess::ForwardedChannels);
            copy->start(QCoreApplication::applicationFilePath(), {QStringLiteral("-silent")});
        }
        for (QProcess* copy : {&first, &second}) {
            QVERIFY(copy->waitForFinished(60000));
            QCOMPARE(copy->exitCode(), 0);
        }
        // Writer 1 stored 100, 98, ... 62 and writer 2 stored 99, 97, ... 61.
        const HighScoreTable table = TableInFile(file_);
        for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
            QCOMPARE(table.At(position).Score, std::to_string(60 + position));
            QCOMPARE(table.At(position).Name,
                     (position % 2 == 0 ? "Writer 1 " : "Writer 2 ") + table.At(position).Score);
        }
        QVERIFY(probe::Database(file_).IsHealthy());
    }
};

// One copy of the game in the test above: 20 scores, each better than the
// last, with short pauses so that the two copies' saves interleave.
static int RunWriter(const QString& writer, const QString& file)
{
    auto scores = tables::Open(file);
    scores->SeedHighScores();
    for (int round = 0; round < 20; ++round) {
        const int tries = 100 - 2 * round - (writer == QLatin1String("2") ? 1 : 0);
        const bmd::SavedScore saved = scores->SaveNewScore(
            std::int16_t(tries), QStringLiteral("Writer %1 %2").arg(writer).arg(tries).toStdString());
        if (saved.result != bmd::StoreResult::Stored) {
            return 1;
        }
        QThread::usleep(std::uniform_int_distribution<int>(0, 5000)(*QRandomGenerator::global()));
    }
    return 0;
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet("BMD_STORE_WRITER")) {
        return RunWriter(qEnvironmentVariable("BMD_STORE_WRITER"), qEnvironmentVariable("BMD_STORE_FILE"));
    }
    QCoreApplication app(argc, argv);
    TestRegistryFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_registryfile.moc"
