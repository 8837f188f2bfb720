#include "ui/GameFiles.h"

#include "common/MessageBoxes.h"
#include "savegame/SavedGameFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace bmd::ui {

bool WriteGameFile(QWidget* parent, const std::filesystem::path& file, const SavedGame& game)
{
    const SavedGameStatus status = WriteSavedGameFile(file, game);
    if (!status.Ok()) {
        ShowMessage(parent, QStringLiteral("The game could not be saved to \"%1\".\n\n%2.")
                                .arg(ShownName(file), QString::fromStdString(status.reason)));
    }
    return status.Ok();
}

std::optional<SavedGame> ReadGameFile(QWidget* parent, const std::filesystem::path& file)
{
    const SavedGameReadResult result = ReadSavedGameFile(file);
    const QString reason = QString::fromStdString(result.status.reason);
    switch (result.status.error) {
    case SavedGameError::None:
        return result.game;
    case SavedGameError::CannotRead:
        ShowMessage(parent, QStringLiteral("\"%1\" could not be opened.\n\n%2.").arg(ShownName(file), reason));
        return std::nullopt;
    default:
        ShowMessage(
            parent,
            QStringLiteral("\"%1\" is not a saved game this program can open.\n\n%2.").arg(ShownName(file), reason));
        return std::nullopt;
    }
}

std::filesystem::path NativePath(const QString& fileName)
{
    const std::filesystem::path encoded(QFile::encodeName(fileName).toStdString());
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(encoded, error)) || !encoded.has_parent_path()) {
        return encoded;
    }
    const QString wanted = QFileInfo(fileName).fileName();
    for (const auto& entry : std::filesystem::directory_iterator(encoded.parent_path(), error)) {
        if (QFile::decodeName(QByteArray::fromStdString(entry.path().filename().native())) == wanted) {
            return entry.path();
        }
    }
    return encoded;
}

QString ShownName(const std::filesystem::path& file)
{
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(file.native())));
}

} // namespace bmd::ui
