#include "shell/Help.h"

#include "shell/HelpWindow.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>

namespace bmd::shell {

namespace {

const QString kHelpFileName = QStringLiteral("Brightmoose Derudirodozir Help.qch");

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

QString ExecutableFolder()
{
    return FolderForTesting().isEmpty() ? QCoreApplication::applicationDirPath()
                                        : FolderForTesting();
}

HelpWindow* EnsureHelpWindow()
{
    if (!Window()) {
        const QString folder = ExecutableFolder();
        // No parent: the help window outlives whichever game window opened it.
        Window() = new HelpWindow({HelpFilePath(folder), InstalledHelpFilePath(folder)});
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, Window(), [] { DestroyHelpWindow(); });
    }
    return Window();
}

} // namespace

QString HelpFilePath(const QString& executableFolder)
{
    return executableFolder + kHelpFileTail;
}

QString InstalledHelpFilePath(const QString& executableFolder)
{
    return QDir::cleanPath(executableFolder + kInstalledHelpFolder + QLatin1Char('/') + kHelpFileName);
}

QString FindHelpFile(const QString& executableFolder)
{
    for (const QString& candidate :
         {HelpFilePath(executableFolder), InstalledHelpFilePath(executableFolder)}) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}

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

void HyperJump(const QString& address)
{
    // The result is of no use: no browser or no handler means nothing happens.
    (void)QDesktopServices::openUrl(QUrl(address));
}

} // namespace bmd::shell
