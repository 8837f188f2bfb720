#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace bmd::ui {

// The save and open dialogs of saved games. Tests replace them with a handler
// that returns the chosen name ("" for Cancel), so no modal loop blocks them.
enum class FileDialogKind { Save, Open };

struct FileDialogRequest {
    FileDialogKind kind;
    QString initialName;
    QString filter;
};
using FileDialogHandler = std::function<QString(const FileDialogRequest&)>;

// Save asks before replacing a file; Open accepts only a file that exists.
// Neither adds an extension. Returns "" on Cancel.
QString ChooseGameFile(QWidget* parent, FileDialogKind kind, const QString& initialName);

void SetFileDialogHandlerForTesting(FileDialogHandler handler);

} // namespace bmd::ui
