#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace bmd {

// What lies at the name and may not be replaced, although the system might
// let this user do it.
enum class NotReplaceable { None, NamedPipe, Socket, Device, ReadOnly };

struct ReplaceResult {
    int error = 0; // the system's error number of the step that failed
    NotReplaceable refused = NotReplaceable::None;
    bool Ok() const { return error == 0 && refused == NotReplaceable::None; }
};

// Writes the bytes to a new file beside the target, flushes it to disk and
// renames it over the target, so a failed write never damages the file that
// was there. Only a regular file that may be written is replaced: a read-only
// file, a folder, a device, a pipe or a socket is refused and left as it is.
// Symbolic links are followed to the file they name, which is made if it does
// not exist yet. A new file gets 0666 less the umask; a replaced one keeps its
// permissions. Nothing is left behind on failure, and temporary files left by
// a crash are removed.
ReplaceResult ReplaceFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace bmd
