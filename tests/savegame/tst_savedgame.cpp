#include "SavedGameSamples.h"

#include <QtTest>

#include <random>
#include <span>

using namespace bmd;

namespace {

std::span<const std::uint8_t> Span(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
}

quint8 At(const QByteArray& bytes, int offset)
{
    return quint8(bytes.at(offset));
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
            QCOMPARE(At(bytes, 2 * k), quint8(game.CardFace[k]));
            QCOMPARE(At(bytes, 2 * k + 1), quint8(0));
            const char* onBoard = game.OnBoard[k] == 0 ? "0000" : "ffff";
            QCOMPARE(bytes.mid(108 + 2 * k, 2), QByteArray::fromHex(onBoard));
        }

        const QByteArray dealt = samples::Bytes(samples::Dealt());
        QCOMPARE(dealt.mid(108, 108), QByteArray(108, '\xFF'));
        QCOMPARE(dealt.mid(216, 4), QByteArray(4, '\0'));
    }

    void decodeReadsOnlyTheRecord()
    {
        const SavedGame game = samples::MidGame();
        QByteArray bytes = samples::Bytes(game);
        bytes.replace(220, 420, QByteArray(420, '\x5A'));
        QCOMPARE(DecodeSavedGame(Span(bytes)), std::optional(game));
        QCOMPARE(DecodeSavedGame(Span(bytes.left(220))), std::optional(game));
    }

    void validation_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");

        const SavedGame mid = samples::MidGame();
        const auto row = [](const char* name, const SavedGame& game, bool accepted) {
            QTest::newRow(name) << samples::Bytes(game) << accepted;
        };
        const auto changed = [&mid](auto change) {
            SavedGame game = mid;
            change(game);
            return game;
        };
        const auto onBoardAs = [&changed](std::int16_t value) {
            return changed([value](SavedGame& g) {
                for (auto& entry : g.OnBoard) {
                    entry = entry == 0 ? std::int16_t{0} : value;
                }
            });
        };

        row("mid game", mid, true);
        row("fresh deal", samples::Dealt(7), true);
        row("on board as 1", onBoardAs(1), true);
        row("on board as 0x7FFF", onBoardAs(0x7FFF), true);
        row("on board as -32768", onBoardAs(-32768), true);
        row("tries equal matches", changed([](SavedGame& g) { g.Tries = 2; }), true);
        row("all pairs found", changed([](SavedGame& g) {
                g.OnBoard.fill(0);
                g.MatchesMade = 27;
                g.Tries = 40;
            }), true);
        QTest::newRow("tail ignored") << samples::Bytes(mid).left(220) + QByteArray(3, '\x7F') << true;

        QTest::newRow("219 bytes") << samples::Bytes(mid).left(219) << false;
        QTest::newRow("empty") << QByteArray() << false;
        row("duplicate face", changed([](SavedGame& g) { g.CardFace[10] = g.CardFace[40]; }), false);
        row("face 0", changed([](SavedGame& g) { g.CardFace[0] = 0; }), false);
        row("face 55", changed([](SavedGame& g) { g.CardFace[53] = 55; }), false);
        row("face -1", changed([](SavedGame& g) { g.CardFace[20] = -1; }), false);
        row("back face 60", changed([](SavedGame& g) { g.CardFace[5] = 60; }), false);
        row("partner still on board", changed([](SavedGame& g) {
                // Faces 2 and 3 are no pair; the counters agree with six cards gone.
                for (int k = 0; k < kCardCount; ++k) {
                    if (g.CardFace[k] == 2 || g.CardFace[k] == 3) {
                        g.OnBoard[k] = 0;
                    }
                }
                g.MatchesMade = 3;
            }), false);
        row("joker alone found", changed([](SavedGame& g) {
                for (int k = 0; k < kCardCount; ++k) {
                    if (g.CardFace[k] == 54) {
                        g.OnBoard[k] = -1;
                    }
                }
            }), false);
        row("matches one more", changed([](SavedGame& g) { g.MatchesMade = 3; }), false);
        row("matches one fewer", changed([](SavedGame& g) { g.MatchesMade = 1; }), false);
        row("matches on full board", changed([](SavedGame& g) {
                g.OnBoard.fill(-1);
                g.MatchesMade = 27;
                g.Tries = 27;
            }), false);
        row("tries below matches", changed([](SavedGame& g) { g.Tries = 1; }), false);
        SavedGame negative = samples::Dealt();
        negative.Tries = -1;
        row("tries negative", negative, false);
    }
    void validation()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        const std::optional<SavedGame> game = DecodeSavedGame(Span(bytes));
        if (!game) {
            QVERIFY(!accepted);
            QVERIFY(bytes.size() < 220);
            return;
        }
        const SavedGameStatus status = ValidateSavedGame(*game);
        QCOMPARE(status.Ok(), accepted);
        if (accepted) {
            QVERIFY(status.reason.empty());
        } else {
            QCOMPARE(status.error, SavedGameError::NotASavedGame);
            QVERIFY(!status.reason.empty());
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
            QByteArray bytes;
            bool mustAccept = false;
            switch (round % 4) {
            case 0: // noise of any length around the record
                bytes.resize(below(700));
                for (char& byte : bytes) {
                    byte = char(random());
                }
                break;
            case 1: { // a playable position with odd but legal values
                SavedGame game = samples::Dealt(random());
                for (int face = 1; face <= 53; face = face == 26 ? 53 : face + 1) {
                    if (below(3) == 0) {
                        samples::FindPair(game, std::int16_t(face));
                    }
                }
                for (auto& entry : game.OnBoard) {
                    if (entry != 0) {
                        entry = std::int16_t(below(2) ? -1 : 1 + below(32767));
                    }
                }
                game.Tries = std::int16_t(game.MatchesMade + below(32768 - game.MatchesMade));
                bytes = samples::Bytes(game);
                mustAccept = true;
                break;
            }
            default: { // a saved game with a few bytes or fields spoiled
                SavedGame game = samples::Dealt(random());
                for (int i = below(20); i > 0; --i) {
                    samples::FindPair(game, std::int16_t(1 + below(26)));
                }
                game.Tries = std::int16_t(below(100));
                bytes = samples::Bytes(game);
                for (int i = 1 + below(4); i > 0; --i) {
                    const int offset = below(220);
                    bytes[offset] = round % 4 == 2 ? char(random()) : char(bytes[offset] ^ (1 << below(8)));
                }
                break;
            }
            }

            const std::optional<SavedGame> game = DecodeSavedGame(Span(bytes));
            QCOMPARE(game.has_value(), bytes.size() >= 220);
            if (!game) {
                continue;
            }
            const SavedGameStatus status = ValidateSavedGame(*game);
            QCOMPARE(status.reason.empty(), status.Ok());
            if (mustAccept) {
                QVERIFY2(status.Ok(), status.reason.c_str());
            }
            if (status.Ok()) {
                ++acceptedCount;
                QCOMPARE(samples::Bytes(*game).left(220), bytes.left(220));
            } else {
                QCOMPARE(status.error, SavedGameError::NotASavedGame);
            }
        }
        QVERIFY(acceptedCount >= 1000);
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
