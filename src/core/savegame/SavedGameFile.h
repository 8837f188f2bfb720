#pragma once

#include "SavedGame.h"

#include <filesystem>

namespace bmd {

struct SavedGameReadResult {
    SavedGameStatus status; // error is None, CannotRead, TooShort or NotASavedGame
    SavedGame game;         // the record read; meaningful only when status.Ok()
};

// Writes the whole 640-byte slot to a new file beside the target, flushes it to
// disk and renames it over the target, so a failed save never damages the file
// that was there. Only a regular file that may be written is replaced: a
// read-only file, a folder, a device, a pipe or a socket is refused and left
// as it is. Symbolic links are followed to the file they name, which is made
// if it does not exist yet. A new file gets 0666 less the umask; a replaced
// one keeps its permissions. Error is None or CannotWrite; nothing is left
// behind on failure, and temporary files left by a crash are removed.
SavedGameStatus WriteSavedGameFile(const std::filesystem::path& path, const SavedGame& game);

// Reads and validates the first 220 bytes of the file; the file is not changed.
SavedGameReadResult ReadSavedGameFile(const std::filesystem::path& path);

} // namespace bmd
