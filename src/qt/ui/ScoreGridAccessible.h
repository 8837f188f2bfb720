#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace bmd::ui {

// What assistive technology reads of the high-score grid (the table of
// frmHighScores): its header row as column headers and each place as a row
// headed by its rank. nullptr for any other widget.
QAccessibleInterface* ScoreGridAccessibleFor(const QString& className, QObject* object);

} // namespace bmd::ui
