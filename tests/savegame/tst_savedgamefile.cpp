#include "AsAnotherUser.h"
#include "FileBytes.h"
#include "SavedGameSamples.h"
#include "savegame/SavedGameFile.h"

#include <QtTest>

#include <climits>
#include <csignal>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace bmd;

Q_DECLARE_METATYPE(SavedGameError)

namespace {

std::filesystem::path Path(const QString& name)
{
    return QFile::encodeName(name).toStdString();
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
        const QFileInfo info = it.fileInfo();
        entries[name] = info.isSymLink() ? "<link to " + QFile::encodeName(info.symLinkTarget()) + ">"
                        : info.isDir()   ? QByteArray("<folder>")
                        : info.isFile()  ? ReadBytes(name)
                                         : QByteArray("<special>");
    }
    return entries;
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t Mode(const QString& name)
{
    struct stat info {};
    return ::stat(QFile::encodeName(name).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Runs `body` with the working folder set to `folder`, then goes back.
template <typename Body>
auto InFolder(const char* folder, Body body)
{
    const QString before = QDir::currentPath();
    QVERIFY(::chdir(folder) == 0);
    body();
    QVERIFY(QDir::setCurrent(before));
}

} // namespace

class TestSavedGameFile : public QObject {
    Q_OBJECT

private slots:
    // A new file, a replaced one keeping its permissions, and a link followed
    // to the file it names; nothing else is left in the folder, and opening
    // twice reads the same game and changes nothing.
    void saveAndOpen_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("new file") << "new";
        QTest::newRow("replaced file keeps its mode") << "replace";
        QTest::newRow("through a link") << "link";
    }
    void saveAndOpen()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString name = dir.filePath("game.bcx");
        const QString real = kind == "link" ? dir.filePath("real.bcx") : name;
        if (kind != "new") {
            QVERIFY(WriteBytes(real, "old"));
            QVERIFY(::chmod(QFile::encodeName(real).constData(), 0640) == 0);
        }
        if (kind == "link") {
            QVERIFY(QFile::link(real, name));
        }
        const SavedGame mid = samples::MidGame();
        // The temporary file goes beside the target, wherever the working folder is.
        InFolder("/proc", [&] {
            const SavedGameStatus saved = WriteSavedGameFile(Path(name), mid);
            QVERIFY2(saved.Ok(), saved.reason.c_str());
        });
        QCOMPARE(ReadBytes(real), samples::Bytes(mid));
        QCOMPARE(QFileInfo(name).isSymLink(), kind == "link");
        const QStringList expected = kind == "link" ? QStringList{"game.bcx", "real.bcx"} : QStringList{"game.bcx"};
        QCOMPARE(Entries(dir.path()), expected);
        if (kind != "new") {
            QCOMPARE(Mode(real), mode_t(0640));
        }
        for (int open = 0; open < 2; ++open) {
            const SavedGameReadResult result = ReadSavedGameFile(Path(name));
            QVERIFY2(result.status.Ok(), result.status.reason.c_str());
            QCOMPARE(result.game, mid);
        }
        QCOMPARE(ReadBytes(real), samples::Bytes(mid));
    }

