// A high-score save killed at random moments. The writer replaces the file
// with a rename, so whenever it dies the profile is the old one or the new
// one of some write of the batch: never a torn line, never a lost key, and
// the temporary file it leaves is cleared by the next write.
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
using storetest::ReadFile;
using storetest::TempDirectory;
using storetest::WriteFile;

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

TEST(CrashSafety, AWriterKilledAtAnyMomentLeavesEveryKeyOldOrNew) {
    TempDirectory dir;
    TempDirectory scratch; // the batches, apart from the profile's directory
    const std::string path = dir / "Brindlex.ini";
    const std::string kept = "; written by hand\n[Settings]\nSpeed=3\n\n";
    WriteFile(path, kept + "[HighScores]\n");

    // A whole batch first: its length sets the span the kills fall in.
    hardening::Values current;
    const std::string input = scratch / "batch";
    WriteFile(input, BatchInput(HighScoreBatch(1)));
    const auto started = std::chrono::steady_clock::now();
    const pid_t first = StartWriter(path, input);
    int status = 0;
    ASSERT_EQ(::waitpid(first, &status, 0), first);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::chrono::duration<double, std::micro> span = std::chrono::steady_clock::now() - started;
    for (const auto& [key, value] : HighScoreBatch(1)) {
        current[key] = value;
    }

    std::mt19937 random(20261210);
    int before = 0;    // killed before its first write landed
    int torn = 0;      // killed with part of the batch written
    int finished = 0;  // done before the kill
    int leftovers = 0; // kills that left a temporary file behind
    for (int generation = 2; generation < Kills + 2; ++generation) {
        SCOPED_TRACE("generation " + std::to_string(generation));
        const auto batch = HighScoreBatch(generation);
        WriteFile(input, BatchInput(batch));
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
        TIniFile ini(path);
        int changed = 0;
        for (const auto& [key, value] : batch) {
            const std::string read = ini.ReadText(key.first, key.second, "(missing)");
            ASSERT_TRUE(read == current[key] || read == value)
                << key.second << " holds \"" << read << "\"";
            changed += read == value ? 1 : 0;
            current[key] = read;
        }
        if (changed == 0) {
            ++before;
        } else if (changed == static_cast<int>(batch.size())) {
            ++finished;
        } else {
            ++torn;
        }
        // Aim the kills at the middle of the batch, whatever the machine's pace.
        span *= changed == 0 ? 1.1 : changed == static_cast<int>(batch.size()) ? 0.9 : 1.0;

        leftovers += ListDirectory(dir.Path()).size() > 2 ? 1 : 0;
        // The next writer gets the lock and clears what the killed one left.
        ASSERT_NO_THROW(ini.WriteNumber("Check", "Survived", generation));
        ASSERT_EQ(ListDirectory(dir.Path()),
                  (std::vector<std::string>{"Brindlex.ini", "Brindlex.ini.lock"}));
    }
    EXPECT_GT(torn, 0) << "no kill fell inside a batch";
    std::cout << "kills: " << Kills << " (before the first write " << before
              << ", inside the batch " << torn << ", after the batch " << finished
              << "); temporary files left by " << leftovers << " and cleared; keys lost: 0\n";
}

} // namespace
