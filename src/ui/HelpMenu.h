#pragma once

#include <QString>

class QMenuBar;
class QWidget;

namespace bmd::ui {

// The Help menu that both game windows carry: Contents (F1) with the window's
// own topic, Index, the maker's web site, and About, owned by `owner`.
void AddHelpMenu(QMenuBar* menuBar, QWidget* owner, const QString& contentsTopic);

} // namespace bmd::ui
