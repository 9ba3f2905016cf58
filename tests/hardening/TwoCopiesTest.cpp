// Two copies of the program writing different keys of one profile at the
// same time, each write a locked read-modify-write of the whole file: when
// both are done, no write of either is lost.
#include "store/IniFile.h"
#include "tests/hardening/HardeningSupport.h"
#include "tests/store/StoreTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using hardening::MalformedLines;
using storetest::ListDirectory;
using storetest::ReadFile;
using storetest::TempDirectory;
using storetest::WriteFile;

constexpr int Writes = 500;
constexpr int KeysPerCopy = 10;

// Each copy cycles through its own ten keys, writing the round number.
std::string Rounds(const std::string& keyName) {
    std::string input;
    for (int round = 0; round < Writes; ++round) {
        input += "HighScores\t" + keyName + std::to_string(round % KeysPerCopy + 1) + "\t" +
                 std::to_string(round) + "\n";
    }
    return input;
}

TEST(TwoCopies, WritingAtOnceLoseNoWrite) {
    TempDirectory dir;
    TempDirectory scratch;
    const std::string path = dir / "Brindlex.ini"; // not there yet: both race to create it
    const std::string keyNames[] = {"Name", "Score"};
    std::vector<pid_t> copies;
    for (const std::string& keyName : keyNames) {
        const std::string input = scratch / keyName;
        WriteFile(input, Rounds(keyName));
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const int in = ::open(input.c_str(), O_RDONLY);
            if (in < 0 || ::dup2(in, 0) < 0) {
                ::_exit(126);
            }
            ::execl(BRINDLEX_INI_TOOL, BRINDLEX_INI_TOOL, path.c_str(), "write-batch",
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        copies.push_back(pid);
    }
    for (const pid_t pid : copies) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    TIniFile ini(path);
    for (const std::string& keyName : keyNames) {
        for (int k = 1; k <= KeysPerCopy; ++k) {
            // The last round that wrote key k.
            EXPECT_EQ(ini.ReadNumber("HighScores", keyName + std::to_string(k), -1),
                      Writes - KeysPerCopy + k - 1)
                << keyName << k;
        }
    }
    const std::string content = ReadFile(path);
    EXPECT_EQ(MalformedLines(content), std::vector<std::string>{});
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 1 + 2 * KeysPerCopy)
        << "one section line and one line per key:\n"
        << content;
    EXPECT_EQ(ListDirectory(dir.Path()),
              (std::vector<std::string>{"Brindlex.ini", "Brindlex.ini.lock"}));
}

} // namespace
