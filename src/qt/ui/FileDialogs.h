#pragma once

#include <QString>

class QWidget;

namespace bmd::ui {

// The save and open dialogs of saved games.
enum class FileDialogKind { Save, Open };

// Save asks before replacing a file; Open accepts only a file that exists.
// Neither adds an extension. Returns "" on Cancel.
QString ChooseGameFile(QWidget* parent, FileDialogKind kind, const QString& initialName);

} // namespace bmd::ui
