// The saved game: the 640-byte record, what is accepted as a game, and the
// file written beside the old one and renamed over it.

#include "AsAnotherUser.h"
#include "FileBytes.h"
#include "savegame/SavedGameFile.h"

#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstring>
#include <numeric>
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

// Right after a deal: every face once, all on the board, counters 0.
SavedGame Dealt(unsigned seed = 1)
{
    SavedGame game;
    std::iota(game.CardFace.begin(), game.CardFace.end(), std::int16_t{1});
    std::shuffle(game.CardFace.begin(), game.CardFace.end(), std::mt19937(seed));
    game.OnBoard.fill(kCardOnBoard);
    return game;
}

// Sets OnBoard of every card showing one of the faces.
template <typename... Faces>
SavedGame& SetOnBoard(SavedGame& game, std::int16_t value, Faces... faces)
{
    for (int k = 0; k < kCardCount; ++k) {
        if (((game.CardFace[k] == faces) || ...)) {
            game.OnBoard[k] = value;
        }
    }
    return game;
}

// Takes the pair of the given face off the board and counts the match.
void FindPair(SavedGame& game, std::int16_t face)
{
    ++SetOnBoard(game, kCardFound, face, PartnerFace(face)).MatchesMade;
}

// Two pairs found in five tries.
SavedGame MidGame()
{
    SavedGame game = Dealt();
    FindPair(game, 1);
    FindPair(game, 53);
    game.Tries = 5;
    return game;
}

QByteArray Bytes(const SavedGame& game)
{
    const SavedGameSlot slot = EncodeSavedGame(game);
    return QByteArray(reinterpret_cast<const char*>(slot.data()), qsizetype(slot.size()));
}

std::optional<SavedGame> Decode(const QByteArray& bytes)
{
    return DecodeSavedGame({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
}

// The bytes of a record with one change made to it.
template <typename Change>
QByteArray Changed(Change change, SavedGame game = MidGame())
{
    change(game);
    return Bytes(game);
}

// Decoded and judged: a record whose bytes are accepted writes back to them.
void CheckJudged(const QByteArray& bytes, bool mustAccept, int& acceptedCount)
{
    const std::optional<SavedGame> game = Decode(bytes);
    QCOMPARE(game.has_value(), bytes.size() >= 220);
    const SavedGameStatus status = game ? ValidateSavedGame(*game) : SavedGameStatus{SavedGameError::TooShort, "-"};
    QVERIFY2(!mustAccept || status.Ok(), status.reason.c_str());
    QCOMPARE(status.reason.empty(), status.Ok());
    if (status.Ok()) {
        QCOMPARE(Bytes(*game).left(220), bytes.left(220)); // the tail ignored
        ++acceptedCount;
    } else if (game) {
        QCOMPARE(status.error, SavedGameError::NotASavedGame);
    }
}

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
        entries[name.mid(folder.size())] = info.isSymLink()
                                               ? "<link to " + QFile::encodeName(info.symLinkTarget()) + ">"
                                           : info.isDir()  ? QByteArray("<folder>")
                                           : info.isFile() ? ReadBytes(name)
                                                           : QByteArray("<special>");
    }
    return entries;
}

} // namespace

class TestSavedGame : public QObject {
    Q_OBJECT

private slots:
    void layout()
    {
        const SavedGame game = MidGame();
        const QByteArray bytes = Bytes(game);
        QCOMPARE(bytes.size(), 640);
        QCOMPARE(bytes.mid(216, 4), QByteArray::fromHex("05000200"));
        QCOMPARE(bytes.mid(220), QByteArray(420, '\0'));
        for (int k = 0; k < kCardCount; ++k) {
            QCOMPARE(bytes.mid(2 * k, 2), QByteArray(1, char(game.CardFace[k])) + '\0');
            QCOMPARE(bytes.mid(108 + 2 * k, 2), QByteArray::fromHex(game.OnBoard[k] == 0 ? "0000" : "ffff"));
        }
        const QByteArray dealt = Bytes(Dealt());
        QCOMPARE(dealt.mid(108, 112), QByteArray(108, '\xFF') + QByteArray(4, '\0'));
    }

