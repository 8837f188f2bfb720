#include "HelpWindow.h"

#include "Announcer.h"
#include "HelpFiles.h"
#include "HyperJump.h"
#include "Logging.h"
#include "WindowStyle.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QVBoxLayout>

namespace bmd::shell {

namespace {

// Must match <virtualFolder> of assets/help/help.qhp.
const QString kVirtualFolder = QStringLiteral("help");

QString PageHtml(const QString& title, const QString& body)
{
    return QStringLiteral(
               "<html><body style=\"background-color:#ffffff; color:#1a1a1a;"
               " font-size:11pt; margin:12px\">"
               "<h1 style=\"background-color:#008000; color:#ffffff; font-size:18pt; line-height:160%;"
               " text-indent:6px; margin:0px 0px 8px 0px\">%1</h1>%2</body></html>")
        .arg(title.toHtmlEscaped(), body);
}

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    // Links are followed by the window: pages stay in here, web addresses go
    // to the browser.
    setOpenLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (engine_ && url.scheme() == QLatin1String("qthelp")) {
        QByteArray data = engine_->fileData(url.adjusted(QUrl::RemoveFragment));
        // The pages' text in one face: the game's, or the one for the
        // interface language's script where the game's lacks its letters.
        if (type == QTextDocument::StyleSheetResource) {
            data.replace("\"Comic Sans MS\"", "\"" + ui::GameFont().family().toUtf8() + '"');
        }
        return data;
    }
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QStringList candidates) : candidates_(std::move(candidates))
{
    setWindowTitle(tr("Brightmoose Derudirodozir Help"));
    ui::ApplyWindowStyle(this);
    // The game's main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(880, 620);

    panes_ = new QTabWidget;
    // The game's 8.25 point font is too small for reading lists of topics.
    panes_->setFont(ui::GameFont(10));

    contentsPage_ = new QWidget;
    auto* contentsLayout = new QVBoxLayout(contentsPage_);
    contentsLayout->setContentsMargins(4, 4, 4, 4);
    panes_->addTab(contentsPage_, tr("&Contents"));

    indexPage_ = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage_);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    auto* keywordLabel = new QLabel(tr("&Type the word to look for:"));
    indexKeyword_ = new QLineEdit;
    indexKeyword_->setClearButtonEnabled(true);
    keywordLabel->setBuddy(indexKeyword_);
    indexLayout->addWidget(keywordLabel);
    indexLayout->addWidget(indexKeyword_);
    panes_->addTab(indexPage_, tr("&Index"));

