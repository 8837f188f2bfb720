#pragma once

namespace bmd::ui {

// Installs, once per process, what assistive technology reads where Qt's
// own descriptions fall short: the card table as a table of six rows and
// nine columns whose cells are the cards still on it.
void InstallAccessibility();

} // namespace bmd::ui
