// A file replaced safely: written beside the old one and renamed over it,
// only where a regular file that may be written lies.

#include "AsAnotherUser.h"
#include "FileBytes.h"
#include "SafeFileReplace.h"

#include <QProcess>
#include <QtTest>

#include <csignal>
#include <cstring>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace bmd;

namespace {

const QByteArray kNew = QByteArray(600, 'n') + QByteArray(40, '\0');

ReplaceResult Replace(const QString& name, const QByteArray& bytes = kNew)
{
    return ReplaceFileSafely(QFile::encodeName(name).toStdString(),
                             {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
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
        entries[name.mid(folder.size())] = info.isSymLink()
                                               ? "<link to " + QFile::encodeName(info.symLinkTarget()) + ">"
                                           : info.isDir()  ? QByteArray("<folder>")
                                           : info.isFile() ? ReadBytes(name)
                                                           : QByteArray("<special>");
    }
    return entries;
}

} // namespace

class TestSafeFileReplace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What lies at the chosen name decides. A new file is made, a regular
    // file replaced with its permissions kept, a link followed to the file it
    // names (made if missing), and nothing else is left in the folder. Where
    // that fails, the folder stays exactly as it was. (What is refused, a
    // pipe or a device, is tested with the saved game.)
    void replaceAt_data()
    {
        QTest::addColumn<QString>("setup"); // shell commands run in the folder first
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sizeLimit");
        QTest::addColumn<QString>("written"); // the file holding the bytes, or "" when refused...
        QTest::addColumn<QString>("why");     // ...for this reason
        const auto row = [](const char* tag, const char* setup, const char* written, const QString& why,
                            const QString& name = "game.bcx",
                            int sizeLimit = 0) { QTest::newRow(tag) << setup << name << sizeLimit << written << why; };
        const auto error = [](int code) { return QString::fromLatin1(std::strerror(code)); };
        row("new file", "", "game.bcx", "");
        row("replaced file keeps its mode", "echo old > game.bcx; chmod 640 game.bcx", "game.bcx", "");
        row("link to a link", "ln -s middle.bcx game.bcx; ln -s real.bcx middle.bcx; echo old > real.bcx", "real.bcx",
            "");
        row("forty links, as many as the system follows",
            "ln -s l1 game.bcx; for i in $(seq 38); do ln -s l$((i + 1)) l$i; done; ln -s real.bcx l39", "real.bcx",
            "");
        row("dangling link", "ln -s real.bcx game.bcx", "real.bcx", "");
        row("link loop", "ln -s middle.bcx game.bcx; ln -s game.bcx middle.bcx", "", error(ELOOP));
        row("read-only folder", "echo old > game.bcx; chmod 500 .", "", error(EACCES));
        // The write stops a sixth of the way into the bytes.
        row("file size limit midway", "echo old > game.bcx", "", error(EFBIG), "game.bcx", 100);
        row("parent is a file", "echo a file > real.bcx", "", error(ENOTDIR), "real.bcx/game.bcx");
    }
    void replaceAt()
    {
        QFETCH(QString, setup);
        QFETCH(QString, name);
        QFETCH(int, sizeLimit);
        QFETCH(QString, written);
        if (QTest::currentDataTag() == QLatin1String("read-only folder") && IsRoot()) {
            const QString failed = RunAsNobody("replaceAt:read-only folder");
            QVERIFY2(failed.isEmpty(), qPrintable(failed));
            return;
        }
        ::umask(022); // a new file gets 0666 less the umask
        QTemporaryDir dir;
        const QString folder = dir.filePath("games");
        QVERIFY(QDir(dir.path()).mkdir("games"));
        QCOMPARE(QProcess::execute("/bin/sh", {"-ec", "cd \"$0\"; " + setup, folder}), 0);
        auto expected = Snapshot(dir.path());
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const struct rlimit small = {sizeLimit > 0 ? rlim_t(sizeLimit) : limit.rlim_cur, limit.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        // The temporary file goes beside the target, wherever the working folder is.
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent("/proc"));
        const auto descriptors = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
        const auto openBefore = descriptors();
        const ReplaceResult result = Replace(folder + "/" + name);
        QCOMPARE(descriptors(), openBefore); // none left open, whatever happened
        QVERIFY(QDir::setCurrent(working));
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previousHandler);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(result.refused, NotReplaceable::None); // refusals are told with the saved game
        QTEST(QString::fromLatin1(result.error ? std::strerror(result.error) : ""), "why");
        QCOMPARE(result.Ok(), !written.isEmpty());
        if (result.Ok()) {
            expected["/games/" + written] = kNew;
            expected["/games"] = "<folder>";
            struct stat info {};
            QVERIFY(::stat(QFile::encodeName(folder + "/" + written).constData(), &info) == 0);
            QCOMPARE(info.st_mode & 0777, setup.contains("chmod 640") ? 0640u : 0644u);
        }
        QCOMPARE(Snapshot(dir.path()), expected);
    }

    // A replacement leaves no temporary file behind, but for one of a copy
    // that is still running.
    void staleTemporaryFilesGo()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("game.bcx");
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
        // One of a copy still running stays, and one whose number no process
        // can have; one of a copy that is gone, and one an earlier version
        // left an hour ago, go.
        const pid_t copy = ::fork(); // a copy of the game still running, which must not be disturbed
        if (copy == 0) {
            std::signal(SIGHUP, SIG_DFL); // as a game started from a desktop has it, not ignored as under nohup
            ::pause();
        }
        const QString running = QStringLiteral("/.bcx-save-%1-abcdefgh").arg(copy);
        const QString odd = QStringLiteral("/.bcx-save-99999999999999999999-abcdefgh");
        QVERIFY(WriteBytes(dir.path() + running, "in use") && WriteBytes(dir.path() + odd, "odd"));
        QVERIFY(WriteBytes(dir.path() + QStringLiteral("/.bcx-save-%1-abcdefgh").arg(child), "left"));
        QVERIFY(WriteBytes(dir.path() + "/.bcx-save-abcdefgh", "old")
                && ::system(qPrintable("touch -d '1 hour ago' " + dir.path() + "/.bcx-save-abcdefgh")) == 0);
        QVERIFY(Replace(name).Ok());
        ::usleep(100000); // time for a signal sent to the copy by mistake to arrive
        ::kill(copy, SIGKILL);
        int status = 0;
        QVERIFY(::waitpid(copy, &status, 0) == copy && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        QStringList kept{running, odd, "/game.bcx"};
        kept.sort();
        QCOMPARE(Snapshot(dir.path()).keys(), kept);
    }
};

QTEST_GUILESS_MAIN(TestSafeFileReplace)
#include "tst_safefilereplace.moc"
