// Helpers for the profile tests: a scratch directory, whole-file reads and
// writes, and running a program with its output captured.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace storetest {

// A fresh directory under /tmp, removed with everything in it at the end.
class TempDirectory {
public:
    TempDirectory() {
        std::string pattern = "/tmp/brindlex-store-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
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

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

// The names in a directory, sorted.
inline std::vector<std::string> ListDirectory(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct RunResult {
    int exitCode = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs a program with the given standard input, capturing its output in
// files of the scratch directory.
inline RunResult RunProgram(const TempDirectory& scratch, const std::vector<std::string>& argv,
                            const std::string& input = "") {
    const std::string inPath = scratch / ".run-in";
    const std::string outPath = scratch / ".run-out";
    const std::string errPath = scratch / ".run-err";
    WriteFile(inPath, input);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!std::freopen(inPath.c_str(), "rb", stdin) ||
            !std::freopen(outPath.c_str(), "wb", stdout) ||
            !std::freopen(errPath.c_str(), "wb", stderr)) {
            ::_exit(126);
        }
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    RunResult result;
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    for (const std::string& path : {inPath, outPath, errPath}) {
        ::unlink(path.c_str());
    }
    return result;
}

} // namespace storetest
