// Where the profile file lies. A copy of the game in a folder of the player's
// own (a portable copy, the build folder) keeps its profile beside itself
// when it can; an installed game keeps it in the player's configuration
// folder, also when the player (root) could write in the game's folder. Asked
// anew for every batch, so a profile always goes where the next save can put
// it.
#pragma once

#include <string>
#include <vector>

// Where this game is installed, as the build was configured.
struct TInstallPlace {
    // Folders that hold the installed game: the configured prefix's games
    // folder, and Debian's /usr/games, where the package puts it.
    std::vector<std::string> GameFolders;
    // The games folder and the menu entry under a prefix (relative paths):
    // a prefix chosen only at install time (cmake --install --prefix) is
    // known by the menu entry that it installed beside the game.
    std::string GamesUnderPrefix;
    std::string MenuEntryUnderPrefix;
};

// The install place of this build.
TInstallPlace BuildInstallPlace();

// Whether the program in programDirectory is an installed copy of the game.
bool IsInstalledCopy(const std::string& programDirectory, const TInstallPlace& place);

// The folder is one where a save can rename a new profile into place: a
// folder, searchable and writable for this process. A folder without any write
// permission bit counts as read-only even for root, as a profile file does.
bool FolderIsWritable(const std::string& directory);

// The configuration folder's profile: $XDG_CONFIG_HOME/Brindlex/Brindlex.ini,
// or home/.config/Brindlex/Brindlex.ini when the variable is unset, empty or
// not absolute. "" when neither gives an absolute folder.
std::string ConfigProfilePath(const char* xdgConfigHome, const std::string& home);

// The rule itself, for a program in programDirectory ("" when unknown):
// beside a copy that is not installed when its folder is writable,
// otherwise the configuration folder's profile.
std::string ChooseProfilePath(const std::string& programDirectory, bool installed,
                              const char* xdgConfigHome, const std::string& home);

// The rule for the running program and the present environment.
std::string ProfilePath();

// Creates the configuration folder (mode 0700, and the configuration home
// above it when that is missing too) when path is the configuration folder's
// profile. Any other path is left alone, so that a save into a folder that is
// missing for another reason still fails. Failures are left to the save.
void PrepareProfileFolder(const std::string& path);
