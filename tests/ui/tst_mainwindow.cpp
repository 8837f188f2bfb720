#include "Art.h"
#include "CardImage.h"
#include "CardTable.h"
#include "Contrast.h"
#include "DeckSmall.h"
#include "FileBytes.h"
#include "GameFiles.h"
#include "RecordedMessages.h"
#include "RecordingGameWindow.h"
#include "WhileModal.h"
#include "frmAbout.h"
#include "frmBrightmooseConcentration.h"
#include "frmSplash.h"

#include <QtTest>
#include <QtWidgets>

using namespace bmd;
using namespace bmd::ui;

// Also run on screens scaled by 1.5 and 2 (QT_SCALE_FACTOR): the layout in
// device-independent pixels stays as designed and the pictures stay sharp.
class MainWindowTest : public QObject {
    Q_OBJECT

    RecordedMessages messages_;
    QTemporaryDir dir_;
    std::optional<ScriptedRandom> random_;
    std::unique_ptr<frmBrightmooseConcentration> window_;

    // A window shown on the ordered board.
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
    QString Panels() const
    {
        QStringList texts;
        for (int panel = 1; panel <= 7; ++panel) {
            texts << window_->StatusPanel(panel)->text();
        }
        return texts.join('|');
    }

private Q_SLOTS:
    // The cards lie in six rows of nine, evenly spaced, none over another,
    // between the toolbar and the status bar, which leave no room for
    // another row or column.
    void windowGeometry()
    {
        frmBrightmooseConcentration& window = Shown();
        QCOMPARE_LE((window.geometry().center() - window.screen()->availableGeometry().center()).manhattanLength(), 4);
        const auto place = [&](int card) {
            return QRect(window.CardPositionInClientArea(card), window.Table()->Card(card)->size());
        };
        const QRect first = place(0);
        const QSize gap = QSize((place(53).left() - first.left()) / 8, (place(53).top() - first.top()) / 5)
                          - first.size();
        const int top = window.Toolbar()->height();
        const QRect table(0, top, window.width(), window.statusBar()->y() - window.menuBar()->height() - top);
        const QRect grid = first.united(place(53));
        QVERIFY(gap.width() > 0 && gap.height() > 0 && table.contains(grid));
        QCOMPARE_LT(table.width() - grid.width(), gap.width() + 8);
        QCOMPARE_LT(table.height() - grid.height(), gap.height() + 8);
        QVERIFY(!window.Table()->Deck()->isVisible()); // a store of pictures, never shown
        for (int card = 0; card < kCardCount; ++card) {
            QCOMPARE(place(card), first.translated(card % 9 * (first.width() + gap.width()),
                                                   card / 9 * (first.height() + gap.height())));
        }
        // The cards drawn for the screen's scale, at their size, also when the
        // window comes back from a screen of another scale.
        window.hide();
        window.Table()->Deck()->SetDevicePixelRatio(3);
        window.show();
        Click(0);
        const QPixmap& face = window.Table()->Card(0)->Picture();
        QCOMPARE(face.devicePixelRatio(), window.devicePixelRatioF());
        QCOMPARE(face.deviceIndependentSize().toSize(), first.size());
        // Between the two drawn sizes (150%) the sharper drawing is scaled down
        // smoothly: no uneven steps of a pixel-by-pixel scaling.
        const QImage smooth = art::ReadPng(":/art2x/cards/face00.png")
                                  .toImage()
                                  .scaled(face.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(face.devicePixelRatio() != 1.5 || face.toImage() == smooth.convertToFormat(face.toImage().format()));
    }

    // Under a dark desktop theme the menu bar's and the status panels' text
    // on the green stays black, as designed.
    void readableOnADarkDesktop()
    {
        const contrast::DarkDesktop dark;
        frmBrightmooseConcentration& window = Shown();
        QMenuBar* menus = window.menuBar();
        QVERIFY(contrast::Greys(menus, menus->actionGeometry(menus->actions()[0])).first < 60);
        for (const int panel : {1, 2, 4, 6, 7}) {
            QVERIFY(contrast::Greys(window.StatusPanel(panel), window.StatusPanel(panel)->rect()).first < 60);
        }
    }

    // A pair and a miss as the player sees them: the panels, the pictures
    // and Save Game. During the miss's look a file that does not open and a
    // save that fails are told, naming the file and why, and the look goes
    // on. New Game on the toolbar deals again.
    void aTurnAsThePlayerSeesIt()
    {
        const QString bad = dir_.filePath("bad.bcx");
        QVERIFY(WriteBytes(bad, QByteArray(219, '\1')));
        WhileModal<QFileDialog> chooser([&](QFileDialog* dialog) {
            QCOMPARE(dialog->nameFilters(), QStringList{"Brightmoose Derudirodozir Games (*.bcx)"});
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(bad + "/keep.bcx");
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
        frmBrightmooseConcentration& window = Shown();
        QCOMPARE(Panels(), "Tries|0|http://www.brightmoose.example/|Matches Made|0|Matches Remaining|27");
        QWidget* save = window.Toolbar()->widgetForAction(window.findChild<QAction*>("mnuSaveGame"));
        Click(0);
        QVERIFY(Shows(0) == Face(0) && Shows(1) == Face(59) && !save->isEnabled());
        Click(26);
        QVERIFY(Shows(26) == Face(26) && save->isEnabled() && window.TurnTimer().interval() == 750);
        QTRY_VERIFY_WITH_TIMEOUT(window.Table()->Card(0)->isHidden() && window.Table()->Card(26)->isHidden(), 3000);
        QCOMPARE(Panels(), "Tries|1|http://www.brightmoose.example/|Matches Made|1|Matches Remaining|26");
        Click(1);
        Click(2);
        QVERIFY(!window.OpenGameFile(NativePath(bad)));
        window.SaveGame();
        QVERIFY(window.TurnTimer().isActive() && Shows(2) == Face(2));
        QCOMPARE(messages_.texts.size(), 2);
        QVERIFY(messages_.texts[0].contains('"' + bad + "\" is not a saved game this program can open"));
        QVERIFY(messages_.texts[1].contains("could not be saved to \"" + bad + "/keep.bcx\""));
        QTRY_VERIFY_WITH_TIMEOUT(Shows(1) == Face(59) && Shows(2) == Face(59), 3000);
        QCOMPARE(Panels(), "Tries|2|http://www.brightmoose.example/|Matches Made|1|Matches Remaining|26");

        QTest::mouseClick(window.Toolbar()->widgetForAction(window.Toolbar()->actions()[0]), Qt::LeftButton);
        QCOMPARE(Panels(), "Tries|0|http://www.brightmoose.example/|Matches Made|0|Matches Remaining|27");
        QVERIFY(!window.Table()->Card(0)->isHidden() && random_->reseeds == 2);
    }

    // How the splash is left: by its timer, a click on the frame (not
    // on a label) or by the desktop. The main window comes exactly once.
    // Its notice and About's name the years up to this one.
    void splashHandsOverOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("years");
        QTest::newRow("timer") << "timer" << 2011 << "2011";
        QTest::newRow("click on a label, then on the frame") << "click" << 2026 << "2011 - 2026";
        QTest::newRow("closed by the desktop") << "close" << 2026 << "2011 - 2026";
    }
    void splashHandsOverOnce()
    {
        QFETCH(QString, how);
        QFETCH(int, year);
        QFETCH(QString, years);
        const QString notice = "Copyright \u00a9 " + years + " Brightmoose Software";
        int handedOver = 0;
        QPointer<frmSplash> splash = new frmSplash([&] { ++handedOver; }, year);
        QCOMPARE(splash->CopyrightLabel()->text(), notice);
        QCOMPARE(frmAbout(nullptr, year).CopyrightLabel()->text(), notice);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        if (how == QLatin1String("close")) {
            splash->close();
        } else if (how == QLatin1String("click")) {
            QTest::mouseClick(splash->CopyrightLabel(), Qt::LeftButton);
            QCOMPARE(handedOver, 0);
            QTest::mouseClick(splash->Frame(), Qt::LeftButton, {}, QPoint(300, 280));
        }
        QTRY_COMPARE_WITH_TIMEOUT(handedOver, 1, 5000); // by its timer in the first row
        QTest::qWait(100);
        QCOMPARE(handedOver, 1);
        QTRY_VERIFY(splash.isNull()); // closed and deleted
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
