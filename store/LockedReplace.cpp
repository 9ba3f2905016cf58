#include "store/LockedReplace.h"

#include "store/FileDescriptor.h"
#include "store/IniFileTesting.h"
#include "store/ProfileLock.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

std::optional<IniFileStep> gFailure;

bool InjectedFailure(IniFileStep step, int error) {
    if (gFailure == step) {
        errno = error;
        return true;
    }
    return false;
}

// The program's own profile holds about a kilobyte, and no value is read
// longer than 2047 bytes. A file a thousand times larger is not a profile
// this program wrote (a wrong path, a log, a disk image): it is neither read
// into memory nor rewritten on every write. The limit still leaves room for
// any hand-edited file of comments and foreign keys.
constexpr off_t MaxProfileSize = off_t{1} << 20;

// Symbolic links followed before giving up, as the kernel does.
constexpr int MaxLinkHops = 40;

enum class LoadResult { Loaded, Missing, Refused };

// Why an operation on the profile or its folder failed, in words the player
// can act on. `folder` says whether the folder (creating or renaming a file in
// it) or the file itself was refused.
std::string Reason(int error, bool folder) {
    switch (error) {
    case EACCES:
    case EPERM:
        return folder ? "the folder is not writable" : "the file cannot be read";
    case ENOSPC:
    case EDQUOT:
        return "the disk is full";
    case EROFS:
        return "the disk is read-only";
    case ENOENT:
    case ENOTDIR:
        return "the folder does not exist";
    case ELOOP:
        return "the path has too many symbolic links";
    default: {
        std::string text = std::strerror(error);
        if (text.size() > 1 && text[0] >= 'A' && text[0] <= 'Z' &&
            !(text[1] >= 'A' && text[1] <= 'Z')) {
            text[0] = static_cast<char>(text[0] - 'A' + 'a');
        }
        return text;
    }
    }
}

std::string RefusedKind(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return "it is a folder, not a file";
    }
    if (!S_ISREG(info.st_mode)) {
        return "it is not a regular file";
    }
    return "the file is larger than 1 MiB, too large to rewrite safely";
}

// Reads the whole profile. Anything but a regular file of sane size is
// refused without being opened for long: a FIFO or a device must never block
// or flood the program. A refusal says why in `why`.
LoadResult LoadProfile(const std::string& path, std::string& content, struct stat& info,
                       std::string& why) {
    content.clear();
    auto refuse = [&why](std::string reason) {
        why = std::move(reason);
        return LoadResult::Refused;
    };
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? LoadResult::Missing : refuse(Reason(errno, false));
    }
    if (!S_ISREG(info.st_mode) || info.st_size > MaxProfileSize) {
        return refuse(RefusedKind(info));
    }
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.Valid()) {
        return errno == ENOENT ? LoadResult::Missing : refuse(Reason(errno, false));
    }
    // The name may have been replaced between stat and open.
    if (::fstat(fd.Get(), &info) != 0) {
        return refuse(Reason(errno, false));
    }
    if (!S_ISREG(info.st_mode) || info.st_size > MaxProfileSize) {
        return refuse(RefusedKind(info));
    }
    char buffer[16384];
    for (;;) {
        if (InjectedFailure(IniFileStep::Read, EIO)) {
            return refuse(Reason(errno, false));
        }
        const ssize_t count = ::read(fd.Get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return refuse(Reason(errno, false));
        }
        if (count == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(count));
        if (content.size() > static_cast<std::size_t>(MaxProfileSize)) {
            info.st_size = static_cast<off_t>(content.size()); // it grew while being read
            return refuse(RefusedKind(info));
        }
    }
    return LoadResult::Loaded;
}

// The directory part of a path, with its final '/', or "" for a bare name.
std::string DirectoryPrefix(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a path finally names, following symbolic links, so that writing
// through a link replaces its target and leaves the link a link. A dangling
// link names the file it would create.
bool ResolveLinks(const std::string& path, std::string& target) {
    std::string current = path;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT) {
                return false;
            }
            target = current;
            return true;
        }
        if (!S_ISLNK(info.st_mode)) {
            target = current;
            return true;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) {
            errno = length < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        link.resize(static_cast<std::size_t>(length));
        current = link.front() == '/' ? link : DirectoryPrefix(current) + link;
    }
    errno = ELOOP;
    return false;
}

std::string RandomSuffix() {
    static constexpr std::string_view letters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device source;
    std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
    std::string suffix(6, ' ');
    for (char& c : suffix) {
        c = letters[pick(source)];
    }
    return suffix;
}

bool IsTemporaryName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + 6 || !name.starts_with(prefix)) {
        return false;
    }
    for (const char c : name.substr(prefix.size())) {
        const bool alnum =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!alnum) {
            return false;
        }
    }
    return true;
}