    // What cannot be opened, and why.
    void openFails_data()
    {
        QTest::addColumn<QByteArray>("content"); // "<none>": no file, "<folder>": a folder
        QTest::addColumn<SavedGameError>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray("<none>") << SavedGameError::CannotRead
                                 << QString::fromLatin1(std::strerror(ENOENT));
        QTest::newRow("folder") << QByteArray("<folder>") << SavedGameError::CannotRead
                                << QString::fromLatin1(std::strerror(EISDIR));
        QTest::newRow("219 bytes") << samples::Bytes(samples::MidGame()).left(219) << SavedGameError::TooShort
                                   << QStringLiteral("The file is 219 bytes long; a saved game has at least 220");
        QTest::newRow("no game") << QByteArray(640, '\0') << SavedGameError::NotASavedGame
                                 << QStringLiteral("Position 0 holds face 0; cards are numbered 1 to 54");
    }
    void openFails()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString name = dir.filePath("game.bcx");
        QVERIFY(content == "<none>" || (content == "<folder>" ? QDir().mkdir(name) : WriteBytes(name, content)));
        const SavedGameReadResult result = ReadSavedGameFile(Path(name));
        QTEST(result.status.error, "error");
        QTEST(QString::fromStdString(result.status.reason), "reason");
    }

    // A save that cannot be made, or stops midway, leaves the folder as it
    // was and says why.
    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("error");
        QTest::newRow("file size limit midway") << "limit" << EFBIG;
        QTest::newRow("read-only folder") << "readonly" << EACCES;
        QTest::newRow("parent is a file") << "parent" << ENOTDIR;
        QTest::newRow("name too long") << "long" << ENAMETOOLONG;
        QTest::newRow("target is a folder") << "folder" << EISDIR;
    }
    void failedSaveChangesNothing()
    {
        QFETCH(QString, failure);
        QFETCH(int, error);
        if (failure == "readonly" && IsRoot()) {
            const QString failed = RunAsNobody("failedSaveChangesNothing:read-only folder");
            QVERIFY2(failed.isEmpty(), qPrintable(failed));
            return;
        }
        QTemporaryDir dir;
        const QString folder = dir.filePath("games");
        QVERIFY(QDir(dir.path()).mkdir("games") && QDir(folder).mkdir("sub"));
        const QString old = folder + "/game.bcx";
        QVERIFY(WriteBytes(old, samples::Bytes(samples::Dealt())));
        const QString target = failure == "parent"   ? old + "/game.bcx"
                               : failure == "long"   ? folder + "/" + QString(NAME_MAX + 1, 'g')
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
        QCOMPARE(QString::fromStdString(status.reason), QString::fromLatin1(std::strerror(error)));
        QCOMPARE(Snapshot(dir.path()), before);
        QVERIFY2(::fcntl(0, F_GETFD) != -1, "standard input was closed");
    }

    // What lies at the chosen name decides: a link leads to the file it
    // names, made if it is missing; anything but a file that may be written
    // is refused, with a reason, and stays as it was.
    void whatIsAtTheName_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("refusal"); // "" when the save goes through
        QTest::addColumn<QString>("written"); // the file that holds the game then
        QTest::newRow("dangling link") << "dangling"
                                       << ""
                                       << "made.bcx";
        QTest::newRow("link to a link") << "chain"
                                        << ""
                                        << "made.bcx";
        QTest::newRow("link loop") << "loop" << QString::fromLatin1(std::strerror(ELOOP)) << "";
        QTest::newRow("read-only file") << "readonly"
                                        << "The file is read-only"
                                        << "";
        QTest::newRow("named pipe") << "fifo"
                                    << "It is a named pipe, not a file"
                                    << "";
        QTest::newRow("socket") << "socket"
                                << "It is a socket, not a file"
                                << "";
        QTest::newRow("device") << "device"
                                << "It is a device, not a file"
                                << "";
    }
    void whatIsAtTheName()
    {
        QFETCH(QString, kind);
        QFETCH(QString, refusal);
        QFETCH(QString, written);
        QTemporaryDir dir;
        const QString name = dir.filePath("game.bcx");
        const QByteArray native = QFile::encodeName(name);
        int socketFd = -1;
        if (kind == "dangling") {
            QVERIFY(QFile::link("made.bcx", name));
        } else if (kind == "chain") {
            QVERIFY(QFile::link("middle.bcx", name)
                    && QFile::link(dir.filePath("made.bcx"), dir.filePath("middle.bcx")));
        } else if (kind == "loop") {
            QVERIFY(QFile::link("other.bcx", name) && QFile::link("game.bcx", dir.filePath("other.bcx")));
        } else if (kind == "readonly") {
            QVERIFY(WriteBytes(name, "mine") && ::chmod(native.constData(), 0444) == 0);
        } else if (kind == "fifo") {
            QVERIFY(::mkfifo(native.constData(), 0644) == 0);
        } else if (kind == "socket") {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, native.constData(), sizeof address.sun_path - 1);
            socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QVERIFY(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        } else {
            QVERIFY(QFile::link("/dev/null", name));
        }
        const auto before = Snapshot(dir.path());
        const SavedGameStatus status = WriteSavedGameFile(Path(name), samples::MidGame());
        ::close(socketFd);
        QCOMPARE(QString::fromStdString(status.reason), refusal);
        if (refusal.isEmpty()) {
            QCOMPARE(ReadBytes(dir.filePath(written)), samples::Bytes(samples::MidGame()));
            QVERIFY(QFileInfo(name).isSymLink());
        } else {
            QCOMPARE(status.error, SavedGameError::CannotWrite);
            QCOMPARE(Snapshot(dir.path()), before);
        }
    }

    // A save killed at any moment leaves the old game or the new one whole,
    // and the next save leaves no temporary file behind.
    void killedSaveLeavesNoTemporaryFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("game.bcx");
        QVERIFY(WriteSavedGameFile(Path(name), samples::Dealt()).Ok());
        std::mt19937 random(7);
        for (int kill = 0; kill < 40; ++kill) {
            const pid_t child = ::fork();
            if (child == 0) {
                for (;;) {
                    WriteSavedGameFile(Path(name), samples::MidGame());
                }
            }
            ::usleep(std::uniform_int_distribution<useconds_t>(100, 3000)(random));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const QByteArray bytes = ReadBytes(name);
            QVERIFY(bytes == samples::Bytes(samples::Dealt()) || bytes == samples::Bytes(samples::MidGame()));
        }
        QVERIFY(WriteSavedGameFile(Path(name), samples::Dealt()).Ok());
        // A temporary file of a copy that is still running stays.
        const QString running = dir.filePath(QStringLiteral(".bcx-save-%1-abcdefgh").arg(::getppid()));
        QVERIFY(WriteBytes(running, "in use"));
        QVERIFY(WriteSavedGameFile(Path(name), samples::MidGame()).Ok());
        QCOMPARE(Entries(dir.path()), (QStringList{QFileInfo(running).fileName(), "game.bcx"}));
    }
};

QTEST_GUILESS_MAIN(TestSavedGameFile)
#include "tst_savedgamefile.moc"
