#include "SavedGameSamples.h"
#include "savegame/SavedGameFile.h"

#include <QtTest>

#include <climits>
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace bmd;

namespace {

std::filesystem::path Path(const QString& name)
{
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

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

mode_t ModeOf(const QString& name)
{
    struct stat info {};
    return ::stat(QFile::encodeName(name).constData(), &info) == 0 ? info.st_mode & 0777 : 0;
}

} // namespace

class TestSavedGameFile : public QObject {
    Q_OBJECT

    enum Setup { Missing, Folder, Unreadable, Empty, Short, Zeros };
    enum Failure { FileSizeLimit, ReadOnlyFolder, ParentIsFile, NameTooLong, TargetIsFolder };

private slots:
    void saveAndOpen()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("game.bcx");
        const SavedGame dealt = samples::Dealt();
        QVERIFY(WriteSavedGameFile(Path(name), dealt).Ok());
        const SavedGame mid = samples::MidGame();
        const SavedGameStatus replaced = WriteSavedGameFile(Path(name), mid);
        QVERIFY2(replaced.Ok(), replaced.reason.c_str());

        QCOMPARE(Contents(name), samples::Bytes(mid));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"game.bcx"});
        for (int open = 0; open < 2; ++open) {
            const SavedGameReadResult result = ReadSavedGameFile(Path(name));
            QVERIFY2(result.status.Ok(), result.status.reason.c_str());
            QCOMPARE(result.game, mid);
        }
        QCOMPARE(Contents(name), samples::Bytes(mid));
    }

    void permissions_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("existingMode"); // -1: no file yet
        QTest::addColumn<int>("expectedMode");
        QTest::newRow("new, umask 022") << 022 << -1 << 0644;
        QTest::newRow("new, umask 077") << 077 << -1 << 0600;
        QTest::newRow("replaced keeps 0604") << 022 << 0604 << 0604;
        QTest::newRow("replaced keeps 0660") << 077 << 0660 << 0660;
    }
    void permissions()
    {
        QFETCH(int, mask);
        QFETCH(int, existingMode);
        QFETCH(int, expectedMode);
        QTemporaryDir dir;
        const QString name = dir.filePath("game.bcx");
        if (existingMode >= 0) {
            QVERIFY(Put(name, "old"));
            QCOMPARE(::chmod(QFile::encodeName(name).constData(), mode_t(existingMode)), 0);
        }
        const mode_t previousMask = ::umask(mode_t(mask));
        const SavedGameStatus status = WriteSavedGameFile(Path(name), samples::Dealt());
        ::umask(previousMask);
        QVERIFY2(status.Ok(), status.reason.c_str());
        QCOMPARE(ModeOf(name), mode_t(expectedMode));
    }

    void saveThroughLink()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath("real.bcx");
        const QString link = dir.filePath("link.bcx");
        QVERIFY(Put(real, "old"));
        QVERIFY(QFile::link(real, link));
        QVERIFY(WriteSavedGameFile(Path(link), samples::MidGame()).Ok());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(Contents(real), samples::Bytes(samples::MidGame()));
    }

    void openFailures_data()
    {
        QTest::addColumn<int>("setup");
        QTest::addColumn<SavedGameError>("error");
        QTest::newRow("missing") << int(Missing) << SavedGameError::CannotRead;
        QTest::newRow("a folder") << int(Folder) << SavedGameError::CannotRead;
        QTest::newRow("unreadable") << int(Unreadable) << SavedGameError::CannotRead;
        QTest::newRow("empty") << int(Empty) << SavedGameError::TooShort;
        QTest::newRow("219 bytes") << int(Short) << SavedGameError::TooShort;
        QTest::newRow("640 zero bytes") << int(Zeros) << SavedGameError::NotASavedGame;
    }
    void openFailures()
    {
        QFETCH(int, setup);
        QFETCH(SavedGameError, error);
        if (setup == Unreadable && ::geteuid() == 0) {
            QSKIP("root reads files whatever their permissions");
        }
        QTemporaryDir dir;
        const QString name = dir.filePath("game.bcx");
        const QByteArray valid = samples::Bytes(samples::MidGame());
        switch (setup) {
        case Folder: QVERIFY(QDir(dir.path()).mkdir("game.bcx")); break;
        case Unreadable:
            QVERIFY(Put(name, valid));
            QVERIFY(QFile::setPermissions(name, QFileDevice::WriteOwner));
            break;
        case Empty: QVERIFY(Put(name, {})); break;
        case Short: QVERIFY(Put(name, valid.left(219))); break;
        case Zeros: QVERIFY(Put(name, QByteArray(640, '\0'))); break;
        }
        const auto before = Snapshot(dir.path());
        const SavedGameReadResult result = ReadSavedGameFile(Path(name));
        QCOMPARE(result.status.error, error);
        QVERIFY(!result.status.reason.empty());
        QCOMPARE(Snapshot(dir.path()), before);
    }

    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<int>("failure");
        QTest::newRow("file size limit midway") << int(FileSizeLimit);
        QTest::newRow("read-only folder") << int(ReadOnlyFolder);
        QTest::newRow("parent is a file") << int(ParentIsFile);
        QTest::newRow("name too long") << int(NameTooLong);
        QTest::newRow("target is a folder") << int(TargetIsFolder);
    }
    void failedSaveChangesNothing()
    {
        QFETCH(int, failure);
        if (failure == ReadOnlyFolder && ::geteuid() == 0) {
            QSKIP("root writes into read-only folders");
        }
        QTemporaryDir dir;
        const QString folder = dir.filePath("games");
        QVERIFY(QDir(dir.path()).mkdir("games"));
        const QString old = folder + "/game.bcx";
        QVERIFY(Put(old, samples::Bytes(samples::Dealt())));
        QString target = old;
        switch (failure) {
        case ParentIsFile: target = old + "/game.bcx"; break;
        case NameTooLong: target = folder + "/" + QString(NAME_MAX + 1, 'g'); break;
        case TargetIsFolder:
            target = folder + "/sub";
            QVERIFY(QDir(folder).mkdir("sub"));
            break;
        }
        const auto before = Snapshot(dir.path());

        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (failure == FileSizeLimit) {
            struct rlimit small = limit;
            small.rlim_cur = 100; // the write stops a third of the way into the slot
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        if (failure == ReadOnlyFolder) {
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const SavedGameStatus status = WriteSavedGameFile(Path(target), samples::MidGame());
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previousHandler);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner);

        QCOMPARE(status.error, SavedGameError::CannotWrite);
        QVERIFY(!status.reason.empty());
        QCOMPARE(Snapshot(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestSavedGameFile)
#include "tst_savedgamefile.moc"
