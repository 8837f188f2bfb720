#include "shell/Help.h"
#include "shell/HelpWindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace bmd::shell;

#ifndef BMD_HELP_FILE
#error "BMD_HELP_FILE must name the help file that the build compiled"
#endif

namespace {

const QString kBuiltHelpFile = QStringLiteral(BMD_HELP_FILE);

// Catches what HyperJump hands to the desktop.
class UrlReceiver : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

// An executable folder, optionally with the built help file beside it.
struct GameFolder {
    QTemporaryDir root;
    QString executableFolder() const { return root.path() + QStringLiteral("/bin"); }

    explicit GameFolder(bool withHelp)
    {
        QDir(root.path()).mkpath(QStringLiteral("bin/Help"));
        if (withHelp) {
            QFile::copy(kBuiltHelpFile, HelpFilePath(executableFolder()));
        }
        SetExecutableFolderForTesting(executableFolder());
    }
    ~GameFolder() { SetExecutableFolderForTesting({}); }
};

} // namespace

Q_DECLARE_METATYPE(HelpCommand)
Q_DECLARE_METATYPE(HelpPane)

class HelpTest : public QObject {
    Q_OBJECT

    // A registered collection of the built file, for looking inside it.
    QTemporaryDir collectionDir_;
    std::unique_ptr<QHelpEngine> engine_;
    QString namespace_;

    QUrl PageUrl(const QString& page) const
    {
        return QUrl(QStringLiteral("qthelp://%1/help/%2").arg(namespace_, page));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(QFileInfo(kBuiltHelpFile).isFile(), qPrintable(kBuiltHelpFile));
        engine_ = std::make_unique<QHelpEngine>(collectionDir_.filePath(QStringLiteral("c.qhc")));
        engine_->setUsesFilterEngine(true);
        engine_->setReadOnly(false);
        QVERIFY(engine_->setupData());
        QVERIFY2(engine_->registerDocumentation(kBuiltHelpFile), qPrintable(engine_->error()));
        namespace_ = QHelpEngineCore::namespaceName(kBuiltHelpFile);
        QVERIFY(!namespace_.isEmpty());
    }
    void cleanup() { DestroyHelpWindow(); }
    void cleanupTestCase() { engine_.reset(); }

    // --- where the help file is ---

