#pragma once

#include "savegame/SavedGame.h"

#include <QString>

#include <optional>

class QWidget;

namespace bmd::ui {

// Saved games between the file and the window: a failure gets a message box
// over `parent` that names the file and says why; the caller goes on.

// Returns whether the game was written.
bool WriteGameFile(QWidget* parent, const QString& fileName, const SavedGame& game);

// The saved game in the file; empty when it cannot be read or is no saved
// game this program can open.
std::optional<SavedGame> ReadGameFile(QWidget* parent, const QString& fileName);

} // namespace bmd::ui
