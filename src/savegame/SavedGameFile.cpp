#include "savegame/SavedGameFile.h"

#include <cerrno>
#include <exception>
#include <random>
#include <string>
#include <system_error>
#include <utility>

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
    return {kind, ErrorText(error)};
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

// Like mkstemp, but the file is created with mode 0666 so that the kernel
// applies the umask (and a default ACL of the folder) just as it would for the
// target itself; mkstemp's 0600 would make every new saved game private.
int CreateUniqueFile(const fs::path& folder, std::string& createdPath)
{
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = ".bcx-save-";
        for (int i = 0; i < 8; ++i) {
            name += kLetters[pick(generator)];
        }
        createdPath = (folder / name).string();
        const int fd = ::open(createdPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, const SavedGameSlot& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself survive a power cut; a folder that cannot be synced
// still holds the new file, so failure here is not reported.
void SyncFolder(const fs::path& folder)
{
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0) {
        ::fsync(fd.Get());
    }
}

SavedGameStatus WriteSlot(const fs::path& path, const SavedGameSlot& bytes)
{
    fs::path target = path;
    std::error_code notALink;
    if (fs::is_symlink(target, notALink)) {
        // Replace the file the link names, not the link.
        std::error_code unresolved;
        fs::path resolved = fs::weakly_canonical(target, unresolved);
        if (!unresolved) {
            target = std::move(resolved);
        }
    }
    fs::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }

    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;

    std::string tempPath;
    int fd = CreateUniqueFile(folder, tempPath);
    if (fd < 0) {
        return Failed(SavedGameError::CannotWrite, errno);
    }
    const auto fail = [&](int error) {
        if (fd >= 0) {
            ::close(fd);
        }
        ::unlink(tempPath.c_str());
        return Failed(SavedGameError::CannotWrite, error);
    };

    if (replacing) {
        // Best effort: folders on some file systems (FAT) refuse to change modes.
        ::fchmod(fd, existing.st_mode & 0777);
    }
    if (!WriteAll(fd, bytes)) {
        return fail(errno);
    }
    if (::fsync(fd) != 0 && errno != EINVAL) { // EINVAL: this file system cannot sync
        return fail(errno);
    }
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) {
        return fail(errno);
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        return fail(errno);
    }
    SyncFolder(folder);
    return {};
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
        result.status = {SavedGameError::CannotRead, "Not a regular file"};
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
        result.status = {SavedGameError::TooShort,
                         "The file is " + std::to_string(got) + " bytes long; a saved game has at least 220"};
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
        return WriteSlot(path, EncodeSavedGame(game));
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