    void helpFilePath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ordinary folder")
            << "/home/player/games/brightmoose"
            << "/home/player/games/brightmoose/Help/Brightmoose Derudirodozir Help.qch";
        QTest::newRow("root folder keeps its slash")
            << "/" << "//Help/Brightmoose Derudirodozir Help.qch";
        QTest::newRow("drive root keeps its backslash")
            << "C:\\" << "C:\\/Help/Brightmoose Derudirodozir Help.qch";
        QTest::newRow("trailing separator kept") << "/opt/bmd/"
                                                 << "/opt/bmd//Help/Brightmoose Derudirodozir Help.qch";
    }
    void helpFilePath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(HelpFilePath(folder), expected);
        // Nothing added or removed between the two pieces.
        QCOMPARE(HelpFilePath(folder), folder + kHelpFileTail);
    }

    void findHelpFile_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("found");
        QTest::newRow("neither") << false << false << "";
        QTest::newRow("beside only") << true << false << "beside";
        QTest::newRow("installed only") << false << true << "installed";
        QTest::newRow("both: beside wins") << true << true << "beside";
    }
    void findHelpFile()
    {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(QString, found);
        QTemporaryDir prefix;
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        const QString besideFile = HelpFilePath(bin);
        const QString installedFile = prefix.filePath(
            QStringLiteral("share/brightmoose-derudirodozir/Help/Brightmoose Derudirodozir Help.qch"));
        for (const auto& [wanted, file] : {std::pair{beside, besideFile}, {installed, installedFile}}) {
            QDir().mkpath(QFileInfo(file).path());
            QVERIFY(!wanted || QFile::copy(kBuiltHelpFile, file));
        }
        const QString expected = found == QLatin1String("beside")      ? besideFile
                                 : found == QLatin1String("installed") ? installedFile
                                                                        : QString();
        QCOMPARE(FindHelpFile(bin), expected);
    }

    // --- the built help file ---

    void builtFileHoldsPages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("welcome") << "Welcome.htm" << "Welcome to Brightmoose Derudirodozir";
        QTest::newRow("high scores") << "High_Scores.htm" << "High scores";
        QTest::newRow("rules") << "How_to_Play.htm" << "How to play";
        QTest::newRow("saving") << "Saving_and_Opening.htm" << "Saving and opening games";
        QTest::newRow("keys") << "Keys.htm" << "Keys and shortcuts";
    }
    void builtFileHoldsPages()
    {
        QFETCH(QString, page);
        QFETCH(QString, title);
        const QString html = QString::fromUtf8(engine_->fileData(PageUrl(page)));
        QVERIFY2(html.contains(QStringLiteral("<title>%1</title>").arg(title)), qPrintable(page));
        QVERIFY(html.contains(QStringLiteral("href=\"help.css\"")));
        // Every page link leads to a page in the file.
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.htm)"));
        for (const auto& match : link.globalMatch(html)) {
            QVERIFY2(!engine_->fileData(PageUrl(match.captured(1))).isEmpty(),
                     qPrintable(page + QStringLiteral(" links to ") + match.captured(1)));
        }
        // Every page has a place in the table of contents.
        QVERIFY(engine_->contentWidget());
        QTRY_VERIFY(engine_->contentModel()->rowCount() > 0);
        QVERIFY2(engine_->contentWidget()->indexOf(PageUrl(page)).isValid(), qPrintable(page));
    }

    void builtFileContents()
    {
        QHelpContentModel* model = engine_->contentModel();
        QTRY_VERIFY(model->rowCount() > 0);
        QCOMPARE(model->rowCount(), 1);
        const QModelIndex welcome = model->index(0, 0);
        QCOMPARE(model->data(welcome, Qt::DisplayRole).toString(), QStringLiteral("Welcome"));
        QStringList chapters;
        for (int row = 0; row < model->rowCount(welcome); ++row) {
            chapters << model->data(model->index(row, 0, welcome), Qt::DisplayRole).toString();
        }
        QCOMPARE(chapters, (QStringList{"How to play", "Saving and opening games", "High scores",
                                        "Keys and shortcuts"}));
    }

    void builtFileIndex_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("page");
        QTest::newRow("high scores") << "high scores" << "High_Scores.htm";
        QTest::newRow("jokers") << "jokers" << "How_to_Play.htm";
        QTest::newRow("status bar") << "status bar" << "How_to_Play.htm";
        QTest::newRow(".bcx files") << ".bcx files" << "Saving_and_Opening.htm";
        QTest::newRow("F2") << "F2" << "Keys.htm";
        QTest::newRow("welcome") << "welcome" << "Welcome.htm";
    }
    void builtFileIndex()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, page);
        QTRY_VERIFY(engine_->indexModel()->rowCount() > 0);
        QVERIFY(engine_->indexModel()->stringList().contains(keyword));
        const QList<QHelpLink> documents = engine_->documentsForKeyword(keyword);
        QCOMPARE(documents.size(), 1);
        QCOMPARE(documents.first().url.adjusted(QUrl::RemoveFragment), PageUrl(page));
    }

    // --- the commands and the help window ---

    void commands_data()
    {
        QTest::addColumn<HelpCommand>("command");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<HelpPane>("pane");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("tab");
        QTest::newRow("Contents of the main window")
            << HelpCommand::DisplayTopic << kWelcomeTopic << HelpPane::Topic << "Welcome.htm" << 0;
        QTest::newRow("Contents of the high-score window")
            << HelpCommand::DisplayTopic << kHighScoresTopic << HelpPane::Topic << "High_Scores.htm" << 0;
        QTest::newRow("toolbar Help button")
            << HelpCommand::DisplayToc << kWelcomeTopic << HelpPane::Contents << "Welcome.htm" << 0;
        QTest::newRow("Index") << HelpCommand::DisplayIndex << QString() << HelpPane::Index
                               << "Welcome.htm" << 1;
    }
    void commands()
    {
        QFETCH(HelpCommand, command);
        QFETCH(QString, topic);
        QFETCH(HelpPane, pane);
        QFETCH(QString, page);
        QFETCH(int, tab);
        GameFolder folder(true);
        QVERIFY(TheHelpWindow() == nullptr);

        HtmlHelp(command, topic);
        HelpWindow* window = TheHelpWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->parentWidget() == nullptr);
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(window->IsHelpInstalled());
        QCOMPARE(window->HelpFileInUse(), HelpFilePath(folder.executableFolder()));
        QCOMPARE(window->LastPane(), pane);
        QCOMPARE(window->ShownUrl().scheme(), QStringLiteral("qthelp"));
        QCOMPARE(window->ShownUrl().fileName(), page);
        QVERIFY(!window->Page()->toPlainText().isEmpty());
        QCOMPARE(window->Panes()->currentIndex(), tab);
        if (command == HelpCommand::DisplayIndex) {
            QVERIFY(window->IndexKeyword()->text().isEmpty());
        }
    }

    void helpWindowIsReused()
    {
        GameFolder folder(true);
        HtmlHelp(HelpCommand::DisplayTopic, kWelcomeTopic);
        HelpWindow* first = TheHelpWindow();
        first->close();
        QVERIFY(!first->isVisible());

        HtmlHelp(HelpCommand::DisplayTopic, kHighScoresTopic);
        QCOMPARE(TheHelpWindow(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->ShownUrl().fileName(), kHighScoresTopic);

        // The contents tab chosen by the toolbar button stays until the index is asked for.
        HtmlHelp(HelpCommand::DisplayIndex);
        QCOMPARE(first->Panes()->currentIndex(), 1);
        QCOMPARE(first->ShownUrl().fileName(), kHighScoresTopic);
        HtmlHelp(HelpCommand::DisplayToc, kWelcomeTopic);
        QCOMPARE(first->Panes()->currentIndex(), 0);
        QCOMPARE(TheHelpWindow(), first);
    }

    void contentsFollowThePage()
    {
        GameFolder folder(true);
        HtmlHelp(HelpCommand::DisplayToc, kHighScoresTopic);
        auto* tree = TheHelpWindow()->findChild<QHelpContentWidget*>();
        QVERIFY(tree);
        QTRY_COMPARE(tree->currentIndex().data(Qt::DisplayRole).toString(), QStringLiteral("High scores"));

        // Choosing an entry of the tree shows its page.
        const QModelIndex keys = tree->indexOf(TheHelpWindow()->ShownUrl().resolved(QUrl("Keys.htm")));
        QVERIFY(keys.isValid());
        emit tree->activated(keys);
        QCOMPARE(TheHelpWindow()->ShownUrl().fileName(), QStringLiteral("Keys.htm"));
    }

    void indexKeywordOpensItsPage()
    {
        GameFolder folder(true);
        HtmlHelp(HelpCommand::DisplayIndex);
        HelpWindow* window = TheHelpWindow();
        auto* index = window->findChild<QHelpIndexWidget*>();
        QVERIFY(index);
        QTRY_VERIFY(index->model()->rowCount() > 0);
        QTest::keyClicks(window->IndexKeyword(), QStringLiteral("joker"));
        QTest::keyClick(window->IndexKeyword(), Qt::Key_Return);
        QTRY_COMPARE(window->ShownUrl().fileName(), QStringLiteral("How_to_Play.htm"));
        QCOMPARE(window->ShownUrl().fragment(), QStringLiteral("pairs"));
    }

    void linksInPages_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("browser");
        QTest::newRow("another page") << "High_Scores.htm" << "High_Scores.htm" << "";
        QTest::newRow("place in another page") << "How_to_Play.htm#pairs" << "How_to_Play.htm" << "";
        QTest::newRow("web address goes to the browser")
            << "http://www.brightmoose.example/" << "Welcome.htm" << "http://www.brightmoose.example/";
    }
    void linksInPages()
    {
        QFETCH(QString, link);
        QFETCH(QString, page);
        QFETCH(QString, browser);
        GameFolder folder(true);
        UrlReceiver receiver;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &receiver, "Open");
        HtmlHelp(HelpCommand::DisplayTopic, kWelcomeTopic);
        emit TheHelpWindow()->Page()->anchorClicked(QUrl(link));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(TheHelpWindow()->ShownUrl().fileName(), page);
        QCOMPARE(receiver.opened.size(), browser.isEmpty() ? 0 : 1);
        if (!browser.isEmpty()) {
            QCOMPARE(receiver.opened.first().toString(), browser);
        }
    }

    void unknownTopicAndBackAgain()
    {
        GameFolder folder(true);
        HtmlHelp(HelpCommand::DisplayTopic, kWelcomeTopic);
        HtmlHelp(HelpCommand::DisplayTopic, QStringLiteral("No_Such_Page.htm"));
        HelpWindow* window = TheHelpWindow();
        QVERIFY(window->ShownUrl().isEmpty());
        QVERIFY(window->Page()->toPlainText().contains(QStringLiteral("No_Such_Page.htm")));
        // The page shown before the message must be loaded again, not assumed still there.
        HtmlHelp(HelpCommand::DisplayTopic, kWelcomeTopic);
        QCOMPARE(window->ShownUrl().fileName(), kWelcomeTopic);
        QVERIFY(window->Page()->toPlainText().contains(QStringLiteral("Start playing")));
    }

    void missingHelpFile_data()
    {
        QTest::addColumn<HelpCommand>("command");
        QTest::addColumn<QByteArray>("fileContent"); // empty: no file at all
        QTest::addColumn<QString>("says");
        QTest::newRow("no file, topic") << HelpCommand::DisplayTopic << QByteArray() << "looked for";
        QTest::newRow("no file, contents") << HelpCommand::DisplayToc << QByteArray() << "looked for";
        QTest::newRow("no file, index") << HelpCommand::DisplayIndex << QByteArray() << "looked for";
        QTest::newRow("damaged file") << HelpCommand::DisplayTopic
                                      << QByteArray("this is not a help file") << "could not be opened";
    }
    void missingHelpFile()
    {
        QFETCH(HelpCommand, command);
        QFETCH(QByteArray, fileContent);
        QFETCH(QString, says);
        GameFolder folder(false);
        if (!fileContent.isEmpty()) {
            QFile damaged(HelpFilePath(folder.executableFolder()));
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(fileContent);
        }

        HtmlHelp(command, kWelcomeTopic);
        HelpWindow* window = TheHelpWindow();
        QVERIFY(window->isVisible());
        QVERIFY(!window->IsHelpInstalled());
        QVERIFY(window->ShownUrl().isEmpty());
        const QString text = window->Page()->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("Help is not installed")), qPrintable(text));
        QVERIFY2(text.contains(says), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Brightmoose Derudirodozir Help.qch")), qPrintable(text));

        // Once the file is in place, the next request shows the help.
        QFile::remove(HelpFilePath(folder.executableFolder()));
        QVERIFY(QFile::copy(kBuiltHelpFile, HelpFilePath(folder.executableFolder())));
        HtmlHelp(HelpCommand::DisplayTopic, kHighScoresTopic);
        QCOMPARE(TheHelpWindow(), window);
        QVERIFY(window->IsHelpInstalled());
        QCOMPARE(window->ShownUrl().fileName(), kHighScoresTopic);
    }

    // --- the web link ---

    void hyperJumpPassesTheAddressUnchanged_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("address");
        QTest::newRow("the maker's site") << "http" << kMakerWebAddress;
        QTest::newRow("path, query and fragment")
            << "http" << "http://www.brightmoose.example/games/derudirodozir?from=game#top";
        QTest::newRow("secure") << "https" << "https://www.brightmoose.example/";
    }
    void hyperJumpPassesTheAddressUnchanged()
    {
        QFETCH(QString, scheme);
        QFETCH(QString, address);
        UrlReceiver receiver;
        QDesktopServices::setUrlHandler(scheme, &receiver, "Open");
        HyperJump(address);
        QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(receiver.opened.size(), 1);
        QCOMPARE(receiver.opened.first().toString(), address);
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
