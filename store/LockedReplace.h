// The profile on disk, read whole and replaced whole. A replacement is one
// step: under the lock of the profile's folder the file is read, changed in
// memory, written beside itself and renamed over itself, so a crash at any
// moment leaves the old file or the new one, and two writers never both
// write back what they read before the other's change.
#pragma once

#include "store/FileStamp.h"

#include <functional>
#include <string>

struct TFileContent {
    enum class TResult { Loaded, Missing, Refused };
    TResult Result = TResult::Missing;
    std::string Text; // the whole file when Loaded, else empty
    std::string Why;  // why it was Refused, in words the player can act on
    TFileStamp Stamp; // the state that was read
};

// Reads the whole file. Anything but a regular file of sane size is refused
// without being read: a FIFO or a device must never block or flood the
// program.
TFileContent ReadWholeFile(const std::string& path);

// The file's state now, without reading it.
TFileStamp StampOfFile(const std::string& path);

// Replaces the file that path names (through any symbolic links) in one
// step: change gets its text as it stands under the lock ("" for a missing
// file) and gives the new text. Gives "" once the new text is in place or
// when the change left an existing file as it was; otherwise why the file
// could not be replaced, and the file is as it was. An error raised by
// change passes through and leaves the file as it was too.
std::string ReplaceLocked(const std::string& path,
                          const std::function<std::string(const std::string& text)>& change);
