// Where the profile file lies. A copy of the game in a folder of the player's
// own (a portable copy, the build folder) keeps its profile beside itself; an
// installed game, whose folder the player cannot write, keeps it in the
// player's configuration folder. Asked anew for every batch, so a profile
// always goes where the next save can put it.
#pragma once

#include <string>

// The folder is one where a save can rename a new profile into place: a
// folder, searchable and writable for this process. A folder without any write
// permission bit counts as read-only even for root, as a profile file does.
bool FolderIsWritable(const std::string& directory);

// The configuration folder's profile: $XDG_CONFIG_HOME/Brindlex/Brindlex.ini,
// or home/.config/Brindlex/Brindlex.ini when the variable is unset, empty or
// not absolute. "" when neither gives an absolute folder.
std::string ConfigProfilePath(const char* xdgConfigHome, const std::string& home);

// The rule itself, for a program in programDirectory ("" when unknown):
// beside the program when that folder is writable, otherwise the
// configuration folder's profile.
std::string ChooseProfilePath(const std::string& programDirectory, const char* xdgConfigHome,
                              const std::string& home);

// The rule for the running program and the present environment.
std::string ProfilePath();

// Creates the configuration folder (mode 0700, and the configuration home
// above it when that is missing too) when path is the configuration folder's
// profile. Any other path is left alone, so that a save into a folder that is
// missing for another reason still fails. Failures are left to the save.
void PrepareProfileFolder(const std::string& path);
