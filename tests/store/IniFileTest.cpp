// The profile on disk: what a read finds, and that no write loses or
// corrupts anything, whatever fails.
#include "store/IniFile.h"
#include "store/IniFileTesting.h"
#include "tests/store/StoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using storetest::ListDirectory;
using testfiles::ReadFile;
using testfiles::TempDirectory;
using testfiles::WriteFile;

// A profile as it may come from Windows: CRLF, comments, odd spacing, keys
// this program does not know, and both sections.
const std::string WindowsProfile = "; Brindlex profile\r\n"
                                   "[SETTINGS]\r\n"
                                   "speed = 3\r\n"
                                   "Colour=blue\r\n"
                                   "\r\n"
                                   "[HighScores]\r\n"
                                   "Name1=\"  Ann  \"\r\n"
                                   "Score1=5000\r\n";

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode;
}

class ProfileTest : public ::testing::Test {
protected:
    void TearDown() override { SetIniFileFailure(std::nullopt); }

    std::string Message() const { return "Unable to write to " + Path; }

    // Expects the write to raise the error message with the reason after the path.
    void ExpectWriteFails(const std::function<void()>& write, const std::string& reason) const {
        try {
            write();
            ADD_FAILURE() << "the write did not fail";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(std::string(e.what()), Message() + ": " + reason);
        }
    }

    TempDirectory Dir;
    std::string Path = Dir / "Brindlex.ini";
};

TEST_F(ProfileTest, ANewFileHoldsJustTheKeysWritten) {
    const mode_t oldMask = ::umask(022);
    {
        TIniFile ini(Path);
        EXPECT_EQ(ini.ReadNumber("Settings", "Speed", 10), 10);
        EXPECT_EQ(ini.ReadText("HighScores", "Name1", "Nobody"), "Nobody");
        EXPECT_TRUE(ini.ReadFlag("Settings", "Show_Next", true));
        EXPECT_FALSE(std::filesystem::exists(Path)) << "reading creates nothing";

        ini.WriteNumber("Settings", "Starting_Height", 0);
        ini.WriteNumber("Settings", "Level_Change", 35);
        ini.WriteNumber("Settings", "Speed", 10);
        ini.WriteFlag("Settings", "Show_Next", true);
    }
    ::umask(oldMask);
    EXPECT_EQ(ReadFile(Path), "[Settings]\n"
                              "Starting_Height=0\n"
                              "Level_Change=35\n"
                              "Speed=10\n"
                              "Show_Next=1\n");
    EXPECT_EQ(ModeOf(Path) & 07777, 0644u);
}

TEST_F(ProfileTest, ReadsAWindowsFileAndKeepsEveryOtherByte) {
    WriteFile(Path, WindowsProfile);
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadNumber("Settings", "Speed", 10), 3);
    EXPECT_EQ(ini.ReadText("HighScores", "Name1", "Nobody"), "  Ann  ");
    EXPECT_EQ(ini.ReadNumber("HighScores", "Score1", 1000), 5000);

    ini.WriteNumber("Settings", "Speed", 7);
    ini.WriteNumber("Settings", "Speed", 8);
    ini.WriteFlag("Settings", "Show_Next", false);
    ini.WriteText("HighScores", "Name2", "Bo");
    EXPECT_EQ(ReadFile(Path), "; Brindlex profile\r\n"
                              "[SETTINGS]\r\n"
                              "speed = 8\r\n"
                              "Colour=blue\r\n"
                              "Show_Next=0\r\n"
                              "\r\n"
                              "[HighScores]\r\n"
                              "Name1=\"  Ann  \"\r\n"
                              "Score1=5000\r\n"
                              "Name2=Bo\r\n");
    EXPECT_EQ(ListDirectory(Dir.Path()), (std::vector<std::string>{"Brindlex.ini"}));
}

