#include "RecordingGameWindow.h"
#include "ui/CardImage.h"
#include "ui/DeckSmall.h"
#include "ui/MessageBoxes.h"
#include "ui/frmBrightmooseConcentration.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

using namespace bmd;
using namespace bmd::ui;

class MainWindowTest : public QObject {
    Q_OBJECT

    QStringList messages_;

    static QAction* Item(QWidget& window, const char* name)
    {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }

    static void Click(frmBrightmooseConcentration& window, int index)
    {
        QTest::mouseClick(window.Card(index), Qt::LeftButton);
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

    void windowGeometry()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Brightmoose Derudirodozir"));
        QCOMPARE(window.width(), 654);
        QCOMPARE(window.height() - window.menuBar()->height(), 634);
        QCOMPARE(window.Toolbar()->geometry().top(), window.menuBar()->height());
        QCOMPARE(window.Toolbar()->height(), 28);
        QCOMPARE(window.statusBar()->height(), 25);
        QCOMPARE(window.statusBar()->geometry().bottom(), window.height() - 1);
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 128, 0));
        QVERIFY(!window.Deck()->isVisible());
    }

    void cardPlaces_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("0 top left") << 0 << QPoint(8, 32);
        QTest::newRow("8 top right") << 8 << QPoint(584, 32);
        QTest::newRow("9 second row") << 9 << QPoint(8, 128);
        QTest::newRow("40 middle") << 40 << QPoint(296, 416);
        QTest::newRow("53 bottom right") << 53 << QPoint(584, 512);
    }
    void cardPlaces()
    {
        QFETCH(int, index);
        QFETCH(QPoint, place);
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.CardPositionInClientArea(index), place);
        QCOMPARE(window.Card(index)->size(), QSize(61, 89));
        // Resizing moves no card.
        window.resize(900, 800);
        QCoreApplication::processEvents();
        QCOMPARE(window.CardPositionInClientArea(index), place);
    }

    void statusPanels()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList dealt{"Tries", "0", "http://www.brightmoose.example/", "Matches Made",
                                "0", "Matches Remaining", "27"};
        for (int panel = 1; panel <= 7; ++panel) {
            QCOMPARE(window.StatusPanel(panel)->text(), dealt[panel - 1]);
        }
        QCOMPARE(window.StatusPanel(1)->width(), 40);
        QCOMPARE(window.StatusPanel(6)->width(), 107);
        QVERIFY(window.StatusPanel(3)->width() >= 67);

        Click(window, 0);
        QVERIFY(!Item(window, "mnuSaveGame")->isEnabled());
        QVERIFY(!Item(window, "Toolbar1_SaveGame")->isEnabled());
        Click(window, 26);
        QCOMPARE(window.StatusPanel(2)->text(), QStringLiteral("1"));
        QVERIFY(Item(window, "mnuSaveGame")->isEnabled());
        QVERIFY(Item(window, "Toolbar1_SaveGame")->isEnabled());
        QVERIFY(window.TurnTimer().isActive());
        QCOMPARE(window.TurnTimer().interval(), 750);
        QTRY_VERIFY_WITH_TIMEOUT(window.Card(0)->isHidden(), 3000);
        QVERIFY(window.Card(26)->isHidden());
        QCOMPARE(window.StatusPanel(5)->text(), QStringLiteral("1"));
        QCOMPARE(window.StatusPanel(7)->text(), QStringLiteral("26"));
    }

    void cardsShowDeckPictures()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        DeckSmall* deck = window.Deck();
        for (int i = 0; i < kCardCount; ++i) {
            QCOMPARE(window.Card(i)->Picture().cacheKey(), deck->FacePicture(59).cacheKey());
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Click(window, 5);
        QCOMPARE(window.Card(5)->Picture().cacheKey(), deck->FacePicture(5).cacheKey());
    }

    void toolbar()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        const QList<QAction*> actions = window.Toolbar()->actions();
        QCOMPARE(actions.size(), 7);
        const QStringList keys{"NewGame", "OpenGame", "SaveGame", "", "HighScores", "", "Help"};
        const QStringList tips{"New Game", "Open Game", "Save Game", "", "", "", ""};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(actions[i]->isSeparator(), keys[i].isEmpty());
            QCOMPARE(actions[i]->data().toString(), keys[i]);
            QCOMPARE(actions[i]->toolTip(), tips[i]);
        }
        QCOMPARE(window.Toolbar()->widgetForAction(actions[0])->size(), QSize(23, 22));

        // A separator has no key and runs nothing; New Game deals again.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Click(window, 0);
        window.Toolbar1_ButtonClick(QString());
        QCOMPARE(window.GameLogic().State().FirstCardUp, std::int16_t(1));
        actions[0]->trigger();
        QCOMPARE(window.GameLogic().State().FirstCardUp, std::int16_t(0));
        QCOMPARE(random.reseeds, 2);
    }

    void menus()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        const struct {
            const char* name;
            const char* caption;
            QKeySequence shortcut;
        } items[] = {
            {"mnuNewGame", "&New Game", Qt::Key_F2},
            {"mnuOpenGame", "&Open Game", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"mnuSaveGame", "&Save Game", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"mnuHighScores", "&High Scores", QKeySequence(Qt::CTRL | Qt::Key_H)},
            {"mnuExit", "E&xit", Qt::Key_F3},
            {"mnuContents", "&Contents", Qt::Key_F1},
            {"mnuIndex", "&Index", QKeySequence()},
            {"mnuBrightmoose", "Brightmoose Software on the Web", QKeySequence()},
            {"mnuAbout", "&About...", QKeySequence()},
        };
        for (const auto& item : items) {
            QAction* action = Item(window, item.name);
            QVERIFY2(action != nullptr, item.name);
            QCOMPARE(action->text(), QString::fromLatin1(item.caption));
            QCOMPARE(action->shortcut(), item.shortcut);
            QVERIFY(action->isEnabled());
        }
    }

    void shortcutsF2AndF3()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Click(window, 0);
        Click(window, 13);
        QVERIFY(window.TurnTimer().isActive());
        QTest::keyClick(&window, Qt::Key_F2);
        QCOMPARE(random.reseeds, 2);
        QVERIFY(!window.TurnTimer().isActive());
        QCOMPARE(window.StatusPanel(2)->text(), QStringLiteral("0"));

        QTest::keyClick(&window, Qt::Key_F3);
        QVERIFY(!window.isVisible());
        QVERIFY(messages_.isEmpty());
    }

    void gameOverDisablesSaveGame()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int k = 0; k < 27; ++k) {
            Click(window, k < 26 ? k : 52);
            Click(window, k < 26 ? k + 26 : 53);
            // The tick itself, without waiting the real 750 ms each time.
            window.GameLogic().Timer1_Timer();
            QVERIFY(!window.TurnTimer().isActive());
        }
        QCOMPARE(messages_, QStringList{QStringLiteral("Game Over!")});
        QVERIFY(!Item(window, "mnuSaveGame")->isEnabled());
        QVERIFY(!Item(window, "Toolbar1_SaveGame")->isEnabled());
        QTest::keyClick(&window, Qt::Key_F2);
        QVERIFY(Item(window, "mnuSaveGame")->isEnabled());
        QVERIFY(!window.Card(0)->isHidden());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
