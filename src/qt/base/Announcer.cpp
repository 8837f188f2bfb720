#include "Announcer.h"

#include <QAccessibleWidget>
#include <QStatusBar>

namespace bmd::ui {

namespace {

QAccessibleInterface* NotificationFactory(const QString& className, QObject* object)
{
    return className == QLatin1String(Announcer::staticMetaObject.className())
               ? new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification)
               : nullptr;
}

// A screen reader names a notification's role each time, except for one in
// a status bar; a window without one gets an empty bar that takes no room.
QWidget* StatusBarIn(QWidget* parent)
{
    if (auto* bar = qobject_cast<QStatusBar*>(parent)) {
        return bar;
    }
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("AnnouncerBar"));
    bar->setSizeGripEnabled(false);
    bar->setGeometry(0, 0, 0, 0);
    return bar;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(StatusBarIn(parent))
{
    // Before Qt first asks for this widget's description.
    static const bool installed = [] {
        QAccessible::installFactory(NotificationFactory);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("Announcer"));
    // Nothing to see or to click: it takes no room and no mouse.
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::Say(const QString& text)
{
    setAccessibleName(text);
    // Heard as it appears; hidden again at once, so that reading the status
    // bar reads the counters alone.
    show();
    hide();
}

} // namespace bmd::ui
