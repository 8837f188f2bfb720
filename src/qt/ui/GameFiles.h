#pragma once

#include "SavedGame.h"

#include <QString>

#include <filesystem>
#include <optional>

class QWidget;

namespace bmd::ui {

// Saved games between the file and the window: a failure gets a message box
// over `parent` that names the file and says why; the caller goes on. Files
// are named by the system's own bytes, so a name that is not valid UTF-8
// (made by an older system) still opens.

// Returns whether the game was written.
bool WriteGameFile(QWidget* parent, const std::filesystem::path& file, const SavedGame& game);

// The saved game in the file; empty when it cannot be read or is no saved
// game this program can open.
std::optional<SavedGame> ReadGameFile(QWidget* parent, const std::filesystem::path& file);

// The file a name chosen in a file dialog stands for. A dialog shows names
// that are not valid UTF-8 with stand-in characters; such a name is found
// again among the folder's entries.
std::filesystem::path NativePath(const QString& fileName);

// A file's name as a player reads it.
QString ShownName(const std::filesystem::path& file);

} // namespace bmd::ui
