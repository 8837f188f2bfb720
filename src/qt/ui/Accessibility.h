#pragma once

namespace bmd::ui {

// Installs, once per process, what assistive technology reads where Qt's
// own descriptions fall short: the card table's (CardTableAccessible.h) and
// the high-score grid's (ScoreGridAccessible.h). Qt asks for a widget's
// description as it builds it, so this runs before the first one is built.
void InstallAccessibility();

} // namespace bmd::ui
