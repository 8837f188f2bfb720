#include "Game.h"
#include "RecordingGameWindow.h"

#include <QtTest>

#include <algorithm>

using namespace bmd;

namespace {

// A repeatable source whose sequence is fixed by its own arithmetic, not by
// a library's distribution, so a dealt board can be written down once.
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
// place p holds face p + 1.
struct Dealt {
    explicit Dealt(RandomSource& source) : game(window, source) { game.NewGame(); }
    Dealt() : Dealt(ordered) {}
    RecordingGameWindow window;
    ScriptedRandom ordered{OrderedBoard()};
    Game game;
};

// What the window was told: the places face up, the cards on the table, the
// counters, Save Game and the turn timer.
QString Seen(const RecordingGameWindow& w)
{
    QString up = QStringLiteral("up");
    int on = 0;
    for (int i = 0; i < kCardCount; ++i) {
        on += w.shown[i] != RecordingGameWindow::kGone;
        if (w.shown[i] != kBackFace && w.shown[i] != RecordingGameWindow::kGone) {
            up += QString::asprintf(w.shown[i] == i + 1 ? " %d" : " %d?", i); // "?": not the ordered board's face
        }
    }
    return up
           + QString::asprintf(", %d on, tries %d pairs %d, %csave %ctimer", on, w.counters.first, w.counters.second,
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
        std::array<std::int16_t, kCardCount> before{};
        for (int deal = 0; deal < 100; ++deal) { // each from a clock of its own, or all alike
            ClockSeededRandom clock;
            const SavedGame dealt = Dealt(clock).game.RecordToSave();
            QVERIFY(dealt.CardFace != before);
            QVERIFY(ValidateSavedGame(dealt).Ok()); // each face once
            before = dealt.CardFace;
        }
    }

    // On the ordered board 0 and 26 are a pair (ace of spades, ace of clubs),
    // 52 and 53 the jokers, 0 and 13 are not (ace of spades, ace of
    // diamonds). Where Save Game is on, the game is also saved and opened
    // over another deal with a turn waiting.
    void turns_data()
    {
        QTest::addColumn<QString>("script"); // "c<i>" turns card i, "t" ends the turn, "n" deals
        QTest::addColumn<QString>("seen");
        const auto row = [](const char* name, const char* script, const char* seen) {
            QTest::newRow(name) << QString::fromLatin1(script) << QString::fromLatin1(seen);
        };
        row("same card twice, third card ignored", "c0 c0 c13 c5", "up 0 13, 54 on, tries 1 pairs 0, +save +timer");
        row("pair leaves", "c0 c26 t", "up, 52 on, tries 1 pairs 1, +save -timer");
        row("found cards and stray places ignored", "c0 c26 t c0 c26 c-1 c54 c-32768",
            "up, 52 on, tries 1 pairs 1, +save -timer");
        row("no pair turns back, new turn after ignored cards", "c0 c13 c5 c6 t c1 c2",
            "up 1 2, 54 on, tries 2 pairs 0, +save +timer");
        row("deal drops a waiting turn", "c0 c26 n t", "up, 54 on, tries 0 pairs 0, +save -timer");
        row("deal with one card up", "c5 n c6", "up 6, 54 on, tries 0 pairs 0, -save -timer");
    }
    void turns()
    {
        QFETCH(QString, script);
        Dealt dealt;
        Play(dealt.game, script);
        QTEST(Seen(dealt.window), "seen");
        QCOMPARE(dealt.game.CanSave(), dealt.window.saveAvailable);
        QCOMPARE(dealt.ordered.reseeds, 1 + script.count(QLatin1Char('n'))); // or every run deals the same
    }

    // The last pair: the message, then Save Game off, then the offer of a
    // place, once, even if the turn ends again while the message is open.
    // Then a game opened over a new deal with a turn waiting, which resolves
    // nothing; its tries stop at the largest 16-bit number, not wrapping round.
    void wholeGameEndsOnceThenAnotherIsOpened()
    {
        FixedSequence golden(2011);
        Dealt dealt(golden);
        dealt.window.duringGameOver = [&] { dealt.game.EndTurn(); };
        PlayEveryPair(dealt.game);
        QCOMPARE(dealt.window.endOfGame, (QStringList{"game over", "offer 27, save off"}));
        QCOMPARE(Seen(dealt.window), QStringLiteral("up, 0 on, tries 27 pairs 27, -save -timer"));
        dealt.game.NewGame();
        QVERIFY(Seen(dealt.window).endsWith("54 on, tries 0 pairs 0, +save -timer"));
        Play(dealt.game, QStringLiteral("c3 c7"));
        const SavedGame record = OrderedRecord(1, 32766);
        dealt.game.Restore(record);
        QCOMPARE(dealt.game.RecordToSave(), record);
        Play(dealt.game, QStringLiteral("t c1 c14 t c1 c14 t c1"));
        QCOMPARE(Seen(dealt.window), QStringLiteral("up 1, 52 on, tries 32767 pairs 1, -save -timer"));
    }
};

QTEST_APPLESS_MAIN(GameTest)
#include "tst_game.moc"