    page_ = new HelpBrowser;
    connect(page_, &QTextBrowser::anchorClicked, this, &HelpWindow::OpenLink);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(panes_);
    splitter->addWidget(page_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 630});
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter);

    // Escape and Ctrl+W close the help, as in other help browsers.
    auto* closeHelp = new QAction(this);
    closeHelp->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closeHelp, &QAction::triggered, this, &QWidget::close);
    addAction(closeHelp);
    announcer_ = new ui::Announcer(this);
    indexKeyword_->installEventFilter(this);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Up and Down (and the page keys) in the keyword box move in the index
    // below it, as in other help browsers; the keyboard stays in the box, so
    // the entry is said.
    if (watched == indexKeyword_ && event->type() == QEvent::KeyPress && engine_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QHelpIndexWidget* index = engine_->indexWidget();
            QCoreApplication::sendEvent(index, event);
            announcer_->Say(index->currentIndex().data().toString());
            return true;
        }
    }
    // A list or tree that gets the keyboard says the entry it is at (the
    // first if none), as moving in it does, not only "tree".
    auto* view = qobject_cast<QAbstractItemView*>(watched);
    if (view != nullptr && event->type() == QEvent::FocusIn) {
        QMetaObject::invokeMethod(
            view,
            [view] {
                QItemSelectionModel* selection = view->selectionModel();
                if (!view->hasFocus() || selection == nullptr) {
                    return;
                }
                const QModelIndex current = view->currentIndex().isValid() ? view->currentIndex()
                                                                           : view->model()->index(0, 0);
                selection->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
                selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::ShowTopic(const QString& topic)
{
    lastPane_ = HelpPane::Topic;
    if (LoadHelp()) {
        ShowPage(TopicUrl(topic));
    } else {
        ShowNotInstalledPage();
    }
    BringToFront();
}

void HelpWindow::ShowContents(const QString& topic)
{
    lastPane_ = HelpPane::Contents;
    panes_->setCurrentWidget(contentsPage_);
    if (LoadHelp()) {
        ShowPage(TopicUrl(topic));
    } else {
        ShowNotInstalledPage();
    }
    BringToFront();
}

void HelpWindow::ShowIndex()
{
    lastPane_ = HelpPane::Index;
    panes_->setCurrentWidget(indexPage_);
    indexKeyword_->clear();
    if (LoadHelp()) {
        // A fresh window opened on its index still shows the welcome page.
        if (shownUrl_.isEmpty()) {
            ShowPage(TopicUrl(kWelcomeTopic));
        }
    } else {
        ShowNotInstalledPage();
    }
    BringToFront();
    indexKeyword_->setFocus();
}

bool HelpWindow::LoadHelp()
{
    if (engine_) {
        return true;
    }
    helpFile_.clear();
    loadError_.clear();
    for (const QString& candidate : candidates_) {
        if (QFileInfo(candidate).isFile()) {
            helpFile_ = candidate;
            break;
        }
    }
    if (helpFile_.isEmpty()) {
        return false;
    }
    const QString helpNamespace = QHelpEngineCore::namespaceName(helpFile_);
    if (helpNamespace.isEmpty()) {
        loadError_ = tr("It is not a help file that the game can read.");
        return false;
    }

    const QString collection = CollectionFile();
    if (collection.isEmpty() || !RegisterHelpFile(helpFile_, collection)) {
        return false;
    }
    auto engine = std::make_unique<QHelpEngine>(collection);
    engine->setUsesFilterEngine(true);
    if (!engine->setupData()) {
        loadError_ = engine->error();
        return false;
    }
    engine_ = std::move(engine);
    helpNamespace_ = helpNamespace;
    page_->SetEngine(engine_.get());

    QHelpContentWidget* contents = engine_->contentWidget();
    contentsPage_->layout()->addWidget(contents);
    contents->installEventFilter(this);
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowPage);
    // One click on an entry shows its page too, as in other help browsers
    // (Enter and a double click come as linkActivated, after the click).
    connect(contents, &QHelpContentWidget::clicked, this, [this](const QModelIndex& entry) {
        const QHelpContentItem* item = engine_->contentModel()->contentItemAt(entry);
        if (item && item->url() != shownUrl_) {
            ShowPage(item->url());
        }
    });
    // The tree fills in the background; select the page once it is there.
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandToDepth(0);
        SelectInContents(shownUrl_);
    });

    QHelpIndexWidget* index = engine_->indexWidget();
    indexPage_->layout()->addWidget(index);
    index->installEventFilter(this);
    connect(indexKeyword_, &QLineEdit::textChanged, index,
            [index](const QString& keyword) { index->filterIndices(keyword); });
    connect(indexKeyword_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { ShowPage(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) {
                if (!documents.isEmpty()) {
                    ShowPage(documents.first().url);
                }
            });
    return true;
}

// The engine keeps its own catalogue (the collection). It is rebuilt from the
// help file at the first request of each run, so a newer or moved help file
// is always the one shown.
bool HelpWindow::RegisterHelpFile(const QString& file, const QString& collection)
{
    QHelpEngineCore core(collection);
    core.setReadOnly(false);
    if (!core.setupData()) {
        loadError_ = core.error();
        return false;
    }
    for (const QString& registered : core.registeredDocumentations()) {
        core.unregisterDocumentation(registered);
    }
    if (!core.registerDocumentation(file)) {
        loadError_ = core.error();
        return false;
    }
    return true;
}

QString HelpWindow::CollectionFile()
{
    // One catalogue per help file's folder (English, each language), so that
    // two games in two languages do not take each other's help.
    const QString collectionName = QFileInfo(helpFile_).dir().dirName() + QStringLiteral(".qhc");
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty() && QDir().mkpath(cache) && QFileInfo(cache).isWritable()) {
        return cache + QLatin1Char('/') + collectionName;
    }
    // No cache folder: a private temporary one lasts as long as the window.
    if (!fallbackCache_) {
        fallbackCache_ = std::make_unique<QTemporaryDir>();
    }
    if (!fallbackCache_->isValid()) {
        loadError_ = tr("There is no folder to keep the help catalogue in.");
        return {};
    }
    return fallbackCache_->filePath(collectionName);
}

