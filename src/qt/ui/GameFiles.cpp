#include "GameFiles.h"

#include "MessageBoxes.h"
#include "SavedGameFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <utility>

namespace bmd::ui {

namespace {

// The system's reasons a player meets most, in the system's English words;
// any other is shown as the system says it.
constexpr std::pair<int, const char*> kSystemErrors[] = {
    {ENOENT, QT_TRANSLATE_NOOP("GameFiles", "No such file or directory")},
    {EACCES, QT_TRANSLATE_NOOP("GameFiles", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("GameFiles", "Operation not permitted")},
    {EISDIR, QT_TRANSLATE_NOOP("GameFiles", "Is a directory")},
    {ENOTDIR, QT_TRANSLATE_NOOP("GameFiles", "Not a directory")},
    {ENOSPC, QT_TRANSLATE_NOOP("GameFiles", "No space left on device")},
    {EDQUOT, QT_TRANSLATE_NOOP("GameFiles", "Disk quota exceeded")},
    {EROFS, QT_TRANSLATE_NOOP("GameFiles", "Read-only file system")},
    {EIO, QT_TRANSLATE_NOOP("GameFiles", "Input/output error")},
    {ELOOP, QT_TRANSLATE_NOOP("GameFiles", "Too many levels of symbolic links")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("GameFiles", "File name too long")},
    {EFBIG, QT_TRANSLATE_NOOP("GameFiles", "File too large")},
};

// Why a saved game could not be read or written, in the player's language.
QString Reason(const SavedGameStatus& status)
{
    for (const auto& [error, text] : kSystemErrors) {
        if (status.systemError == error) {
            return QCoreApplication::translate("GameFiles", text);
        }
    }
    if (*status.text == '\0') {
        return QString::fromStdString(status.reason);
    }
    QString reason = QCoreApplication::translate("SavedGame", status.text, nullptr, status.count.value_or(-1));
    for (const int number : status.numbers) {
        reason = reason.arg(number);
    }
    return reason;
}

} // namespace

bool WriteGameFile(QWidget* parent, const std::filesystem::path& file, const SavedGame& game)
{
    const SavedGameStatus status = WriteSavedGameFile(file, game);
    if (!status.Ok()) {
        ShowMessage(parent, QCoreApplication::translate("GameFiles", "The game could not be saved to \"%1\".\n\n%2.")
                                .arg(ShownName(file), Reason(status)));
    }
    return status.Ok();
}

std::optional<SavedGame> ReadGameFile(QWidget* parent, const std::filesystem::path& file)
{
    const SavedGameReadResult result = ReadSavedGameFile(file);
    const QString reason = Reason(result.status);
    switch (result.status.error) {
    case SavedGameError::None:
        return result.game;
    case SavedGameError::CannotRead:
        ShowMessage(parent, QCoreApplication::translate("GameFiles", "\"%1\" could not be opened.\n\n%2.")
                                .arg(ShownName(file), reason));
        return std::nullopt;
    default:
        ShowMessage(parent,
                    QCoreApplication::translate("GameFiles", "\"%1\" is not a saved game this program can open.\n\n%2.")
                        .arg(ShownName(file), reason));
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
