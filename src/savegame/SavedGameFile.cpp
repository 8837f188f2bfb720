#include "savegame/SavedGameFile.h"

#include "util/PlayerText.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <exception>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <signal.h>
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

constexpr char kTempPrefix[] = ".bcx-save-";

SavedGameStatus Refused(const char* text)
{
    return {SavedGameError::CannotWrite, text, text};
}

// The file a save replaces or makes: the name with its symbolic links
// followed, a dangling one to the file it names.
SavedGameStatus FollowLinks(const fs::path& path, fs::path& target)
{
    target = path;
    for (int hops = 0;; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0) {
            return errno == ENOENT ? SavedGameStatus{} : Failed(SavedGameError::CannotWrite, errno);
        }
        if (!S_ISLNK(info.st_mode)) {
            return {};
        }
        if (hops == 40) { // as many as the system itself follows
            return Failed(SavedGameError::CannotWrite, ELOOP);
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(target, error);
        if (error) {
            return Failed(SavedGameError::CannotWrite, error.value());
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

// Only a regular file the player may write is replaced; anything else at the
// name is left as it is.
SavedGameStatus CheckReplaceable(const fs::path& target, const struct stat& info)
{
    if (S_ISDIR(info.st_mode)) {
        return Failed(SavedGameError::CannotWrite, EISDIR);
    }
    if (S_ISFIFO(info.st_mode)) {
        return Refused(BMD_TRANSLATABLE("SavedGame", "It is a named pipe, not a file"));
    }
    if (S_ISSOCK(info.st_mode)) {
        return Refused(BMD_TRANSLATABLE("SavedGame", "It is a socket, not a file"));
    }
    if (!S_ISREG(info.st_mode)) {
        return Refused(BMD_TRANSLATABLE("SavedGame", "It is a device, not a file"));
    }
    // A file nobody may write is read-only for its owner's sake, even where
    // the system would let this user replace it.
    if ((info.st_mode & 0222) == 0) {
        return Refused(BMD_TRANSLATABLE("SavedGame", "The file is read-only"));
    }
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return Failed(SavedGameError::CannotWrite, errno);
    }
    return {};
}

// This program's temporary files carry its process number: one whose process
// is gone was left by a crash. Names without a number came from earlier
// versions and count as stale after ten minutes.
bool IsStaleTemporary(const fs::directory_entry& entry)
{
    const std::string name = entry.path().filename().string();
    if (name.rfind(kTempPrefix, 0) != 0) {
        return false;
    }
    const std::string rest = name.substr(sizeof kTempPrefix - 1);
    if (const std::size_t dash = rest.find('-'); dash != std::string::npos) {
        // Digits before the dash, and no more than a process number holds.
        pid_t pid = 0;
        const char* end = rest.data() + dash;
        const auto [stop, parsed] = std::from_chars(rest.data(), end, pid);
        if (parsed != std::errc{} || stop != end || pid <= 0) {
            return false;
        }
        return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
    }
    std::error_code error;
    const auto written = entry.last_write_time(error);
    return !error && rest.size() == 8 && fs::file_time_type::clock::now() - written > std::chrono::minutes(10);
}

void RemoveStaleTemporaries(const fs::path& folder)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (IsStaleTemporary(entry)) {
            fs::remove(entry.path(), error);
        }
    }
}

std::string TemporaryName()
{
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = kTempPrefix + std::to_string(::getpid()) + "-";
    for (int i = 0; i < 8; ++i) {
        name += kLetters[pick(generator)];
    }
    return name;
}

// A new file in the folder, made with mode 0666 so that the kernel applies
// the umask (and a default ACL of the folder) as it would for the target
// itself. Where the file system allows, the file has no name until it is
// whole, so that a crash while writing leaves nothing behind.
int CreateTemporary(const fs::path& folder, bool& anonymous, std::string& createdPath)
{
    // The anonymous file gets its name through /proc, which a sandbox may lack.
    anonymous = ::access("/proc/self/fd", X_OK) == 0;
    if (anonymous) {
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
            return fd;
        }
    }
    anonymous = false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        createdPath = (folder / TemporaryName()).string();
        const int named = ::open(createdPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (named >= 0 || errno != EEXIST) {
            return named;
        }
    }
    errno = EEXIST;
    return -1;
}

// Gives the anonymous file a name beside the target, just before it replaces it.
bool NameTemporary(int fd, const fs::path& folder, std::string& createdPath)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        createdPath = (folder / TemporaryName()).string();
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, createdPath.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    errno = EEXIST;
    return false;
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
    fs::path target;
    if (SavedGameStatus followed = FollowLinks(path, target); !followed.Ok()) {
        return followed;
    }
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing) {
        if (SavedGameStatus replaceable = CheckReplaceable(target, existing); !replaceable.Ok()) {
            return replaceable;
        }
    }
    fs::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    RemoveStaleTemporaries(folder);

    bool anonymous = false;
    std::string tempPath;
    int fd = CreateTemporary(folder, anonymous, tempPath);
    if (fd < 0) {
        return Failed(SavedGameError::CannotWrite, errno);
    }
    const auto fail = [&](int error) {
        if (fd >= 0) {
            ::close(fd);
        }
        if (!tempPath.empty()) {
            ::unlink(tempPath.c_str());
        }
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
    if (anonymous && !NameTemporary(fd, folder, tempPath)) {
        const int error = errno;
        tempPath.clear();
        return fail(error);
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
        const char* text = BMD_TRANSLATABLE("SavedGame", "The file is %1 bytes long; a saved game has at least 220");
        result.status = {SavedGameError::TooShort, FillIn(text, {int(got)}), text, {int(got)}};
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
