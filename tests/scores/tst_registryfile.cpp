// The store file in trouble: damaged, unwritable, held by another program,
// shared by two writers. The game goes on and nothing is lost.

#include "AsAnotherUser.h"
#include "BrightmooseConcentrationModule.h"
#include "FileBytes.h"
#include "ScoreTables.h"
#include "StoreFileProbe.h"

#include <QDeadlineTimer>
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

Q_DECLARE_METATYPE(bmd::StoreResult)

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

private Q_SLOTS:
    void init()
    {
        // Characters that a file name may hold and a URI must escape.
        dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/scores #1 100%?-XXXXXX"));
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

    // A store in trouble: none at all, one the player cannot write, one that
    // another program holds. The run goes on with what could be read; each
    // change says why it was not stored, a score stays in the table for the
    // run, and the file stays as it was. A held store takes the waiting
    // score once it is free.
    void storeInTrouble_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<bmd::StoreResult>("result");
        QTest::addColumn<bool>("readsStored");
        const auto row = [](const char* tag, const char* trouble, bmd::StoreResult result, bool readsStored) {
            QTest::newRow(tag) << QString::fromLatin1(trouble) << result << readsStored;
        };
        row("folder path runs through a file", "file", bmd::StoreResult::Unavailable, false);
        row("store path is a folder", "folder", bmd::StoreResult::Unavailable, false);
        row("no place at all", "none", bmd::StoreResult::Unavailable, false);
        row("read-only folder", "read-only folder", bmd::StoreResult::ReadOnly, true);
        row("read-only file", "read-only file", bmd::StoreResult::ReadOnly, true);
        row("held while another program writes", "held", bmd::StoreResult::Busy, true);
        row("held exclusively", "held exclusively", bmd::StoreResult::Busy, false);
    }
    void storeInTrouble()
    {
        QFETCH(QString, trouble);
        QFETCH(bmd::StoreResult, result);
        QFETCH(bool, readsStored);
        if (trouble.startsWith("read-only") && IsRoot()) {
            const QString failure = RunAsNobody(qPrintable("storeInTrouble:" + trouble));
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        QString file = file_;
        std::optional<probe::Database> other;
        if (trouble == "file") {
            QVERIFY(WriteBytes(dir_->filePath("blocker"), "x"));
            file = dir_->filePath("blocker/Brightmoose/registry.sqlite");
        } else if (trouble == "folder") {
            QVERIFY(QDir().mkpath(file));
        } else if (trouble != "none") {
            tables::Store(file_, stored);
            QVERIFY(!QFile::exists(file_ + "-shm")); // a closed store leaves no journal
        }
        if (trouble.startsWith("read-only")) {
            const QString readOnly = trouble.endsWith("folder") ? dir_->path() : file_;
            QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
        } else if (trouble.startsWith("held")) {
            other.emplace(file_);
            const std::string lock = trouble == "held" ? "BEGIN IMMEDIATE;"
                                                       : "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;";
            QCOMPARE(other->Execute(lock + " UPDATE registry_values SET type = type;"), SQLITE_OK);
        }
        const QByteArray before = ReadBytes(file_);

        std::unique_ptr<bmd::RegistryStore> store = std::make_unique<bmd::NoRegistryStore>();
        if (trouble != "none") {
            store = tables::OpenStore(file, 50ms);
        }
        auto* sqlite = dynamic_cast<bmd::SqliteRegistryStore*>(store.get());
        auto scores = std::make_unique<HighScores>(std::move(store));
        QCOMPARE(scores->SeedHighScores(), result);
        QCOMPARE(scores->StoredTable(), readsStored ? stored : bmd::DefaultHighScoreTable());
        const bmd::SavedScore saved = scores->SaveNewScore(15, "Waiting");
        QCOMPARE(saved.result, result);
        QCOMPARE(int(saved.position), readsStored ? 2 : 1);
        QCOMPARE(scores->StoredTable().At(saved.position).Name, std::string("Waiting")); // kept for this run
        QVERIFY(scores->HasUnsavedScores());
        QCOMPARE(scores->ResetHighScores(), result);
        QVERIFY(SetAside().isEmpty());
        if (!other) {
            scores.reset(); // closed as well
            QCOMPARE(ReadBytes(file_), before);
            return;
        }
        QCOMPARE(ReadBytes(file_), before);
        QCOMPARE(other->Execute("ROLLBACK"), SQLITE_OK);
        other.reset();
        QCOMPARE(TableInFile(file_), stored);
        QVERIFY(sqlite->Reopen());
        QCOMPARE(scores->StoreUnsavedScores(), bmd::StoreResult::Stored);
        HighScoreTable expected = stored;
        expected.At(bmd::PlaceNewScore(expected, 15)).Name = "Waiting";
        QCOMPARE(TableInFile(file_), expected);
        // Clear takes a score that still waits with it.
        other.emplace(file_);
        QCOMPARE(other->Execute("BEGIN IMMEDIATE"), SQLITE_OK);
        QCOMPARE(scores->SaveNewScore(5, "Late").result, bmd::StoreResult::Busy);
        QCOMPARE(other->Execute("ROLLBACK"), SQLITE_OK);
        QCOMPARE(scores->ResetHighScores(), bmd::StoreResult::Stored);
        QCOMPARE(scores->StoreUnsavedScores(), bmd::StoreResult::Stored);
        QCOMPARE(TableInFile(file_), bmd::DefaultHighScoreTable());
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
        // Meanwhile a third copy reads the table again and again: each name
        // always with its own score, never with one stored after it.
        auto reader = tables::Open(file_);
        const QDeadlineTimer deadline(60000);
        for (QProcess* copy : {&first, &second}) {
            while (copy->state() != QProcess::NotRunning && !deadline.hasExpired()) {
                copy->waitForFinished(2);
                reader->Refresh();
                for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
                    const bmd::HighScoreEntry& entry = reader->StoredTable().At(position);
                    QVERIFY2(entry.Name == "Anonymous" || entry.Name.ends_with(" " + entry.Score), entry.Name.c_str());
                }
            }
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
