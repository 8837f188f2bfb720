#include "RecordingGameWindow.h"
#include "game/Game.h"

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

// Plays a script of events: "c<i>" clicks card i, "t" is a timer tick,
// "n" a new deal.
void Play(Game& game, const QString& script)
{
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("t")) {
            game.Timer1_Timer();
        } else if (step == QLatin1String("n")) {
            game.NewGame();
        } else {
            game.imgCard_Click(static_cast<std::int16_t>(step.mid(1).toInt()));
        }
    }
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    // One seed, one board: a change to the draw or to the redraw rule shows here.
    void seededDealIsThisBoard()
    {
        RecordingGameWindow window;
        FixedSequence random(2011);
        Game game(window, random);
        game.NewGame();
        const std::array<std::int16_t, kCardCount> board{
            47, 1,  9,  27, 31, 12, 51, 3,  16, 24, 43, 21, 13, 35, 39, 10, 11, 38, 15, 26, 14, 40, 8,  32, 37, 29, 17,
            22, 44, 50, 41, 6,  36, 46, 25, 7,  20, 23, 49, 2,  4,  33, 34, 28, 54, 5,  30, 45, 53, 18, 19, 42, 48, 52};
        QCOMPARE(game.State().CardFace, board);
    }

    void everyDealIsAPermutationFaceDown()
    {
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            RecordingGameWindow window;
            FixedSequence random(seed);
            Game game(window, random);
            game.NewGame();
            std::array<std::int16_t, kCardCount> faces = game.State().CardFace;
            std::sort(faces.begin(), faces.end());
            for (int i = 0; i < kCardCount; ++i) {
                QCOMPARE(faces[std::size_t(i)], i + 1);
                QCOMPARE(window.shown[std::size_t(i)], int(kBackFace));
            }
            QCOMPARE(window.tries, 0);
            QCOMPARE(window.matchesMade, 0);
            QVERIFY(window.saveAvailable && game.CanSave());
            QVERIFY(!window.timerRunning);
        }
    }

    void clockSeededDealsDiffer()
    {
        RecordingGameWindow window;
        ClockSeededRandom random;
        Game game(window, random);
        game.NewGame();
        const auto first = game.State().CardFace;
        game.NewGame();
        QVERIFY(first != game.State().CardFace);
    }

    void drawFace_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("face");
        QTest::newRow("zero") << 0.0 << 1;
        QTest::newRow("just below 1.5 gives 1") << (0.5 - 1e-9) / 53.0 << 1;
        QTest::newRow("1.5 goes to even 2") << 0.5 / 53.0 << 2;
        QTest::newRow("2.5 goes to even 2") << 1.5 / 53.0 << 2;
        QTest::newRow("3.5 goes to even 4") << 2.5 / 53.0 << 4;
        QTest::newRow("53.5 goes to even 54") << 52.5 / 53.0 << 54;
        QTest::newRow("just below 53.5 gives 53") << (52.5 - 1e-9) / 53.0 << 53;
        QTest::newRow("just below one") << std::nextafter(1.0, 0.0) << 54;
    }
    void drawFace()
    {
        QFETCH(double, r);
        QFETCH(int, face);
        QCOMPARE(int(DrawFace(r)), face);
    }

    void pairKeys_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("key");
        for (const auto& [face, key] : {std::pair{1, 1},
                                        {13, 13},
                                        {14, 14},
                                        {26, 26},
                                        {27, 1},
                                        {39, 13},
                                        {40, 14},
                                        {52, 26},
                                        {53, 53},
                                        {54, 53}}) {
            QTest::addRow("face %d", face) << face << key;
        }
    }
    void pairKeys()
    {
        QFETCH(int, face);
        QFETCH(int, key);
        QCOMPARE(int(PairKey(static_cast<std::int16_t>(face))), key);
        QCOMPARE(int(PairKey(PartnerFace(static_cast<std::int16_t>(face)))), key);
    }

    // On the ordered board, position p holds face p + 1: 0 and 26 are a pair
    // (ace of spades, ace of clubs), 52 and 53 the jokers, 0 and 13 are not
    // (ace of spades, ace of diamonds), nor 25 and 26 (king of diamonds, ace
    // of clubs).
    void turns_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("after"); // the state, the cards seen, Save Game and the turn timer
        const auto row = [](const char* name, const char* script, const char* after) {
            QTest::newRow(name) << QString::fromLatin1(script) << QString::fromLatin1(after);
        };
        row("first card up", "c0", "up 1 first 0 clicks 1 tries 0 matches 0, 1 up 54 on, save off timer off");
        row("same card twice", "c0 c0", "up 1 first 0 clicks 1 tries 0 matches 0, 1 up 54 on, save off timer off");
        row("second card counts the try at once", "c0 c13",
            "up 0 first 0 clicks 2 tries 1 matches 0, 2 up 54 on, save on timer on");
        row("same card twice then another", "c0 c0 c13",
            "up 0 first 0 clicks 2 tries 1 matches 0, 2 up 54 on, save on timer on");
        row("third click ignored", "c0 c13 c5",
            "up 0 first 0 clicks 3 tries 1 matches 0, 2 up 54 on, save on timer on");
        row("no pair turns back", "c0 c13 t", "up 0 first 0 clicks 0 tries 1 matches 0, 0 up 54 on, save on timer off");
        row("other colour same rank is no pair", "c25 c26 t",
            "up 0 first 25 clicks 0 tries 1 matches 0, 0 up 54 on, save on timer off");
        row("pair leaves the table", "c0 c26 t",
            "up 0 first 0 clicks 0 tries 1 matches 1, 0 up 52 on, save on timer off");
        row("jokers pair", "c53 c52 t", "up 0 first 53 clicks 0 tries 1 matches 1, 0 up 52 on, save on timer off");
        row("found card takes no click", "c0 c26 t c0",
            "up 0 first 0 clicks 0 tries 1 matches 1, 0 up 52 on, save on timer off");
        row("stray indexes take no click", "c-1 c54 c32767 c-32768",
            "up 0 first 0 clicks 0 tries 0 matches 0, 0 up 54 on, save on timer off");
        row("stray tick resolves nothing", "c0 c26 t t c1",
            "up 1 first 1 clicks 1 tries 1 matches 1, 1 up 52 on, save off timer off");
        row("new turn after resolution", "c0 c13 t c1",
            "up 1 first 1 clicks 1 tries 1 matches 0, 1 up 54 on, save off timer off");
        row("deal drops a pending turn", "c0 c26 n t",
            "up 0 first 0 clicks 0 tries 0 matches 0, 0 up 54 on, save on timer off");
        row("deal during one card up", "c5 n",
            "up 0 first 0 clicks 0 tries 0 matches 0, 0 up 54 on, save on timer off");
        row("deal after a pair starts the counts again", "c0 c26 t c1 c2 t n",
            "up 0 first 0 clicks 0 tries 0 matches 0, 0 up 54 on, save on timer off");
    }
    void turns()
    {
        QFETCH(QString, script);
        RecordingGameWindow window;
        ScriptedRandom random(OrderedBoard());
        Game game(window, random);
        game.NewGame();
        Play(game, script);
        const GameState& state = game.State();
        QTEST(QStringLiteral("up %1 first %2 clicks %3 tries %4 matches %5, %6 up %7 on, save %8 timer %9")
                  .arg(state.FirstCardUp)
                  .arg(state.FirstPick)
                  .arg(state.ClickCount)
                  .arg(state.Tries)
                  .arg(state.MatchesMade)
                  .arg(window.FaceUpCount())
                  .arg(window.OnTableCount())
                  .arg(window.saveAvailable ? "on" : "off", window.timerRunning ? "on" : "off"),
              "after");
        QCOMPARE(window.tries, int(state.Tries));
        QCOMPARE(window.matchesMade, int(state.MatchesMade));
        QCOMPARE(game.CanSave(), window.saveAvailable);
        for (int i = 0; i < kCardCount; ++i) {
            QCOMPARE(window.shown[std::size_t(i)] != RecordingGameWindow::kGone, game.IsOnTable(i));
            // A card face up shows its own face (position i holds face i + 1).
            QVERIFY(window.shown[std::size_t(i)] == kBackFace || window.shown[std::size_t(i)] == i + 1
                    || window.shown[std::size_t(i)] == RecordingGameWindow::kGone);
        }
    }

    // The last pair: the message, then Save Game off, then the offer of a
    // place, once, even if a tick arrives while the message is open.
    void wholeGameEndsOnce()
    {
        RecordingGameWindow window;
        ScriptedRandom random(OrderedBoard());
        Game game(window, random);
        game.NewGame();
        window.duringGameOver = [&] { game.Timer1_Timer(); };
        PlayEveryPair(game);

        QCOMPARE(game.State().MatchesMade, std::int16_t(27));
        QCOMPARE(game.State().Tries, std::int16_t(27));
        QCOMPARE(window.endOfGame, (QStringList{"game over", "save off", "offer 27"}));
        QVERIFY(!window.saveAvailable && !game.CanSave());
        QVERIFY(!window.timerRunning);
        QCOMPARE(window.OnTableCount(), 0);
        QCOMPARE(window.matchesMade, 27);

        game.NewGame();
        QCOMPARE(window.OnTableCount(), 54);
        QVERIFY(window.saveAvailable);
    }

    // What Save Game writes and Open Game restores, through the core alone.
    void savedGameRoundTrip_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<int>("tries");
        QTest::newRow("fresh deal") << "" << 0 << 0;
        QTest::newRow("two pairs in three tries") << "c0 c26 t c1 c5 t c53 c52 t" << 2 << 3;
        QTest::newRow("turn still waiting counts both cards on the table") << "c0 c26 t c1 c27" << 1 << 2;
    }
    void savedGameRoundTrip()
    {
        QFETCH(QString, script);
        QFETCH(int, pairs);
        QFETCH(int, tries);
        RecordingGameWindow window;
        ScriptedRandom random(OrderedBoard());
        Game game(window, random);
        game.NewGame();
        Play(game, script);
        const SavedGame record = game.ToSavedGame();
        QCOMPARE(int(record.Tries), tries);
        QCOMPARE(int(record.MatchesMade), pairs);
        QCOMPARE(int(std::count(record.OnBoard.begin(), record.OnBoard.end(), kCardFound)), 2 * pairs);
        QVERIFY(ValidateSavedGame(record).Ok());

        RecordingGameWindow other;
        const std::vector<int> ordered = OrderedBoard();
        ScriptedRandom shuffled({ordered.rbegin(), ordered.rend()});
        Game opened(other, shuffled);
        opened.NewGame();
        Play(opened, QStringLiteral("c3 c7"));
        opened.RestoreSavedGame(record);
        QCOMPARE(opened.ToSavedGame(), record);
        QCOMPARE(other.OnTableCount(), 54 - 2 * pairs);
        QCOMPARE(other.FaceUpCount(), 0);
        QCOMPARE(other.tries, tries);
        QCOMPARE(other.matchesMade, pairs);
        QVERIFY(other.saveAvailable && !other.timerRunning);
        QCOMPARE(opened.State().ClickCount, std::int16_t(0));
        QCOMPARE(opened.State().FirstCardUp, std::int16_t(0));
        // The turn that waited before the open resolves nothing now.
        opened.Timer1_Timer();
        QCOMPARE(opened.ToSavedGame(), record);
    }

    void countersStopAtTheLargest16BitNumber()
    {
        RecordingGameWindow window;
        ScriptedRandom random(OrderedBoard());
        Game game(window, random);
        game.NewGame();
        for (int turn = 0; turn < 32800; ++turn) {
            Play(game, QStringLiteral("c0 c13 t"));
        }
        QCOMPARE(game.State().Tries, std::int16_t(32767));
        QCOMPARE(window.tries, 32767);
        Play(game, QStringLiteral("c0 c13"));
        for (int click = 0; click < 40000; ++click) {
            game.imgCard_Click(5);
        }
        QCOMPARE(game.State().ClickCount, std::int16_t(32767));
        game.Timer1_Timer();
        QCOMPARE(game.State().ClickCount, std::int16_t(0));
    }
};

QTEST_APPLESS_MAIN(GameTest)
#include "tst_game.moc"
