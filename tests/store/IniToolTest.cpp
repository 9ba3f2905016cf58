// The profile tool as a user runs it: output, exit codes, messages; and the
// read-only cases that need a user other than root.
#include "tests/store/StoreTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using storetest::ListDirectory;
using storetest::RunProgram;
using storetest::RunResult;
using testfiles::ReadFile;
using testfiles::TempDirectory;
using testfiles::WriteFile;

const std::string Tool = BRINDLEX_INI_TOOL;

class IniToolTest : public ::testing::Test {
protected:
    RunResult Run(std::vector<std::string> args, const std::string& input = "") {
        args.insert(args.begin(), Tool);
        return RunProgram(Dir, args, input);
    }

    TempDirectory Dir;
    std::string Path = Dir / "Brindlex.ini";
};

TEST_F(IniToolTest, ReadsPrintWhatTheAccessorGives) {
    WriteFile(Path, "[Settings]\r\nSpeed=$5\r\nShow_Next=fast\r\n[HighScores]\r\nName3=\r\n");
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"read-number", "Settings", "Speed", "10"}, "5\n"},
        {{"read-number", "Settings", "Level_Change", "35"}, "35\n"},
        {{"read-number", "Settings", "Level_Change", "0x10"}, "16\n"},
        {{"read-text", "Settings", "Speed", "x"}, "$5\n"},
        {{"read-text", "HighScores", "Name3", "Nobody"}, "\n"},
        {{"read-text", "HighScores", "Name4", "Nobody"}, "Nobody\n"},
        {{"read-flag", "Settings", "Show_Next", "1"}, "1\n"},
        {{"read-flag", "Settings", "Show_Next", "0"}, "0\n"},
        {{"read-flag", "Settings", "Speed", "0"}, "1\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), Path);
        const RunResult result = Run(args);
        EXPECT_EQ(result.exitCode, 0) << c.args[0] << " " << c.args[2];
        EXPECT_EQ(result.out, c.out) << c.args[0] << " " << c.args[2];
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(IniToolTest, WritesGoThroughTheAccessor) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {Path, "write-number", "Settings", "Speed", "$10"},
             {Path, "write-flag", "Settings", "Show_Next", "0"},
             {Path, "write-text", "HighScores", "Name1", " Ann"},
             {Path, "write-number", "HighScores", "Score1", "-2147483648"},
         }) {
        const RunResult result = Run(args);
        EXPECT_EQ(result.exitCode, 0) << args[1];
        EXPECT_EQ(result.out + result.err, "") << args[1];
    }
    EXPECT_EQ(ReadFile(Path), "[Settings]\nSpeed=16\nShow_Next=0\n"
                              "[HighScores]\nName1=\" Ann\"\nScore1=-2147483648\n");
    EXPECT_EQ(Run({Path, "read-text", "HighScores", "Name1", "x"}).out, " Ann\n");
}

TEST_F(IniToolTest, BadUsageExitsWithTwoAndWritesNothing) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {Path},
        {Path, "read-text", "Settings", "Speed"},
        {Path, "read-text", "Settings", "Speed", "1", "extra"},
        {Path, "delete", "Settings", "Speed", "1"},
        {Path, "write-number", "Settings", "Speed", "fast"},
        {Path, "write-number", "Settings", "Speed", "2147483648"},
        {Path, "write-number", "Settings", "Speed", "5 "},
        {Path, "write-flag", "Settings", "Show_Next", "yes"},
        {Path, "write-flag", "Settings", "Show_Next", "2"},
        {Path, "read-number", "Settings", "Speed", "ten"},
        {Path, "read-flag", "Settings", "Show_Next", "true"},
        {Path, "write-batch", "extra"},
    };
    for (const auto& args : cases) {
        const RunResult result = Run(args);
        const std::string shown = args.size() > 1 ? args[1] : "(no command)";
        EXPECT_EQ(result.exitCode, 2) << shown;
        EXPECT_NE(result.err.find("usage: brindlex-ini"), std::string::npos) << shown;
        EXPECT_EQ(result.out, "") << shown;
    }
    EXPECT_FALSE(std::filesystem::exists(Path));

    const RunResult help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("write-batch"), std::string::npos);
    EXPECT_NE(help.out.find("SECTION<TAB>KEY<TAB>VALUE"), std::string::npos);
}

