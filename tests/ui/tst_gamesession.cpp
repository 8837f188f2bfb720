#include "RecordedMessages.h"
#include "RecordingGameWindow.h"
#include "ScoredTable.h"
#include "StoreFileProbe.h"
#include "WhileModal.h"
#include "savegame/SavedGameFile.h"
#include "ui/CardImage.h"
#include "ui/CardTable.h"
#include "ui/GameSession.h"
#include "ui/frmBrightmooseConcentration.h"
#include "ui/frmHighScores.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace bmd;
using namespace bmd::ui;

class GameSessionTest : public QObject {
    Q_OBJECT

    std::optional<RecordedMessages> messages_;
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Starts a session and hands over from the splash at once, as a key press does.
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
            count += window.Table()->Card(i)->isHidden() ? 0 : 1;
        }
        return count;
    }

private slots:
    void init() { messages_.emplace(); }
    void cleanup() { messages_.reset(); }

    // The first start writes the defaults and opens a file named on the
    // command line: a good one gives its board, a bad one a message and a deal.
    void fileOnTheCommandLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("none") << "";
        QTest::newRow("saved game") << "good.bcx";
        QTest::newRow("not a saved game") << "bad.bcx";
        QTest::newRow("missing") << "missing.bcx";
    }
    void fileOnTheCommandLine()
    {
        QFETCH(QString, name);
        const SavedGame record = OrderedRecord(4, 9);
        QVERIFY(WriteSavedGameFile(Path(QStringLiteral("good.bcx")).toStdString(), record).Ok());
        QFile bad(Path(QStringLiteral("bad.bcx")));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("not a game") > 0);
        bad.close();

        auto session = Started(name.isEmpty() ? QString() : Path(name));
        QCOMPARE(session->Scores().StoredTable(), bmd::DefaultHighScoreTable());
        QCOMPARE(probe::Database(Path(QStringLiteral("registry.sqlite"))).Text("SELECT count(*) FROM registry_values"),
                 QStringLiteral("20"));
        frmBrightmooseConcentration& window = *session->MainWindow();
        if (name == QLatin1String("good.bcx")) {
            QVERIFY(messages_->texts.isEmpty());
            QCOMPARE(window.GameLogic().ToSavedGame(), record);
            QCOMPARE(CardsOnBoard(window), 46);
            QCOMPARE(window.StatusPanel(2)->text(), QStringLiteral("9"));
            QCOMPARE(window.StatusPanel(7)->text(), QStringLiteral("23"));
        } else {
            QCOMPARE(messages_->texts.size(), name.isEmpty() ? 0 : 1);
            QVERIFY(name.isEmpty() || messages_->texts[0].contains(name));
            QCOMPARE(CardsOnBoard(window), 54);
            QCOMPARE(window.StatusPanel(2)->text(), QStringLiteral("0"));
        }
    }

    // A qualifying game opens the entry once; if it ends while the table is
    // viewed, the entry opens only after the view has closed.
    void gameEndOpensTheEntry_data()
    {
        QTest::addColumn<bool>("duringView");
        QTest::newRow("game ends") << false;
        QTest::newRow("game ends during the view") << true;
    }
    void gameEndOpensTheEntry()
    {
        QFETCH(bool, duringView);
        ScoredTable table(Path(QStringLiteral("entry.sqlite")));
        QVERIFY(table.Exposed());
        frmBrightmooseConcentration& window = table.window;
        PlayEveryPair(window.GameLogic(), false); // the last turn waits for its tick

        QList<bool> opened; // the mode of each high-score window that opened
        bool resolved = !duringView;
        WhileModal<frmHighScores> closer([&](frmHighScores* dialog) {
            if (!std::exchange(resolved, true)) {
                window.GameLogic().Timer1_Timer(); // resolves under the open view
                return;
            }
            opened << dialog->NewScorePending;
            dialog->reject();
        });
        if (duringView) {
            window.mnuHighScores_Click();
        } else {
            window.GameLogic().Timer1_Timer();
        }
        QCOMPARE(opened, duringView ? (QList<bool>{false, true}) : QList<bool>{true});
        QCOMPARE(messages_->texts, QStringList{QStringLiteral("Game Over!")});
    }
};

QTEST_MAIN(GameSessionTest)
#include "tst_gamesession.moc"
