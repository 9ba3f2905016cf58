// A seam for tests: makes the file layer of TIniFile fail at a chosen step, as
// a full disk or an input error would, so that failure handling can be
// checked as root too (where permission bits stop nothing).
#pragma once

#include <optional>

enum class IniFileStep {
    Read,     // reading the current profile
    OpenTemp, // creating the temporary file
    Write,    // writing it (half of it reaches the disk first)
    Sync,     // flushing it to the disk
    Rename,   // putting it in the profile's place
};

// Every later file operation of that step fails until this is called again
// with no step.
void SetIniFileFailure(std::optional<IniFileStep> step);