TEST_F(ProfileTest, TextComesBackAsWritten) {
    TIniFile ini(Path);
    const std::string values[] = {"", "Ann", " Ann ", "\"Ann\"", "'", "a ; b", "\xC9t\xE9"};
    for (const std::string& value : values) {
        ini.WriteText("HighScores", "Name3", value);
        EXPECT_EQ(ini.ReadText("HighScores", "Name3", "Nobody"), value) << value;
    }
    // No conversion of any kind: the 8-bit bytes are in the file as they came.
    EXPECT_EQ(ReadFile(Path), "[HighScores]\nName3=\xC9t\xE9\n");

    ini.WriteText("HighScores", "Name1", std::string(3000, 'n'));
    EXPECT_EQ(ini.ReadText("HighScores", "Name1", "Nobody"), std::string(2047, 'n'));
}

TEST_F(ProfileTest, RefusesValuesThatWouldBreakTheFile) {
    WriteFile(Path, WindowsProfile);
    TIniFile ini(Path);
    const struct {
        std::string section, key, value;
    } cases[] = {
        {"HighScores", "Name1", "Ann\n[Settings]"},
        {"HighScores", "Name1", "Ann\r"},
        {"HighScores", "Name1", std::string("Ann\0", 4)},
        {"High\nScores", "Name1", "Ann"},
        {"HighScores", "Name=1", "Ann"},
    };
    for (const auto& c : cases) {
        try {
            ini.WriteText(c.section, c.key, c.value);
            ADD_FAILURE() << "written: " << c.key << "=" << c.value;
        } catch (const EIniFileException& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind(Message() + ": ", 0), 0u) << message;
            EXPECT_NE(message.back(), '.') << message;
        }
    }
    EXPECT_EQ(ReadFile(Path), WindowsProfile);
}

TEST_F(ProfileTest, KeepsThePermissionBits) {
    WriteFile(Path, WindowsProfile);
    ::chmod(Path.c_str(), 0640);
    TIniFile(Path).WriteNumber("Settings", "Speed", 4);
    EXPECT_EQ(ModeOf(Path) & 07777, 0640u);
    EXPECT_EQ(TIniFile(Path).ReadNumber("Settings", "Speed", 10), 4);
}

TEST_F(ProfileTest, AFileWithoutWriteBitsIsReadOnlyEvenForRoot) {
    WriteFile(Path, WindowsProfile);
    ::chmod(Path.c_str(), 0444);
    TIniFile ini(Path);
    ExpectWriteFails([&] { ini.WriteNumber("Settings", "Speed", 4); }, "the file is read-only");
    EXPECT_EQ(ini.ReadNumber("Settings", "Speed", 10), 3);
    EXPECT_EQ(ReadFile(Path), WindowsProfile);
    EXPECT_EQ(ModeOf(Path) & 07777, 0444u);
}

