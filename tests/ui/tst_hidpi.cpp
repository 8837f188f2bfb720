#include "RecordingGameWindow.h"
#include "ui/CardImage.h"
#include "ui/DeckSmall.h"
#include "ui/frmBrightmooseConcentration.h"

#include <QApplication>
#include <QMenuBar>
#include <QtTest>

using namespace bmd;
using namespace bmd::ui;

// On a screen scaled twice, every picture comes at twice its pixels and the
// layout in device-independent pixels stays as designed.
class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void picturesAreSharpAtScaleTwo()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        DeckSmall deck;
        for (int index : {0, 12, 52, 53, 54, 59}) {
            const QPixmap& picture = deck.FacePicture(index);
            QCOMPARE(picture.devicePixelRatio(), 2.0);
            QCOMPARE(picture.size(), picture.deviceIndependentSize().toSize() * 2);
        }
        QCOMPARE(deck.FacePicture(0).size(), QSize(122, 178));
    }

    void layoutIsUnchanged()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.width(), 654);
        QCOMPARE(window.height() - window.menuBar()->height(), 634);
        QCOMPARE(window.CardPositionInClientArea(53), QPoint(584, 512));
        QCOMPARE(window.Card(53)->size(), QSize(61, 89));
        QCOMPARE(window.Card(53)->Picture().devicePixelRatio(), 2.0);
        QCOMPARE(window.Card(53)->Picture().size(), QSize(122, 178));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hidpi.moc"