TEST_F(IniToolTest, AFailedWriteSaysSoWithAFullStop) {
    const std::string missing = Dir / "missing/Brindlex.ini";
    RunResult result = Run({missing, "write-text", "S", "k", "v"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Unable to write to " + missing + ": the folder does not exist.\n");

    WriteFile(Path, "[S]\nk=old\n");
    ::chmod(Path.c_str(), 0444);
    result = Run({Path, "write-number", "S", "k", "1"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Unable to write to " + Path + ": the file is read-only.\n");
    EXPECT_EQ(ReadFile(Path), "[S]\nk=old\n");

    result = Run({Dir / "other.ini", "write-text", "S", "k", "a\nb"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("Unable to write to " + Dir / "other.ini" + ": ", 0), 0u);
}

TEST_F(IniToolTest, WriteBatchWritesEveryLineInOrderInOneStep) {
    RunResult result =
        Run({Path, "write-batch"}, "S\tA\t1\nS\tB\tx\ty\n\nT\tC\t\nS\tA\t2\nT\tD\tlast");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadFile(Path), "[S]\nA=2\nB=x\ty\n[T]\nC=\nD=last\n");

    // A bad line or a value that cannot be written stops the batch before
    // anything of it reaches the file.
    const std::string before = ReadFile(Path);
    result = Run({Path, "write-batch"}, "S\tA\t3\nno tabs here\nS\tA\t4\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("line 2"), std::string::npos);
    result = Run({Path, "write-batch"}, "S\tA\t3\nS\tB\t\r\nS\tA\t4\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("Unable to write to " + Path + ": the value holds a line break", 0),
              0u)
        << result.err;
    EXPECT_EQ(ReadFile(Path), before);
}

// As root every file is writable, so the refusals that rest on permissions
// are checked as the unprivileged user "nobody".
TEST(IniToolAsAnotherUser, RefusesWhatThatUserMayNotWrite) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to hand files to another user; the read-only case "
                        "without write bits is tested for every user";
    }
    constexpr uid_t Nobody = 65534;
    TempDirectory dir;
    ::chmod(dir.Path().c_str(), 0755);
    const std::string tool = dir / "brindlex-ini";
    std::filesystem::copy_file(Tool, tool);
    ::chmod(tool.c_str(), 0755);
    const std::vector<std::string> asNobody = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534",
                                               "--clear-groups"};
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), tool);
        args.insert(args.begin(), asNobody.begin(), asNobody.end());
        return RunProgram(dir, args);
    };
    if (::access(asNobody[0].c_str(), X_OK) != 0 || run({"--help"}).exitCode != 0) {
        GTEST_SKIP() << "setpriv cannot run the tool as uid 65534 on this machine";
    }
    // Each case: who owns the directory and the file; whether nobody's
    // write goes through.
    const struct {
        const char* what;
        uid_t directoryOwner;
        uid_t fileOwner;
        const char* refusal; // nullptr: the write goes through
    } cases[] = {
        {"nobody's file in nobody's directory", Nobody, Nobody, nullptr},
        {"root's file in nobody's directory", Nobody, 0, "the file is read-only"},
        {"nobody's file in root's directory", 0, Nobody, "the folder is not writable"},
    };
    const std::string original = "[Settings]\nSpeed=3\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string sub =
            dir / (std::to_string(c.directoryOwner) + "-" + std::to_string(c.fileOwner));
        const std::string path = sub + "/Brindlex.ini";
        std::filesystem::create_directory(sub);
        ::chmod(sub.c_str(), 0755);
        WriteFile(path, original);
        ::chmod(path.c_str(), 0644);
        ASSERT_EQ(::chown(sub.c_str(), c.directoryOwner, c.directoryOwner), 0);
        ASSERT_EQ(::chown(path.c_str(), c.fileOwner, c.fileOwner), 0);

        EXPECT_EQ(run({path, "read-number", "Settings", "Speed", "10"}).out, "3\n");
        const RunResult result = run({path, "write-number", "Settings", "Speed", "7"});
        if (c.refusal == nullptr) {
            EXPECT_EQ(result.exitCode, 0) << result.err;
            EXPECT_EQ(ReadFile(path), "[Settings]\nSpeed=7\n");
        } else {
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.err, "Unable to write to " + path + ": " + c.refusal + ".\n");
            EXPECT_EQ(ReadFile(path), original);
            struct stat info {};
            ASSERT_EQ(::stat(path.c_str(), &info), 0);
            EXPECT_EQ(info.st_uid, c.fileOwner);
            EXPECT_EQ(info.st_mode & 07777, 0644u);
        }
        EXPECT_EQ(ListDirectory(sub), std::vector<std::string>{"Brindlex.ini"});
    }
}

} // namespace
