#include "RecordingGameWindow.h"
#include "savegame/SavedGameFile.h"
#include "scores/HighScores.h"
#include "scores/SqliteRegistryStore.h"
#include "ui/CardImage.h"
#include "ui/GameSession.h"
#include "ui/MessageBoxes.h"
#include "ui/frmBrightmooseConcentration.h"
#include "ui/frmHighScores.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace bmd;
using namespace bmd::ui;

class GameSessionTest : public QObject {
    Q_OBJECT

    QStringList messages_;
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Starts a session and hands over from the splash at once, as a key
    // press does.
    std::unique_ptr<GameSession> Started(const QString& fileToOpen)
    {
        auto session = std::make_unique<GameSession>(Path(QStringLiteral("registry.sqlite")), fileToOpen);
        session->Start(2026);
        QTest::keyClick(session->Splash(), Qt::Key_Space);
        [&] { QVERIFY(session->MainWindow() != nullptr); }();
        QCoreApplication::processEvents();
        return session;
    }

    static int CardsOnBoard(const frmBrightmooseConcentration& window)
    {
        int count = 0;
        for (int i = 0; i < kCardCount; ++i) {
            count += window.Card(i)->isHidden() ? 0 : 1;
        }
        return count;
    }

    // Ends the game on the ordered board up to its last turn, which waits
    // for the timer.
    static void PlayToLastTurn(Game& game)
    {
        for (int k = 0; k < 26; ++k) {
            game.imgCard_Click(static_cast<std::int16_t>(k));
            game.imgCard_Click(static_cast<std::int16_t>(k + 26));
            game.Timer1_Timer();
        }
        game.imgCard_Click(52);
        game.imgCard_Click(53);
    }

private slots:
    void init()
    {
        messages_.clear();
        SetMessageHandlerForTesting([this](const MessageRequest& request) {
            messages_ << request.text;
            return MessageAnswer::Ok;
        });
    }
    void cleanup() { SetMessageHandlerForTesting({}); }

    void firstStartWritesTheDefaults()
    {
        auto session = Started({});
        for (std::int16_t position = 1; position <= 10; ++position) {
            QCOMPARE(session->Scores().StoredTable.At(position).Name, std::string("Anonymous"));
            QCOMPARE(session->Scores().StoredTable.At(position).Score, std::string("99999"));
        }
        QVERIFY(QFile::exists(Path(QStringLiteral("registry.sqlite"))));
        QCOMPARE(CardsOnBoard(*session->MainWindow()), 54);
    }

    void fileOnTheCommandLine_data()
    {
        QTest::addColumn<bool>("good");
        QTest::addColumn<QString>("name");
        QTest::newRow("saved game") << true << "good.bcx";
        QTest::newRow("not a saved game") << false << "bad.bcx";
        QTest::newRow("missing") << false << "missing.bcx";
    }
    void fileOnTheCommandLine()
    {
        QFETCH(bool, good);
        QFETCH(QString, name);
        SavedGame record;
        for (int k = 0; k < kCardCount; ++k) {
            record.CardFace[k] = static_cast<std::int16_t>(k + 1);
            record.OnBoard[k] = k < 4 || (k >= 26 && k < 30) ? kCardFound : kCardOnBoard;
        }
        record.Tries = 9;
        record.MatchesMade = 4;
        QVERIFY(WriteSavedGameFile(Path(QStringLiteral("good.bcx")).toStdString(), record).Ok());
        QFile bad(Path(QStringLiteral("bad.bcx")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a game");
        bad.close();

        auto session = Started(Path(name));
        frmBrightmooseConcentration& window = *session->MainWindow();
        if (good) {
            QVERIFY(messages_.isEmpty());
            QCOMPARE(window.GameLogic().ToSavedGame(), record);
            QCOMPARE(CardsOnBoard(window), 46);
            QCOMPARE(window.StatusPanel(2)->text(), QStringLiteral("9"));
            QCOMPARE(window.StatusPanel(7)->text(), QStringLiteral("23"));
        } else {
            QCOMPARE(messages_.size(), 1);
            QVERIFY(messages_[0].contains(name));
            QCOMPARE(CardsOnBoard(window), 54);
            QCOMPARE(window.StatusPanel(2)->text(), QStringLiteral("0"));
        }
    }

    void qualifyingGameOpensTheEntry()
    {
        HighScores scores(std::make_unique<SqliteRegistryStore>(
            Path(QStringLiteral("entry.sqlite")).toStdString()));
        scores.SeedHighScores();
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.SetHighScores(&scores);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PlayToLastTurn(window.GameLogic());

        QList<bool> opened; // the mode of each high-score window that opened
        QTimer closer;
        closer.setInterval(20);
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<frmHighScores*>(QApplication::activeModalWidget())) {
                opened << dialog->NewScorePending;
                dialog->reject();
            }
        });
        closer.start();
        window.GameLogic().Timer1_Timer();
        QCOMPARE(messages_, QStringList{QStringLiteral("Game Over!")});
        QCOMPARE(opened, QList<bool>{true});
    }

    void gameEndingDuringTheViewWaitsForIt()
    {
        HighScores scores(std::make_unique<SqliteRegistryStore>(
            Path(QStringLiteral("wait.sqlite")).toStdString()));
        scores.SeedHighScores();
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.SetHighScores(&scores);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PlayToLastTurn(window.GameLogic());

        // While the table is viewed, the last turn resolves; the view closes
        // later, and only then does the entry open.
        QList<bool> opened;
        int ticks = 0;
        QTimer driver;
        driver.setInterval(20);
        connect(&driver, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<frmHighScores*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            if (++ticks == 1) {
                window.GameLogic().Timer1_Timer();
                QCOMPARE(opened.size(), 0);
                return;
            }
            opened << dialog->NewScorePending;
            dialog->reject();
        });
        driver.start();
        window.mnuHighScores_Click();
        QCOMPARE(opened, (QList<bool>{false, true}));
        QCOMPARE(messages_, QStringList{QStringLiteral("Game Over!")});
    }
};

QTEST_MAIN(GameSessionTest)
#include "tst_gamesession.moc"
