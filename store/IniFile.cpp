#include "store/IniFile.h"

#include "store/IniFileTesting.h"
#include "store/IniFormat.h"
#include "store/ProfilePlace.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

// ---------------------------------------------------------------------------
// The typed operations: nothing but text underneath.

int32_t TCustomIniFile::ReadNumber(const std::string& section, const std::string& key,
                                   int32_t defaultValue) {
    int32_t value = 0;
    return ParseNumber(ReadText(section, key, ""), value) ? value : defaultValue;
}

void TCustomIniFile::WriteNumber(const std::string& section, const std::string& key,
                                 int32_t value) {
    WriteText(section, key, std::to_string(value));
}

bool TCustomIniFile::ReadFlag(const std::string& section, const std::string& key,
                              bool defaultValue) {
    return ReadNumber(section, key, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteFlag(const std::string& section, const std::string& key, bool value) {
    WriteText(section, key, value ? "1" : "0");
}

bool ParseNumber(std::string_view text, int32_t& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);
    uint32_t pattern = 0;
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X') ||
        rest.starts_with("0x") || rest.starts_with("0X")) {
        std::string_view digits = rest.substr(rest.front() == '0' ? 2 : 1);
        if (digits.empty()) {
            return false;
        }
        for (const char c : digits) {
            uint32_t digit = 0;
            if (c >= '0' && c <= '9') {
                digit = static_cast<uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                digit = static_cast<uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                digit = static_cast<uint32_t>(c - 'A' + 10);
            } else {
                return false;
            }
            if (pattern > 0x0FFFFFFFu) {
                return false;
            }
            pattern = pattern * 16 + digit;
        }
    } else {
        if (rest.empty()) {
            return false;
        }
        uint64_t magnitude = 0;
        for (const char c : rest) {
            if (c < '0' || c > '9') {
                return false;
            }
            magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
            if (magnitude > 2147483648u) {
                return false;
            }
        }
        if (!negative && magnitude > 2147483647u) {
            return false;
        }
        pattern = static_cast<uint32_t>(magnitude);
    }
    if (negative) {
        pattern = 0u - pattern;
    }
    value = static_cast<int32_t>(pattern);
    return true;
}

// ---------------------------------------------------------------------------
// The file on disk.

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

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : FFd(fd) {}
    ~FileDescriptor() { Reset(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return FFd; }
    bool Valid() const { return FFd >= 0; }
    int Release() { return std::exchange(FFd, -1); }
    void Reset(int fd = -1) {
        if (FFd >= 0) {
            ::close(FFd);
        }
        FFd = fd;
    }

private:
    int FFd;
};

enum class LoadResult { Loaded, Missing, Refused };

// Reads the whole profile. Anything but a regular file of sane size is
// refused without being opened for long: a FIFO or a device must never block
// or flood the program.
LoadResult LoadProfile(const std::string& path, std::string& content, struct stat& info) {
    content.clear();
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Refused;
    }
    if (!S_ISREG(info.st_mode) || info.st_size > MaxProfileSize) {
        return LoadResult::Refused;
    }
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.Valid()) {
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Refused;
    }
    // The name may have been replaced between stat and open.
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > MaxProfileSize) {
        return LoadResult::Refused;
    }
    char buffer[16384];
    for (;;) {
        if (InjectedFailure(IniFileStep::Read, EIO)) {
            return LoadResult::Refused;
        }
        const ssize_t count = ::read(fd.Get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LoadResult::Refused;
        }
        if (count == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(count));
        if (content.size() > static_cast<std::size_t>(MaxProfileSize)) {
            return LoadResult::Refused; // it grew while being read
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
            return false;
        }
        link.resize(static_cast<std::size_t>(length));
        current = link.front() == '/' ? link : DirectoryPrefix(current) + link;
    }
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
bool ReplaceFile(const std::string& target, const std::string& temporaryPrefix,
                 std::string_view content, const struct stat* old) {
    FileDescriptor fd;
    std::string path;
    for (int attempt = 0; attempt < 100 && !fd.Valid(); ++attempt) {
        if (InjectedFailure(IniFileStep::OpenTemp, EACCES)) {
            return false;
        }
        path = temporaryPrefix + RandomSuffix();
        fd.Reset(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666));
        if (!fd.Valid() && errno != EEXIST) {
            return false;
        }
    }
    if (!fd.Valid()) {
        return false;
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
            return false;
        }
    }
    if (!WriteAll(fd.Get(), content)) {
        return false;
    }
    if (InjectedFailure(IniFileStep::Sync, EIO) || ::fsync(fd.Get()) != 0) {
        return false;
    }
    if (::close(fd.Release()) != 0) {
        return false;
    }
    if (InjectedFailure(IniFileStep::Rename, EIO) ||
        ::rename(temporary.Path().c_str(), target.c_str()) != 0) {
        return false;
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
    return true;
}

} // namespace

void SetIniFileFailure(std::optional<IniFileStep> step) {
    gFailure = step;
}

TIniFile::TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {}

// Every write is on the disk before WriteText returns, so the flush at
// release has nothing left to do.
TIniFile::~TIniFile() = default;

std::string TIniFile::ReadText(const std::string& section, const std::string& key,
                               const std::string& defaultValue) {
    std::string content;
    struct stat info {};
    if (LoadProfile(FileName(), content, info) != LoadResult::Loaded) {
        return defaultValue;
    }
    std::optional<std::string> value = IniFormat::FindValue(content, section, key);
    if (!value) {
        return defaultValue;
    }
    return IniFormat::CutText(std::move(*value), IniFormat::MaxTextLength);
}

void TIniFile::WriteText(const std::string& section, const std::string& key,
                         const std::string& value) {
    const std::string failure = "Unable to write to " + FileName();
    const std::string problem = IniFormat::WriteProblem(section, key, value);
    if (!problem.empty()) {
        throw EIniFileException(failure + ": " + problem);
    }
    PrepareProfileFolder(FileName());
    std::string target;
    if (!ResolveLinks(FileName(), target) || target.empty() || target.back() == '/') {
        throw EIniFileException(failure);
    }
    const std::string directory = DirectoryPrefix(target);
    const std::string name = target.substr(directory.size());

    // Two copies of the program must not both read the old file and each
    // write back only their own key. The lock file is never removed: a
    // writer waiting on a removed lock file would lock nothing.
    FileDescriptor lock(::open((target + ".lock").c_str(),
                               O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (!lock.Valid()) {
        throw EIniFileException(failure);
    }
    while (::flock(lock.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            throw EIniFileException(failure);
        }
    }
    const std::string temporaryPrefix = "." + name + ".";
    RemoveStaleTemporaries(directory, temporaryPrefix);

    std::string content;
    struct stat info {};
    const LoadResult loaded = LoadProfile(target, content, info);
    if (loaded == LoadResult::Refused) {
        throw EIniFileException(failure);
    }
    if (loaded == LoadResult::Loaded) {
        // A file without any write permission bit is read-only even for
        // root, as the read-only attribute is on Windows.
        if ((info.st_mode & 0222) == 0 ||
            ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            throw EIniFileException(failure);
        }
    }
    const std::string updated = IniFormat::SetValue(content, section, key, value);
    if (loaded == LoadResult::Loaded && updated == content) {
        return;
    }
    if (updated.size() > static_cast<std::size_t>(MaxProfileSize) ||
        !ReplaceFile(target, directory + temporaryPrefix, updated,
                     loaded == LoadResult::Loaded ? &info : nullptr)) {
        throw EIniFileException(failure);
    }
}