    void validation_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");
        const QByteArray mid = Bytes(MidGame());
        const auto onBoardAs = [](std::int16_t value) {
            return Changed(
                [value](SavedGame& g) { std::replace(g.OnBoard.begin(), g.OnBoard.end(), kCardOnBoard, value); });
        };
        const std::array<std::int16_t, kCardCount> allFound{};
        QTest::newRow("mid game") << mid << true;
        QTest::newRow("fresh deal") << Bytes(Dealt(7)) << true;
        QTest::newRow("on board as 1") << onBoardAs(1) << true;
        QTest::newRow("on board as -32768") << onBoardAs(-32768) << true;
        QTest::newRow("tries equal matches") << Changed([](SavedGame& g) { g.Tries = 2; }) << true;
        QTest::newRow("all pairs found") << Changed([&](SavedGame& g) { g = {g.CardFace, allFound, 40, 27}; }) << true;
        QTest::newRow("tail ignored") << mid.left(220) + QByteArray(3, '\x7F') << true;

        QTest::newRow("219 bytes") << mid.left(219) << false;
        QTest::newRow("duplicate face") << Changed([](SavedGame& g) { g.CardFace[10] = g.CardFace[40]; }) << false;
        QTest::newRow("first face again") << Changed([](SavedGame& g) { g.CardFace[7] = g.CardFace[0]; }) << false;
        QTest::newRow("face 0") << Changed([](SavedGame& g) { g.CardFace[0] = 0; }) << false;
        QTest::newRow("face 55") << Changed([](SavedGame& g) { g.CardFace[53] = 55; }) << false;
        QTest::newRow("back face 60") << Changed([](SavedGame& g) { g.CardFace[5] = 60; }) << false;
        // Faces 2 and 3 are no pair; the counters agree with six cards gone.
        QTest::newRow("partner on board")
            << Changed([](SavedGame& g) { ++SetOnBoard(g, 0, 2, 3).MatchesMade; }) << false;
        QTest::newRow("joker alone found") << Changed([](SavedGame& g) { SetOnBoard(g, kCardOnBoard, 54); }) << false;
        QTest::newRow("matches one more") << Changed([](SavedGame& g) { g.MatchesMade = 3; }) << false;
        QTest::newRow("matches one fewer") << Changed([](SavedGame& g) { g.MatchesMade = 1; }) << false;
        QTest::newRow("all on board, 27")
            << Changed([](SavedGame& g) { g.MatchesMade = g.Tries = 27; }, Dealt()) << false;
        QTest::newRow("tries below matches") << Changed([](SavedGame& g) { g.Tries = 1; }) << false;
        QTest::newRow("tries negative") << Changed([](SavedGame& g) { g.Tries = -1; }, Dealt()) << false;
    }
    void validation()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        int acceptedCount = 0;
        CheckJudged(bytes, accepted, acceptedCount);
        QCOMPARE(acceptedCount, int(accepted));
    }

    // Random and mutated records: each is decoded and judged without a crash,
    // games that could have been saved are accepted, and whatever is accepted
    // writes back to the same bytes.
    void fuzz()
    {
        std::mt19937 random(20110517);
        const auto below = [&random](int n) { return int(random() % unsigned(n)); };
        int acceptedCount = 0;
        for (int round = 0; round < 4000; ++round) {
            SavedGame game = Dealt(random());
            QByteArray bytes;
            if (round % 4 == 0) { // noise of any length around the record
                bytes.resize(below(700));
                std::generate(bytes.begin(), bytes.end(), [&] { return char(random()); });
            } else if (round % 4 == 1) { // a playable position with odd but legal values
                for (int face = 1; face <= 53; face = face == 26 ? 53 : face + 1) {
                    if (below(3) == 0) {
                        FindPair(game, std::int16_t(face));
                    }
                }
                for (auto& entry : game.OnBoard) {
                    entry = entry == 0 ? std::int16_t(0) : std::int16_t(below(2) ? -1 : 1 + below(32767));
                }
                game.Tries = std::int16_t(game.MatchesMade + below(32768 - game.MatchesMade));
                bytes = Bytes(game);
            } else { // a saved game with a few bytes spoiled: replaced, or one bit flipped
                for (int i = below(20); i > 0; --i) {
                    FindPair(game, std::int16_t(1 + below(26)));
                }
                game.Tries = std::int16_t(below(100));
                bytes = Bytes(game);
                for (int i = 1 + below(4); i > 0; --i) {
                    const int offset = below(220);
                    bytes[offset] = round % 4 == 2 ? char(random()) : char(bytes[offset] ^ (1 << below(8)));
                }
            }
            CheckJudged(bytes, round % 4 == 1, acceptedCount);
            if (QTest::currentTestFailed()) {
                return;
            }
        }
        QVERIFY(acceptedCount >= 1000);
    }

    // What lies at the chosen name decides. A new file is made, a regular
    // file replaced with its permissions kept, a link followed to the file it
    // names (made if missing); the game opens again from it, twice, and
    // nothing else is left in the folder. Anything else is refused with a
    // reason and the folder stays exactly as it was.
    void saveAt_data()
    {
        QTest::addColumn<QString>("setup"); // shell commands run in the folder first
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sizeLimit");
        QTest::addColumn<QString>("written"); // the file holding the game, or "" when refused...
        QTest::addColumn<QString>("reason");  // ...for this reason
        const auto row = [](const char* tag, const char* setup, const char* written, const QString& reason,
                            const QString& name = "game.bcx", int sizeLimit = 0) {
            QTest::newRow(tag) << setup << name << sizeLimit << written << reason;
        };
        const auto error = [](int code) { return QString::fromLatin1(std::strerror(code)); };
        row("new file", "", "game.bcx", "");
        row("replaced file keeps its mode", "echo old > game.bcx; chmod 640 game.bcx", "game.bcx", "");
        row("link", "ln -s real.bcx game.bcx; echo old > real.bcx", "real.bcx", "");
        row("dangling link", "ln -s real.bcx game.bcx", "real.bcx", "");
        row("link to a link", "ln -s middle.bcx game.bcx; ln -s real.bcx middle.bcx", "real.bcx", "");
        row("link loop", "ln -s middle.bcx game.bcx; ln -s game.bcx middle.bcx", "", error(ELOOP));
        row("read-only file", "echo old > game.bcx; chmod 444 game.bcx", "", "The file is read-only");
        row("read-only folder", "echo old > game.bcx; chmod 500 .", "", error(EACCES));
        row("named pipe", "mkfifo game.bcx", "", "It is a named pipe, not a file");
        row("socket", "", "", "It is a socket, not a file");
        row("device", "ln -s /dev/null game.bcx", "", "It is a device, not a file");
        row("folder", "mkdir game.bcx", "", error(EISDIR));
        // The write stops a third of the way into the slot.
        row("file size limit midway", "echo old > game.bcx", "", error(EFBIG), "game.bcx", 100);
        row("parent is a file", "echo a file > real.bcx", "", error(ENOTDIR), "real.bcx/game.bcx");
        row("name too long", "", "", error(ENAMETOOLONG), QString(NAME_MAX + 1, 'g'));
    }
    void saveAt()
    {
        QFETCH(QString, setup);
        QFETCH(QString, name);
        QFETCH(int, sizeLimit);
        QFETCH(QString, written);
        QFETCH(QString, reason);
        if (QTest::currentDataTag() == QLatin1String("read-only folder") && IsRoot()) {
            const QString failed = RunAsNobody("saveAt:read-only folder");
            QVERIFY2(failed.isEmpty(), qPrintable(failed));
            return;
        }
        QTemporaryDir dir;
        const QString folder = dir.filePath("games");
        QVERIFY(QDir(dir.path()).mkdir("games"));
        QCOMPARE(QProcess::execute("/bin/sh", {"-ec", "cd \"$0\"; " + setup, folder}), 0);
        if (QTest::currentDataTag() == QLatin1String("socket")) {
            sockaddr_un address{AF_UNIX, {}};
            std::strncpy(address.sun_path, QFile::encodeName(folder + "/game.bcx"), sizeof address.sun_path - 1);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            ::close(fd); // the socket stays in the folder
        }
        const auto before = Snapshot(dir.path());
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        struct rlimit small = limit;
        small.rlim_cur = sizeLimit > 0 ? rlim_t(sizeLimit) : limit.rlim_cur;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        // The temporary file goes beside the target, wherever the working folder is.
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent("/proc"));
        const SavedGameStatus status = WriteSavedGameFile(Path(folder + "/" + name), MidGame());
        QVERIFY(QDir::setCurrent(working));
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previousHandler);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(::fcntl(0, F_GETFD) != -1, "standard input was closed");

        QCOMPARE(QString::fromStdString(status.reason), reason);
        if (written.isEmpty()) {
            QCOMPARE(status.error, SavedGameError::CannotWrite);
            QCOMPARE(Snapshot(dir.path()), before);
            return;
        }
        auto expected = before;
        expected["/games/" + written] = Bytes(MidGame());
        expected["/games"] = "<folder>";
        QCOMPARE(Snapshot(dir.path()).keys(), expected.keys());
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(folder + "/" + written).constData(), &info) == 0);
        QVERIFY(!setup.contains("chmod 640") || (info.st_mode & 0777) == 0640);
        for (int open = 0; open < 2; ++open) {
            QCOMPARE(ReadBytes(folder + "/" + written), Bytes(MidGame()));
            QCOMPARE(ReadSavedGameFile(Path(folder + "/" + name)).game, MidGame());
        }
    }

    // What cannot be opened, and why.
    void openFails_data()
    {
        QTest::addColumn<QByteArray>("content"); // "<none>": no file, "<folder>": a folder
        QTest::addColumn<SavedGameError>("error");
        QTest::addColumn<QString>("reason");
        const auto error = [](int code) { return QString::fromLatin1(std::strerror(code)); };
        QTest::newRow("missing") << QByteArray("<none>") << SavedGameError::CannotRead << error(ENOENT);
        QTest::newRow("folder") << QByteArray("<folder>") << SavedGameError::CannotRead << error(EISDIR);
        QTest::newRow("219 bytes") << Bytes(MidGame()).left(219) << SavedGameError::TooShort
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
        QVERIFY(WriteSavedGameFile(Path(name), Dealt()).Ok());
        std::mt19937 random(7);
        pid_t child = 0;
        for (int kill = 0; kill < 40; ++kill) {
            child = ::fork();
            if (child == 0) {
                for (;;) {
                    WriteSavedGameFile(Path(name), MidGame());
                }
            }
            ::usleep(std::uniform_int_distribution<useconds_t>(100, 3000)(random));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const QByteArray bytes = ReadBytes(name);
            QVERIFY(bytes == Bytes(Dealt()) || bytes == Bytes(MidGame()));
        }
        // One of a copy still running stays, and one whose number no process
        // can have; one of a copy that is gone, and one an earlier version
        // left an hour ago, go.
        const QString running = QStringLiteral("/.bcx-save-%1-abcdefgh").arg(::getppid());
        const QString odd = QStringLiteral("/.bcx-save-99999999999999999999-abcdefgh");
        QVERIFY(WriteBytes(dir.path() + running, "in use") && WriteBytes(dir.path() + odd, "odd"));
        QVERIFY(WriteBytes(dir.path() + QStringLiteral("/.bcx-save-%1-abcdefgh").arg(child), "left"));
        QVERIFY(WriteBytes(dir.path() + "/.bcx-save-abcdefgh", "old")
                && ::system(qPrintable("touch -d '1 hour ago' " + dir.path() + "/.bcx-save-abcdefgh")) == 0);
        QVERIFY(WriteSavedGameFile(Path(name), MidGame()).Ok());
        QStringList kept{running, odd, "/game.bcx"};
        kept.sort();
        QCOMPARE(Snapshot(dir.path()).keys(), kept);
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
