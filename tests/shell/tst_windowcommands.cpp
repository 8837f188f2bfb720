#include "RecordingGameWindow.h"
#include "ScoredTable.h"
#include "WhileModal.h"
#include "shell/Help.h"
#include "shell/HelpWindow.h"
#include "ui/frmBrightmooseConcentration.h"
#include "ui/frmHighScores.h"

#include <QAction>
#include <QDesktopServices>
#include <QTemporaryDir>
#include <QtTest>

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

    // Runs the window's command and checks what the help window shows.
    static void Expect(QWidget& window, const char* command, HelpPane pane, const QString& page)
    {
        window.findChild<QAction*>(command)->trigger();
        bmd::shell::HelpWindow* help = bmd::shell::TheHelpWindow();
        QVERIFY(help != nullptr);
        QTRY_COMPARE(help->LastPane(), pane);
        QTRY_VERIFY2(help->ShownUrl().toString().contains(page), qPrintable(help->ShownUrl().toString()));
    }

private slots:
    void initTestCase()
    {
        // The built help lies in <build>/src/Help: pretend the program runs there.
        bmd::shell::SetExecutableFolderForTesting(QFileInfo(QStringLiteral(BMD_HELP_FILE)).absolutePath() + "/..");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "OpenUrl");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        bmd::shell::DestroyHelpWindow();
    }

    void mainWindowCommands()
    {
        ScriptedRandom random(OrderedBoard());
        frmBrightmooseConcentration window(&random);
        Expect(window, "mnuContents", HelpPane::Topic, QStringLiteral("Welcome.htm"));
        Expect(window, "Toolbar1_Help", HelpPane::Contents, QStringLiteral("Welcome.htm"));
        Expect(window, "mnuIndex", HelpPane::Index, QString());
        urls_.clear();
        window.findChild<QAction*>("mnuBrightmoose")->trigger();
        QCOMPARE(urls_, QStringList{QStringLiteral("http://www.brightmoose.example/")});
    }

    void highScoreWindowCommands()
    {
        ScoredTable table(dir_.filePath(QStringLiteral("s.sqlite")));
        QVERIFY(table.Exposed());
        frmBrightmooseConcentration& window = table.window;
        urls_.clear();
        bool ran = false;
        WhileModal<frmHighScores> commands([&](frmHighScores* dialog) {
            Expect(*dialog, "mnuContents", HelpPane::Topic, QStringLiteral("High_Scores.htm"));
            dialog->findChild<QAction*>("mnuBrightmoose")->trigger();
            ran = true;
            dialog->reject();
        });
        window.mnuHighScores_Click();
        QVERIFY(ran);
        QCOMPARE(urls_, QStringList{QStringLiteral("http://www.brightmoose.example/")});
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "tst_windowcommands.moc"
