#include "SavedGameSamples.h"

#include <QtTest>

using namespace bmd;

namespace {

std::optional<SavedGame> Decode(const QByteArray& bytes)
{
    return DecodeSavedGame({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
}

// The bytes of a record with one change made to it.
template <typename Change>
QByteArray Changed(Change change, SavedGame game = samples::MidGame())
{
    change(game);
    return samples::Bytes(game);
}

// Sets OnBoard of every card showing one of the faces.
void SetOnBoard(SavedGame& game, std::initializer_list<int> faces, std::int16_t value)
{
    for (int k = 0; k < kCardCount; ++k) {
        if (std::find(faces.begin(), faces.end(), game.CardFace[k]) != faces.end()) {
            game.OnBoard[k] = value;
        }
    }
}

} // namespace

class TestSavedGame : public QObject {
    Q_OBJECT

private slots:
    void layout()
    {
        const SavedGame game = samples::MidGame();
        const QByteArray bytes = samples::Bytes(game);
        QCOMPARE(bytes.size(), 640);
        QCOMPARE(bytes.mid(216, 4), QByteArray::fromHex("05000200"));
        QCOMPARE(bytes.mid(220), QByteArray(420, '\0'));
        for (int k = 0; k < kCardCount; ++k) {
            QCOMPARE(bytes.mid(2 * k, 2), QByteArray(1, char(game.CardFace[k])) + '\0');
            QCOMPARE(bytes.mid(108 + 2 * k, 2), QByteArray::fromHex(game.OnBoard[k] == 0 ? "0000" : "ffff"));
        }
        const QByteArray dealt = samples::Bytes(samples::Dealt());
        QCOMPARE(dealt.mid(108, 108), QByteArray(108, '\xFF'));
        QCOMPARE(dealt.mid(216, 4), QByteArray(4, '\0'));
    }

    void validation_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");
        const QByteArray mid = samples::Bytes(samples::MidGame());
        const auto onBoardAs = [](std::int16_t value) {
            return Changed(
                [value](SavedGame& g) { std::replace(g.OnBoard.begin(), g.OnBoard.end(), kCardOnBoard, value); });
        };
        QTest::newRow("mid game") << mid << true;
        QTest::newRow("fresh deal") << samples::Bytes(samples::Dealt(7)) << true;
        QTest::newRow("on board as 1") << onBoardAs(1) << true;
        QTest::newRow("on board as 0x7FFF") << onBoardAs(0x7FFF) << true;
        QTest::newRow("on board as -32768") << onBoardAs(-32768) << true;
        QTest::newRow("tries equal matches") << Changed([](SavedGame& g) { g.Tries = 2; }) << true;
        QTest::newRow("all pairs found") << Changed([](SavedGame& g) {
            g.OnBoard.fill(0);
            g.MatchesMade = 27;
            g.Tries = 40;
        }) << true;
        QTest::newRow("tail ignored") << mid.left(220) + QByteArray(3, '\x7F') << true;

        QTest::newRow("219 bytes") << mid.left(219) << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("duplicate face") << Changed([](SavedGame& g) { g.CardFace[10] = g.CardFace[40]; }) << false;
        QTest::newRow("face 0") << Changed([](SavedGame& g) { g.CardFace[0] = 0; }) << false;
        QTest::newRow("face 55") << Changed([](SavedGame& g) { g.CardFace[53] = 55; }) << false;
        QTest::newRow("face -1") << Changed([](SavedGame& g) { g.CardFace[20] = -1; }) << false;
        QTest::newRow("back face 60") << Changed([](SavedGame& g) { g.CardFace[5] = 60; }) << false;
        // Faces 2 and 3 are no pair; the counters agree with six cards gone.
        QTest::newRow("partner still on board") << Changed([](SavedGame& g) {
            SetOnBoard(g, {2, 3}, kCardFound);
            g.MatchesMade = 3;
        }) << false;
        QTest::newRow("joker alone found") << Changed([](SavedGame& g) { SetOnBoard(g, {54}, kCardOnBoard); }) << false;
        QTest::newRow("matches one more") << Changed([](SavedGame& g) { g.MatchesMade = 3; }) << false;
        QTest::newRow("matches one fewer") << Changed([](SavedGame& g) { g.MatchesMade = 1; }) << false;
        QTest::newRow("matches on full board") << Changed([](SavedGame& g) {
            g.OnBoard.fill(kCardOnBoard);
            g.MatchesMade = 27;
            g.Tries = 27;
        }) << false;
        QTest::newRow("tries below matches") << Changed([](SavedGame& g) { g.Tries = 1; }) << false;
        QTest::newRow("tries negative") << Changed([](SavedGame& g) { g.Tries = -1; }, samples::Dealt()) << false;
    }
    void validation()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        const std::optional<SavedGame> game = Decode(bytes);
        QCOMPARE(game.has_value(), bytes.size() >= 220);
        if (!game) {
            QVERIFY(!accepted);
            return;
        }
        const SavedGameStatus status = ValidateSavedGame(*game);
        QCOMPARE(status.error, accepted ? SavedGameError::None : SavedGameError::NotASavedGame);
        QCOMPARE(status.reason.empty(), accepted);
        if (accepted) { // read as written, the tail ignored
            QCOMPARE(samples::Bytes(*game).left(220), bytes.left(220));
        }
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
            SavedGame game = samples::Dealt(random());
            QByteArray bytes;
            if (round % 4 == 0) { // noise of any length around the record
                bytes.resize(below(700));
                std::generate(bytes.begin(), bytes.end(), [&] { return char(random()); });
            } else if (round % 4 == 1) { // a playable position with odd but legal values
                for (int face = 1; face <= 53; face = face == 26 ? 53 : face + 1) {
                    if (below(3) == 0) {
                        samples::FindPair(game, std::int16_t(face));
                    }
                }
                for (auto& entry : game.OnBoard) {
                    entry = entry == 0 ? std::int16_t(0) : std::int16_t(below(2) ? -1 : 1 + below(32767));
                }
                game.Tries = std::int16_t(game.MatchesMade + below(32768 - game.MatchesMade));
                bytes = samples::Bytes(game);
            } else { // a saved game with a few bytes spoiled: replaced, or one bit flipped
                for (int i = below(20); i > 0; --i) {
                    samples::FindPair(game, std::int16_t(1 + below(26)));
                }
                game.Tries = std::int16_t(below(100));
                bytes = samples::Bytes(game);
                for (int i = 1 + below(4); i > 0; --i) {
                    const int offset = below(220);
                    bytes[offset] = round % 4 == 2 ? char(random()) : char(bytes[offset] ^ (1 << below(8)));
                }
            }

            const std::optional<SavedGame> decoded = Decode(bytes);
            QCOMPARE(decoded.has_value(), bytes.size() >= 220);
            if (!decoded) {
                continue;
            }
            const SavedGameStatus status = ValidateSavedGame(*decoded);
            QCOMPARE(status.reason.empty(), status.Ok());
            QVERIFY2(round % 4 != 1 || status.Ok(), status.reason.c_str());
            QCOMPARE(status.error, status.Ok() ? SavedGameError::None : SavedGameError::NotASavedGame);
            if (status.Ok()) {
                ++acceptedCount;
                QCOMPARE(samples::Bytes(*decoded).left(220), bytes.left(220));
            }
        }
        QVERIFY(acceptedCount >= 1000);
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