// A writer killed between creating its temporary file and the rename leaves
// the file behind. Every writer holds the lock while its temporary exists, so
// under the lock any such file is stale.
void RemoveStaleTemporaries(const std::string& directory, const std::string& prefix) {
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (IsTemporaryName(entry->d_name, prefix)) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

bool WriteAll(int fd, std::string_view data) {
    if (gFailure == IniFileStep::Write) {
        data = data.substr(0, data.size() / 2); // a disk that fills up half-way
    }
    while (!data.empty()) {
        const ssize_t count = ::write(fd, data.data(), data.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(count));
    }
    return !InjectedFailure(IniFileStep::Write, ENOSPC);
}

// Removes the temporary file unless it has taken the profile's place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : FPath(std::move(path)) {}
    ~TemporaryFile() {
        if (!FPath.empty()) {
            ::unlink(FPath.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return FPath; }
    void Keep() { FPath.clear(); }

private:
    std::string FPath;
};

// Writes the new content beside the profile and renames it over the
// profile, so that a crash at any moment leaves the old file or the new one.
// Gives why it failed, or "" when the new file is in place.
std::string ReplaceFile(const std::string& target, const std::string& temporaryPrefix,
                        std::string_view content, const struct stat* old) {
    FileDescriptor fd;
    std::string path;
    for (int attempt = 0; attempt < 100 && !fd.Valid(); ++attempt) {
        if (InjectedFailure(IniFileStep::OpenTemp, EACCES)) {
            return Reason(errno, true);
        }
        path = temporaryPrefix + RandomSuffix();
        fd.Reset(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666));
        if (!fd.Valid() && errno != EEXIST) {
            return Reason(errno, true);
        }
    }
    if (!fd.Valid()) {
        return Reason(EEXIST, true);
    }
    TemporaryFile temporary(path);
    if (old != nullptr) {
        struct stat mine {};
        if (::fstat(fd.Get(), &mine) == 0 &&
            (mine.st_uid != old->st_uid || mine.st_gid != old->st_gid)) {
            // Only root can give the file back to its owner; anyone else
            // keeps owning the replacement, as a copy would.
            if (::fchown(fd.Get(), old->st_uid, old->st_gid) != 0) {
            }
        }
        if (::fchmod(fd.Get(), old->st_mode & 07777) != 0) {
            return Reason(errno, false);
        }
    }
    if (!WriteAll(fd.Get(), content)) {
        return Reason(errno, false);
    }
    if (InjectedFailure(IniFileStep::Sync, EIO) || ::fsync(fd.Get()) != 0) {
        return Reason(errno, false);
    }
    if (::close(fd.Release()) != 0) {
        return Reason(errno, false);
    }
    if (InjectedFailure(IniFileStep::Rename, EIO) ||
        ::rename(temporary.Path().c_str(), target.c_str()) != 0) {
        return Reason(errno, true);
    }
    temporary.Keep();
    // Makes the rename itself durable. The new file is in place already, so
    // a failure here (some file systems cannot sync a directory) is no
    // failure of the write.
    const std::string directory = DirectoryPrefix(target);
    FileDescriptor dir(
        ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) {
        ::fsync(dir.Get());
    }
    return {};
}

TFileStamp StampOf(const struct stat& info) {
    TFileStamp stamp;
    stamp.Kind = TFileStamp::TKind::Present;
    stamp.Device = info.st_dev;
    stamp.Inode = info.st_ino;
    stamp.Size = static_cast<uint64_t>(info.st_size);
    stamp.ModifiedNs = int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
    stamp.ChangedNs = int64_t{info.st_ctim.tv_sec} * 1000000000 + info.st_ctim.tv_nsec;
    return stamp;
}

} // namespace

void SetIniFileFailure(std::optional<IniFileStep> step) {
    gFailure = step;
}

TFileContent ReadWholeFile(const std::string& path) {
    TFileContent file;
    struct stat info {};
    switch (LoadProfile(path, file.Text, info, file.Why)) {
    case LoadResult::Loaded:
        file.Result = TFileContent::TResult::Loaded;
        file.Stamp = StampOf(info);
        break;
    case LoadResult::Missing:
        file.Result = TFileContent::TResult::Missing;
        file.Stamp = TFileStamp{TFileStamp::TKind::Missing};
        break;
    case LoadResult::Refused:
        file.Result = TFileContent::TResult::Refused;
        file.Text.clear();
        break;
    }
    return file;
}

TFileStamp StampOfFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? TFileStamp{TFileStamp::TKind::Missing} : TFileStamp{};
    }
    return StampOf(info);
}

std::string ReplaceLocked(const std::string& path,
                          const std::function<std::string(const std::string& text)>& change) {
    std::string target;
    if (!ResolveLinks(path, target)) {
        return Reason(errno, false);
    }
    if (target.empty() || target.back() == '/') {
        return "it is a folder, not a file";
    }
    const std::string directory = DirectoryPrefix(target);
    const std::string name = target.substr(directory.size());

    TProfileLock lock;
    bool creating = false;
    if (const int error = lock.Take(directory, target, creating)) {
        return Reason(error, creating);
    }
    const std::string temporaryPrefix = "." + name + ".";
    RemoveStaleTemporaries(directory, temporaryPrefix);

    std::string content;
    struct stat info {};
    std::string why;
    const LoadResult loaded = LoadProfile(target, content, info, why);
    if (loaded == LoadResult::Refused) {
        return why;
    }
    if (loaded == LoadResult::Loaded) {
        // A file without any write permission bit is read-only even for
        // root, as the read-only attribute is on Windows.
        if ((info.st_mode & 0222) == 0) {
            return "the file is read-only";
        }
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            return errno == EACCES || errno == EPERM ? "the file is read-only"
                                                     : Reason(errno, false);
        }
    }
    const std::string changed = change(content);
    if (loaded == LoadResult::Loaded && changed == content) {
        return {};
    }
    if (changed.size() > static_cast<std::size_t>(MaxProfileSize)) {
        return "the file would grow larger than 1 MiB";
    }
    return ReplaceFile(target, directory + temporaryPrefix, changed,
                       loaded == LoadResult::Loaded ? &info : nullptr);
}
