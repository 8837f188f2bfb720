#include "Game.h"
#include "RecordingGameWindow.h"

#include <QtTest>

#include <algorithm>
#include <random>

using namespace bmd;

namespace {

// A repeatable source of numbers in [0, 1) whose sequence is fixed by its
// own arithmetic, not by a library's distribution, so a dealt board can be
// written down once and compared for ever.
class FixedSequence : public RandomSource {
public:
    explicit FixedSequence(std::uint64_t seed) : state_(seed) {}
    void Reseed() override {}
    double Next() override
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) * 0x1.0p-53;
    }

private:
    std::uint64_t state_;
};

// A game dealt from the given source; by default the ordered board, where
// position p holds face p + 1.
struct Dealt {
    explicit Dealt(RandomSource& source) : game(window, source) { game.NewGame(); }
    Dealt() : Dealt(ordered) {}
    RecordingGameWindow window;
    ScriptedRandom ordered{OrderedBoard()};
    Game game;
};

// What the window was told: the places face up (a "?" where the face is not
// the ordered board's, face i + 1 at place i), the cards on the table, the
// counters, Save Game and the turn timer.
QString Seen(const RecordingGameWindow& w)
{
    QString up = QStringLiteral("up");
    for (int i = 0; i < kCardCount; ++i) {
        const int shown = w.shown[std::size_t(i)];
        if (shown != kBackFace && shown != RecordingGameWindow::kGone) {
            up += QString::asprintf(shown == i + 1 ? " %d" : " %d?", i);
        }
    }
    return up
           + QString::asprintf(", %d on, tries %d pairs %d, %csave %ctimer", w.OnTableCount(), w.tries, w.matchesMade,
                               w.saveAvailable ? '+' : '-', w.timerRunning ? '+' : '-');
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One seed, one board: a change to the draw or to the redraw rule shows
    // here. Every deal holds each face once, face down; the clock's differ.
    void deals()
    {
        FixedSequence golden(2011);
        const std::array<std::int16_t, kCardCount> board{
            47, 1,  9,  27, 31, 12, 51, 3,  16, 24, 43, 21, 13, 35, 39, 10, 11, 38, 15, 26, 14, 40, 8,  32, 37, 29, 17,
            22, 44, 50, 41, 6,  36, 46, 25, 7,  20, 23, 49, 2,  4,  33, 34, 28, 54, 5,  30, 45, 53, 18, 19, 42, 48, 52};
        QCOMPARE(Dealt(golden).game.RecordToSave().CardFace, board);
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            FixedSequence random(seed);
            const Dealt dealt(random);
            auto faces = dealt.game.RecordToSave().CardFace;
            std::sort(faces.begin(), faces.end());
            QCOMPARE(faces, Dealt().game.RecordToSave().CardFace);
            QCOMPARE(std::count(dealt.window.shown.begin(), dealt.window.shown.end(), int(kBackFace)), kCardCount);
        }
        ClockSeededRandom clock;
        Dealt twice(clock);
        const auto first = twice.game.RecordToSave().CardFace;
        twice.game.NewGame();
        QVERIFY(first != twice.game.RecordToSave().CardFace);
    }

    void drawFace_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("face");
        QTest::newRow("just below 1.5 gives 1") << (0.5 - 1e-9) / 53.0 << 1;
        QTest::newRow("2.5 goes to even 2") << 1.5 / 53.0 << 2;
        QTest::newRow("3.5 goes to even 4") << 2.5 / 53.0 << 4;
        QTest::newRow("53.5 goes to even 54") << 52.5 / 53.0 << 54;
        QTest::newRow("just below 53.5 gives 53") << (52.5 - 1e-9) / 53.0 << 53;
        QTest::newRow("just below one") << std::nextafter(1.0, 0.0) << 54;
    }
    void drawFace()
    {
        QFETCH(double, r);
        QTEST(int(DrawFace(r)), "face");
    }

    // Faces 1-13 are spades, 14-26 diamonds, 27-39 clubs, 40-52 hearts, 53
    // and 54 the jokers: a pair is the same rank in the same colour, or the
    // two jokers. Every two faces are checked against that rule.
    void pairs()
    {
        const auto pair = [](int a, int b) {
            const bool jokers = a > 52 && b > 52;
            const bool sameColour = a <= 52 && b <= 52 && (a - 1) / 13 % 2 == (b - 1) / 13 % 2;
            return a != b && (jokers || (sameColour && (a - 1) % 13 == (b - 1) % 13));
        };
        for (std::int16_t a = 1; a <= kCardCount; ++a) {
            for (std::int16_t b = 1; b <= kCardCount; ++b) {
                QCOMPARE(PairKey(a) == PairKey(b), a == b || pair(a, b));
                QCOMPARE(PartnerFace(a) == b, pair(a, b));
            }
        }
    }

    // On the ordered board 0 and 26 are a pair (ace of spades, ace of clubs),
    // 52 and 53 the jokers, 0 and 13 are not (ace of spades, ace of
    // diamonds), nor 25 and 26 (king of diamonds, ace of clubs). Where Save
    // Game is on, the game is also saved and opened again.
    void turns_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen"); // the cards face up, on the table, counters, Save Game, turn timer
        const auto row = [](const char* name, const char* script, const char* seen) {
            QTest::newRow(name) << QString::fromLatin1(script) << QString::fromLatin1(seen);
        };
        row("first card up", "c0", "up 0, 54 on, tries 0 pairs 0, -save -timer");
        row("same card twice", "c0 c0", "up 0, 54 on, tries 0 pairs 0, -save -timer");
        row("second card counts the try", "c0 c13", "up 0 13, 54 on, tries 1 pairs 0, +save +timer");
        row("same twice, another", "c0 c0 c13", "up 0 13, 54 on, tries 1 pairs 0, +save +timer");
        row("pair waits for the tick", "c0 c26", "up 0 26, 54 on, tries 1 pairs 0, +save +timer");
        row("third click ignored", "c0 c13 c5", "up 0 13, 54 on, tries 1 pairs 0, +save +timer");
        row("no pair turns back", "c0 c13 t", "up, 54 on, tries 1 pairs 0, +save -timer");
        row("pair leaves", "c0 c26 t", "up, 52 on, tries 1 pairs 1, +save -timer");
        row("jokers pair", "c53 c52 t", "up, 52 on, tries 1 pairs 1, +save -timer");
        row("found card no click", "c0 c26 t c0 c26", "up, 52 on, tries 1 pairs 1, +save -timer");
        row("stray indexes", "c-1 c54 c32767 c-32768", "up, 54 on, tries 0 pairs 0, +save -timer");
        row("stray tick", "c0 c26 t t c1", "up 1, 52 on, tries 1 pairs 1, -save -timer");
        row("new turn after ignored clicks", "c0 c13 c5 c6 t c1 c2", "up 1 2, 54 on, tries 2 pairs 0, +save +timer");
        row("deal drops a pending turn", "c0 c26 n t", "up, 54 on, tries 0 pairs 0, +save -timer");
        row("deal with one card up", "c5 n c6", "up 6, 54 on, tries 0 pairs 0, -save -timer");
        row("deal after a pair", "c0 c26 t c1 c2 t n", "up, 54 on, tries 0 pairs 0, +save -timer");
    }
    void turns()
    {
        QFETCH(QString, script);
        Dealt dealt;
        Play(dealt.game, script);
        QTEST(Seen(dealt.window), "seen");
        QCOMPARE(dealt.game.CanSave(), dealt.window.saveAvailable);
        if (!dealt.game.CanSave()) {
            return;
        }
        // What Save Game writes (a waiting turn's cards still on the table),
        // opened over another deal with a turn waiting, then over one card up.
        const SavedGame record = dealt.game.RecordToSave();
        QVERIFY(ValidateSavedGame(record).Ok());
        const std::vector<int> ordered = OrderedBoard();
        ScriptedRandom reversed({ordered.rbegin(), ordered.rend()});
        Dealt opened(reversed);
        Play(opened.game, QStringLiteral("c3 c7"));
        opened.game.Restore(record);
        QCOMPARE(opened.game.RecordToSave(), record);
        Play(opened.game, QStringLiteral("c9"));
        opened.game.Restore(record);
        Play(opened.game, QStringLiteral("t c1 c2")); // the turn that waited before the open resolves nothing
        QCOMPARE(Seen(opened.window),
                 QString::asprintf("up 1 2, %d on, tries %d pairs %d, +save +timer", dealt.window.OnTableCount(),
                                   dealt.window.tries + 1, dealt.window.matchesMade));
    }

    // The last pair: the message, then Save Game off, then the offer of a
    // place, once, even if a tick arrives while the message is open.
    void wholeGameEndsOnce()
    {
        Dealt dealt;
        const RecordingGameWindow& window = dealt.window;
        dealt.window.duringGameOver = [&] { dealt.game.EndTurn(); };
        PlayEveryPair(dealt.game);
        QCOMPARE(window.endOfGame, (QStringList{"game over", "save off", "offer 27"}));
        QCOMPARE(Seen(window), QStringLiteral("up, 0 on, tries 27 pairs 27, -save -timer"));
        QVERIFY(!dealt.game.CanSave());
        dealt.game.NewGame();
        QVERIFY(window.OnTableCount() == 54 && window.saveAvailable);
        QCOMPARE(dealt.ordered.reseeds, 2); // each deal reseeds, or every run deals the same
    }

    // Neither count wraps round: tries stay at the largest, and clicks past
    // it are still ignored while a turn waits.
    void countersStopAtTheLargest16BitNumber()
    {
        Dealt dealt;
        for (int turn = 0; turn < 32800; ++turn) {
            Play(dealt.game, QStringLiteral("c0 c13 t"));
        }
        QCOMPARE(dealt.window.tries, 32767);
        Play(dealt.game, QStringLiteral("c0 c13"));
        for (int click = 0; click < 70000; ++click) {
            dealt.game.TurnCard(5 + click % 2);
        }
        Play(dealt.game, QStringLiteral("t c1"));
        QCOMPARE(Seen(dealt.window), QStringLiteral("up 1, 54 on, tries 32767 pairs 0, -save -timer"));
    }
};

QTEST_APPLESS_MAIN(GameTest)
#include "tst_game.moc"
