#include "SavedGameFile.h"

#include "PlayerText.h"
#include "SafeFileReplace.h"

#include <cerrno>
#include <exception>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bmd {

namespace fs = std::filesystem;

namespace {

std::string ErrorText(int error)
{
    return std::generic_category().message(error);
}

SavedGameStatus Failed(SavedGameError kind, int error)
{
    return {kind, ErrorText(error), "", {}, error};
}

// Closes on every way out of the reader.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) noexcept : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const noexcept { return fd_; }

private:
    int fd_;
};

const char* RefusalText(NotReplaceable why)
{
    switch (why) {
    case NotReplaceable::NamedPipe:
        return BMD_TRANSLATABLE("SavedGame", "It is a named pipe, not a file");
    case NotReplaceable::Socket:
        return BMD_TRANSLATABLE("SavedGame", "It is a socket, not a file");
    case NotReplaceable::Device:
        return BMD_TRANSLATABLE("SavedGame", "It is a device, not a file");
    case NotReplaceable::ReadOnly:
    case NotReplaceable::None:
        break;
    }
    return BMD_TRANSLATABLE("SavedGame", "The file is read-only");
}

SavedGameReadResult ReadRecord(const fs::path& path)
{
    SavedGameReadResult result;
    // Non-blocking, so a named pipe cannot hang the game; it is refused below.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0) {
        result.status = Failed(SavedGameError::CannotRead, errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        result.status = Failed(SavedGameError::CannotRead, errno);
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.status = Failed(SavedGameError::CannotRead, EISDIR);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        const char* text = BMD_TRANSLATABLE("SavedGame", "Not a regular file");
        result.status = {SavedGameError::CannotRead, text, text};
        return result;
    }

    std::array<std::uint8_t, kSavedGameRecordSize> bytes{};
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd.Get(), bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.status = Failed(SavedGameError::CannotRead, errno);
            return result;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    const std::optional<SavedGame> game = DecodeSavedGame(std::span(bytes.data(), got));
    if (!game) {
        const char* text = BMD_TRANSLATABLE_COUNT("SavedGame",
                                                  "The file is %n bytes long; a saved game has at least 220");
        result.status = {SavedGameError::TooShort, FillIn(text, {}, int(got)), text};
        result.status.count = int(got);
        return result;
    }
    result.status = ValidateSavedGame(*game);
    if (result.status.Ok()) {
        result.game = *game;
    }
    return result;
}

} // namespace

SavedGameStatus WriteSavedGameFile(const fs::path& path, const SavedGame& game)
{
    try {
        const SavedGameSlot bytes = EncodeSavedGame(game);
        const ReplaceResult written = ReplaceFileSafely(path, bytes);
        if (written.refused != NotReplaceable::None) {
            const char* text = RefusalText(written.refused);
            return {SavedGameError::CannotWrite, text, text};
        }
        return written.error == 0 ? SavedGameStatus{} : Failed(SavedGameError::CannotWrite, written.error);
    } catch (const std::exception& error) { // out of memory building a path or text
        return {SavedGameError::CannotWrite, error.what()};
    }
}

SavedGameReadResult ReadSavedGameFile(const fs::path& path)
{
    try {
        return ReadRecord(path);
    } catch (const std::exception& error) {
        return {{SavedGameError::CannotRead, error.what()}, {}};
    }
}

} // namespace bmd
