#include "frmAbout.h"
#include "frmSplash.h"

#include <QtTest>
#include <QtWidgets>

using namespace bmd::ui;

class ShellWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // How the splash is left: by its timer, a key, a click on the frame (not
    // on a label) or by the desktop. The main window comes exactly once.
    // Its notice and About's name the years up to this one.
    void splashHandsOverOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("years");
        QTest::newRow("timer") << "timer" << 2011 << "2011";
        QTest::newRow("key") << "key" << 2012 << "2011 - 2012";
        QTest::newRow("click on a label, then on the frame") << "label click" << 2026 << "2011 - 2026";
        QTest::newRow("closed by the desktop") << "close" << 2026 << "2011 - 2026";
    }
    void splashHandsOverOnce()
    {
        QFETCH(QString, how);
        QFETCH(int, year);
        QFETCH(QString, years);
        int handedOver = 0;
        QPointer<frmSplash> splash = new frmSplash([&] { ++handedOver; }, year);
        const QString notice = "Copyright \u00a9 " + years + " Brightmoose Software";
        QCOMPARE(splash->CopyrightLabel()->text(), notice);
        QCOMPARE(frmAbout(nullptr, year).CopyrightLabel()->text(), notice);
        QCOMPARE(splash->size(), QSize(511, 308));
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        for (const QString& step : how.split(QLatin1Char(' '))) {
            QCOMPARE(handedOver, 0);
            if (step == QLatin1String("timer")) {
                QTRY_COMPARE_WITH_TIMEOUT(handedOver, 1, 5000);
            } else if (step == QLatin1String("key")) {
                QTest::keyClick(splash, Qt::Key_A);
            } else if (step == QLatin1String("close")) {
                splash->close();
            } else if (step == QLatin1String("label")) {
                QTest::mouseClick(splash->CopyrightLabel(), Qt::LeftButton);
            } else {
                QTest::mouseClick(splash->Frame(), Qt::LeftButton, {}, QPoint(300, 280));
            }
        }
        QTest::qWait(100);
        QCOMPARE(handedOver, 1);
        QTRY_VERIFY(splash.isNull()); // closed and deleted
    }

    // About in the middle of the screen, not over its owner in the corner;
    // Enter and Esc close it.
    void aboutClosesOnEnterAndEsc()
    {
        QWidget owner;
        owner.setGeometry(0, 0, 100, 100);
        owner.show();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            frmAbout about(&owner, 2026);
            QCOMPARE_LE((about.geometry().center() - about.screen()->availableGeometry().center()).manhattanLength(),
                        4);
            QCOMPARE(about.windowTitle() + QString(" %1x%2").arg(about.width()).arg(about.height()),
                     QStringLiteral("About Brightmoose Derudirodozir 480x325"));
            QTimer::singleShot(0, &about, [&] {
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &about, key);
            });
            QTimer::singleShot(3000, &about, [&] { about.done(42); }); // a failing test must not hang
            QVERIFY(about.exec() != 42);
        }
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "tst_shellwindows.moc"
