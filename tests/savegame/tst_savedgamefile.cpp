#include "SavedGameSamples.h"
#include "savegame/SavedGameFile.h"

#include <QtTest>

#include <climits>
#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

using namespace bmd;

namespace {

std::filesystem::path Path(const QString& name) { return QFile::encodeName(name).toStdString(); }

QByteArray Contents(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool Put(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every entry below the folder, hidden ones too, with the contents of files:
// a failed save must leave this exactly as it was.
QMap<QString, QByteArray> Snapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.next();
        entries[name] = it.fileInfo().isDir() ? QByteArray("<folder>") : Contents(name);
    }
    return entries;
}

} // namespace

class TestSavedGameFile : public QObject {
    Q_OBJECT

private slots:
    // Replacing a file leaves no temporary beside it; opening twice reads the
    // same game and changes nothing; a link is followed, not replaced.
    void saveAndOpen()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("game.bcx");
        QVERIFY(Put(dir.filePath("real.bcx"), "old") && QFile::link(dir.filePath("real.bcx"), name));
        QVERIFY(WriteSavedGameFile(Path(name), samples::Dealt()).Ok());
        const SavedGame mid = samples::MidGame();
        const SavedGameStatus replaced = WriteSavedGameFile(Path(name), mid);
        QVERIFY2(replaced.Ok(), replaced.reason.c_str());
        QVERIFY(QFileInfo(name).isSymLink());
        QCOMPARE(Contents(dir.filePath("real.bcx")), samples::Bytes(mid));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), (QStringList{"game.bcx", "real.bcx"}));
        for (int open = 0; open < 2; ++open) {
            const SavedGameReadResult result = ReadSavedGameFile(Path(name));
            QVERIFY2(result.status.Ok(), result.status.reason.c_str());
            QCOMPARE(result.game, mid);
        }
        QCOMPARE(Contents(name), samples::Bytes(mid));
    }

    // A save that cannot be made, or stops midway, leaves the folder as it was.
    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("file size limit midway") << "limit";
        QTest::newRow("read-only folder") << "readonly";
        QTest::newRow("parent is a file") << "parent";
        QTest::newRow("name too long") << "long";
        QTest::newRow("target is a folder") << "folder";
    }
    void failedSaveChangesNothing()
    {
        QFETCH(QString, failure);
        if (failure == "readonly" && ::geteuid() == 0) {
            QSKIP("root writes into read-only folders");
        }
        QTemporaryDir dir;
        const QString folder = dir.filePath("games");
        QVERIFY(QDir(dir.path()).mkdir("games") && QDir(folder).mkdir("sub"));
        const QString old = folder + "/game.bcx";
        QVERIFY(Put(old, samples::Bytes(samples::Dealt())));
        const QString target = failure == "parent" ? old + "/game.bcx"
                               : failure == "long" ? folder + "/" + QString(NAME_MAX + 1, 'g')
                               : failure == "folder" ? folder + "/sub"
                                                     : old;
        const auto before = Snapshot(dir.path());

        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = limit;
        small.rlim_cur = 100; // the write stops a third of the way into the slot
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, failure == "limit" ? &small : &limit), 0);
        if (failure == "readonly") {
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const SavedGameStatus status = WriteSavedGameFile(Path(target), samples::MidGame());
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previousHandler);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        QCOMPARE(status.error, SavedGameError::CannotWrite);
        QVERIFY(!status.reason.empty());
        QCOMPARE(Snapshot(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestSavedGameFile)
#include "tst_savedgamefile.moc"
