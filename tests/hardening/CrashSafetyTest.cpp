// A high-score save killed at random moments. The thirty keys of the table
// go to the file in one step, a rename of a whole new file, so whenever the
// writer dies the table is wholly the old one or wholly the new one: never a
// torn table, never a torn line, and the temporary file it leaves is cleared
// by the next write.
#include "store/IniFile.h"
#include "tests/hardening/HardeningSupport.h"
#include "tests/store/StoreTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using hardening::BatchInput;
using hardening::HighScoreBatch;
using hardening::MalformedLines;
using storetest::ListDirectory;
using testfiles::ReadFile;
using testfiles::TempDirectory;
using testfiles::WriteFile;

constexpr int Kills = 250;

// Starts brindlex-ini write-batch on the profile with the batch as its input.
pid_t StartWriter(const std::string& profile, const std::string& inputFile) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int in = ::open(inputFile.c_str(), O_RDONLY);
        const int null = ::open("/dev/null", O_WRONLY);
        if (in < 0 || null < 0 || ::dup2(in, 0) < 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0) {
            ::_exit(126);
        }
        ::execl(BRINDLEX_INI_TOOL, BRINDLEX_INI_TOOL, profile.c_str(), "write-batch",
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

// Which generation's batch the file's table is wholly from, or -1 for a
// table that mixes keys of several.
int TableGeneration(const std::string& path, int older, int newer) {
    TIniFile ini(path);
    for (const int generation : {older, newer}) {
        bool whole = true;
        for (const auto& [key, value] : HighScoreBatch(generation)) {
            whole = whole && ini.ReadText(key.first, key.second, "(missing)") == value;
        }
        if (whole) {
            return generation;
        }
    }
    return -1;
}

TEST(CrashSafety, AHighScoreSaveKilledAtAnyMomentLeavesTheOldTableOrTheNew) {
    TempDirectory dir;
    TempDirectory scratch; // the batches, apart from the profile's directory
    const std::string path = dir / "Brindlex.ini";
    const std::string kept = "; written by hand\n[Settings]\nSpeed=3\n\n";
    WriteFile(path, kept + "[HighScores]\n");

    // A whole batch first: its length sets the span the kills fall in.
    const std::string input = scratch / "batch";
    WriteFile(input, BatchInput(HighScoreBatch(1)));
    const auto started = std::chrono::steady_clock::now();
    const pid_t first = StartWriter(path, input);
    int status = 0;
    ASSERT_EQ(::waitpid(first, &status, 0), first);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::chrono::duration<double, std::micro> span = std::chrono::steady_clock::now() - started;
    int current = 1;

    std::mt19937 random(20261210);
    int before = 0;    // killed before its table was in place
    int torn = 0;      // a table mixing the old and the new
    int finished = 0;  // done before the kill
    int leftovers = 0; // kills that left a temporary file behind
    for (int generation = 2; generation < Kills + 2; ++generation) {
        SCOPED_TRACE("generation " + std::to_string(generation));
        WriteFile(input, BatchInput(HighScoreBatch(generation)));
        const auto delay = std::chrono::microseconds(static_cast<long>(
            std::uniform_real_distribution<double>(0, 1.2)(random) * span.count()));
        const pid_t pid = StartWriter(path, input);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(delay);
        ::kill(pid, SIGKILL);
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));

        const std::string content = ReadFile(path);
        ASSERT_EQ(MalformedLines(content), std::vector<std::string>{}) << content;
        ASSERT_EQ(content.rfind(kept, 0), 0u) << "the lines before the table stay";
        const int found = TableGeneration(path, current, generation);
        if (found == current) {
            ++before;
        } else if (found == generation) {
            ++finished;
            current = generation;
        } else {
            ++torn;
            ADD_FAILURE() << "a torn table:\n" << content;
            break;
        }
        // Aim the kills at the moment of the write, whatever the machine's pace.
        span *= found == generation ? 0.9 : 1.1;

        leftovers += ListDirectory(dir.Path()).size() > 1 ? 1 : 0;
        // The next writer gets the lock and clears what the killed one left.
        ASSERT_NO_THROW(TIniFile(path).WriteNumber("Check", "Survived", generation));
        ASSERT_EQ(ListDirectory(dir.Path()),
                  (std::vector<std::string>{"Brindlex.ini"}));
    }
    EXPECT_EQ(torn, 0);
    EXPECT_GT(before, 0) << "no kill came before a table was in place";
    EXPECT_GT(finished, 0) << "no batch finished before its kill";
    std::cout << "kills: " << Kills << " (before the new table was in place " << before
              << ", after " << finished << "); temporary files left by " << leftovers
              << " and cleared; torn tables: " << torn << "\n";
}

} // namespace
