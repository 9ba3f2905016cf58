// Files for tests and fuzzers: a scratch folder of their own, and whole files
// read and written as bytes.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace testfiles {

// A fresh folder, removed with everything in it when the object goes. It lies
// on the memory file system when there is one, since tests and fuzzers write
// and sync profiles by the thousand.
class TempDirectory {
public:
    explicit TempDirectory(const std::string& prefix = "brindlex-test") {
        std::error_code ignored;
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path base = std::filesystem::is_directory(shm, ignored)
                                               ? shm
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / (prefix + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a folder like " + pattern);
        }
        FPath = pattern;
    }
    ~TempDirectory() {
        std::error_code ignored;
        // Tests take write permission away; give it back so that removal works.
        for (auto it = std::filesystem::recursive_directory_iterator(FPath, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ignored);
            }
        }
        std::filesystem::remove_all(FPath, ignored);
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::string& Path() const { return FPath; }
    std::string operator/(const std::string& name) const { return FPath + "/" + name; }

private:
    std::string FPath;
};

// The whole file; nullopt when it cannot be opened.
inline std::optional<std::string> ReadFileIfAny(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The whole file; empty when there is none.
inline std::string ReadFile(const std::string& path) {
    return ReadFileIfAny(path).value_or("");
}

// Writes content as the whole file.
inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace testfiles
