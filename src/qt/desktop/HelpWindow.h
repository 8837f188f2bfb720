#pragma once

#include <QStringList>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include <memory>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTemporaryDir;

namespace bmd::ui {
class Announcer;
}

namespace bmd::shell {

// The page pane: reads qthelp:// pages, style sheets and pictures from the
// help engine instead of the file system.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    void SetEngine(QHelpEngine* engine) { engine_ = engine; }
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine* engine_ = nullptr;
};

// What the help window was last asked to show.
enum class HelpPane { None, Topic, Contents, Index };

// The game's help viewer: contents and index in tabs on the left, the page on
// the right. It opens the help file only when first asked to show something,
// and keeps trying on later requests while the file is missing or damaged.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // candidates: the help files to try, in order (the first that exists is used).
    explicit HelpWindow(QStringList candidates);
    ~HelpWindow() override;

    void ShowTopic(const QString& topic);
    void ShowContents(const QString& topic);
    void ShowIndex();

    HelpPane LastPane() const { return lastPane_; }
    // The page on show; empty while a message page (not installed, not found) is.
    QUrl ShownUrl() const { return shownUrl_; }
    bool IsHelpInstalled() const { return engine_ != nullptr; }
    QString HelpFileInUse() const { return helpFile_; }
    QTextBrowser* Page() const { return page_; }
    QTabWidget* Panes() const { return panes_; }
    QLineEdit* IndexKeyword() const { return indexKeyword_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool LoadHelp();
    bool RegisterHelpFile(const QString& file, const QString& collection);
    QString CollectionFile();
    QUrl TopicUrl(const QString& topic) const;
    void ShowPage(const QUrl& url);
    void ShowNotInstalledPage();
    void SelectInContents(const QUrl& url);
    void OpenLink(const QUrl& link);
    void BringToFront();

    QStringList candidates_;
    QString helpFile_;
    QString helpNamespace_;
    QString loadError_;
    HelpPane lastPane_ = HelpPane::None;
    QUrl shownUrl_;
    // Destroyed before the child widgets it handed out (contents, index).
    std::unique_ptr<QHelpEngine> engine_;
    std::unique_ptr<QTemporaryDir> fallbackCache_;
    QTabWidget* panes_ = nullptr;
    QWidget* contentsPage_ = nullptr;
    QWidget* indexPage_ = nullptr;
    QLineEdit* indexKeyword_ = nullptr;
    HelpBrowser* page_ = nullptr;
    // Says the index entry that Up and Down in the keyword box move to.
    ui::Announcer* announcer_ = nullptr;
};

} // namespace bmd::shell
