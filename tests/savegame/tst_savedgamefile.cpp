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

// Every entry below the folder, hidden ones too: what a link names, the
// contents of files, the kind of anything else.
QMap<QString, QByteArray> Snapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.next();
        const QFileInfo info = it.fileInfo();
        entries[name.mid(folder.size())] = info.isSymLink() ? "<link to " + QFile::encodeName(info.symLinkTarget()) + ">"
                                           : info.isDir()   ? QByteArray("<folder>")
                                           : info.isFile()  ? ReadBytes(name)
                                                            : QByteArray("<special>");
    }
    return entries;
}

// Makes what the row names at games/game.bcx; returns the socket to close.
int Prepare(const QString& kind, const QString& folder)
{
    const QString name = folder + "/game.bcx";
    const QByteArray native = QFile::encodeName(name);
    const QByteArray old = samples::Bytes(samples::Dealt());
    if (kind == "replace" || kind == "readonly" || kind == "limit" || kind == "lockedfolder") {
        WriteBytes(name, old);
        ::chmod(native.constData(), kind == "readonly" ? 0444 : 0640);
    } else if (kind == "link" || kind == "dangling") {
        QFile::link("real.bcx", name);
        if (kind == "link") {
            WriteBytes(folder + "/real.bcx", old);
        }
    } else if (kind == "chain" || kind == "loop") {
        QFile::link("middle.bcx", name);
        QFile::link(kind == "chain" ? "real.bcx" : "game.bcx", folder + "/middle.bcx");
    } else if (kind == "fifo") {
        ::mkfifo(native.constData(), 0644);
    } else if (kind == "device") {
        QFile::link("/dev/null", name);
    } else if (kind == "folder") {
        QDir(folder).mkdir("game.bcx");
    } else if (kind == "socket") {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, native.constData(), sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        return fd;
    }
    return -1;
}

} // namespace

class TestSavedGameFile : public QObject {
    Q_OBJECT

private slots:
    // What lies at the chosen name decides. A new file is made, a regular
    // file replaced with its permissions kept, a link followed to the file it
    // names (made if missing); the game opens again from it, twice, and
    // nothing else is left in the folder. Anything else is refused with a
    // reason and the folder stays exactly as it was.
    void saveAt_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("written"); // the file holding the game, or "" when refused...
        QTest::addColumn<QString>("reason");  // ...for this reason
        const auto error = [](int code) { return QString::fromLatin1(std::strerror(code)); };
        QTest::newRow("new file") << "new" << "game.bcx" << "";
        QTest::newRow("replaced file keeps its mode") << "replace" << "game.bcx" << "";
        QTest::newRow("link") << "link" << "real.bcx" << "";
        QTest::newRow("dangling link") << "dangling" << "real.bcx" << "";
        QTest::newRow("link to a link") << "chain" << "real.bcx" << "";
        QTest::newRow("link loop") << "loop" << "" << error(ELOOP);
        QTest::newRow("read-only file") << "readonly" << "" << "The file is read-only";
        QTest::newRow("read-only folder") << "lockedfolder" << "" << error(EACCES);
        QTest::newRow("named pipe") << "fifo" << "" << "It is a named pipe, not a file";
        QTest::newRow("socket") << "socket" << "" << "It is a socket, not a file";
        QTest::newRow("device") << "device" << "" << "It is a device, not a file";
        QTest::newRow("folder") << "folder" << "" << error(EISDIR);
        QTest::newRow("file size limit midway") << "limit" << "" << error(EFBIG);
        QTest::newRow("parent is a file") << "parent" << "" << error(ENOTDIR);
        QTest::newRow("name too long") << "long" << "" << error(ENAMETOOLONG);
    }
    void saveAt()
    {
        QFETCH(QString, kind);
        QFETCH(QString, written);
        QFETCH(QString, reason);
        if (kind == "lockedfolder" && IsRoot()) {
            const QString failed = RunAsNobody("saveAt:read-only folder");
            QVERIFY2(failed.isEmpty(), qPrintable(failed));
            return;
        }
        QTemporaryDir dir;
        const QString folder = dir.filePath("games");
        QVERIFY(QDir(dir.path()).mkdir("games"));
        const int socket = Prepare(kind, folder);
        const QString name = kind == "parent" ? folder + "/real.bcx/game.bcx"
                             : kind == "long" ? folder + "/" + QString(NAME_MAX + 1, 'g')
                                              : folder + "/game.bcx";
        if (kind == "parent") {
            QVERIFY(WriteBytes(folder + "/real.bcx", "a file"));
        }
        if (kind == "lockedfolder") {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        const auto before = Snapshot(dir.path());
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        struct rlimit small = limit;
        small.rlim_cur = 100; // the write stops a third of the way into the slot
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, kind == "limit" ? &small : &limit), 0);
        // The temporary file goes beside the target, wherever the working folder is.
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent("/proc"));
        const SavedGameStatus status = WriteSavedGameFile(Path(name), samples::MidGame());
        QVERIFY(QDir::setCurrent(working));
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previousHandler);
        ::close(socket);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(::fcntl(0, F_GETFD) != -1, "standard input was closed");

        QCOMPARE(QString::fromStdString(status.reason), reason);
        if (written.isEmpty()) {
            QCOMPARE(status.error, SavedGameError::CannotWrite);
            QCOMPARE(Snapshot(dir.path()), before);
            return;
        }
        QCOMPARE(ReadBytes(folder + "/" + written), samples::Bytes(samples::MidGame()));
        auto expected = before;
        expected["/games/" + written] = samples::Bytes(samples::MidGame());
        expected["/games"] = "<folder>";
        QCOMPARE(Snapshot(dir.path()).keys(), expected.keys());
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(folder + "/" + written).constData(), &info) == 0);
        QVERIFY(kind != "replace" || (info.st_mode & 0777) == 0640);
        for (int open = 0; open < 2; ++open) {
            const SavedGameReadResult result = ReadSavedGameFile(Path(name));
            QCOMPARE(result.game, samples::MidGame());
        }
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

    // A save killed at any moment leaves the old game or the new one whole,
    // and the next save leaves no temporary file behind, but for one of a
    // copy that is still running.
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
        const QString running = QStringLiteral("/.bcx-save-%1-abcdefgh").arg(::getppid());
        QVERIFY(WriteBytes(dir.path() + running, "in use"));
        QVERIFY(WriteSavedGameFile(Path(name), samples::MidGame()).Ok());
        QCOMPARE(Snapshot(dir.path()).keys(), (QStringList{running, "/game.bcx"}));
    }
};

QTEST_GUILESS_MAIN(TestSavedGameFile)
#include "tst_savedgamefile.moc"
