#include "RecordingGameWindow.h"
#include "game/Game.h"

#include <QtTest>

#include <algorithm>
#include <random>

using namespace bmd;

namespace {

// A seeded source, for deals that are random but repeatable.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    void Reseed() override {}
    double Next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937 engine_;
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
    void everyDealIsAPermutationFaceDown()
    {
        for (unsigned seed = 1; seed <= 300; ++seed) {
            RecordingGameWindow window;
            window.saveGameEnabled = false;
            SeededRandom random(seed);
            Game game(window, random);
            game.NewGame();
            std::array<std::int16_t, kCardCount> faces = game.State().CardFace;
            std::sort(faces.begin(), faces.end());
            for (int i = 0; i < kCardCount; ++i) {
                QCOMPARE(faces[i], i + 1);
                QCOMPARE(window.cardPicture[i], int(kBackFace));
                QVERIFY(window.cardVisible[i]);
                QVERIFY(!window.cardStretch[i]);
            }
            QCOMPARE(window.panel[2], std::string("0"));
            QCOMPARE(window.panel[5], std::string("0"));
            QCOMPARE(window.panel[7], std::string("27"));
            QVERIFY(window.saveGameEnabled);
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
        for (const auto& [face, key] : {std::pair{1, 1}, {13, 13}, {14, 14}, {26, 26}, {27, 1}, {39, 13},
                                        {40, 14}, {52, 26}, {53, 53}, {54, 53}}) {
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
        QTest::newRow("first card up") << "c0" << "up 1 clicks 1 tries 0 matches 0, 1 face up 54 shown, save off timer off";
        QTest::newRow("same card twice") << "c0 c0" << "up 1 clicks 1 tries 0 matches 0, 1 face up 54 shown, save off timer off";
        QTest::newRow("second card counts the try at once")
            << "c0 c13" << "up 0 clicks 2 tries 1 matches 0, 2 face up 54 shown, save on timer on";
        QTest::newRow("same card twice then another")
            << "c0 c0 c13" << "up 0 clicks 2 tries 1 matches 0, 2 face up 54 shown, save on timer on";
        QTest::newRow("third click ignored")
            << "c0 c13 c5" << "up 0 clicks 3 tries 1 matches 0, 2 face up 54 shown, save on timer on";
        QTest::newRow("no pair turns back")
            << "c0 c13 t" << "up 0 clicks 0 tries 1 matches 0, 0 face up 54 shown, save on timer off";
        QTest::newRow("other colour same rank is no pair")
            << "c25 c26 t" << "up 0 clicks 0 tries 1 matches 0, 0 face up 54 shown, save on timer off";
        QTest::newRow("pair leaves the board")
            << "c0 c26 t" << "up 0 clicks 0 tries 1 matches 1, 0 face up 52 shown, save on timer off";
        QTest::newRow("jokers pair")
            << "c53 c52 t" << "up 0 clicks 0 tries 1 matches 1, 0 face up 52 shown, save on timer off";
        QTest::newRow("found card takes no click")
            << "c0 c26 t c0" << "up 0 clicks 0 tries 1 matches 1, 0 face up 52 shown, save on timer off";
        QTest::newRow("stray tick resolves nothing")
            << "c0 c26 t t c1" << "up 1 clicks 1 tries 1 matches 1, 1 face up 52 shown, save off timer off";
        QTest::newRow("new turn after resolution")
            << "c0 c13 t c1" << "up 1 clicks 1 tries 1 matches 0, 1 face up 54 shown, save off timer off";
        QTest::newRow("deal drops a pending turn")
            << "c0 c26 n t" << "up 0 clicks 0 tries 0 matches 0, 0 face up 54 shown, save on timer off";
        QTest::newRow("deal during one card up")
            << "c0 n" << "up 0 clicks 0 tries 0 matches 0, 0 face up 54 shown, save on timer off";
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
        QTEST(QStringLiteral("up %1 clicks %2 tries %3 matches %4, %5 face up %6 shown, save %7 timer %8")
                  .arg(state.FirstCardUp).arg(state.ClickCount).arg(state.Tries).arg(state.MatchesMade)
                  .arg(window.FaceUpCount()).arg(window.VisibleCount())
                  .arg(window.saveGameEnabled ? "on" : "off", window.timerRunning ? "on" : "off"),
              "after");
        QCOMPARE(window.panel[2], std::to_string(state.Tries));
        QCOMPARE(window.panel[5], std::to_string(state.MatchesMade));
        QCOMPARE(window.panel[7], std::to_string(27 - state.MatchesMade));
        for (int i = 0; i < kCardCount; ++i) {
            QCOMPARE(window.cardVisible[i], game.IsCardVisible(i));
            // A card face up shows its own face (position i holds face i + 1).
            QVERIFY(window.cardPicture[i] == kBackFace || window.cardPicture[i] == i + 1);
        }
    }

    void wholeGameEndsOnce_data()
    {
        QTest::addColumn<bool>("qualifies");
        QTest::newRow("qualifies") << true;
        QTest::newRow("does not qualify") << false;
    }
    void wholeGameEndsOnce()
    {
        QFETCH(bool, qualifies);
        RecordingGameWindow window;
        ScriptedRandom random(OrderedBoard());
        Game game(window, random);
        std::vector<int> askedFor;
        game.SetQualificationRule([&](std::int16_t tries) {
            askedFor.push_back(tries);
            return qualifies;
        });
        game.NewGame();
        // A tick arriving while the game-over box is open must not resolve
        // the last turn a second time.
        window.duringMessage = [&] { game.Timer1_Timer(); };
        for (int k = 0; k < 26; ++k) {
            Play(game, QStringLiteral("c%1 c%2 t").arg(k).arg(k + 26));
        }
        Play(game, QStringLiteral("c52 c53 t"));

        QCOMPARE(game.State().MatchesMade, std::int16_t(27));
        QCOMPARE(game.State().Tries, std::int16_t(27));
        QCOMPARE(window.messages, std::vector<std::string>{"Game Over!"});
        QCOMPARE(askedFor, std::vector<int>{27});
        QCOMPARE(window.highScoreEntries, qualifies ? 1 : 0);
        QVERIFY(!window.saveGameEnabled);
        QVERIFY(!window.timerRunning);
        QCOMPARE(window.VisibleCount(), 0);
        QCOMPARE(window.panel[7], std::string("0"));

        game.NewGame();
        QCOMPARE(window.VisibleCount(), 54);
        QVERIFY(window.saveGameEnabled);
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
        QCOMPARE(window.panel[2], std::string("32767"));
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
