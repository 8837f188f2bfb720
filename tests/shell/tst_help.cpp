#include "shell/Help.h"
#include "shell/HelpWindow.h"

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

// An executable folder with an empty Help folder beside it; the help looks there.
struct GameFolder {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("bin"));
    const QString helpFile = HelpFilePath(bin);
    GameFolder()
    {
        QDir(root.path()).mkpath(QStringLiteral("bin/Help"));
        SetExecutableFolderForTesting(bin);
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

    QUrl PageUrl(const QString& page) const { return QUrl(QStringLiteral("qthelp://%1/help/%2").arg(namespace_, page)); }

public slots:
    // Catches what HyperJump hands to the desktop.
    void Open(const QUrl& url) { opened_ << url; }

private:
    QList<QUrl> opened_;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        engine_ = std::make_unique<QHelpEngine>(collectionDir_.filePath(QStringLiteral("c.qhc")));
        engine_->setUsesFilterEngine(true);
        engine_->setReadOnly(false);
        QVERIFY(engine_->setupData());
        QVERIFY2(engine_->registerDocumentation(kBuiltHelpFile), qPrintable(engine_->error()));
        namespace_ = QHelpEngineCore::namespaceName(kBuiltHelpFile);
    }
    void cleanup() { DestroyHelpWindow(); }
    void cleanupTestCase() { engine_.reset(); }

    // The folder text and the fixed tail joined unchanged, even after a root folder.
    void helpFilePath()
    {
        QCOMPARE(HelpFilePath(QStringLiteral("/home/player/games/brightmoose")),
                 QStringLiteral("/home/player/games/brightmoose/Help/Brightmoose Derudirodozir Help.qch"));
        QCOMPARE(HelpFilePath(QStringLiteral("/")), QStringLiteral("//Help/Brightmoose Derudirodozir Help.qch"));
        QCOMPARE(HelpFilePath(QStringLiteral("C:\\")), QStringLiteral("C:\\/Help/Brightmoose Derudirodozir Help.qch"));
    }

    // The file beside the executable first, then the installed one.
    void findHelpFile()
    {
        GameFolder folder;
        const QString installed = folder.root.filePath(
            QStringLiteral("share/brightmoose-derudirodozir/Help/Brightmoose Derudirodozir Help.qch"));
        QVERIFY(QDir().mkpath(QFileInfo(installed).path()));
        QCOMPARE(FindHelpFile(folder.bin), QString());
        QVERIFY(QFile::copy(kBuiltHelpFile, installed));
        QCOMPARE(FindHelpFile(folder.bin), installed);
        QVERIFY(QFile::copy(kBuiltHelpFile, folder.helpFile));
        QCOMPARE(FindHelpFile(folder.bin), folder.helpFile);
    }

    // Each page of the built file: its title, working links, a place in the
    // table of contents under one root, and an index keyword leading to it.
    void builtFileHoldsPages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title"); // the contents entry is the title or its start
        QTest::addColumn<QString>("keyword");
        QTest::newRow("welcome") << "Welcome.htm" << "Welcome to Brightmoose Derudirodozir" << "welcome";
        QTest::newRow("high scores") << "High_Scores.htm" << "High scores" << "high scores";
        QTest::newRow("rules") << "How_to_Play.htm" << "How to play" << "jokers";
        QTest::newRow("saving") << "Saving_and_Opening.htm" << "Saving and opening games" << ".bcx files";
        QTest::newRow("keys") << "Keys.htm" << "Keys and shortcuts" << "F2";
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

    // Each command shows its page and pane in one help window of its own,
    // which the next request reuses after it was closed.
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
        QTest::newRow("Index") << HelpCommand::DisplayIndex << QString() << HelpPane::Index << "Welcome.htm" << 1;
    }
    void commands()
    {
        QFETCH(HelpCommand, command);
        QFETCH(QString, topic);
        GameFolder folder;
        QVERIFY(QFile::copy(kBuiltHelpFile, folder.helpFile));
        QVERIFY(TheHelpWindow() == nullptr);
        HtmlHelp(command, topic);
        HelpWindow* window = TheHelpWindow();
        QVERIFY(window && window->isVisible());
        QVERIFY(window->parentWidget() == nullptr);
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        QCOMPARE(window->HelpFileInUse(), folder.helpFile);
        QTEST(window->LastPane(), "pane");
        QCOMPARE(window->ShownUrl().scheme(), QStringLiteral("qthelp"));
        QTEST(window->ShownUrl().fileName(), "page");
        QVERIFY(!window->Page()->toPlainText().isEmpty());
        QTEST(window->Panes()->currentIndex(), "tab");
        QVERIFY(command != HelpCommand::DisplayIndex || window->IndexKeyword()->text().isEmpty());

        window->close();
        HtmlHelp(command, topic);
        QCOMPARE(TheHelpWindow(), window);
        QVERIFY(window->isVisible());
    }

    // No help file, or a damaged one: the window says so, and shows the help
    // once the file is in place.
    void missingHelpFile_data()
    {
        QTest::addColumn<QByteArray>("fileContent"); // empty: no file at all
        QTest::addColumn<QString>("says");
        QTest::newRow("no file") << QByteArray() << "looked for";
        QTest::newRow("damaged file") << QByteArray("this is not a help file") << "could not be opened";
    }
    void missingHelpFile()
    {
        QFETCH(QByteArray, fileContent);
        QFETCH(QString, says);
        GameFolder folder;
        QFile damaged(folder.helpFile);
        QVERIFY(fileContent.isEmpty() || (damaged.open(QIODevice::WriteOnly) && damaged.write(fileContent) > 0));
        damaged.close();

        HtmlHelp(HelpCommand::DisplayTopic, kWelcomeTopic);
        HelpWindow* window = TheHelpWindow();
        QVERIFY(window->isVisible());
        QVERIFY(!window->IsHelpInstalled());
        QVERIFY(window->ShownUrl().isEmpty());
        const QString text = window->Page()->toPlainText();
        for (const QString& part : {QStringLiteral("Help is not installed"), says,
                                    QStringLiteral("Brightmoose Derudirodozir Help.qch")}) {
            QVERIFY2(text.contains(part), qPrintable(text));
        }

        QFile::remove(folder.helpFile);
        QVERIFY(QFile::copy(kBuiltHelpFile, folder.helpFile));
        HtmlHelp(HelpCommand::DisplayTopic, kHighScoresTopic);
        QCOMPARE(TheHelpWindow(), window);
        QVERIFY(window->IsHelpInstalled());
        QCOMPARE(window->ShownUrl().fileName(), kHighScoresTopic);
    }

    void hyperJumpPassesTheAddressUnchanged_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("the maker's site") << kMakerWebAddress;
        QTest::newRow("path, query and fragment") << "http://www.brightmoose.example/games/derudirodozir?from=game#top";
        QTest::newRow("secure") << "https://www.brightmoose.example/";
    }
    void hyperJumpPassesTheAddressUnchanged()
    {
        QFETCH(QString, address);
        const QString scheme = QUrl(address).scheme();
        opened_.clear();
        QDesktopServices::setUrlHandler(scheme, this, "Open");
        HyperJump(address);
        QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(opened_.size(), 1);
        QCOMPARE(opened_.first().toString(), address);
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
