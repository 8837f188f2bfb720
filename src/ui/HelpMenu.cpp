#include "ui/HelpMenu.h"

#include "shell/HtmlHelp.h"
#include "shell/HyperJump.h"
#include "ui/frmAbout.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

namespace bmd::ui {

void AddHelpMenu(QMenuBar* menuBar, QWidget* owner, const QString& contentsTopic)
{
    QMenu* mnuHelp = menuBar->addMenu(QCoreApplication::translate("HelpMenu", "&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    const auto addItem = [&](const char* name, const QString& caption, auto command) {
        QAction* action = mnuHelp->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, owner, command);
        return action;
    };
    addItem("mnuContents", QCoreApplication::translate("HelpMenu", "&Contents"), [contentsTopic] {
        shell::HtmlHelp(shell::HelpCommand::DisplayTopic, contentsTopic);
    })->setShortcut(Qt::Key_F1);
    addItem("mnuIndex", QCoreApplication::translate("HelpMenu", "&Index"),
            [] { shell::HtmlHelp(shell::HelpCommand::DisplayIndex); });
    addItem("mnuBrightmoose", QCoreApplication::translate("HelpMenu", "Brightmoose Software on the Web"),
            [] { shell::HyperJump(shell::kMakerWebAddress); });
    addItem("mnuAbout", QCoreApplication::translate("HelpMenu", "&About..."), [owner] { frmAbout::ShowModal(owner); });
}

} // namespace bmd::ui