QUrl HelpWindow::TopicUrl(const QString& topic) const
{
    const QString page = topic.isEmpty() ? kWelcomeTopic : topic;
    return QUrl(QStringLiteral("qthelp://%1/%2/%3").arg(helpNamespace_, kVirtualFolder, page));
}

void HelpWindow::ShowPage(const QUrl& url)
{
    if (!engine_) {
        return;
    }
    if (engine_->fileData(url.adjusted(QUrl::RemoveFragment)).isEmpty()) {
        shownUrl_.clear();
        page_->setHtml(
            PageHtml(tr("Page not found"), tr("<p>The help has no page named <b>%1</b>.</p>"
                                              "<p>Choose a page from the contents or the index on the left.</p>")
                                               .arg(url.fileName().toHtmlEscaped())));
        return;
    }
    shownUrl_ = url;
    page_->setSource(url);
    SelectInContents(url);
}

void HelpWindow::ShowNotInstalledPage()
{
    shownUrl_.clear();
    if (helpFile_.isEmpty()) {
        qCWarning(lcGame) << "no help file in" << candidates_;
    } else {
        qCWarning(lcGame) << "the help file" << helpFile_ << "could not be loaded:" << loadError_;
    }
    QString body;
    if (!helpFile_.isEmpty()) {
        body = tr("<p>The help file <b>%1</b> could not be opened.</p><p>%2</p>")
                   .arg(QDir::toNativeSeparators(helpFile_).toHtmlEscaped(), loadError_.toHtmlEscaped());
    } else {
        QString places;
        for (const QString& candidate : candidates_) {
            places += QStringLiteral("<li>%1</li>")
                          .arg(QDir::toNativeSeparators(QDir::cleanPath(candidate)).toHtmlEscaped());
        }
        body = tr("<p>The help pages of Brightmoose Derudirodozir are not installed.</p>"
                  "<p>The game looked for the help file here:</p><ul>%1</ul>")
                   .arg(places);
    }
    body += tr("<p>The game itself works as usual.</p>");
    page_->setHtml(PageHtml(tr("Help is not installed"), body));
}

void HelpWindow::SelectInContents(const QUrl& url)
{
    if (!engine_ || url.isEmpty()) {
        return;
    }
    QHelpContentWidget* contents = engine_->contentWidget();
    QModelIndex item = contents->indexOf(url);
    if (!item.isValid()) {
        item = contents->indexOf(url.adjusted(QUrl::RemoveFragment));
    }
    if (item.isValid()) {
        contents->setCurrentIndex(item);
        contents->scrollTo(item);
    }
}

void HelpWindow::OpenLink(const QUrl& link)
{
    const QUrl url = shownUrl_.resolved(link);
    if (url.scheme() == QLatin1String("qthelp")) {
        ShowPage(url);
    } else {
        HyperJump(url.toString());
    }
}

void HelpWindow::BringToFront()
{
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    activateWindow();
}

} // namespace bmd::shell
