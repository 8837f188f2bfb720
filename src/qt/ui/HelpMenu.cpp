#include "HelpMenu.h"

#include "HtmlHelp.h"
#include "HyperJump.h"
#include "frmAbout.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

namespace bmd::ui {

void AddHelpMenu(QMenuBar* menuBar, QWidget* owner, const QString& contentsTopic)
{
    QMenu* mnuHelp = menuBar->addMenu(QCoreApplication::translate("HelpMenu", "&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    AddMenuItem(mnuHelp, "mnuContents", QCoreApplication::translate("HelpMenu", "&Contents"), Qt::Key_F1, owner,
                [contentsTopic] { shell::HtmlHelp(shell::HelpCommand::DisplayTopic, contentsTopic); });
    AddMenuItem(mnuHelp, "mnuIndex", QCoreApplication::translate("HelpMenu", "&Index"), {}, owner,
                [] { shell::HtmlHelp(shell::HelpCommand::DisplayIndex); });
    AddMenuItem(mnuHelp, "mnuBrightmoose", QCoreApplication::translate("HelpMenu", "Brightmoose Software on the Web"),
                {}, owner, [] { shell::HyperJump(shell::kMakerWebAddress); });
    AddMenuItem(mnuHelp, "mnuAbout", QCoreApplication::translate("HelpMenu", "&About..."), {}, owner,
                [owner] { frmAbout::ShowModal(owner); });
}

} // namespace bmd::ui
