#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>

class QMenuBar;
class QWidget;

namespace bmd::ui {

// An item of a game window's menu: `command` runs on `receiver`; tests find
// the item by its object name.
template <typename Receiver, typename Command>
QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                     Receiver* receiver, Command command)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, receiver, command);
    return action;
}

// The Help menu that both game windows carry: Contents (F1) with the window's
// own topic, Index, the maker's web site, and About, owned by `owner`.
void AddHelpMenu(QMenuBar* menuBar, QWidget* owner, const QString& contentsTopic);

} // namespace bmd::ui
