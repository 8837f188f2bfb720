#include "RecordingGameWindow.h"
#include "game/Game.h"

#include <QtTest>

#include <algorithm>
#include <random>
#include <sstream>

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
        const int table[][2] = {{1, 1},   {13, 13}, {14, 14}, {26, 26}, {27, 1}, {39, 13},
                                {40, 14}, {52, 26}, {53, 53}, {54, 53}};
        for (const auto& row : table) {
            QTest::addRow("face %d", row[0]) << row[0] << row[1];
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
        QTest::addColumn<int>("firstCardUp");
        QTest::addColumn<int>("clickCount");
        QTest::addColumn<int>("tries");
        QTest::addColumn<int>("matches");
        QTest::addColumn<int>("faceUp");
        QTest::addColumn<int>("onBoard");
        QTest::addColumn<bool>("saveEnabled");
        QTest::addColumn<bool>("timer");

        QTest::newRow("first card up") << "c0" << 1 << 1 << 0 << 0 << 1 << 54 << false << false;
        QTest::newRow("same card twice") << "c0 c0" << 1 << 1 << 0 << 0 << 1 << 54 << false << false;
        QTest::newRow("second card counts the try at once")
            << "c0 c13" << 0 << 2 << 1 << 0 << 2 << 54 << true << true;
        QTest::newRow("same card twice then another")
            << "c0 c0 c13" << 0 << 2 << 1 << 0 << 2 << 54 << true << true;
        QTest::newRow("third click ignored") << "c0 c13 c5" << 0 << 3 << 1 << 0 << 2 << 54 << true << true;
        QTest::newRow("no pair turns back") << "c0 c13 t" << 0 << 0 << 1 << 0 << 0 << 54 << true << false;
        QTest::newRow("other colour same rank is no pair")
            << "c25 c26 t" << 0 << 0 << 1 << 0 << 0 << 54 << true << false;
        QTest::newRow("pair leaves the board") << "c0 c26 t" << 0 << 0 << 1 << 1 << 0 << 52 << true << false;
        QTest::newRow("jokers pair") << "c53 c52 t" << 0 << 0 << 1 << 1 << 0 << 52 << true << false;
        QTest::newRow("found card takes no click")
            << "c0 c26 t c0" << 0 << 0 << 1 << 1 << 0 << 52 << true << false;
        QTest::newRow("stray tick resolves nothing")
            << "c0 c26 t t c1" << 1 << 1 << 1 << 1 << 1 << 52 << false << false;
        QTest::newRow("new turn after resolution")
            << "c0 c13 t c1" << 1 << 1 << 1 << 0 << 1 << 54 << false << false;
        QTest::newRow("deal drops a pending turn")
            << "c0 c26 n t" << 0 << 0 << 0 << 0 << 0 << 54 << true << false;
        QTest::newRow("deal during one card up") << "c0 n" << 0 << 0 << 0 << 0 << 0 << 54 << true << false;
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
        QTEST(int(state.FirstCardUp), "firstCardUp");
        QTEST(int(state.ClickCount), "clickCount");
        QTEST(int(state.Tries), "tries");
        QTEST(int(state.MatchesMade), "matches");
        QTEST(window.FaceUpCount(), "faceUp");
        QTEST(window.VisibleCount(), "onBoard");
        QTEST(window.saveGameEnabled, "saveEnabled");
        QTEST(window.timerRunning, "timer");
        QCOMPARE(window.panel[2], std::to_string(state.Tries));
        QCOMPARE(window.panel[5], std::to_string(state.MatchesMade));
        QCOMPARE(window.panel[7], std::to_string(27 - state.MatchesMade));
        for (int i = 0; i < kCardCount; ++i) {
            QCOMPARE(window.cardVisible[i], game.IsCardVisible(i));
        }
    }

    void faceUpCardShowsItsFace()
    {
        RecordingGameWindow window;
        ScriptedRandom random(OrderedBoard());
        Game game(window, random);
        game.NewGame();
        Play(game, QStringLiteral("c40 c7"));
        QCOMPARE(window.cardPicture[40], 41);
        QCOMPARE(window.cardPicture[7], 8);
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
        std::ostringstream script;
        for (int k = 0; k < 26; ++k) {
            script << 'c' << k << " c" << k + 26 << " t ";
        }
        script << "c52 c53 t";
        Play(game, QString::fromStdString(script.str()));

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

    void savedGameRoundTrip()
    {
        RecordingGameWindow window;
        SeededRandom random(7);
        Game game(window, random);
        game.NewGame();
        const auto faces = game.State().CardFace;
        // Find one pair and leave a turn pending.
        const int first = 0;
        const int partner = static_cast<int>(
            std::find(faces.begin(), faces.end(), PartnerFace(faces[first])) - faces.begin());
        Play(game, QStringLiteral("c%1 c%2 t").arg(first).arg(partner));
        const SavedGame record = game.ToSavedGame();
        QCOMPARE(record.OnBoard[first], std::int16_t(0));
        QCOMPARE(record.OnBoard[partner], std::int16_t(0));
        QCOMPARE(record.Tries, std::int16_t(1));

        RecordingGameWindow other;
        SeededRandom otherRandom(8);
        Game restored(other, otherRandom);
        restored.NewGame();
        Play(restored, QStringLiteral("c1 c2"));
        restored.RestoreSavedGame(record);
        QCOMPARE(restored.State().CardFace, faces);
        QCOMPARE(restored.ToSavedGame(), record);
        QCOMPARE(other.VisibleCount(), 52);
        QCOMPARE(other.FaceUpCount(), 0);
        QVERIFY(!other.timerRunning);
        QVERIFY(other.saveGameEnabled);
        QCOMPARE(other.panel[5], std::string("1"));
        QCOMPARE(other.panel[7], std::string("26"));
        QCOMPARE(int(restored.State().ClickCount), 0);
        // The dropped turn is not resolved by a late tick.
        restored.Timer1_Timer();
        QCOMPARE(restored.State().MatchesMade, std::int16_t(1));
    }
};

QTEST_APPLESS_MAIN(GameTest)
#include "tst_game.moc"
