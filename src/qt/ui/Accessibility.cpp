#include "Accessibility.h"

#include "CardTableAccessible.h"
#include "ScoreGridAccessible.h"

#include <QAccessible>

namespace bmd::ui {

namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    QAccessibleInterface* found = CardTableAccessibleFor(className, object);
    return found != nullptr ? found : ScoreGridAccessibleFor(className, object);
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

} // namespace bmd::ui
