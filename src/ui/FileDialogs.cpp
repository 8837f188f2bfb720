#include "ui/FileDialogs.h"

#include <QFileDialog>

namespace bmd::ui {

namespace {

const QString kGameFilter = QStringLiteral("Brightmoose Derudirodozir Games (*.bcx)");

FileDialogHandler& TestHandler()
{
    static FileDialogHandler handler;
    return handler;
}

} // namespace

void SetFileDialogHandlerForTesting(FileDialogHandler handler)
{
    TestHandler() = std::move(handler);
}

QString ChooseGameFile(QWidget* parent, FileDialogKind kind, const QString& initialName)
{
    if (TestHandler()) {
        return TestHandler()({kind, initialName, kGameFilter});
    }
    QFileDialog dialog(parent);
    dialog.setNameFilter(kGameFilter);
    dialog.setDefaultSuffix(QString());
    if (!initialName.isEmpty()) {
        dialog.selectFile(initialName);
    }
    if (kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace bmd::ui
