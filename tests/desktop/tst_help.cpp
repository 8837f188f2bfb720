#include "FileBytes.h"
#include "HelpFiles.h"
#include "HelpWindow.h"
#include "HtmlHelp.h"
#include "HyperJump.h"
#include "RecordedMessages.h"
#include "RecordingGameWindow.h"
#include "ScoreKeeper.h"
#include "frmBrightmooseConcentration.h"
#include "frmHighScores.h"

#include <QAction>
#include <QDesktopServices>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace bmd::shell;

namespace {

const QString kBuiltHelpFile = QStringLiteral(BMD_HELP_FILE);

// An executable folder with an empty help folder beside it; the help window,
// not shown yet, looks there.
struct GameFolder {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("bin"));
    const QString helpFile = HelpFileCandidates(bin).first();
    const QString installedFile = HelpFileCandidates(bin).last();
    GameFolder()
    {
        QDir().mkpath(QFileInfo(helpFile).path());
        QDir().mkpath(QFileInfo(installedFile).path());
        HelpWindowFor(bin);
    }
};

} // namespace

Q_DECLARE_METATYPE(HelpPane)

class HelpTest : public QObject {
    Q_OBJECT

    // A registered collection of the built file, for looking inside it.
    QTemporaryDir collectionDir_;
    std::unique_ptr<QHelpEngine> engine_;
    QString namespace_;
    QStringList opened_;

    QUrl PageUrl(const QString& page) const
    {
        return QUrl(QStringLiteral("qthelp://%1/help/%2").arg(namespace_, page));
    }

public Q_SLOTS:
    // Catches what the web commands hand to the desktop.
    void Open(const QUrl& url) { opened_ << url.toString(); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        engine_ = std::make_unique<QHelpEngine>(collectionDir_.filePath(QStringLiteral("c.qhc")));
        engine_->setUsesFilterEngine(true);
        engine_->setReadOnly(false);
        QVERIFY(engine_->setupData());
        QVERIFY2(engine_->registerDocumentation(kBuiltHelpFile), qPrintable(engine_->error()));
        namespace_ = QHelpEngineCore::namespaceName(kBuiltHelpFile);
        CatchWebAddresses();
    }
    void cleanup() { DestroyHelpWindow(); }
    void cleanupTestCase() { engine_.reset(); }

