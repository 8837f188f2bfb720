// The store file in trouble: damaged, unwritable, held by another program,
// a write refused. The game goes on and nothing is lost.

#include "AsAnotherUser.h"
#include "FileBytes.h"
#include "Log.h"
#include "ScoreTables.h"
#include "StoreFileProbe.h"

#include <QtTest>

#include <thread>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

using bmd::StoreResult;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(bmd::StoreResult)

class TestRegistryFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;
    QString warned_;                                               // what the store warned of
    const bmd::HighScoreTable stored = tables::Make({"10", "20"}); // as an earlier run left it

private Q_SLOTS:
    void initTestCase()
    {
        // Small disks mounted here go with this program, even if it dies.
        QVERIFY(!IsRoot() || ::unshare(CLONE_NEWNS) != 0
                || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0);
        bmd::SetWarningSink([this](const std::string& warning) { warned_ += QString::fromStdString(warning); });
    }
    void init()
    {
        // Characters that a file name may hold and a URI must escape.
        dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/scores #1 100%?-XXXXXX"));
        file_ = dir_->filePath(QStringLiteral("registry.sqlite"));
        warned_.clear();
    }
    void cleanup()
    {
        QProcess::execute(QStringLiteral("umount"), {"-q", "-l", dir_->path()}); // even while a file is open
        QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Kept aside byte for byte, never deleted, and told; a fresh store holds the defaults.
    void damagedFileIsSetAside_data()
    {
        QTest::addColumn<QString>("sql"); // run on the file, or "" for text
        QTest::addColumn<int>("copies");  // set aside in the end
        QTest::newRow("text file") << "" << 1;
        QTest::newRow("our table name in another shape") << "CREATE TABLE registry_values (a)" << 1;
        QTest::newRow("both in another shape")
            << "CREATE TABLE registry_keys (a); CREATE TABLE registry_values (a)" << 1;
        QTest::newRow("another program's database") << "CREATE TABLE notes (text TEXT)" << 1;
        QTest::newRow("earlier copy kept") << "" << 2;
        QTest::newRow("empty file is a fresh store") << "empty" << 0;
    }
    void damagedFileIsSetAside()
    {
        QFETCH(QString, sql);
        QFETCH(int, copies);
        QVERIFY(sql.startsWith("CREATE")
                    ? probe::Database(file_).Execute(sql.toStdString()) == SQLITE_OK
                    : WriteBytes(file_,
                                 sql == "empty" ? QByteArray() : QByteArray("This is no database.\n").repeated(200)));
        QVERIFY(copies < 2 || WriteBytes(file_ + ".damaged-1", "an older damaged store"));
        const QByteArray found = ReadBytes(file_);
        QCOMPARE(tables::NextRun(file_), bmd::DefaultHighScoreTable());
        QVERIFY(!QFile::exists(file_ + ".damaged-" + QString::number(copies + 1)));
        const QString aside = file_ + ".damaged-" + QString::number(copies); // the newest copy
        QVERIFY(copies == 0 ? warned_.isEmpty() : warned_.contains("kept as " + aside));
        QVERIFY(copies == 0 || ReadBytes(aside) == found);
        QVERIFY(copies < 2 || ReadBytes(file_ + ".damaged-1") == "an older damaged store");
        QCOMPARE(probe::Database(file_).Text("SELECT count(*) FROM registry_values"), "20");
    }

    // A store in trouble: none can be made, one the player cannot write, one on
    // a full disk, one that another program holds. The run goes on with what
    // could be read; each change says why it was not stored, a score stays in
    // the table for the run, and the file stays as it was. A held store or a
    // full disk takes the waiting score once free.
    void storeInTrouble_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<StoreResult>("result");
        QTest::addColumn<bool>("readsStored");
        using enum StoreResult;
        QTest::newRow("store path is a folder") << "folder" << Unavailable << false;
        QTest::newRow("read-only folder") << "read-only folder" << ReadOnly << true;
        QTest::newRow("read-only file") << "read-only file" << ReadOnly << true;
        // SQLite opens it read only although it was asked to write.
        QTest::newRow("file the player may not read") << "read-only file, unreadable" << ReadOnly << false;
        QTest::newRow("empty read-only file") << "read-only file, empty" << ReadOnly << false;
        QTest::newRow("read-only file beside its journal") << "read-only file, journal" << ReadOnly << true;
        QTest::newRow("full disk") << "full disk" << DiskFull << true;
        QTest::newRow("full disk, a journal beside the store") << "full disk, journal" << DiskFull << true;
        // Room for the journal's index, not for the tables.
        QTest::newRow("new store on a nearly full disk") << "full disk, almost, none" << DiskFull << false;
        QTest::newRow("full disk, then read-only") << "full disk, read-only" << DiskFull << true;
        QTest::newRow("held while another program writes") << "BEGIN IMMEDIATE" << Busy << true;
        QTest::newRow("held exclusively") << "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE" << Busy << false;
        // Its journal cannot become the one that lets others read meanwhile.
        QTest::newRow("held by a program that keeps the old journal")
            << "PRAGMA journal_mode = DELETE; BEGIN IMMEDIATE" << Busy << false;
    }
    void storeInTrouble()
    {
        QFETCH(QString, trouble);
        QFETCH(StoreResult, result);
        QFETCH(bool, readsStored);
        if (trouble.startsWith("read-only") && IsRoot()) {
            const QString failure = RunAsNobody(qPrintable("storeInTrouble:" + QString(QTest::currentDataTag())));
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        if (trouble.startsWith("full disk")
            && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=128k", "tmpfs", dir_->path()})) {
            QSKIP("no small disk can be mounted here");
        }
        tables::Store(file_, stored);
        QVERIFY(!trouble.endsWith("empty") || WriteBytes(file_, {}));
        QVERIFY(!trouble.endsWith("none") || QFile::remove(file_));
        QVERIFY(trouble != "folder" || (QFile::remove(file_) && QDir().mkpath(file_)));
        QVERIFY(!trouble.endsWith("journal") || WriteBytes(file_ + "-wal", {}));
        const auto mode = trouble.endsWith("unreadable") ? QFile::Permissions() : QFile::ReadOwner | QFile::ExeOwner;
        QVERIFY(!trouble.startsWith("read-only")
                || QFile::setPermissions(trouble.endsWith("folder") ? dir_->path() : file_, mode));
        std::optional<probe::Database> other;
        QVERIFY(result != StoreResult::Busy
                || other.emplace(file_).Execute(trouble.toStdString() + "; UPDATE registry_values SET type = type;")
                       == SQLITE_OK);
        QFile filler(dir_->filePath("filler"));
        // More than there is room for; removing it closes it.
        QVERIFY(!trouble.startsWith("full disk")
                || (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                    && filler.write(QByteArray(256 * 1024, 'x')) < 256 * 1024));
        QVERIFY(!trouble.contains("almost") || QFile::resize(filler.fileName(), filler.size() - 44 * 1024));
        const QByteArray before = ReadBytes(file_);

        auto scores = std::make_unique<bmd::HighScores>(tables::OpenStore(file_, 50ms));
        QCOMPARE(scores->SeedHighScores(), result);
        auto& sqlite = static_cast<bmd::SqliteRegistryStore&>(scores->Store());
        // Worth opening again later: a held store not opened yet, or a full disk.
        QCOMPARE(sqlite.MayOpenLater(),
                 result == StoreResult::DiskFull || (result == StoreResult::Busy && !readsStored));
        // Why the scores are read only or kept for this run only; nothing while held.
        QVERIFY(result == StoreResult::Busy ? warned_.isEmpty()
                                            : warned_.endsWith(readsStored ? "read only" : "run only"));
        QCOMPARE(scores->StoredTable(), readsStored ? stored : bmd::DefaultHighScoreTable());
        QCOMPARE(scores->TableIsRead(), readsStored || result != StoreResult::Busy);
        scores->Refresh(); // changes nothing while in trouble
        QCOMPARE(scores->TableIsRead(), readsStored || result != StoreResult::Busy);
        const bmd::SavedScore saved = scores->SaveNewScore(15, "Waiting");
        QCOMPARE(saved.result, result);
        QCOMPARE(int(saved.position), readsStored ? 2 : 1);
        QCOMPARE(scores->ResetHighScores(), result);
        // Kept for this run; nothing set aside.
        QVERIFY(scores->HasUnsavedScores() && scores->StoredTable().At(saved.position).Name == "Waiting"
                && !QFile::exists(file_ + ".damaged-1"));
        QCOMPARE(ReadBytes(file_), before);
        if (!other && !filler.exists()) {
            return;
        }
        other.reset(); // its transaction and locks go with the connection
        // Nothing stays beside the store on the full disk.
        QVERIFY(!filler.remove() || trouble.endsWith("journal") || QDir(dir_->path()).entryList({"*-*"}).isEmpty());
        // The disk may have gone read only meanwhile.
        const bool stores = !trouble.endsWith("read-only");
        QVERIFY(stores || QProcess::execute("mount", {"-o", "remount,ro", dir_->path()}) == 0);
        QVERIFY(sqlite.Reopen());
        scores->Refresh();
        QVERIFY(scores->TableIsRead());
        QCOMPARE(scores->StoreUnsavedScores(), stores ? StoreResult::Stored : StoreResult::ReadOnly);
        bmd::HighScoreTable expected = trouble.endsWith("none") ? bmd::DefaultHighScoreTable() : stored;
        expected.At(bmd::PlaceNewScore(expected, 15)).Name = "Waiting";
        QCOMPARE(tables::NextRun(file_) == expected, stores);
    }

    // Another copy holds the store, with the old journal, while this one opens
    // it: the journal's change waits. A write it then refuses in the middle of
    // a batch takes the whole batch with it. Clear, once the store takes it,
    // takes the score still waiting with it.
    void anotherCopyOnTheStore()
    {
        tables::Store(file_, stored);
        probe::Database other(file_);
        QCOMPARE(other.Execute("PRAGMA journal_mode = DELETE; BEGIN IMMEDIATE; CREATE TRIGGER refuse BEFORE UPDATE"
                               " ON registry_values WHEN new.name = 'Score5' BEGIN SELECT RAISE(ABORT, 'no'); END"),
                 SQLITE_OK);
        std::thread release([&] {
            std::this_thread::sleep_for(100ms);
            other.Execute("COMMIT");
        });
        auto scores = tables::Open(file_);
        release.join();
        QCOMPARE(scores->SeedHighScores(), StoreResult::Stored);
        QVERIFY(scores->SaveNewScore(5, "Quick").result != StoreResult::Stored);
        QCOMPARE(tables::NextRun(file_), stored);
        QCOMPARE(other.Execute("DROP TRIGGER refuse"), SQLITE_OK);
        QCOMPARE(scores->ResetHighScores(), StoreResult::Stored);
        QVERIFY(!scores->HasUnsavedScores() && tables::NextRun(file_) == bmd::DefaultHighScoreTable());
    }

    // With no one to take them (no window layer), warnings go to standard error, named.
    void warningsWithoutASink()
    {
        bmd::SetWarningSink({});
        QTemporaryFile errors;
        QVERIFY(errors.open());
        const int standardError = ::dup(2);
        ::dup2(errors.handle(), 2);
        bmd::Warn("the store is damaged");
        ::dup2(standardError, 2);
        ::close(standardError);
        QCOMPARE(ReadBytes(errors.fileName()), "brightmoose-derudirodozir: the store is damaged\n");
    }
};

QTEST_GUILESS_MAIN(TestRegistryFile)
#include "tst_registryfile.moc"
