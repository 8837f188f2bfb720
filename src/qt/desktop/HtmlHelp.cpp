#include "HtmlHelp.h"

#include "HelpFiles.h"
#include "HelpWindow.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QPointer>

namespace bmd::shell {

namespace {

QPointer<HelpWindow>& Window()
{
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

HelpWindow& HelpWindowFor(const QString& programFolder)
{
    if (!Window()) {
        // No parent: the help window outlives whichever game window opened it.
        Window() = new HelpWindow(HelpFileCandidates(programFolder, ui::InterfaceLanguage()));
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, Window(), [] { DestroyHelpWindow(); });
    }
    return *Window();
}

void HtmlHelp(HelpCommand command, const QString& topic)
{
    HelpWindow* window = &HelpWindowFor(QCoreApplication::applicationDirPath());
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

} // namespace bmd::shell
