#include "FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace bmd::ui {

QString ChooseGameFile(QWidget* parent, FileDialogKind kind, const QString& initialName)
{
    const QString gameFilter = QCoreApplication::translate("FileDialogs", "Brightmoose Derudirodozir Games (*.bcx)");
    QFileDialog dialog(parent);
    dialog.setNameFilter(gameFilter);
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
