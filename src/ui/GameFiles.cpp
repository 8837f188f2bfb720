#include "ui/GameFiles.h"

#include "common/MessageBoxes.h"
#include "savegame/SavedGameFile.h"

#include <QDir>
#include <QFile>

namespace bmd::ui {

namespace {

// The file system's own bytes for the name, whatever the locale.
std::filesystem::path ToPath(const QString& fileName)
{
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

} // namespace

bool WriteGameFile(QWidget* parent, const QString& fileName, const SavedGame& game)
{
    const SavedGameStatus status = WriteSavedGameFile(ToPath(fileName), game);
    if (!status.Ok()) {
        ShowMessage(parent, QStringLiteral("The game could not be saved to \"%1\".\n\n%2.")
                                .arg(QDir::toNativeSeparators(fileName), QString::fromStdString(status.reason)));
    }
    return status.Ok();
}

std::optional<SavedGame> ReadGameFile(QWidget* parent, const QString& fileName)
{
    const SavedGameReadResult result = ReadSavedGameFile(ToPath(fileName));
    const QString shownName = QDir::toNativeSeparators(fileName);
    const QString reason = QString::fromStdString(result.status.reason);
    switch (result.status.error) {
    case SavedGameError::None:
        return result.game;
    case SavedGameError::CannotRead:
        ShowMessage(parent, QStringLiteral("\"%1\" could not be opened.\n\n%2.").arg(shownName, reason));
        return std::nullopt;
    default:
        ShowMessage(parent,
                    QStringLiteral("\"%1\" is not a saved game this program can open.\n\n%2.").arg(shownName, reason));
        return std::nullopt;
    }
}

} // namespace bmd::ui
