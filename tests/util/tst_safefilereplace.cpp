// A file replaced safely: written beside the old one and renamed over it,
// only where a regular file that may be written lies.

#include "AsAnotherUser.h"
#include "FileBytes.h"
#include "SafeFileReplace.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

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
                                           : info.isDir() ? QByteArray("<folder>")
                                                          : ReadBytes(name);
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
        QTest::addColumn<QString>("setup");   // shell commands run in the folder first
        QTest::addColumn<QString>("written"); // the file holding the bytes, or "" when refused...
        QTest::addColumn<int>("why");         // ...for this error number
        const auto row = [](const char* tag, const char* setup, const char* written, int why) {
            QTest::newRow(tag) << setup << written << why;
        };
        row("replaced file keeps its mode", "echo old > game.bcx; chmod 640 game.bcx", "game.bcx", 0);
        row("forty links, as many as the system follows, to no file yet",
            "ln -s l1 game.bcx; for i in $(seq 38); do ln -s l$((i + 1)) l$i; done; ln -s real.bcx l39", "real.bcx", 0);
        row("link loop", "ln -s middle.bcx game.bcx; ln -s game.bcx middle.bcx", "", ELOOP);
        row("read-only folder", "echo old > game.bcx; chmod 500 .", "", EACCES);
        // The write stops a sixth of the way into the bytes.
        row("file size limit midway", "echo old > game.bcx", "", EFBIG);
        row("link into a file", "echo a file > real.bcx; ln -s real.bcx/game.bcx game.bcx", "", ENOTDIR);
        // No anonymous file there: the named one is refused too (root may try it).
        row("link into /proc", "ln -s /proc/game.bcx game.bcx", "", IsRoot() ? ENOENT : EACCES);
    }
    void replaceAt()
    {
        QFETCH(QString, setup);
        QFETCH(QString, written);
        if (QTest::currentDataTag() == QLatin1String("read-only folder") && IsRoot()) {
            const QString failed = RunAsNobody("replaceAt:read-only folder");
            QVERIFY2(failed.isEmpty(), qPrintable(failed));
            return;
        }
        ::umask(022); // a new file gets 0666 less the umask
        QTemporaryDir dir;
        QCOMPARE(QProcess::execute("/bin/sh", {"-ec", "cd \"$0\"; " + setup, dir.path()}), 0);
        auto expected = Snapshot(dir.path());
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const bool capped = QTest::currentDataTag() == QLatin1String("file size limit midway");
        const struct rlimit small = {capped ? 100 : limit.rlim_cur, limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending this program
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        // The temporary file goes beside the target, wherever the working dir.path() is.
        QVERIFY(QDir::setCurrent("/proc"));
        const auto descriptors = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
        const auto openBefore = descriptors();
        errno = EINVAL; // left by an earlier call: only a call that failed may be asked why
        const ReplaceResult result = Replace(dir.path() + "/game.bcx");
        QCOMPARE(descriptors(), openBefore); // none left open, whatever happened
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QTEST(result.error, "why");
        QCOMPARE(result.Ok(), !written.isEmpty());
        if (result.Ok()) {
            expected["/" + written] = kNew;
            struct stat info {};
            QVERIFY(::stat(QFile::encodeName(dir.path() + "/" + written).constData(), &info) == 0);
            QCOMPARE(info.st_mode & 0777, setup.contains("chmod 640") ? 0640u : 0644u);
        }
        QCOMPARE(Snapshot(dir.path()), expected);
    }

    // A replacement removes temporary files that crashed copies left, and no
    // other: not one of a copy still running, which must not be disturbed
    // either, nor one whose number no process can have, nor one with this
    // copy's own number (an earlier process may have had it), which its own
    // new name must not take. One an earlier version left an hour ago goes.
    void staleTemporaryFilesGo()
    {
        QTemporaryDir dir;
        const pid_t copy = ::fork();
        if (copy == 0) {
            std::signal(SIGHUP, SIG_DFL); // as a game started from a desktop has it, not ignored as under nohup
            ::alarm(60);                  // gone by itself should this test stop early
            ::pause();
        }
        const QString running = QStringLiteral(".bcx-save-%1-abcdefgh").arg(copy);
        const QString odd = QStringLiteral(".bcx-save-99999999999999999999-abcdefgh");
        const QString own = QStringLiteral(".bcx-save-%1-").arg(::getpid());
        const QString touch =
            "touch game.bcx %1 %2 %3 .bcx-save-2147483647-abcdefgh; touch -d '1 hour ago' .bcx-save-abcdefgh";
        QVERIFY(QDir::setCurrent(dir.path()) && ::system(qPrintable(touch.arg(running, odd, own))) == 0);
        errno = ESRCH; // left by an earlier call: a running copy's file stays whatever errno held
        const bool replaced = Replace(dir.filePath("game.bcx")).Ok();
        ::usleep(100000); // time for a signal sent to the copy by mistake to arrive
        ::kill(copy, SIGKILL);
        int status = 0;
        QVERIFY(::waitpid(copy, &status, 0) == copy && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        QVERIFY(replaced);
        QStringList kept{"/" + running, "/" + odd, "/" + own, "/game.bcx"};
        kept.sort();
        QCOMPARE(Snapshot(dir.path()).keys(), kept);
    }
};

QTEST_GUILESS_MAIN(TestSafeFileReplace)
#include "tst_safefilereplace.moc"
