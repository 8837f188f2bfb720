#include "CardImage.h"
#include "CardTable.h"
#include "Contrast.h"
#include "DeckSmall.h"
#include "RecordingGameWindow.h"
#include "frmBrightmooseConcentration.h"

#include <QAccessible>
#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

using namespace bmd;
using namespace bmd::ui;

// Also run on screens scaled by 1.5 and 2 (QT_SCALE_FACTOR): the layout in
// device-independent pixels stays as designed and the pictures stay sharp.
class MainWindowTest : public QObject {
    Q_OBJECT

    static QAction* Item(QWidget& window, const char* name) { return window.findChild<QAction*>(name); }
    static void Click(frmBrightmooseConcentration& window, int index)
    {
        QTest::mouseClick(window.Table()->Card(index), Qt::LeftButton);
    }
    static qint64 Shows(frmBrightmooseConcentration& window, int index)
    {
        return window.Table()->Card(index)->Picture().cacheKey();
    }

private Q_SLOTS:
    // The cards lie in six rows of nine, evenly spaced, none over another,
    // between the toolbar and the status bar, which leave no room for
    // another row or column. Resizing moves no card, and only the web
    // address panel takes the new width.
    void windowGeometry()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Brightmoose Derudirodozir"));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 128, 0));
        QVERIFY(!window.Table()->Deck()->isVisible());
        const QPoint offCentre = window.geometry().center() - window.screen()->availableGeometry().center();
        QCOMPARE_LE(offCentre.manhattanLength(), 4);
        QCOMPARE(window.Toolbar()->geometry().top(), window.menuBar()->height());
        QCOMPARE(window.statusBar()->geometry().bottom(), window.height() - 1);
        const auto place = [&](int card) {
            return QRect(window.CardPositionInClientArea(card), window.Table()->Card(card)->size());
        };
        const QRect first = place(0);
        const QSize step((place(53).left() - first.left()) / 8, (place(53).top() - first.top()) / 5);
        const QSize gap = step - first.size();
        const QRect table(0, window.Toolbar()->height(), window.width(),
                          window.statusBar()->geometry().top() - window.menuBar()->height()
                              - window.Toolbar()->height());
        const QRect grid = first.united(place(53));
        QVERIFY(gap.width() > 0 && gap.height() > 0 && table.contains(grid));
        QCOMPARE_LT(table.width() - grid.width(), gap.width() + 8);
        QCOMPARE_LT(table.height() - grid.height(), gap.height() + 8);
        QList<int> widths[2]; // of the fixed panels and of the web address
        for (const int width : {window.width(), window.width() + 246}) {
            window.resize(width, 800);
            QCoreApplication::processEvents();
            for (int card = 0; card < kCardCount; ++card) {
                QCOMPARE(place(card), first.translated(card % 9 * step.width(), card / 9 * step.height()));
            }
            for (const int panel : {1, 2, 4, 5, 6, 7, 3}) {
                widths[panel == 3] << window.StatusPanel(panel)->width();
            }
        }
        QCOMPARE(widths[0].mid(0, 6), widths[0].mid(6));
        QCOMPARE(widths[1][1] - widths[1][0], 246);
        const QPixmap& face = window.Table()->Deck()->FacePicture(0);
        QCOMPARE(face.devicePixelRatio(), window.devicePixelRatioF());
        QCOMPARE(face.deviceIndependentSize().toSize(), first.size());
    }

    // A card face and a back on the screen are the drawings scaled smoothly
    // to the screen's pixels (at 1 and 2 they are the drawings themselves):
    // a picture stretched pixel by pixel shows uneven steps and differs.
    void cardsDrawnForTheScale()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Click(window, 0);
        const qreal ratio = window.devicePixelRatioF();
        for (const auto& [index, picture] : {std::pair{0, "face00"}, {1, "face59"}}) {
            const QImage shown = window.Table()->Card(index)->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage reference = QImage(
                                         QStringLiteral(":/art%1/cards/%2.png").arg(ratio > 1 ? "2x" : "").arg(picture))
                                         .scaled(qRound(61 * ratio), qRound(89 * ratio), Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation)
                                         .convertToFormat(QImage::Format_RGB32);
            // Inside the round corners, where the table's ground shows.
            const QRect inside = shown.rect().adjusted(4, 4, -4, -4);
            double difference = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                for (int x = inside.left(); x <= inside.right(); ++x) {
                    const QRgb a = shown.pixel(x, y);
                    const QRgb b = reference.pixel(x, y);
                    difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
                }
            }
            // Smooth scalers differ by about 3 in 255 on the back's lattice,
            // a pixel-by-pixel stretch by about 18.
            QCOMPARE_LE(difference / (3.0 * inside.width() * inside.height()), 6.0);
        }
    }

    // Under a dark desktop theme the menu bar's and the status panels' text
    // on the green stays black, as designed: 4.09:1 at most, a little less
    // where a small letter's edges are smoothed.
    void readableOnADarkDesktop()
    {
        const contrast::DarkDesktop dark;
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const int panel : {1, 2, 4, 6, 7}) {
            QLabel* label = window.StatusPanel(panel);
            const contrast::Reading text = contrast::OfText(&window, label, label->rect().adjusted(3, 3, -3, -3));
            QVERIFY(text.darkText);
            QCOMPARE_GE(text.ratio, 3.5);
        }
        QMenuBar* menus = window.menuBar();
        const contrast::Reading menu = contrast::OfText(&window, menus,
                                                        menus->actionGeometry(menus->actions().first()));
        QVERIFY(menu.darkText);
        QCOMPARE_GE(menu.ratio, 3.5);
    }

    // The counters, the turned pictures and Save Game, as a turn goes.
    void aTurnAsThePlayerSeesIt()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList dealt{
            "Tries", "0", "http://www.brightmoose.example/", "Matches Made", "0", "Matches Remaining", "27"};
        for (int panel = 1; panel <= 7; ++panel) {
            QCOMPARE(window.StatusPanel(panel)->text(), dealt[panel - 1]);
        }
        const DeckSmall& deck = *window.Table()->Deck();
        QCOMPARE(Shows(window, 0), deck.FacePicture(59).cacheKey());
        Click(window, 0);
        QCOMPARE(Shows(window, 0), deck.FacePicture(0).cacheKey());
        QVERIFY(!Item(window, "mnuSaveGame")->isEnabled());
        QVERIFY(!window.Toolbar()->widgetForAction(Item(window, "mnuSaveGame"))->isEnabled());
        Click(window, 26);
        QCOMPARE(Shows(window, 26), deck.FacePicture(26).cacheKey());
        QCOMPARE(window.StatusPanel(2)->text(), QStringLiteral("1"));
        QVERIFY(window.Toolbar()->widgetForAction(Item(window, "mnuSaveGame"))->isEnabled());
        QVERIFY(window.TurnTimer().isActive());
        QCOMPARE(window.TurnTimer().interval(), 750);
        QTRY_VERIFY_WITH_TIMEOUT(window.Table()->Card(0)->isHidden(), 3000);
        QVERIFY(window.Table()->Card(26)->isHidden());
        QCOMPARE(window.StatusPanel(5)->text(), QStringLiteral("1"));
        QCOMPARE(window.StatusPanel(7)->text(), QStringLiteral("26"));
        Click(window, 1);
        Click(window, 2);
        QTRY_COMPARE_WITH_TIMEOUT(Shows(window, 1), deck.FacePicture(59).cacheKey(), 3000);
        QCOMPARE(Shows(window, 2), deck.FacePicture(59).cacheKey());
    }

    // Seven places: the five commands and two separators; the first three
    // show their names as tool tips, High Scores and Help none; a screen
    // reader hears each in words.
    void toolbar()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QAction*> actions = window.Toolbar()->actions();
        QCOMPARE(actions.size(), 7);
        const QStringList names{"mnuNewGame", "mnuOpenGame", "mnuSaveGame", "", "mnuHighScores", "", "Toolbar1_Help"};
        const QStringList tips{"New Game", "Open Game", "Save Game", "", "", "", ""};
        const QStringList words{"New Game", "Open Game", "Save Game", "", "High Scores", "", "Help"};
        for (int i = 0; i < actions.size(); ++i) {
            QCOMPARE(actions[i]->isSeparator(), names[i].isEmpty());
            QCOMPARE(actions[i]->objectName(), names[i]);
            QWidget* button = window.Toolbar()->widgetForAction(actions[i]);
            if (!names[i].isEmpty()) {
                QCOMPARE(button->size(), QSize(23, 22));
                QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), words[i]);
                QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
                QApplication::sendEvent(button, &hover);
                QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tips[i]);
                QToolTip::hideText();
                QTRY_VERIFY(!QToolTip::isVisible());
            }
        }
        // The Game menu shares those actions but shows them plain, as wide as without pictures.
        const QMenu* game = window.findChild<QMenu*>(QStringLiteral("mnuGame"));
        QMenu plain;
        for (const QAction* item : game->actions()) {
            item->isSeparator() ? plain.addSeparator() : plain.addAction(item->text(), item->shortcut());
        }
        QCOMPARE(game->sizeHint(), plain.sizeHint());
        Click(window, 0);
        QTest::mouseClick(window.Toolbar()->widgetForAction(actions[0]), Qt::LeftButton);
        QCOMPARE(Shows(window, 0), window.Table()->Deck()->FacePicture(59).cacheKey());
        QCOMPARE(random.reseeds, 2);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
