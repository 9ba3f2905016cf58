// The lock that every replacement of a profile holds, so that two copies of
// the game (or the game and brindlex-ini) never both read the old file and
// each write back only their own change.
#pragma once

#include "store/FileDescriptor.h"

#include <string>

// Held from Take until the object goes. The lock is the profile's folder
// itself, so nothing is left beside the profile. A folder that cannot be
// opened or locked (one the player may write but not read, or a network file
// system whose folders take no lock) is locked through a lock file beside the
// profile instead, as every replacement did in earlier versions of the game.
// Where such a file lies already, it is locked after the folder too, so that
// such a writer, or an earlier version still running, waits for this one and
// this one for them. A lock file is never removed: a writer waiting on a
// removed lock file would lock nothing.
class TProfileLock {
public:
    // Waits for the lock of the profile target in directory ("" for the
    // current folder, else with its final '/'). Gives 0 once it is held,
    // otherwise the error number of the step that failed; creating then says
    // whether that step was creating the lock file in the folder.
    int Take(const std::string& directory, const std::string& target, bool& creating);

private:
    FileDescriptor FFolder;
    FileDescriptor FFile;
};
