// The saved game: the 640-byte record, what is accepted as a game, and what
// a save or an open at a name says. How the file is replaced is tested with
// its own unit.

#include "SavedGameFile.h"

#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>

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

} // namespace

class TestSavedGame : public QObject {
    Q_OBJECT

private Q_SLOTS:
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

    // What a save or an open at the name says, after shell commands made
    // what lies there; a game saved opens again.
    void files_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("save");
        QTest::addColumn<SavedGameError>("error");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* tag, const char* setup, bool save, SavedGameError error,
                            const QString& reason) { QTest::newRow(tag) << setup << save << error << reason; };
        const auto error = [](int code) { return QString::fromLatin1(std::strerror(code)); };
        using enum SavedGameError;
        row("saved and opened", "", true, None, "");
        row("open missing", "", false, CannotRead, error(ENOENT));
        row("open folder", "mkdir game.bcx", false, CannotRead, error(EISDIR));
        row("open named pipe", "mkfifo game.bcx", false, CannotRead, "Not a regular file");
        row("open 219 bytes", "head -c 219 /dev/zero > game.bcx", false, TooShort,
            "The file is 219 bytes long; a saved game has at least 220");
        row("open no game", "head -c 640 /dev/zero > game.bcx", false, NotASavedGame,
            "Position 0 holds face 0; cards are numbered 1 to 54");
        row("save read-only", "echo old > game.bcx; chmod 444 game.bcx", true, CannotWrite, "The file is read-only");
        row("save named pipe", "mkfifo game.bcx", true, CannotWrite, "It is a named pipe, not a file");
        row("save socket", "python3 -c 'import socket; socket.socket(socket.AF_UNIX).bind(\"game.bcx\")'", true,
            CannotWrite, "It is a socket, not a file");
        row("save device", "ln -s /dev/null game.bcx", true, CannotWrite, "It is a device, not a file");
        row("save folder", "mkdir game.bcx", true, CannotWrite, error(EISDIR));
    }
    void files()
    {
        QFETCH(QString, setup);
        QFETCH(bool, save);
        QTemporaryDir dir;
        QCOMPARE(QProcess::execute("/bin/sh", {"-ec", "cd \"$0\"; " + setup, dir.path()}), 0);
        const std::filesystem::path name = Path(dir.filePath("game.bcx"));
        const auto descriptors = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
        const auto openBefore = descriptors();
        const SavedGameStatus status = save ? WriteSavedGameFile(name, MidGame()) : ReadSavedGameFile(name).status;
        QCOMPARE(descriptors(), openBefore); // none left open
        QTEST(status.error, "error");
        QTEST(QString::fromStdString(status.reason), "reason");
        if (status.Ok()) {
            const SavedGameReadResult opened = ReadSavedGameFile(name);
            QVERIFY(opened.status.Ok());
            QCOMPARE(opened.game, MidGame());
        }
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
