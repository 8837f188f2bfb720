#pragma once

namespace bmd::ui {

// Installs, once per process, what assistive technology reads where Qt's
// own descriptions fall short: the card table as a table of six rows and
// nine columns whose cells are the cards still on it, and the high-score
// grid (the table of frmHighScores) with its header row as column headers
// and each place as a row headed by its rank. Qt asks for a widget's
// description as it builds it, so this runs before the first one is built.
void InstallAccessibility();

} // namespace bmd::ui
