// Shared by the fuzz targets: one scratch profile per fuzzing process, and a
// failure that libFuzzer keeps the input of.
#pragma once

#include "tests/TestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzsupport {

using testfiles::ReadFile;
using testfiles::WriteFile;

inline std::string ProfileFile() {
    // A static object is destroyed on exit(), and libFuzzer ends a timed run
    // with exit(): the folder goes with it.
    static const testfiles::TempDirectory directory("brindlex-fuzz");
    return directory / "Brindlex.ini";
}

// Stops the run with the reason, so that libFuzzer keeps the input.
[[noreturn]] inline void Fail(const std::string& why) {
    std::fprintf(stderr, "fuzz check failed: %s\n", why.c_str());
    std::abort();
}

} // namespace fuzzsupport
