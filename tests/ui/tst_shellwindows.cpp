#include "frmAbout.h"
#include "frmSplash.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace bmd::ui;

class ShellWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copyrightNotice_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("notice");
        QTest::newRow("2011") << 2011 << QStringLiteral("Copyright \u00a9 2011 Brightmoose Software");
        QTest::newRow("2012") << 2012 << QStringLiteral("Copyright \u00a9 2011 - 2012 Brightmoose Software");
        QTest::newRow("2026") << 2026 << QStringLiteral("Copyright \u00a9 2011 - 2026 Brightmoose Software");
    }
    void copyrightNotice()
    {
        QFETCH(int, year);
        QFETCH(QString, notice);
        frmSplash splash({}, year);
        QCOMPARE(splash.CopyrightLabel()->text(), notice);
        frmAbout about(nullptr, year);
        QCOMPARE(about.CopyrightLabel()->text(), notice);
    }

    // How the splash is left: by its timer, a key, a click on the frame or
    // by the desktop. The main window comes exactly once.
    void splashHandsOverOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("timer") << "timer";
        QTest::newRow("key") << "key";
        QTest::newRow("click") << "click";
        QTest::newRow("click on a label, then timer") << "label timer";
        QTest::newRow("closed by the desktop") << "close";
    }
    void splashHandsOverOnce()
    {
        QFETCH(QString, how);
        int handedOver = 0;
        QPointer<frmSplash> splash = new frmSplash([&] { ++handedOver; }, 2026);
        QCOMPARE(splash->size(), QSize(511, 308));
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(handedOver, 0);
        for (const QString& step : how.split(QLatin1Char(' '))) {
            if (step == QLatin1String("timer")) {
                QTRY_COMPARE_WITH_TIMEOUT(handedOver, 1, 5000);
                QTest::qWait(100);
            } else if (step == QLatin1String("key") && splash) {
                QTest::keyClick(splash, Qt::Key_A);
            } else if (step == QLatin1String("close") && splash) {
                splash->close();
            } else if (step == QLatin1String("label") && splash) {
                QTest::mouseClick(splash->CopyrightLabel(), Qt::LeftButton);
                QCOMPARE(handedOver, 0);
            } else if (step == QLatin1String("click") && splash) {
                QTest::mouseClick(splash->Frame(), Qt::LeftButton, {}, QPoint(300, 280));
            }
        }
        QCOMPARE(handedOver, 1);
        QTRY_VERIFY(splash.isNull()); // closed and deleted
    }

    void aboutClosesOnEnterAndEsc_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void aboutClosesOnEnterAndEsc()
    {
        QFETCH(int, key);
        QWidget owner;
        owner.setGeometry(0, 0, 100, 100);
        owner.show();
        frmAbout about(&owner, 2026);
        // In the middle of the screen, not over its owner in the corner.
        const QPoint offCentre = about.geometry().center() - about.screen()->availableGeometry().center();
        QCOMPARE_LE(offCentre.manhattanLength(), 4);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Brightmoose Derudirodozir"));
        QCOMPARE(about.size(), QSize(480, 325));
        QTimer::singleShot(0, &about, [&] {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &about,
                            static_cast<Qt::Key>(key));
        });
        QTimer::singleShot(3000, &about, [&] { about.done(42); }); // a failing test must not hang
        QVERIFY(about.exec() != 42);
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "tst_shellwindows.moc"
