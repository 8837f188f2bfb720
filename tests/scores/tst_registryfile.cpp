// The store file in trouble: damaged, unwritable, held by another program,
// shared by two writers. The game goes on and nothing is lost.

#include "ScoreTables.h"
#include "StoreFileProbe.h"

#include "scores/BrightmooseConcentrationModule.h"
#include "scores/HighScores.h"
#include "scores/SqliteRegistryStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

using bmd::HighScores;
using bmd::HighScoreTable;
using namespace std::chrono_literals;

namespace {

std::unique_ptr<HighScores> Open(const QString& file, std::chrono::milliseconds busyTimeout = 5000ms)
{
    return std::make_unique<HighScores>(std::make_unique<bmd::SqliteRegistryStore>(file.toStdString(), busyTimeout));
}

bool IsOpen(HighScores& scores)
{
    return static_cast<bmd::SqliteRegistryStore&>(scores.Store()).IsOpen();
}

// The table in the file, read without seeding anything.
HighScoreTable TableInFile(const QString& file)
{
    using bmd::BrightmooseConcentrationModule::ReadRegistryValue;
    auto scores = Open(file);
    HighScoreTable table;
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        const std::string number = std::to_string(position);
        table.At(position) = {
            bmd::ValueText(ReadRegistryValue(scores->Store(), bmd::kHkeyLocalMachine, HighScores::kKeyPath, "Player" + number)),
            bmd::ValueText(ReadRegistryValue(scores->Store(), bmd::kHkeyLocalMachine, HighScores::kKeyPath, "Score" + number))};
    }
    return table;
}

QByteArray ReadFile(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool WriteFile(const QString& file, const QByteArray& bytes)
{
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

// One writer's table of one round: "<writer> round <r> <position>", scores from 100 r + 1.
HighScoreTable RoundTable(const QString& writer, int round)
{
    QStringList scores;
    for (int position = 1; position <= 10; ++position) {
        scores << QString::number(round * 100 + position);
    }
    return tables::Make(scores, QStringLiteral("%1 round %2").arg(writer).arg(round));
}

bool IsOneRound(const HighScoreTable& table)
{
    const QString first = QString::fromStdString(table.At(1).Name);
    if (!first.endsWith(QLatin1String(" 1"))) {
        return false;
    }
    const QString label = first.chopped(2);
    return table == RoundTable(label.section(QLatin1Char(' '), 0, 0), label.section(QLatin1Char(' '), 2).toInt());
}

} // namespace

class TestRegistryFile : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        file_ = dir_->filePath(QStringLiteral("registry.sqlite"));
    }
    void cleanup() { dir_.reset(); }

    void damagedFileIsSetAside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("aside");

        const QStringList first{"registry.sqlite.damaged-1"};
        QTest::newRow("text file") << "text" << first;
        QTest::newRow("damaged pages") << "pages" << first;
        QTest::newRow("another program's database") << "foreign" << first;
        QTest::newRow("earlier copy kept") << "again" << (first + QStringList{"registry.sqlite.damaged-2"});
        QTest::newRow("empty file is a fresh store") << "empty" << QStringList{};
    }

    void damagedFileIsSetAside()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, aside);

        if (kind == QLatin1String("text") || kind == QLatin1String("again")) {
            QVERIFY(WriteFile(file_, QByteArray("This is no database, only some text.\n").repeated(200)));
            QVERIFY(kind != QLatin1String("again") || WriteFile(file_ + ".damaged-1", "an older damaged store"));
        } else if (kind == QLatin1String("pages")) {
            Open(file_)->StoreHighScores(tables::Make({"10", "20"}));
            QByteArray bytes = ReadFile(file_);
            QVERIFY(bytes.size() >= 8192);
            bytes.replace(4096, bytes.size() - 4096, QByteArray(bytes.size() - 4096, '\xA5'));
            QVERIFY(WriteFile(file_, bytes));
        } else if (kind == QLatin1String("foreign")) {
            sqlite3* db = nullptr;
            QCOMPARE(sqlite3_open(file_.toUtf8().constData(), &db), SQLITE_OK);
            QCOMPARE(sqlite3_exec(db, "CREATE TABLE registry_values (key TEXT)", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        } else {
            QVERIFY(WriteFile(file_, QByteArray()));
        }
        const QByteArray found = ReadFile(file_);
        const QByteArray older = ReadFile(file_ + ".damaged-1");

        auto scores = Open(file_);
        QVERIFY(IsOpen(*scores));
        scores->SeedHighScores();
        QCOMPARE(scores->StoredTable, tables::Defaults());
        scores.reset();

        QCOMPARE(QDir(dir_->path()).entryList({"*damaged*"}, QDir::Files, QDir::Name), aside);
        if (!aside.isEmpty()) {
            QCOMPARE(ReadFile(dir_->filePath(aside.last())), found); // exactly as it was found
            QCOMPARE(ReadFile(dir_->filePath(aside.first())), aside.size() > 1 ? older : found);
        }
        QVERIFY(probe::Database(file_).IsHealthy());
        QCOMPARE(TableInFile(file_), tables::Defaults());
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
            QVERIFY(WriteFile(dir_->filePath("blocker"), "x"));
            file = dir_->filePath("blocker/Brightmoose/registry.sqlite");
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(file));
        } else {
            QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner));
            const bool writable = WriteFile(dir_->filePath("probe"), "x");
            if (writable) {
                QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("this user may write into a read-only folder");
            }
        }

        auto scores = Open(file);
        QVERIFY(!IsOpen(*scores));
        scores->SeedHighScores();
        QCOMPARE(scores->StoredTable, tables::Defaults());
        scores->StoreHighScores(tables::Make({"10"}));
        scores->ResetHighScores();
        QCOMPARE(scores->StoredTable, tables::Defaults());
        QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QDir(dir_->path()).entryList({"*damaged*"}).isEmpty());
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
        Open(file_)->StoreHighScores(stored);
        auto other = std::make_unique<probe::Database>(file_);
        QCOMPARE(other->Execute(lockSql.toStdString()), SQLITE_OK);

        auto scores = Open(file_, 50ms);
        scores->SeedHighScores();
        QCOMPARE(scores->StoredTable, readsStored ? stored : tables::Defaults());
        scores->StoreHighScores(tables::Make({"1", "2"}, QStringLiteral("Rejected")));

        QCOMPARE(other->Execute("ROLLBACK"), SQLITE_OK);
        other.reset();
        QCOMPARE(TableInFile(file_), stored);
        QVERIFY(QDir(dir_->path()).entryList({"*damaged*"}).isEmpty());
        if (readsStored) { // once the other program lets go, the same store writes again
            scores->StoreHighScores(tables::Make({"5"}, QStringLiteral("Later")));
            QCOMPARE(TableInFile(file_), tables::Make({"5"}, QStringLiteral("Later")));
        }
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
            ++started;
            while (started.load() < 2) {
                std::this_thread::yield();
            }
            auto scores = Open(file_);
            scores->SeedHighScores();
            for (int round = 1; round <= kRounds; ++round) {
                scores->StoreHighScores(RoundTable(who, round));
                bmd::BrightmooseConcentrationModule::WriteRegistryValue(
                    scores->Store(), bmd::kHkeyLocalMachine, HighScores::kKeyPath,
                    QStringLiteral("%1 %2").arg(who).arg(round).toStdString(), round);
                scores->SeedHighScores();
                mixedTables += IsOneRound(scores->StoredTable) ? 0 : 1;
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

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;
};

QTEST_GUILESS_MAIN(TestRegistryFile)
#include "tst_registryfile.moc"
