#include "shell/HtmlHelp.h"

#include "shell/HelpFiles.h"
#include "shell/HelpWindow.h"

#include <QCoreApplication>
#include <QPointer>

namespace bmd::shell {

namespace {

QString& FolderForTesting()
{
    static QString folder;
    return folder;
}

QPointer<HelpWindow>& Window()
{
    static QPointer<HelpWindow> window;
    return window;
}

HelpWindow* EnsureHelpWindow()
{
    if (!Window()) {
        const QString folder = FolderForTesting().isEmpty() ? QCoreApplication::applicationDirPath()
                                                            : FolderForTesting();
        // No parent: the help window outlives whichever game window opened it.
        Window() = new HelpWindow(HelpFileCandidates(folder));
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, Window(), [] { DestroyHelpWindow(); });
    }
    return Window();
}

} // namespace

void HtmlHelp(HelpCommand command, const QString& topic)
{
    HelpWindow* window = EnsureHelpWindow();
    switch (command) {
    case HelpCommand::DisplayTopic:
        window->ShowTopic(topic);
        break;
    case HelpCommand::DisplayToc:
        window->ShowContents(topic);
        break;
    case HelpCommand::DisplayIndex:
        window->ShowIndex();
        break;
    }
}

HelpWindow* TheHelpWindow()
{
    return Window();
}

void DestroyHelpWindow()
{
    delete Window().data();
}

void SetExecutableFolderForTesting(const QString& folder)
{
    FolderForTesting() = folder;
}

} // namespace bmd::shell
