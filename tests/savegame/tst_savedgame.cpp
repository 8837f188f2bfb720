// The saved game: the 640-byte record, what is accepted as a game, and what
// a save or an open at a name says. How the file is replaced is tested with
// its own unit.

#include "SavedGameFile.h"

#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <cstring>

using namespace bmd;

Q_DECLARE_METATYPE(SavedGameError)

namespace {

// Faces dealt 1, 6, 11, ... so that no place holds its own number; two pairs
// found (aces of spades and clubs, the jokers) in five tries.
SavedGame MidGame()
{
    SavedGame game{{}, {}, 5, 2};
    for (int k = 0; k < kCardCount; ++k) {
        const auto face = std::int16_t(k * 5 % kCardCount + 1);
        game.CardFace[k] = face;
        game.OnBoard[k] = face == 1 || face == 27 || face > 52 ? kCardFound : kCardOnBoard;
    }
    return game;
}

QByteArray Bytes(const SavedGame& game)
{
    return QByteArray(reinterpret_cast<const char*>(EncodeSavedGame(game).data()), sizeof(SavedGameSlot));
}

// The bytes of a mid game with a change made to it.
template <typename Change>
QByteArray Changed(Change change)
{
    SavedGame game = MidGame();
    change(game);
    return Bytes(game);
}

// "accepted" as a game (and written back to the same bytes, its tail
// ignored) or "refused"; every record of 220 bytes or more is decoded.
QString Judged(const QByteArray& bytes)
{
    const auto game = DecodeSavedGame({reinterpret_cast<const std::uint8_t*>(bytes.data()), std::size_t(bytes.size())});
    if (game && ValidateSavedGame(*game).Ok()) {
        return Bytes(*game).left(220) == bytes.left(220) ? "accepted" : "written back otherwise";
    }
    return game.has_value() == (bytes.size() >= 220) ? "refused" : "decoded wrongly";
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
        QCOMPARE(bytes.mid(216), QByteArray::fromHex("05000200") + QByteArray(420, '\0'));
        for (int k = 0; k < kCardCount; ++k) {
            QCOMPARE(bytes.mid(2 * k, 2), QByteArray(1, char(game.CardFace[k])) + '\0');
            QCOMPARE(bytes.mid(108 + 2 * k, 2), QByteArray::fromHex(game.OnBoard[k] == 0 ? "0000" : "ffff"));
        }
    }

    void validation_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("judged");
        const QByteArray mid = Bytes(MidGame());
        QTest::newRow("mid game, 220 bytes") << mid.left(220) << "accepted";
        QTest::newRow("on the board as -32768") << Changed([](SavedGame& g) { g.OnBoard[1] = -32768; }) << "accepted";
        QTest::newRow("tries equal matches") << Changed([](SavedGame& g) { g.Tries = 2; }) << "accepted";
        QTest::newRow("all pairs found") << Changed([](SavedGame& g) { g = {g.CardFace, {}, 40, 27}; }) << "accepted";
        QTest::newRow("219 bytes") << mid.left(219) << "refused";
        QTest::newRow("first face again") << Changed([](SavedGame& g) { g.CardFace[7] = g.CardFace[0]; }) << "refused";
        QTest::newRow("face 0") << Changed([](SavedGame& g) { g.CardFace[0] = 0; }) << "refused";
        // Face 6 found, its partner not; five cards gone still count two pairs.
        QTest::newRow("partner on board") << Changed([](SavedGame& g) { g.OnBoard[1] = kCardFound; }) << "refused";
        QTest::newRow("matches one more") << Changed([](SavedGame& g) { g.MatchesMade = 3; }) << "refused";
        QTest::newRow("tries below matches") << Changed([](SavedGame& g) { g.Tries = 1; }) << "refused";
    }
    void validation()
    {
        QFETCH(QByteArray, bytes);
        QTEST(Judged(bytes), "judged");
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
        row("open unreadable", "ln -s /proc/self/mem game.bcx", false, CannotRead, error(EIO));
        row("open 219 bytes", "head -c 219 /dev/zero > game.bcx", false, TooShort,
            "The file is 219 bytes long; a saved game has at least 220");
        row("open no game", "head -c 640 /dev/zero > game.bcx", false, NotASavedGame,
            "Position 0 holds face 0; cards are numbered 1 to 54");
        row("save read-only", "echo old > game.bcx; chmod 444 game.bcx", true, CannotWrite, "The file is read-only");
        row("save named pipe", "mkfifo game.bcx", true, CannotWrite, "It is a named pipe, not a file");
        row("save socket", "python3 -c 'import socket; socket.socket(socket.AF_UNIX).bind(\"game.bcx\")'", true,
            CannotWrite, "It is a socket, not a file");
        // A device of its own where the test may make one: a fault must never replace the system's.
        row("save device", "mknod game.bcx c 1 3 2>&- || ln -s /dev/null game.bcx", true, CannotWrite,
            "It is a device, not a file");
    }
    void files()
    {
        QFETCH(QString, setup);
        QFETCH(bool, save);
        QTemporaryDir dir;
        QCOMPARE(QProcess::execute("/bin/sh", {"-ec", "cd \"$0\"; " + setup, dir.path()}), 0);
        const std::filesystem::path name = QFile::encodeName(dir.filePath("game.bcx")).toStdString();
        const auto descriptors = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
        const auto openBefore = descriptors();
        const SavedGameStatus status = save ? WriteSavedGameFile(name, MidGame()) : ReadSavedGameFile(name).status;
        QCOMPARE(descriptors(), openBefore); // none left open
        QTEST(status.error, "error");
        QTEST(QString::fromStdString(status.reason), "reason");
        QVERIFY(!status.Ok() || ReadSavedGameFile(name).game == MidGame());
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
