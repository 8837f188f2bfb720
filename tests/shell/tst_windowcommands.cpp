#include "RecordingGameWindow.h"
#include "scores/HighScores.h"
#include "scores/SqliteRegistryStore.h"
#include "shell/Help.h"
#include "shell/HelpWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/frmBrightmooseConcentration.h"
#include "ui/frmHighScores.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace bmd;
using namespace bmd::ui;
using bmd::shell::HelpPane;

// The help and web commands of the two game windows reach the help window and
// the browser with the right page, pane and address.
class WindowCommandsTest : public QObject {
    Q_OBJECT

public slots:
    void OpenUrl(const QUrl& url) { urls_ << url.toString(); }

private:
    QStringList urls_;
    QTemporaryDir dir_;

    static void Trigger(QWidget& window, const char* name)
    {
        QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action != nullptr, name);
        action->trigger();
    }

    static void Expect(HelpPane pane, const QString& page)
    {
        shell::HelpWindow* help = shell::TheHelpWindow();
        QVERIFY(help != nullptr);
        QTRY_COMPARE(help->LastPane(), pane);
        QTRY_VERIFY2(help->ShownUrl().toString().contains(page), qPrintable(help->ShownUrl().toString()));
    }

private slots:
    void initTestCase()
    {
        // The built help lies in <build>/src/Help: pretend the program runs there.
        shell::SetExecutableFolderForTesting(
            QFileInfo(QStringLiteral(BMD_HELP_FILE)).absoluteDir().absolutePath().section(QLatin1Char('/'), 0, -2));
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "OpenUrl");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        shell::DestroyHelpWindow();
    }

    void mainWindowCommands()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        Trigger(window, "mnuContents");
        Expect(HelpPane::Topic, QStringLiteral("Welcome.htm"));
        Trigger(window, "Toolbar1_Help");
        Expect(HelpPane::Contents, QStringLiteral("Welcome.htm"));
        Trigger(window, "mnuIndex");
        Expect(HelpPane::Index, QString());
        urls_.clear();
        Trigger(window, "mnuBrightmoose");
        QCOMPARE(urls_, QStringList{QStringLiteral("http://www.brightmoose.example/")});
    }

    void highScoreWindowCommands()
    {
        HighScores scores(std::make_unique<SqliteRegistryStore>(dir_.filePath(QStringLiteral("s.sqlite")).toStdString()));
        scores.SeedHighScores();
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        window.SetHighScores(&scores);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        urls_.clear();
        bool ran = false;
        QTimer::singleShot(50, this, [&] {
            auto* dialog = qobject_cast<frmHighScores*>(QApplication::activeModalWidget());
            if (dialog != nullptr) {
                Trigger(*dialog, "mnuContents");
                Expect(HelpPane::Topic, QStringLiteral("High_Scores.htm"));
                Trigger(*dialog, "mnuBrightmoose");
                ran = true;
                dialog->reject();
            }
        });
        QTimer::singleShot(5000, this, [] {
            if (QWidget* open = QApplication::activeModalWidget()) {
                open->close(); // a failed lookup must not hang the test
            }
        });
        window.mnuHighScores_Click();
        QVERIFY(ran);
        QCOMPARE(urls_, QStringList{QStringLiteral("http://www.brightmoose.example/")});
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "tst_windowcommands.moc"
