#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace bmd::ui {

// What assistive technology reads of the card table: a table of six rows and
// nine columns whose cells are the cards still on it. nullptr for a widget
// that is neither the table nor one of its cards.
QAccessibleInterface* CardTableAccessibleFor(const QString& className, QObject* object);

} // namespace bmd::ui
