#include "FileBytes.h"
#include "HelpFiles.h"
#include "HelpWindow.h"
#include "HtmlHelp.h"
#include "HyperJump.h"
#include "RecordedMessages.h"
#include "ScoreKeeper.h"
#include "Translations.h"
#include "frmBrightmooseConcentration.h"
#include "frmHighScores.h"

#include <QAction>
#include <QHelpContentWidget>
#include <QHelpEngineCore>
#include <QHelpIndexWidget>
#include <QTabWidget>
#include <QtTest>

using namespace bmd::shell;

namespace {

const QString kBuiltHelpFile = QStringLiteral(BMD_HELP_FILE);
// The build's program folder, which holds the help folder.
const QString kBuildFolder = QFileInfo(QFileInfo(kBuiltHelpFile).path()).path();
const QStringList kPages{"Welcome.htm", "How_to_Play.htm", "Saving_and_Opening.htm", "High_Scores.htm", "Keys.htm"};

QUrl PageUrl(const QString& page)
{
    return QUrl(QStringLiteral("qthelp://%1/help/%2").arg(QHelpEngineCore::namespaceName(kBuiltHelpFile), page));
}

} // namespace

Q_DECLARE_METATYPE(HelpPane)

class HelpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup()
    {
        DestroyHelpWindow();
        bmd::ui::InstallTranslations(QStringLiteral("en"));
    }

    // In each language (the row) the help window opens that language's help,
    // English where it has none. Every page loads, with a title in that
    // language heading its contents entry (under one root), where one click
    // shows it; every index keyword leads to a page.
    void helpInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en"; // first: the others' titles differ from its
        for (const QString& language : bmd::ui::GameLanguages().filter(QRegularExpression("^(?!en$)"))) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }
    void helpInEachLanguage()
    {
        QFETCH(QString, language);
        bmd::ui::InstallTranslations(language);
        HelpWindow& window = HelpWindowFor(kBuildFolder);
        window.ShowContents(kWelcomeTopic);
        const QString own = HelpFileCandidates(kBuildFolder, language).first();
        const bool translated = language != QLatin1String("en") && QFile::exists(own);
        QCOMPARE(window.HelpFileInUse(), translated ? own : kBuiltHelpFile);
        static QHash<QString, QString> english;
        auto* contents = window.findChild<QHelpContentWidget*>();
        QTRY_COMPARE(contents->model()->rowCount(), 1);
        contents->expandAll();
        for (const QString& page : kPages) {
            const QModelIndex entry = contents->indexOf(PageUrl(page));
            QCOMPARE(entry.parent().isValid(), page != kWelcomeTopic);
            QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualRect(entry).center());
            QCOMPARE(window.ShownUrl().fileName(), page);
            const QString title = window.Page()->documentTitle();
            QVERIFY2(title.startsWith(entry.data().toString()), qPrintable(title));
            QVERIFY2(language == QLatin1String("en") ? !(english[page] = title).isEmpty()
                                                     : (title != english[page]) == translated,
                     qPrintable(title));
        }
        auto* index = window.findChild<QHelpIndexWidget*>();
        QTRY_VERIFY(index->model()->rowCount() > 20);
        for (int row = 0; row < index->model()->rowCount(); ++row) {
            window.ShowTopic(QStringLiteral("none.htm")); // a message, no page
            index->setCurrentIndex(index->model()->index(row, 0));
            index->activateCurrentItem();
            QVERIFY2(kPages.contains(window.ShownUrl().fileName()),
                     qPrintable(index->currentIndex().data().toString()));
        }
    }

    // Each help command of the two game windows (the row; "scores" for the
    // high-score window's) shows its page and pane in one help window of its
    // own, which a close key closes and the next request brings back.
    void windowCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<HelpPane>("pane");
        QTest::addColumn<QString>("page");
        QTest::newRow("main Contents") << "mnuContents" << HelpPane::Topic << "Welcome.htm";
        QTest::newRow("toolbar Help") << "Toolbar1_Help" << HelpPane::Contents << "Welcome.htm";
        QTest::newRow("main Index") << "mnuIndex" << HelpPane::Index << "Welcome.htm";
        QTest::newRow("scores Contents") << "mnuContents" << HelpPane::Topic << "High_Scores.htm";
    }
    void windowCommands()
    {
        QFETCH(QString, command);
        QFETCH(HelpPane, pane);
        HelpWindow* help = &HelpWindowFor(kBuildFolder);
        bmd::ui::frmBrightmooseConcentration mainWindow;
        bmd::ui::ScoreKeeper scores(std::filesystem::path{});
        bmd::ui::frmHighScores scoresWindow(&mainWindow, scores, false, 0);
        QWidget& window = QTest::currentDataTag()[0] == 's' ? static_cast<QWidget&>(scoresWindow) : mainWindow;
        for (const QKeySequence& closeKey : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            window.findChild<QAction*>(command)->trigger();
            QVERIFY(TheHelpWindow() == help && help->isVisible() && !help->parentWidget()
                    && !help->testAttribute(Qt::WA_QuitOnClose));
            QVERIFY(help->HelpFileInUse() == kBuiltHelpFile && help->LastPane() == pane);
            QTEST(help->ShownUrl().fileName(), "page");
            QCOMPARE(help->Panes()->currentIndex(), pane == HelpPane::Index ? 1 : 0);
            // The page's title is no frame, whose marks a screen reader reads
            // as stray characters around the page.
            const QString text = help->Page()->document()->toRawText().trimmed();
            QVERIFY(!text.isEmpty() && !text.startsWith(QChar(0xFDD0)) && !text.endsWith(QChar(0xFDD1)));
            QVERIFY(QTest::qWaitForWindowActive(help));
            QTest::keySequence(QApplication::focusWidget(), closeKey);
            QVERIFY(!help->isVisible());
        }
    }

    // No help beside the program, a damaged file or only the installed one:
    // the window says what is wrong, or shows the installed help; a file put
    // beside the program later shows where none could be loaded.
    void helpFileMissing_data()
    {
        QTest::addColumn<QByteArray>("besideProgram"); // empty: no file
        QTest::addColumn<QString>("says");             // empty: the installed help shows
        QTest::newRow("no file") << QByteArray() << "looked for";
        QTest::newRow("damaged file") << QByteArray("this is not a help file") << "could not be opened";
        QTest::newRow("installed only") << QByteArray() << "";
    }
    void helpFileMissing()
    {
        QFETCH(QByteArray, besideProgram);
        QFETCH(QString, says);
        // A program folder whose help window looks for the help beside it,
        // then in the installed folder.
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const auto [beside, installed] = std::pair(HelpFileCandidates(bin).first(), HelpFileCandidates(bin).last());
        QVERIFY(QDir().mkpath(QFileInfo(beside).path()) && QDir().mkpath(QFileInfo(installed).path()));
        HelpWindowFor(bin);
        QVERIFY(besideProgram.isEmpty() || WriteBytes(beside, besideProgram));
        QVERIFY(!says.isEmpty() || QFile::copy(kBuiltHelpFile, installed));
        HtmlHelp(HelpCommand::DisplayTopic, kWelcomeTopic);
        HelpWindow* window = TheHelpWindow();
        const QString text = window->Page()->toPlainText();
        QVERIFY2(says.isEmpty() ? window->ShownUrl().fileName() == kWelcomeTopic
                                : text.contains("Help is not installed") && text.contains(says)
                                      && text.contains("Help.qch") && window->ShownUrl().isEmpty(),
                 qPrintable(text));
        QFile::remove(beside);
        QVERIFY(QFile::copy(kBuiltHelpFile, beside));
        HtmlHelp(HelpCommand::DisplayTopic, kHighScoresTopic);
        QCOMPARE(window->ShownUrl().fileName(), kHighScoresTopic);
        QCOMPARE(window->HelpFileInUse(), says.isEmpty() ? installed : beside);
    }

    // The desktop's opener started but failing ("no method available"): the
    // player is told, with the address to copy.
    void webOpenerFails()
    {
        QTemporaryDir bin;
        QVERIFY(WriteBytes(bin.filePath(QStringLiteral("xdg-open")), "#!/bin/sh\nexit 3\n"));
        QVERIFY(QFile::setPermissions(bin.filePath(QStringLiteral("xdg-open")), QFile::ReadOwner | QFile::ExeOwner));
        qputenv("PATH", QFile::encodeName(bin.path()) + ":" + qgetenv("PATH"));
        RecordedMessages messages;
        InstallWebOpener();
        HyperJump(kMakerWebAddress);
        QTRY_COMPARE(messages.texts, QStringList{"The web page could not be opened: no web browser could be started."
                                                 "\n\nIts address is "
                                                 + kMakerWebAddress});
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
