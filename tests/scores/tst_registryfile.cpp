// The store file in trouble: damaged, unwritable, held by another program,
// a write refused. The game goes on and nothing is lost.

#include "AsAnotherUser.h"
#include "BrightmooseConcentrationModule.h"
#include "FileBytes.h"
#include "Log.h"
#include "ScoreTables.h"
#include "StoreFileProbe.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <thread>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

using bmd::HighScores;
using bmd::HighScoreTable;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(bmd::StoreResult)

class TestRegistryFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;
    const HighScoreTable stored = tables::Make({"10", "20"}); // as an earlier run left it

    QStringList SetAside() const { return QDir(dir_->path()).entryList({"*damaged*"}, QDir::Files, QDir::Name); }

private Q_SLOTS:
    void initTestCase()
    {
        // Small disks mounted here go with this program, even if it dies.
        if (IsRoot() && ::unshare(CLONE_NEWNS) == 0) {
            ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
        }
    }
    void init()
    {
        // Characters that a file name may hold and a URI must escape.
        dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/scores #1 100%?-XXXXXX"));
        file_ = dir_->filePath(QStringLiteral("registry.sqlite"));
    }
    void cleanup()
    {
        QProcess::execute(QStringLiteral("umount"), {"-q", "-l", dir_->path()}); // even while a file is open
        QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Kept aside byte for byte, never deleted; a fresh store holds the defaults.
    void damagedFileIsSetAside_data()
    {
        QTest::addColumn<QString>("sql"); // run on the file, or "" for text
        QTest::addColumn<QStringList>("aside");
        const QStringList first{"registry.sqlite.damaged-1"};
        QTest::newRow("text file") << "" << first;
        QTest::newRow("damaged pages") << "pages" << first;
        QTest::newRow("our table name in another shape") << "CREATE TABLE registry_values (key TEXT)" << first;
        QTest::newRow("both our table names in another shape")
            << "CREATE TABLE registry_keys (root); CREATE TABLE registry_values (key TEXT)" << first;
        QTest::newRow("another program's database") << "CREATE TABLE notes (text TEXT)" << first;
        QTest::newRow("earlier copy kept") << "" << (first + QStringList{"registry.sqlite.damaged-2"});
        QTest::newRow("empty file is a fresh store") << "empty" << QStringList{};
    }
    void damagedFileIsSetAside()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, aside);
        if (sql == "pages") {
            tables::Store(file_, stored);
            const QByteArray bytes = ReadBytes(file_);
            QVERIFY(WriteBytes(file_, bytes.left(4096) + QByteArray(bytes.size() - 4096, '\xA5')));
        } else if (sql.startsWith("CREATE")) {
            QCOMPARE(probe::Database(file_).Execute(sql.toStdString()), SQLITE_OK);
        } else {
            QVERIFY(
                WriteBytes(file_, sql == "empty" ? QByteArray() : QByteArray("This is no database.\n").repeated(200)));
            QVERIFY(aside.size() < 2 || WriteBytes(file_ + ".damaged-1", "an older damaged store"));
        }
        const QByteArray found = ReadBytes(file_);
        const QByteArray older = ReadBytes(file_ + ".damaged-1");
        QTemporaryFile errors; // where a warning goes when no one takes it: standard error
        QVERIFY(errors.open());
        const int standardError = ::dup(2);
        ::dup2(errors.handle(), 2);
        QCOMPARE(tables::NextRun(file_), bmd::DefaultHighScoreTable());
        ::dup2(standardError, 2);
        ::close(standardError);
        const QByteArray warned = ReadBytes(errors.fileName());
        QCOMPARE(SetAside(), aside);
        QCOMPARE(warned.isEmpty(), aside.isEmpty());
        if (!aside.isEmpty()) {
            QVERIFY(warned.startsWith("brightmoose-derudirodozir: the score store ")
                    && warned.contains("kept as " + QFile::encodeName(dir_->filePath(aside.last()))));
            QCOMPARE(ReadBytes(dir_->filePath(aside.last())), found);
            QCOMPARE(ReadBytes(dir_->filePath(aside.first())), aside.size() > 1 ? older : found);
        }
        QCOMPARE(probe::Database(file_).Text("SELECT count(*) FROM registry_values"), "20");
    }

    // A store in trouble: none can be made, one the player cannot write, one on
    // a full disk, one that another program holds. The run goes on with what
    // could be read; each change says why it was not stored, a score stays in
    // the table for the run, and the file stays as it was. A held store or a
    // full disk takes the waiting score once free, and Clear one that still waits.
    void storeInTrouble_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<bmd::StoreResult>("result");
        QTest::addColumn<bool>("readsStored");
        QTest::addColumn<QString>("warning"); // the end of what is logged
        using enum bmd::StoreResult;
        QTest::newRow("folder path runs through a file") << "file" << Unavailable << false << "kept for this run only";
        QTest::newRow("store path is a folder") << "folder" << Unavailable << false << "kept for this run only";
        QTest::newRow("read-only folder") << "read-only folder" << ReadOnly << true << "read only";
        QTest::newRow("read-only file") << "read-only file" << ReadOnly << true << "read only";
        // SQLite opens it read only although it was asked to write.
        QTest::newRow("file the player may not read")
            << "read-only file, unreadable" << ReadOnly << false << "run only";
        QTest::newRow("empty read-only file") << "read-only file, empty" << ReadOnly << false << "run only";
        QTest::newRow("read-only file beside its journal")
            << "read-only file, journal" << ReadOnly << true << "read only";
        QTest::newRow("full disk") << "full disk" << DiskFull << true << "read only";
        QTest::newRow("full disk, a journal beside the store")
            << "full disk, journal" << DiskFull << true << "read only";
        // Room for the journal's index, not for the tables.
        QTest::newRow("new store on a nearly full disk")
            << "full disk, almost, none" << DiskFull << false << "run only";
        QTest::newRow("full disk, then read-only") << "full disk, read-only" << DiskFull << true << "read only";
        QTest::newRow("held while another program writes") << "BEGIN IMMEDIATE" << Busy << true << QString();
        QTest::newRow("held exclusively")
            << "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE" << Busy << false << QString();
        // Its journal cannot become the one that lets others read meanwhile.
        QTest::newRow("held by a program that keeps the old journal")
            << "PRAGMA journal_mode = DELETE; BEGIN IMMEDIATE" << Busy << false << QString();
    }
    void storeInTrouble()
    {
        QFETCH(QString, trouble);
        QFETCH(bmd::StoreResult, result);
        QFETCH(bool, readsStored);
        if (trouble.startsWith("read-only") && IsRoot()) {
            const QString failure = RunAsNobody(
                qPrintable("storeInTrouble:" + QString::fromLatin1(QTest::currentDataTag())));
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        QString file = file_;
        if (trouble == "file") {
            QVERIFY(WriteBytes(dir_->filePath("blocker"), "x"));
            file = dir_->filePath("blocker/Brightmoose/registry.sqlite");
        } else if (trouble == "folder") {
            QVERIFY(QDir().mkpath(file));
        } else {
            if (trouble.startsWith("full disk")
                && QProcess::execute(QStringLiteral("mount"),
                                     {"-t", "tmpfs", "-o", "size=128k", "tmpfs", dir_->path()})) {
                QSKIP("no small disk can be mounted here");
            }
            tables::Store(file_, stored);
            QVERIFY(!QFile::exists(file_ + "-shm")); // a closed store leaves no journal
            QVERIFY(!trouble.endsWith("empty") || WriteBytes(file_, {}));
            QVERIFY(!trouble.endsWith("none") || QFile::remove(file_));
        }
        QVERIFY(!trouble.endsWith("journal") || WriteBytes(file_ + "-wal", {}));
        if (trouble.startsWith("read-only")) {
            QVERIFY(QFile::setPermissions(trouble.endsWith("folder") ? dir_->path() : file_,
                                          trouble.endsWith("unreadable") ? QFile::Permissions()
                                                                         : QFile::ReadOwner | QFile::ExeOwner));
        }
        std::optional<probe::Database> other;
        if (result == bmd::StoreResult::Busy) {
            other.emplace(file_);
            QCOMPARE(other->Execute(trouble.toStdString() + "; UPDATE registry_values SET type = type;"), SQLITE_OK);
        }
        QFile filler(dir_->filePath("filler"));
        if (trouble.startsWith("full disk")) {
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {}
            filler.close();
            QVERIFY(!trouble.contains("almost") || QFile::resize(filler.fileName(), filler.size() - 44 * 1024));
        }
        const QByteArray before = ReadBytes(file_);
        QString warned;
        bmd::SetWarningSink([&](const std::string& warning) { warned += QString::fromStdString(warning); });

        auto store = tables::OpenStore(file, 50ms);
        bmd::SqliteRegistryStore* sqlite = store.get();
        auto scores = std::make_unique<HighScores>(std::move(store));
        QCOMPARE(scores->SeedHighScores(), result);
        bmd::SetWarningSink({});
        QFETCH(QString, warning);
        QVERIFY2(warned.endsWith(warning) && warned.isEmpty() == warning.isEmpty(), qPrintable(warned));
        QCOMPARE(scores->StoredTable(), readsStored ? stored : bmd::DefaultHighScoreTable());
        QCOMPARE(scores->TableIsRead(), readsStored || result != bmd::StoreResult::Busy);
        scores->Refresh(); // changes nothing while in trouble
        QCOMPARE(scores->TableIsRead(), readsStored || result != bmd::StoreResult::Busy);
        const bmd::SavedScore saved = scores->SaveNewScore(15, "Waiting");
        QCOMPARE(saved.result, result);
        QCOMPARE(scores->StoredTable().At(saved.position).Name, std::string("Waiting")); // kept for this run
        QCOMPARE(int(saved.position), readsStored ? 2 : 1);
        QCOMPARE(scores->ResetHighScores(), result);
        QVERIFY(scores->HasUnsavedScores() && SetAside().isEmpty());
        if (!other && !filler.exists()) {
            scores.reset(); // closed as well
            QCOMPARE(ReadBytes(file_), before);
            return;
        }
        QCOMPARE(ReadBytes(file_), before);
        QVERIFY(!other || other->Execute("ROLLBACK") == SQLITE_OK);
        if (filler.exists()) { // and nothing stays beside the store on the full disk
            QVERIFY(trouble.endsWith("journal") || QDir(dir_->path()).entryList({"*-*"}, QDir::Files).isEmpty());
            QVERIFY(filler.remove());
        }
        if (trouble.endsWith("read-only")) { // the disk gone read only meanwhile
            QCOMPARE(QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", dir_->path()}), 0);
            QVERIFY(sqlite->Reopen());
            QCOMPARE(scores->StoreUnsavedScores(), bmd::StoreResult::ReadOnly);
            return;
        }
        other.emplace(file_); // the exclusive lock goes with the connection
        QVERIFY(sqlite->Reopen());
        scores->Refresh();
        QVERIFY(scores->TableIsRead());
        QCOMPARE(scores->StoreUnsavedScores(), bmd::StoreResult::Stored);
        QVERIFY(scores->TableIsRead());
        HighScoreTable expected = trouble.endsWith("none") ? bmd::DefaultHighScoreTable() : stored;
        expected.At(bmd::PlaceNewScore(expected, 15)).Name = "Waiting";
        QCOMPARE(tables::NextRun(file_), expected);
        // Clear takes a score that still waits with it.
        QCOMPARE(other->Execute("BEGIN IMMEDIATE"), SQLITE_OK);
        QCOMPARE(scores->SaveNewScore(5, "Late").result, bmd::StoreResult::Busy);
        QCOMPARE(other->Execute("ROLLBACK"), SQLITE_OK);
        QCOMPARE(scores->ResetHighScores(), bmd::StoreResult::Stored);
        QVERIFY(!scores->HasUnsavedScores() && scores->StoredTable() == bmd::DefaultHighScoreTable());
    }

    // Two copies making the store at once: the journal's change waits for the other.
    void journalChangeWaitsForAnotherCopy()
    {
        tables::Store(file_, stored);
        probe::Database other(file_);
        QCOMPARE(other.Execute("PRAGMA journal_mode = DELETE; BEGIN IMMEDIATE"), SQLITE_OK);
        std::thread release([&] {
            std::this_thread::sleep_for(100ms);
            other.Execute("ROLLBACK");
        });
        auto scores = tables::Open(file_);
        release.join();
        QCOMPARE(scores->SeedHighScores(), bmd::StoreResult::Stored);
    }

    // A write refused in the middle of a batch takes the whole batch with it,
    // and the next batch is stored whole.
    void refusedWriteTakesTheWholeBatch()
    {
        tables::Store(file_, stored);
        probe::Database raw(file_);
        QCOMPARE(raw.Execute("CREATE TRIGGER refuse BEFORE UPDATE ON registry_values WHEN new.name = 'Score5'"
                             " BEGIN SELECT RAISE(ABORT, 'refused'); END"),
                 SQLITE_OK);
        auto scores = tables::Open(file_);
        scores->SeedHighScores();
        QVERIFY(scores->SaveNewScore(5, "Quick").result != bmd::StoreResult::Stored);
        QCOMPARE(tables::NextRun(file_), stored);
        QCOMPARE(raw.Execute("DROP TRIGGER refuse"), SQLITE_OK);
        QCOMPARE(scores->StoreUnsavedScores(), bmd::StoreResult::Stored);
        QCOMPARE(tables::NextRun(file_).At(1).Name, "Quick");
    }
};

QTEST_GUILESS_MAIN(TestRegistryFile)
#include "tst_registryfile.moc"
