#include "RecordedMessages.h"
#include "RecordingGameWindow.h"
#include "ui/CardImage.h"
#include "ui/DeckSmall.h"
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

    std::optional<RecordedMessages> messages_;

    static QAction* Item(QWidget& window, const char* name) { return window.findChild<QAction*>(name); }
    static void Click(frmBrightmooseConcentration& window, int index) { QTest::mouseClick(window.Card(index), Qt::LeftButton); }

private slots:
    void init() { messages_.emplace(); }
    void cleanup() { messages_.reset(); }

    // The window, and cards 0, 8, 9, 40 and 53 in the client area; resizing moves nothing.
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
        const std::pair<int, QPoint> places[] = {
            {0, {8, 32}}, {8, {584, 32}}, {9, {8, 128}}, {40, {296, 416}}, {53, {584, 512}}};
        for (int resized = 0; resized < 2; ++resized) {
            for (const auto& [index, place] : places) {
                QCOMPARE(window.CardPositionInClientArea(index), place);
                QCOMPARE(window.Card(index)->size(), QSize(61, 89));
            }
            window.resize(900, 800);
            QCoreApplication::processEvents();
        }
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

        const DeckSmall& deck = *window.Deck();
        QCOMPARE(window.Card(0)->Picture().cacheKey(), deck.FacePicture(59).cacheKey());
        Click(window, 0);
        QCOMPARE(window.Card(0)->Picture().cacheKey(), deck.FacePicture(0).cacheKey());
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

    // F2 deals again during a turn, F3 ends at once; the other shortcuts are in place.
    void shortcuts()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        for (const auto& [name, keys] : {std::pair{"mnuOpenGame", QKeySequence(Qt::CTRL | Qt::Key_O)},
                                         {"mnuSaveGame", QKeySequence(Qt::CTRL | Qt::Key_S)},
                                         {"mnuHighScores", QKeySequence(Qt::CTRL | Qt::Key_H)},
                                         {"mnuContents", QKeySequence(Qt::Key_F1)}}) {
            QCOMPARE(Item(window, name)->shortcut(), keys);
        }
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
        QVERIFY(messages_->texts.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
