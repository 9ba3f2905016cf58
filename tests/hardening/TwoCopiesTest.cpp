// Two copies of the game saving high scores into one profile at the same
// time, each save taking the table as the file holds it under the lock:
// when both are done, the file holds the ten best of all their entries, in
// order, and every other line as it was.
#include "store/HighScoreTable.h"
#include "store/IniFile.h"
#include "tests/hardening/HardeningSupport.h"
#include "tests/store/StoreTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using hardening::MalformedLines;
using storetest::ListDirectory;
using testfiles::ReadFile;
using testfiles::TempDirectory;
using testfiles::WriteFile;

constexpr int SavesPerCopy = 200;

TEST(TwoCopies, SavingAtOnceKeepEachOthersScores) {
    TempDirectory dir;
    const std::string path = dir / "Brindlex.ini";
    const std::string kept = "; my profile\n[Settings]\nSpeed=3\n";
    WriteFile(path, kept);
    // A saves the odd scores 2001, 2003, ...; B the even ones 2002, 2004, ...
    const struct {
        const char* name;
        const char* first;
    } copies[] = {{"A", "2001"}, {"B", "2002"}};
    std::vector<pid_t> pids;
    for (const auto& copy : copies) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::execl(SCORE_WRITER, SCORE_WRITER, path.c_str(), copy.name, copy.first,
                    std::to_string(SavesPerCopy).c_str(), "2", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        pids.push_back(pid);
    }
    for (const pid_t pid : pids) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    // The ten best are the last five saves of each copy, alternating.
    THighScoreTable table;
    TIniFile ini(path);
    table.LoadHighScores(ini);
    for (int place = 1; place <= HighScorePlaces; ++place) {
        const int rank = place - 1; // 0 is the highest score of all
        const int copy = rank % 2 == 0 ? 1 : 0;
        const int save = SavesPerCopy - 1 - rank / 2;
        EXPECT_EQ(table.HiName[place], copies[copy].name + std::to_string(save)) << place;
        EXPECT_EQ(table.HiScore[place], static_cast<uint32_t>(2001 + copy + 2 * save)) << place;
        EXPECT_EQ(table.HiJewels[place], static_cast<uint32_t>(save)) << place;
    }
    const std::string content = ReadFile(path);
    EXPECT_EQ(content.rfind(kept, 0), 0u) << "the other lines stay";
    EXPECT_EQ(MalformedLines(content), std::vector<std::string>{});
    EXPECT_EQ(ListDirectory(dir.Path()),
              (std::vector<std::string>{"Brindlex.ini"}));
}

} // namespace
