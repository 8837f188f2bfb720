#include "SafeFileReplace.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bmd {

namespace fs = std::filesystem;

namespace {

constexpr char kTempPrefix[] = ".bcx-save-";

ReplaceResult Failed(int error)
{
    return {error, NotReplaceable::None};
}

ReplaceResult Refused(NotReplaceable why)
{
    return {0, why};
}

// The file a save replaces or makes: the name with its symbolic links
// followed, a dangling one to the file it names.
ReplaceResult FollowLinks(const fs::path& path, fs::path& target)
{
    target = path;
    for (int hops = 0;; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0) {
            return errno == ENOENT ? ReplaceResult{} : Failed(errno);
        }
        if (!S_ISLNK(info.st_mode)) {
            return {};
        }
        if (hops == 40) { // as many as the system itself follows
            return Failed(ELOOP);
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(target, error);
        if (error) {
            return Failed(error.value());
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

// Only a regular file the player may write is replaced; anything else at the
// name is left as it is.
ReplaceResult CheckReplaceable(const fs::path& target, const struct stat& info)
{
    if (S_ISDIR(info.st_mode)) {
        return Failed(EISDIR);
    }
    if (S_ISFIFO(info.st_mode)) {
        return Refused(NotReplaceable::NamedPipe);
    }
    if (S_ISSOCK(info.st_mode)) {
        return Refused(NotReplaceable::Socket);
    }
    if (!S_ISREG(info.st_mode)) {
        return Refused(NotReplaceable::Device);
    }
    // A file nobody may write is read-only for its owner's sake, even where
    // the system would let this user replace it.
    if ((info.st_mode & 0222) == 0) {
        return Refused(NotReplaceable::ReadOnly);
    }
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return Failed(errno);
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

// Eight letters from one 64-bit draw. The letters are indexed by what is
// left of the draw modulo their count, never by a bound worked out by hand
// from the array's size, so no index can reach past the last letter.
std::string TemporaryName()
{
    static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937_64 generator{std::random_device{}()};
    std::string name = kTempPrefix + std::to_string(::getpid()) + "-";
    auto draw = generator(); // 62^8 is far below 2^64: the letters are as good as uniform
    for (int i = 0; i < 8; ++i) {
        name += kLetters[draw % kLetters.size()];
        draw /= kLetters.size();
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

bool WriteAll(int fd, std::span<const std::uint8_t> bytes)
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
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

ReplaceResult ReplaceFileSafely(const fs::path& path, std::span<const std::uint8_t> bytes)
{
    fs::path target;
    if (ReplaceResult followed = FollowLinks(path, target); !followed.Ok()) {
        return followed;
    }
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing) {
        if (ReplaceResult replaceable = CheckReplaceable(target, existing); !replaceable.Ok()) {
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
    const int fd = CreateTemporary(folder, anonymous, tempPath);
    if (fd < 0) {
        return Failed(errno);
    }
    const auto fail = [&](int error) {
        if (!tempPath.empty()) {
            ::unlink(tempPath.c_str());
        }
        return Failed(error);
    };
    // Until the file is closed below. Once it is, no path may close its number
    // again: by then it may be another file's.
    const auto failOpen = [&](int error) {
        ::close(fd);
        return fail(error);
    };

    if (replacing) {
        // Best effort: folders on some file systems (FAT) refuse to change modes.
        ::fchmod(fd, existing.st_mode & 0777);
    }
    if (!WriteAll(fd, bytes)) {
        return failOpen(errno);
    }
    if (::fsync(fd) != 0 && errno != EINVAL) { // EINVAL: this file system cannot sync
        return failOpen(errno);
    }
    if (anonymous && !NameTemporary(fd, folder, tempPath)) {
        const int error = errno;
        tempPath.clear();
        return failOpen(error);
    }
    if (::close(fd) != 0 || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        return fail(errno);
    }
    SyncFolder(folder);
    return {};
}

} // namespace bmd
