#include "store/IniFile.h"

#include "store/IniFileTesting.h"
#include "store/IniFormat.h"
#include "store/ProfilePlace.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
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

TMemIniFile::TMemIniFile(std::string fileName, std::string text)
    : TCustomIniFile(std::move(fileName)), FText(std::move(text)) {}

void TMemIniFile::SetText(std::string text) {
    FReader.reset();
    FText = std::move(text);
}

std::string TMemIniFile::ReadText(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) {
    if (!FReader) {
        FReader.emplace(FText);
    }
    std::optional<std::string> value = FReader->FindValue(section, key);
    if (!value) {
        return defaultValue;
    }
    return IniFormat::CutText(std::move(*value), IniFormat::MaxTextLength);
}

void TMemIniFile::WriteText(const std::string& section, const std::string& key,
                            const std::string& value) {
    const std::string problem = IniFormat::WriteProblem(section, key, value);
    if (!problem.empty()) {
        throw EIniFileException("Unable to write to " + FileName() + ": " + problem);
    }
    SetText(IniFormat::SetValue(FText, section, key, value));
}

TIniFile::TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {}

// Every write is on the disk before it returns, so the flush at release has
// nothing left to do.
TIniFile::~TIniFile() = default;

bool TIniFile::ReadSnapshot(TMemIniFile& snapshot, TFileStamp* stamp) {
    std::string content;
    struct stat info {};
    std::string why;
    const LoadResult loaded = LoadProfile(FileName(), content, info, why);
    snapshot.SetText(std::move(content));
    if (stamp != nullptr) {
        *stamp = loaded == LoadResult::Loaded    ? StampOf(info)
                 : loaded == LoadResult::Missing ? TFileStamp{TFileStamp::TKind::Missing}
                                                 : TFileStamp{};
    }
    return loaded != LoadResult::Refused;
}

TFileStamp TIniFile::Stamp() {
    struct stat info {};
    if (::stat(FileName().c_str(), &info) != 0) {
        return errno == ENOENT ? TFileStamp{TFileStamp::TKind::Missing} : TFileStamp{};
    }
    return StampOf(info);
}

std::string TIniFile::ReadText(const std::string& section, const std::string& key,
                               const std::string& defaultValue) {
    TMemIniFile snapshot(FileName(), {});
    ReadSnapshot(snapshot);
    return snapshot.ReadText(section, key, defaultValue);
}

void TIniFile::WriteText(const std::string& section, const std::string& key,
                         const std::string& value) {
    WriteBatch([&](TCustomIniFile& profile) { profile.WriteText(section, key, value); });
}

void TIniFile::WriteBatch(const std::function<void(TCustomIniFile& profile)>& batch) {
    const auto fail = [this](const std::string& why) {
        throw EIniFileException("Unable to write to " + FileName() + (why.empty() ? "" : ": ") +
                                why);
    };
    PrepareProfileFolder(FileName());
    std::string target;
    if (!ResolveLinks(FileName(), target)) {
        fail(Reason(errno, false));
    }
    if (target.empty() || target.back() == '/') {
        fail("it is a folder, not a file");
    }
    const std::string directory = DirectoryPrefix(target);
    const std::string name = target.substr(directory.size());

    // Two copies of the program must not both read the old file and each
    // write back only their own batch. The lock file is never removed: a
    // writer waiting on a removed lock file would lock nothing.
    FileDescriptor lock(::open((target + ".lock").c_str(),
                               O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (!lock.Valid()) {
        fail(Reason(errno, true));
    }
    while (::flock(lock.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            fail(Reason(errno, false));
        }
    }
    const std::string temporaryPrefix = "." + name + ".";
    RemoveStaleTemporaries(directory, temporaryPrefix);

    std::string content;
    struct stat info {};
    std::string why;
    const LoadResult loaded = LoadProfile(target, content, info, why);
    if (loaded == LoadResult::Refused) {
        fail(why);
    }
    if (loaded == LoadResult::Loaded) {
        // A file without any write permission bit is read-only even for
        // root, as the read-only attribute is on Windows.
        if ((info.st_mode & 0222) == 0) {
            fail("the file is read-only");
        }
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            fail(errno == EACCES || errno == EPERM ? "the file is read-only"
                                                   : Reason(errno, false));
        }
    }
    TMemIniFile profile(FileName(), content);
    batch(profile);
    if (loaded == LoadResult::Loaded && profile.Text() == content) {
        return;
    }
    if (profile.Text().size() > static_cast<std::size_t>(MaxProfileSize)) {
        fail("the file would grow larger than 1 MiB");
    }
    why = ReplaceFile(target, directory + temporaryPrefix, profile.Text(),
                      loaded == LoadResult::Loaded ? &info : nullptr);
    if (!why.empty()) {
        fail(why);
    }
}
