// Helpers for the profile tests: a folder's names, and running a program with
// its output captured.
#pragma once

#include "tests/TestFiles.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace storetest {

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
inline RunResult RunProgram(const testfiles::TempDirectory& scratch,
                            const std::vector<std::string>& argv, const std::string& input = "") {
    const std::string inPath = scratch / ".run-in";
    const std::string outPath = scratch / ".run-out";
    const std::string errPath = scratch / ".run-err";
    testfiles::WriteFile(inPath, input);
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
    result.out = testfiles::ReadFile(outPath);
    result.err = testfiles::ReadFile(errPath);
    for (const std::string& path : {inPath, outPath, errPath}) {
        ::unlink(path.c_str());
    }
    return result;
}

} // namespace storetest