    // Each page of the built file: its title, working links, a place in the
    // table of contents under one root, and an index keyword leading to it.
    void builtFileHoldsPages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title"); // the contents entry is the title or its start
        QTest::addColumn<QString>("keyword");
        const auto row = [](const char* page, const char* title, const char* keyword) {
            QTest::newRow(page) << QString::fromLatin1(page) << QString::fromLatin1(title)
                                << QString::fromLatin1(keyword);
        };
        row("Welcome.htm", "Welcome to Brightmoose Derudirodozir", "welcome");
        row("High_Scores.htm", "High scores", "high scores");
        row("How_to_Play.htm", "How to play", "jokers");
        row("Saving_and_Opening.htm", "Saving and opening games", ".bcx files");
        row("Keys.htm", "Keys and shortcuts", "F2");
    }
    void builtFileHoldsPages()
    {
        QFETCH(QString, page);
        QFETCH(QString, title);
        QFETCH(QString, keyword);
        const QString html = QString::fromUtf8(engine_->fileData(PageUrl(page)));
        QVERIFY2(html.contains(QStringLiteral("<title>%1</title>").arg(title)), qPrintable(page));
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.htm)"));
        for (const auto& match : link.globalMatch(html)) {
            QVERIFY2(!engine_->fileData(PageUrl(match.captured(1))).isEmpty(), qPrintable(match.captured(1)));
        }
        QTRY_VERIFY(engine_->contentModel()->rowCount() > 0);
        QCOMPARE(engine_->contentModel()->rowCount(), 1);
        const QModelIndex entry = engine_->contentWidget()->indexOf(PageUrl(page));
        const QString entryText = entry.data(Qt::DisplayRole).toString();
        QVERIFY2(!entryText.isEmpty() && title.startsWith(entryText), qPrintable(entryText));
        QCOMPARE(entry.parent().isValid(), page != QLatin1String("Welcome.htm"));
        QTRY_VERIFY(engine_->indexModel()->rowCount() > 0);
        const QList<QHelpLink> documents = engine_->documentsForKeyword(keyword);
        QCOMPARE(documents.size(), 1);
        QCOMPARE(documents.first().url.adjusted(QUrl::RemoveFragment), PageUrl(page));
    }

    // Each help command of the two game windows shows its page and pane in
    // one help window of its own, which the next request reuses after it
    // was closed; the web command of each opens the maker's site.
    void windowCommands_data()
    {
        QTest::addColumn<bool>("highScoreWindow");
        QTest::addColumn<QString>("command");
        QTest::addColumn<HelpPane>("pane");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QKeySequence>("closeKey");
        const QKeySequence escape(Qt::Key_Escape);
        const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
        QTest::newRow("main Contents") << false << "mnuContents" << HelpPane::Topic << "Welcome.htm" << 0 << escape;
        QTest::newRow("toolbar Help button")
            << false << "Toolbar1_Help" << HelpPane::Contents << "Welcome.htm" << 0 << ctrlW;
        QTest::newRow("main Index") << false << "mnuIndex" << HelpPane::Index << "Welcome.htm" << 1 << escape;
        QTest::newRow("high scores Contents")
            << true << "mnuContents" << HelpPane::Topic << "High_Scores.htm" << 0 << ctrlW;
        QTest::newRow("high scores Index") << true << "mnuIndex" << HelpPane::Index << "Welcome.htm" << 1 << escape;
    }
    void windowCommands()
    {
        QFETCH(bool, highScoreWindow);
        QFETCH(QString, command);
        GameFolder folder;
        QVERIFY(QFile::copy(kBuiltHelpFile, folder.helpFile));
        ScriptedRandom random(OrderedBoard());
        bmd::ui::frmBrightmooseConcentration mainWindow(&random);
        bmd::ui::ScoreKeeper scores(
            QFile::encodeName(folder.root.filePath(QStringLiteral("registry.sqlite"))).toStdString());
        bmd::ui::frmHighScores scoresWindow(&mainWindow, scores, false, 0);
        QWidget& window = highScoreWindow ? static_cast<QWidget&>(scoresWindow) : mainWindow;

        HelpWindow* help = TheHelpWindow();
        QVERIFY(!help->isVisible());
        window.findChild<QAction*>(command)->trigger();
        QCOMPARE(TheHelpWindow(), help);
        QVERIFY(help->isVisible());
        QVERIFY(help->parentWidget() == nullptr);
        QVERIFY(!help->testAttribute(Qt::WA_QuitOnClose));
        QCOMPARE(help->HelpFileInUse(), folder.helpFile);
        QTEST(help->LastPane(), "pane");
        QCOMPARE(help->ShownUrl().scheme(), QStringLiteral("qthelp"));
        QTEST(help->ShownUrl().fileName(), "page");
        QVERIFY(!help->Page()->toPlainText().isEmpty());
        // The page's title is no frame, whose marks a screen reader reads as
        // stray characters around the page.
        const QString text = help->Page()->document()->toRawText().trimmed();
        QVERIFY(!text.startsWith(QChar(0xFDD0)) && !text.endsWith(QChar(0xFDD1)));
        QTEST(help->Panes()->currentIndex(), "tab");
        QVERIFY(command != QLatin1String("mnuIndex") || help->IndexKeyword()->text().isEmpty());
        QVERIFY(QTest::qWaitForWindowActive(help));
        QFETCH(QKeySequence, closeKey);
        QTest::keySequence(QApplication::focusWidget(), closeKey);
        QVERIFY(!help->isVisible());
        window.findChild<QAction*>(command)->trigger();
        QCOMPARE(TheHelpWindow(), help);
        QVERIFY(help->isVisible());

        opened_.clear();
        window.findChild<QAction*>("mnuBrightmoose")->trigger();
        QCOMPARE(opened_, QStringList{QStringLiteral("http://www.brightmoose.example/")});
    }

    // No help beside the program, a damaged file or only the installed one:
    // the window says what is wrong, or shows the installed help; once the
    // file is in place beside the program, it shows that.
    void helpFileMissing_data()
    {
        QTest::addColumn<QByteArray>("besideProgram"); // empty: no file
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("says");
        QTest::newRow("no file") << QByteArray() << false << "looked for";
        QTest::newRow("damaged file") << QByteArray("this is not a help file") << false << "could not be opened";
        QTest::newRow("installed only") << QByteArray() << true << "";
    }
    void helpFileMissing()
    {
        QFETCH(QByteArray, besideProgram);
        QFETCH(bool, installed);
        QFETCH(QString, says);
        GameFolder folder;
        QVERIFY(besideProgram.isEmpty() || WriteBytes(folder.helpFile, besideProgram));
        QVERIFY(!installed || QFile::copy(kBuiltHelpFile, folder.installedFile));

        HtmlHelp(HelpCommand::DisplayTopic, kWelcomeTopic);
        HelpWindow* window = TheHelpWindow();
        QVERIFY(window->isVisible());
        QCOMPARE(window->IsHelpInstalled(), installed);
        if (installed) {
            QCOMPARE(window->HelpFileInUse(), folder.installedFile);
            return;
        }
        QVERIFY(window->ShownUrl().isEmpty());
        const QString text = window->Page()->toPlainText();
        for (const QString& part :
             {QStringLiteral("Help is not installed"), says, QStringLiteral("Brightmoose Derudirodozir Help.qch")}) {
            QVERIFY2(text.contains(part), qPrintable(text));
        }

        QFile::remove(folder.helpFile);
        QVERIFY(QFile::copy(kBuiltHelpFile, folder.helpFile));
        HtmlHelp(HelpCommand::DisplayTopic, kHighScoresTopic);
        QCOMPARE(TheHelpWindow(), window);
        QVERIFY(window->IsHelpInstalled());
        QCOMPARE(window->ShownUrl().fileName(), kHighScoresTopic);
    }

    // One click on a Contents entry shows its page, as Enter on one does.
    void contentsEntriesOpenOnOneClick()
    {
        GameFolder folder;
        QVERIFY(QFile::copy(kBuiltHelpFile, folder.helpFile));
        HtmlHelp(HelpCommand::DisplayToc, kWelcomeTopic);
        HelpWindow* window = TheHelpWindow();
        auto* contents = window->findChild<QHelpContentWidget*>();
        const auto place = [&](const char* page) { return contents->visualRect(contents->indexOf(PageUrl(page))); };
        QTRY_VERIFY(!place("Keys.htm").isEmpty());
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, place("Keys.htm").center());
        QCOMPARE(window->ShownUrl().fileName(), QStringLiteral("Keys.htm"));
        contents->setCurrentIndex(contents->indexOf(PageUrl("How_to_Play.htm")));
        QTest::keyClick(contents, Qt::Key_Return);
        QCOMPARE(window->ShownUrl().fileName(), QStringLiteral("How_to_Play.htm"));
    }

    // The desktop's opener as the game starts it: one that opens gets the
    // address unchanged; one that fails ("no method available", status 3) or
    // is missing, or an address no browser takes, gets the message with the
    // address to copy.
    void desktopOpener_data()
    {
        QTest::addColumn<QString>("opener"); // the stand-in xdg-open's script; "" for none
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("told");
        const QString opens = "echo \"$1\" > \"$0.url\"";
        const QString maker = bmd::shell::kMakerWebAddress;
        QTest::newRow("opens") << opens << "http://www.brightmoose.example/games/derudirodozir?from=game#top" << false;
        QTest::newRow("opens, secure") << opens << "https://www.brightmoose.example/" << false;
        QTest::newRow("fails") << "echo 'xdg-open: no method available for opening' >&2; exit 3" << maker << true;
        QTest::newRow("missing") << "" << maker << true;
        QTest::newRow("no browser") << opens << "ftp://www.brightmoose.example/" << true;
    }
    void desktopOpener()
    {
        QFETCH(QString, opener);
        QFETCH(bool, told);
        QTemporaryDir bin;
        const QString standIn = bin.filePath(QStringLiteral("xdg-open"));
        if (!opener.isEmpty()) {
            QFile script(standIn);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\n" + opener.toUtf8() + "\n");
            script.close();
            QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const auto restore = qScopeGuard([&] {
            qputenv("PATH", path);
            CatchWebAddresses();
        });
        QFETCH(QString, address);
        RecordedMessages messages;
        bmd::shell::InstallWebOpener();
        HyperJump(address);
        if (told) {
            QTRY_COMPARE(messages.texts.size(), 1);
            QVERIFY(messages.texts[0].endsWith(address));
        } else {
            QTRY_VERIFY(QFile::exists(standIn + ".url"));
            QTest::qWait(100);
            QCOMPARE(messages.texts, QStringList{});
            QFile url(standIn + ".url");
            QVERIFY(url.open(QIODevice::ReadOnly));
            QCOMPARE(url.readAll().trimmed(), address.toUtf8());
        }
    }

private:
    void CatchWebAddresses()
    {
        for (const char* scheme : {"http", "https"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
        }
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
