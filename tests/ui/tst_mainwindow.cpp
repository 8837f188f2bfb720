#include "CardImage.h"
#include "CardTable.h"
#include "Contrast.h"
#include "DeckSmall.h"
#include "RecordingGameWindow.h"
#include "frmBrightmooseConcentration.h"

#include <QtTest>
#include <QtWidgets>

using namespace bmd;
using namespace bmd::ui;

// Also run on screens scaled by 1.5 and 2 (QT_SCALE_FACTOR): the layout in
// device-independent pixels stays as designed and the pictures stay sharp.
class MainWindowTest : public QObject {
    Q_OBJECT

    std::optional<ScriptedRandom> random_;
    std::unique_ptr<frmBrightmooseConcentration> window_;

    frmBrightmooseConcentration& Shown()
    {
        window_.reset();
        random_.emplace(OrderedBoard());
        window_ = std::make_unique<frmBrightmooseConcentration>(&*random_);
        window_->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(window_.get())); }();
        return *window_;
    }
    void Click(int index) { QTest::mouseClick(window_->Table()->Card(index), Qt::LeftButton); }
    qint64 Shows(int index) const { return window_->Table()->Card(index)->Picture().cacheKey(); }
    qint64 Face(int picture) const { return window_->Table()->Deck()->FacePicture(picture).cacheKey(); }

private Q_SLOTS:
    // The cards lie in six rows of nine, evenly spaced, none over another,
    // between the toolbar and the status bar, which leave no room for
    // another row or column. Resizing moves no card, and only the web
    // address panel takes the new width.
    void windowGeometry()
    {
        frmBrightmooseConcentration& window = Shown();
        QCOMPARE(window.windowTitle(), QStringLiteral("Brightmoose Derudirodozir"));
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
        const int top = window.Toolbar()->height();
        const QRect table(0, top, window.width(),
                          window.statusBar()->geometry().top() - window.menuBar()->height() - top);
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
        // The cards drawn for the screen's scale, at their size.
        const QPixmap& back = window.Table()->Card(0)->Picture();
        QCOMPARE(back.devicePixelRatio(), window.devicePixelRatioF());
        QCOMPARE(back.deviceIndependentSize().toSize(), first.size());
    }

    // Under a dark desktop theme the menu bar's and the status panels' text
    // on the green stays black, as designed.
    void readableOnADarkDesktop()
    {
        const contrast::DarkDesktop dark;
        frmBrightmooseConcentration& window = Shown();
        QVERIFY(
            contrast::Greys(window.menuBar(), window.menuBar()->actionGeometry(window.menuBar()->actions()[0])).first
            < 60);
        for (const int panel : {1, 2, 4, 6, 7}) {
            QVERIFY(contrast::Greys(window.StatusPanel(panel), window.StatusPanel(panel)->rect()).first < 60);
        }
    }

    // A pair and a miss as the player sees them: the panels, the pictures
    // and Save Game. The toolbar: the five commands in three groups, the
    // first three with their names as tool tips, each in words for a screen
    // reader; the Game menu shows them plain; New Game deals again.
    void aTurnAndTheToolbar()
    {
        frmBrightmooseConcentration& window = Shown();
        const auto panels = [&] {
            QStringList texts;
            for (int panel = 1; panel <= 7; ++panel) {
                texts << window.StatusPanel(panel)->text();
            }
            return texts.join('|');
        };
        QCOMPARE(panels(), "Tries|0|http://www.brightmoose.example/|Matches Made|0|Matches Remaining|27");
        QWidget* save = window.Toolbar()->widgetForAction(window.findChild<QAction*>("mnuSaveGame"));
        Click(0);
        QVERIFY(Shows(0) == Face(0) && Shows(1) == Face(59) && !save->isEnabled());
        Click(26);
        QVERIFY(Shows(26) == Face(26) && save->isEnabled() && window.TurnTimer().interval() == 750);
        QTRY_VERIFY_WITH_TIMEOUT(window.Table()->Card(0)->isHidden() && window.Table()->Card(26)->isHidden(), 3000);
        QCOMPARE(panels(), "Tries|1|http://www.brightmoose.example/|Matches Made|1|Matches Remaining|26");
        Click(1);
        Click(2);
        QTRY_VERIFY_WITH_TIMEOUT(Shows(1) == Face(59) && Shows(2) == Face(59), 3000);

        QStringList seen;
        for (QAction* action : window.Toolbar()->actions()) {
            QWidget* button = window.Toolbar()->widgetForAction(action);
            QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(button, &hover);
            seen << (action->isSeparator()
                         ? "|"
                         : QStringLiteral("%1 %2x%3 (%4)")
                               .arg(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name))
                               .arg(button->width())
                               .arg(button->height())
                               .arg(QToolTip::isVisible() ? QToolTip::text() : QString()));
            QToolTip::hideText();
            QTRY_VERIFY(!QToolTip::isVisible());
        }
        QCOMPARE(seen.join(' '),
                 "New Game 23x22 (New Game) Open Game 23x22 (Open Game) Save Game 23x22 (Save Game) | "
                 "High Scores 23x22 () | Help 23x22 ()");
        // As wide as the same menu without pictures.
        const QMenu* game = window.findChild<QMenu*>(QStringLiteral("mnuGame"));
        QMenu plain;
        for (const QAction* item : game->actions()) {
            item->isSeparator() ? plain.addSeparator() : plain.addAction(item->text(), item->shortcut());
        }
        QCOMPARE(game->sizeHint(), plain.sizeHint());
        QTest::mouseClick(window.Toolbar()->widgetForAction(window.Toolbar()->actions()[0]), Qt::LeftButton);
        QCOMPARE(panels(), "Tries|0|http://www.brightmoose.example/|Matches Made|0|Matches Remaining|27");
        QVERIFY(!window.Table()->Card(0)->isHidden() && random_->reseeds == 2);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
