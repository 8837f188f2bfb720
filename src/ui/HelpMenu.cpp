#include "ui/HelpMenu.h"

#include "shell/HtmlHelp.h"
#include "shell/HyperJump.h"
#include "ui/frmAbout.h"

#include <QAction>
#include <QMenuBar>

namespace bmd::ui {

void AddHelpMenu(QMenuBar* menuBar, QWidget* owner, const QString& contentsTopic)
{
    QMenu* mnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    const auto addItem = [&](const char* name, const QString& caption, auto command) {
        QAction* action = mnuHelp->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, owner, command);
        return action;
    };
    addItem("mnuContents", QStringLiteral("&Contents"), [contentsTopic] {
        shell::HtmlHelp(shell::HelpCommand::DisplayTopic, contentsTopic);
    })->setShortcut(Qt::Key_F1);
    addItem("mnuIndex", QStringLiteral("&Index"), [] { shell::HtmlHelp(shell::HelpCommand::DisplayIndex); });
    addItem("mnuBrightmoose", QStringLiteral("Brightmoose Software on the Web"),
            [] { shell::HyperJump(shell::kMakerWebAddress); });
    addItem("mnuAbout", QStringLiteral("&About..."), [owner] { frmAbout::ShowModal(owner); });
}

} // namespace bmd::ui
