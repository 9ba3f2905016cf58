// Shared by the fuzz targets: one scratch profile per fuzzing process, on a
// memory file system when there is one, since every case rewrites it and the
// writes sync it to the disk.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzzsupport {

inline std::string ScratchDirectory() {
    // Kept on the heap: the exit handler below runs after static strings are
    // gone.
    static const std::string* directory = [] {
        struct stat info {};
        std::string pattern =
            (::stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) ? "/dev/shm" : "/tmp");
        pattern += "/brindlex-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        // libFuzzer ends a timed run with exit(), so this clears the files.
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(*directory, ignored);
        });
        return new std::string(pattern);
    }();
    return *directory;
}

inline std::string ProfileFile() {
    return ScratchDirectory() + "/Brindlex.ini";
}

inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush()) {
        std::abort();
    }
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Stops the run with the reason, so that libFuzzer keeps the input.
[[noreturn]] inline void Fail(const std::string& why) {
    std::fprintf(stderr, "fuzz check failed: %s\n", why.c_str());
    std::abort();
}

} // namespace fuzzsupport
