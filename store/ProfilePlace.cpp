#include "store/ProfilePlace.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* ProfileName = "Brindlex.ini";
constexpr const char* ConfigFolderName = "Brindlex";

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// $HOME when it is absolute, otherwise the password database's home folder.
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (IsAbsolute(home)) {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid());
        entry != nullptr && IsAbsolute(entry->pw_dir)) {
        return entry->pw_dir;
    }
    return {};
}

// The folder of the running program, with its final '/'; "" without /proc.
std::string ProgramDirectory() {
    std::string path(PATH_MAX, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
        if (length <= 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.rfind('/') + 1);
}

// The configuration home: the folder that holds the game's own folder.
std::string ConfigHome(const char* xdgConfigHome, const std::string& home) {
    if (IsAbsolute(xdgConfigHome)) {
        return WithoutTrailingSlashes(xdgConfigHome);
    }
    if (!home.empty() && home.front() == '/') {
        return WithoutTrailingSlashes(home) + (home == "/" ? ".config" : "/.config");
    }
    return {};
}

bool MakeFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

// The same folder, however its paths are spelled (links, "..", final slashes).
bool SameFolder(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           S_ISDIR(first.st_mode) && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool IsFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

bool FolderIsWritable(const std::string& directory) {
    struct stat info {};
    if (::stat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    // The effective user decides, as it does for the rename of a save.
    return (info.st_mode & 0222) != 0 &&
           ::faccessat(AT_FDCWD, directory.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string ConfigProfilePath(const char* xdgConfigHome, const std::string& home) {
    const std::string configHome = ConfigHome(xdgConfigHome, home);
    if (configHome.empty()) {
        return {};
    }
    return configHome + (configHome == "/" ? "" : "/") + ConfigFolderName + "/" + ProfileName;
}

TInstallPlace BuildInstallPlace() {
    // The fuzz targets build the store without CMake's definitions.
#ifdef BRINDLEX_INSTALLED_GAMES_DIR
    return {{BRINDLEX_INSTALLED_GAMES_DIR, "/usr/games"},
            BRINDLEX_GAMES_UNDER_PREFIX,
            BRINDLEX_MENU_ENTRY_UNDER_PREFIX};
#else
    return {{"/usr/games"}, {}, {}};
#endif
}

bool IsInstalledCopy(const std::string& programDirectory, const TInstallPlace& place) {
    if (programDirectory.empty()) {
        return false;
    }
    for (const std::string& folder : place.GameFolders) {
        if (SameFolder(programDirectory, folder)) {
            return true;
        }
    }
    if (place.GamesUnderPrefix.empty() || place.GamesUnderPrefix.front() == '/') {
        return false;
    }
    const std::string directory = WithoutTrailingSlashes(programDirectory);
    const std::string games = "/" + WithoutTrailingSlashes(place.GamesUnderPrefix);
    if (!directory.ends_with(games)) {
        return false;
    }
    const std::string prefix = directory.substr(0, directory.size() - games.size());
    return IsFile(prefix + "/" + place.MenuEntryUnderPrefix);
}

std::string ChooseProfilePath(const std::string& programDirectory, bool installed,
                              const char* xdgConfigHome, const std::string& home) {
    std::string beside;
    if (!programDirectory.empty()) {
        beside = programDirectory + (programDirectory.back() == '/' ? "" : "/") + ProfileName;
        if (!installed && FolderIsWritable(programDirectory)) {
            return beside;
        }
    }
    std::string config = ConfigProfilePath(xdgConfigHome, home);
    if (!config.empty()) {
        return config;
    }
    // Nowhere better to go (no home folder at all): a save beside the
    // program fails with its path in the message, which tells the player
    // more than a made-up place would.
    return beside.empty() ? ProfileName : beside;
}

std::string ProfilePath() {
    const std::string program = ProgramDirectory();
    return ChooseProfilePath(program, IsInstalledCopy(program, BuildInstallPlace()),
                             std::getenv("XDG_CONFIG_HOME"), HomeFolder());
}

void PrepareProfileFolder(const std::string& path) {
    const std::string config = ConfigProfilePath(std::getenv("XDG_CONFIG_HOME"), HomeFolder());
    if (config.empty() || path != config) {
        return;
    }
    const std::string folder = config.substr(0, config.rfind('/'));
    const std::size_t slash = folder.rfind('/');
    const std::string configHome = slash == 0 ? std::string("/") : folder.substr(0, slash);
    // Only the configuration home and the game's folder in it: a wrong
    // XDG_CONFIG_HOME must not grow a tree of folders elsewhere.
    if (MakeFolder(configHome)) {
        MakeFolder(folder);
    }
}
