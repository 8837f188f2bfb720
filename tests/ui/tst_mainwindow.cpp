#include "CardImage.h"
#include "CardTable.h"
#include "Contrast.h"
#include "DeckSmall.h"
#include "FileBytes.h"
#include "GameFiles.h"
#include "RecordedMessages.h"
#include "RecordingGameWindow.h"
#include "WhileModal.h"
#include "frmBrightmooseConcentration.h"

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

    // A window shown on the ordered board, after a script of moves.
    frmBrightmooseConcentration& Shown(const QString& script = {})
    {
        window_.reset();
        random_.emplace(OrderedBoard());
        window_ = std::make_unique<frmBrightmooseConcentration>(&*random_);
        window_->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(window_.get())); }();
        Play(window_->GameLogic(), script);
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
    // another row or column. Resizing moves no card, and only the web
    // address panel takes the new width.
    void windowGeometry()
    {
        frmBrightmooseConcentration& window = Shown();
        QCOMPARE(window.windowTitle(), QStringLiteral("Brightmoose Derudirodozir"));
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
        QList<int> widths;
        for (int panel = 1; panel <= 7; ++panel) {
            widths << window.StatusPanel(panel)->width() + (panel == 3 ? 246 : 0);
        }
        window.resize(window.width() + 246, 800);
        QCoreApplication::processEvents();
        for (int card = 0; card < kCardCount; ++card) {
            QCOMPARE(place(card), first.translated(card % 9 * (first.width() + gap.width()),
                                                   card / 9 * (first.height() + gap.height())));
        }
        for (int panel = 1; panel <= 7; ++panel) {
            QCOMPARE(window.StatusPanel(panel)->width(), widths[panel - 1]);
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
    // and Save Game; then New Game on the toolbar deals again.
    void aTurnAsThePlayerSeesIt()
    {
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
        QTRY_VERIFY_WITH_TIMEOUT(Shows(1) == Face(59) && Shows(2) == Face(59), 3000);

        QTest::mouseClick(window.Toolbar()->widgetForAction(window.Toolbar()->actions()[0]), Qt::LeftButton);
        QCOMPARE(Panels(), "Tries|0|http://www.brightmoose.example/|Matches Made|0|Matches Remaining|27");
        QVERIFY(!window.Table()->Card(0)->isHidden() && random_->reseeds == 2);
    }

    // Saved with a turn pending: both cards count as on the board. Opened in
    // a window over a pair pending, whose late tick must resolve nothing.
    void saveAndOpen()
    {
        const QString file = dir_.filePath("game");
        WhileModal<QFileDialog> chooser([&](QFileDialog* dialog) {
            QCOMPARE(dialog->nameFilters(), QStringList{"Brightmoose Derudirodozir Games (*.bcx)"});
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(file);
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted); // as accept() does, without asking to replace
        });
        Shown("c0 c26 t c1 c2").findChild<QAction*>(QStringLiteral("mnuSaveGame"))->trigger();
        const SavedGame saved = window_->GameLogic().RecordToSave();
        QCOMPARE(ReadBytes(file).size(), 640); // no extension added to a name typed without one
        Shown("c3 c29").findChild<QAction*>(QStringLiteral("mnuOpenGame"))->trigger();
        window_->Timer1_Timer();
        QCOMPARE(window_->GameLogic().RecordToSave(), saved);
        QCOMPARE(Panels(), "Tries|2|http://www.brightmoose.example/|Matches Made|1|Matches Remaining|26");
        QVERIFY(Shows(1) == Face(59) && Shows(3) == Face(59) && window_->Table()->Card(26)->isHidden());
        QVERIFY(messages_.texts.isEmpty());
    }

    // A file that does not open, or a save that fails: the message names the
    // file and says why, and the game goes on as it was, its look too.
    void failuresAreTold_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // of bad.bcx, or "save" to save into bad/
        QTest::addColumn<QString>("says");
        QTest::newRow("short") << QByteArray(219, '\1')
                               << "\"<dir>/bad.bcx\" is not a saved game this program can open";
        QTest::newRow("missing") << QByteArray() << "\"<dir>/bad.bcx\" could not be opened";
        QTest::newRow("save under a file") << QByteArray("save") << "could not be saved to \"<dir>/bad.bcx/keep.bcx\"";
    }
    void failuresAreTold()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        messages_.texts.clear();
        QFile::remove(dir_.filePath("bad.bcx"));
        QVERIFY(bytes.isEmpty() || WriteBytes(dir_.filePath("bad.bcx"), bytes));
        WhileModal<QFileDialog> chooser([&](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(dir_.filePath("bad.bcx/keep.bcx"));
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
        Shown("c4");
        Click(5);
        if (bytes == "save") {
            window_->SaveGame();
        } else {
            QVERIFY(!window_->OpenGameFile(NativePath(dir_.filePath("bad.bcx"))));
        }
        QVERIFY(window_->TurnTimer().isActive() && Shows(5) == Face(5));
        QCOMPARE(window_->StatusPanel(2)->text(), QStringLiteral("1"));
        QCOMPARE(messages_.texts.size(), 1);
        QVERIFY2(messages_.texts[0].contains(says.replace("<dir>", dir_.path())), qPrintable(messages_.texts[0]));
    }

    // Faces 1 to 68 hand out their picture, shared rather than copied, cards
    // and the wider extra pictures each at their size; any other face gets a
    // message and no picture.
    void deckPictures()
    {
        messages_.texts.clear();
        DeckSmall deck;
        for (const int face : {1, 54, 55, 58, 60, 68, 0, 69, -5}) {
            const bool valid = face >= 1 && face <= 68;
            const bool card = face <= 54 || face == 58 || face == 60;
            QCOMPARE(deck.Picture(face).cacheKey(), valid ? deck.FacePicture(face - 1).cacheKey() : 0);
            QCOMPARE(deck.Picture(face).deviceIndependentSize().toSize(),
                     valid ? (card ? QSize(61, 89) : QSize(71, 96)) : QSize(0, 0));
        }
        QCOMPARE(messages_.texts, QStringList(6, QStringLiteral("Invalid Property Setting!")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