// Things at the profile's path that cannot be read whole: reads give the
// defaults at once, writes fail, and the thing stays as it was.
TEST_F(ProfileTest, NeverReplacesWhatItCannotReadWhole) {
    const struct {
        const char* what;
        std::function<void(const std::string&)> make;
        const char* reason;
    } cases[] = {
        {"a directory", [](const std::string& p) { ::mkdir(p.c_str(), 0755); },
         "it is a folder, not a file"},
        {"a FIFO", [](const std::string& p) { ::mkfifo(p.c_str(), 0644); },
         "it is not a regular file"},
        {"a link to /dev/zero", [](const std::string& p) { ::symlink("/dev/zero", p.c_str()); },
         "it is not a regular file"},
        {"a link to itself", [](const std::string& p) { ::symlink(p.c_str(), p.c_str()); },
         "the path has too many symbolic links"},
        {"a file over 1 MiB",
         [](const std::string& p) {
             WriteFile(p, "[Settings]\nSpeed=3\n" + std::string((1 << 20) + 1, ';'));
         },
         "the file is larger than 1 MiB, too large to rewrite safely"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDirectory dir;
        Path = dir / "Brindlex.ini";
        c.make(Path);
        const mode_t mode = ModeOf(Path);
        const std::string content = S_ISREG(mode) ? ReadFile(Path) : "";
        const std::string link = S_ISLNK(mode) ? std::filesystem::read_symlink(Path).string() : "";
        TIniFile ini(Path);
        EXPECT_EQ(ini.ReadNumber("Settings", "Speed", 10), 10);
        ExpectWriteFails([&] { ini.WriteNumber("Settings", "Speed", 4); }, c.reason);
        EXPECT_EQ(ModeOf(Path), mode);
        if (S_ISREG(mode)) {
            EXPECT_EQ(ReadFile(Path), content);
        }
        if (S_ISLNK(mode)) {
            EXPECT_EQ(std::filesystem::read_symlink(Path).string(), link);
        }
    }
    // The guards are still there before a missing directory.
    Path = Dir / "missing/Brindlex.ini";
    ExpectWriteFails([&] { TIniFile(Path).WriteText("S", "k", "v"); }, "the folder does not exist");
    EXPECT_EQ(TIniFile(Path).ReadText("S", "k", "default"), "default");
    EXPECT_FALSE(std::filesystem::exists(Dir / "missing"));
}

// The file layer failing at each step, as a full disk or a dying disk does:
// the failed write changes nothing, the earlier writes stay, no temporary
// file is left, and the message says why.
TEST_F(ProfileTest, AFailedWriteLeavesTheFileAsItWas) {
    const struct {
        IniFileStep step;
        const char* reason;
    } cases[] = {
        {IniFileStep::Read, "input/output error"},
        {IniFileStep::OpenTemp, "the folder is not writable"},
        {IniFileStep::Write, "the disk is full"},
        {IniFileStep::Sync, "input/output error"},
        {IniFileStep::Rename, "input/output error"},
    };
    for (const auto& [step, reason] : cases) {
        SCOPED_TRACE(static_cast<int>(step));
        WriteFile(Path, WindowsProfile);
        TIniFile ini(Path);
        ini.WriteNumber("Settings", "Speed", 9);
        const std::string afterFirst = ReadFile(Path);

        SetIniFileFailure(step);
        ExpectWriteFails([&] { ini.WriteText("HighScores", "Name1", "Cy"); }, reason);
        ExpectWriteFails([&] { ini.WriteText("HighScores", "Name9", "Cy"); }, reason);
        if (step == IniFileStep::Read) {
            EXPECT_EQ(ini.ReadNumber("Settings", "Speed", 10), 10);
        }
        SetIniFileFailure(std::nullopt);

        EXPECT_EQ(ReadFile(Path), afterFirst);
        EXPECT_EQ(ini.ReadNumber("Settings", "Speed", 10), 9);
        EXPECT_EQ(ListDirectory(Dir.Path()), (std::vector<std::string>{"Brindlex.ini"}));
        ini.WriteText("HighScores", "Name1", "Cy");
        EXPECT_EQ(ini.ReadText("HighScores", "Name1", "Nobody"), "Cy");
    }
}

// A batch is one step: the file holds all of it or, when any part of it
// fails, none of it; reads inside it see the file as it stands under the
// lock, with the batch's own writes.
TEST_F(ProfileTest, ABatchIsWrittenWholeOrNotAtAll) {
    WriteFile(Path, WindowsProfile);
    TIniFile ini(Path);
    auto tenNames = [](const std::string& fifth) {
        return [fifth](TCustomIniFile& profile) {
            for (int n = 1; n <= 10; ++n) {
                profile.WriteText("HighScores", "Name" + std::to_string(n), n == 5 ? fifth : "Al");
            }
        };
    };
    ExpectWriteFails([&] { ini.WriteBatch(tenNames("Eve\nFay")); },
                     "the value holds a line break or a NUL character");
    EXPECT_EQ(ReadFile(Path), WindowsProfile);
    const IniFileStep steps[] = {IniFileStep::Read, IniFileStep::OpenTemp, IniFileStep::Write,
                                 IniFileStep::Sync, IniFileStep::Rename};
    for (const IniFileStep step : steps) {
        SetIniFileFailure(step);
        EXPECT_THROW(ini.WriteBatch(tenNames("Eve")), EIniFileException);
        SetIniFileFailure(std::nullopt);
        EXPECT_EQ(ReadFile(Path), WindowsProfile) << static_cast<int>(step);
    }

    ini.WriteBatch([](TCustomIniFile& profile) {
        EXPECT_EQ(profile.ReadNumber("HighScores", "Score1", 0), 5000);
        profile.WriteNumber("HighScores", "Score1", 6000);
        EXPECT_EQ(profile.ReadNumber("HighScores", "Score1", 0), 6000);
    });
    ini.WriteBatch(tenNames("Eve"));
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(ini.ReadText("HighScores", "Name" + std::to_string(n), ""),
                  n == 5 ? "Eve" : "Al");
    }
    EXPECT_EQ(ini.ReadNumber("HighScores", "Score1", 0), 6000);
    EXPECT_EQ(ListDirectory(Dir.Path()), (std::vector<std::string>{"Brindlex.ini"}));

    // A batch that changes nothing leaves the very file in place.
    struct stat before {};
    struct stat after {};
    ASSERT_EQ(::stat(Path.c_str(), &before), 0);
    ini.WriteBatch(tenNames("Eve"));
    ASSERT_EQ(::stat(Path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(ProfileTest, ASnapshotIsTheWholeFileOrSaysItCouldNotBeRead) {
    TMemIniFile snapshot(Path, "stale");
    EXPECT_TRUE(TIniFile(Path).ReadSnapshot(snapshot)) << "a missing file reads as empty";
    EXPECT_EQ(snapshot.Text(), "");
    WriteFile(Path, WindowsProfile);
    EXPECT_TRUE(TIniFile(Path).ReadSnapshot(snapshot));
    EXPECT_EQ(snapshot.ReadNumber("Settings", "Speed", 10), 3);
    WriteFile(Path, WindowsProfile + std::string(1 << 20, ';'));
    EXPECT_FALSE(TIniFile(Path).ReadSnapshot(snapshot));
    EXPECT_EQ(snapshot.Text(), "");
}

TEST_F(ProfileTest, RemovesTemporariesOfKilledWriters) {
    WriteFile(Dir / ".Brindlex.ini.Ab12Cd", "[Settings]\nSpe");
    WriteFile(Dir / ".Brindlex.ini.zzzzzz", "");
    WriteFile(Dir / ".Brindlex.ini.keep", "not ours");
    WriteFile(Dir / "notes.txt", "not ours");
    TIniFile(Path).WriteNumber("Settings", "Speed", 4);
    EXPECT_EQ(ListDirectory(Dir.Path()),
              (std::vector<std::string>{".Brindlex.ini.keep", "Brindlex.ini", "notes.txt"}));
}

TEST_F(ProfileTest, WritesThroughASymbolicLink) {
    std::filesystem::create_directory(Dir / "real");
    WriteFile(Dir / "real/profile.ini", WindowsProfile);
    ::chmod((Dir / "real/profile.ini").c_str(), 0600);
    ASSERT_EQ(::symlink("real/profile.ini", Path.c_str()), 0);

    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadNumber("Settings", "Speed", 10), 3);
    ini.WriteNumber("Settings", "Speed", 6);
    EXPECT_TRUE(S_ISLNK(ModeOf(Path)));
    EXPECT_EQ(std::filesystem::read_symlink(Path), "real/profile.ini");
    EXPECT_EQ(ini.ReadNumber("Settings", "Speed", 10), 6);
    EXPECT_EQ(ModeOf(Dir / "real/profile.ini") & 07777, 0600u);
    EXPECT_EQ(ListDirectory(Dir / "real"), (std::vector<std::string>{"profile.ini"}));

    // A dangling link gets its target created.
    const std::string dangling = Dir / "dangling.ini";
    ASSERT_EQ(::symlink("real/new.ini", dangling.c_str()), 0);
    TIniFile(dangling).WriteText("S", "k", "v");
    EXPECT_TRUE(S_ISLNK(ModeOf(dangling)));
    EXPECT_EQ(ReadFile(Dir / "real/new.ini"), "[S]\nk=v\n");
}

// Runs body in a child process and gives its exit status (-1 when it did not
// exit); an error that escapes body is status 1.
template <typename Body> pid_t StartChild(Body&& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        int status = 0;
        try {
            status = body();
        } catch (...) {
            status = 1;
        }
        ::_exit(status);
    }
    return child;
}

int Finish(pid_t child) {
    int status = 0;
    if (child <= 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// A save waits for whoever holds the profile's lock: the folder itself, or
// the lock file that earlier versions of the game took and may still hold.
TEST_F(ProfileTest, ASaveWaitsForTheFolderAndForAnEarlierVersionsLockFile) {
    const struct {
        const char* name;
        bool lockFile;
    } cases[] = {{"the folder", false}, {"an earlier version's lock file", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(Path, "[Settings]\nSpeed=3\n");
        const std::string held = c.lockFile ? Path + ".lock" : Dir.Path();
        if (c.lockFile) {
            WriteFile(held, "");
        }
        const int fd = ::open(held.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::flock(fd, LOCK_EX), 0);
        const pid_t writer = StartChild([this, fd] {
            ::close(fd); // the lock stays with the parent's descriptor alone
            TIniFile(Path).WriteNumber("Settings", "Speed", 4);
            return 0;
        });
        // However slowly the writer runs, it must not get past the lock.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(ReadFile(Path), "[Settings]\nSpeed=3\n");
        ::close(fd);
        EXPECT_EQ(Finish(writer), 0);
        EXPECT_EQ(ReadFile(Path), "[Settings]\nSpeed=4\n");
        EXPECT_EQ(std::filesystem::exists(Path + ".lock"), c.lockFile) << "none is made";
        std::filesystem::remove(Path + ".lock");
    }
}

// A folder the player may write but not read cannot be locked: the lock
// file beside the profile stands in for it, as in earlier versions.
TEST_F(ProfileTest, AFolderThatCannotBeReadIsLockedThroughALockFile) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to become another user (root reads every folder)";
    }
    constexpr uid_t Nobody = 65534;
    ::chmod(Dir.Path().c_str(), 0755);
    const std::string folder = Dir / "unlisted";
    std::filesystem::create_directory(folder);
    ASSERT_EQ(::chown(folder.c_str(), Nobody, Nobody), 0);
    ::chmod(folder.c_str(), 0300);
    const std::string path = folder + "/Brindlex.ini";
    const pid_t writer = StartChild([&path] {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(Nobody, Nobody, Nobody) != 0 ||
            ::setresuid(Nobody, Nobody, Nobody) != 0) {
            return 3;
        }
        TIniFile(path).WriteNumber("Settings", "Speed", 4);
        TIniFile(path).WriteNumber("Settings", "Speed", 5);
        return 0;
    });
    ASSERT_EQ(Finish(writer), 0) << "1: the save failed; 3: no setuid";
    EXPECT_EQ(ReadFile(path), "[Settings]\nSpeed=5\n");
    EXPECT_EQ(ListDirectory(folder),
              (std::vector<std::string>{"Brindlex.ini", "Brindlex.ini.lock"}));
}

// Two copies of the program saving at the same moment: each read-modify-write
// holds the lock, so neither writes back a file without the other's keys.
TEST_F(ProfileTest, ConcurrentWritersLoseNoKeys) {
    WriteFile(Path, WindowsProfile);
    constexpr int Rounds = 60;
    constexpr int KeysPerWriter = 4;
    const char* writers[] = {"A", "B"};
    std::vector<pid_t> children;
    for (const char* writer : writers) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int status = 0;
            try {
                for (int round = 0; round < Rounds; ++round) {
                    TIniFile ini(Path);
                    for (int k = 0; k < KeysPerWriter; ++k) {
                        ini.WriteNumber("Race", writer + std::to_string(k), round);
                    }
                }
            } catch (...) {
                status = 1;
            }
            ::_exit(status);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    TIniFile ini(Path);
    for (const char* writer : writers) {
        for (int k = 0; k < KeysPerWriter; ++k) {
            EXPECT_EQ(ini.ReadNumber("Race", writer + std::to_string(k), -1), Rounds - 1)
                << writer << k;
        }
    }
    const std::string content = ReadFile(Path);
    EXPECT_EQ(content.rfind(WindowsProfile, 0), 0u) << "the old lines stay";
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 8 + 1 + 2 * KeysPerWriter);
}

} // namespace
