// Where the profile lies: beside the program when its folder is writable,
// otherwise in the player's configuration folder, created on the first save.
#include "store/ProfilePlace.h"
#include "store/IniFile.h"
#include "tests/store/StoreTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testfiles::ReadFile;
using testfiles::TempDirectory;
using testfiles::WriteFile;

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : FName(name) {
        if (const char* old = std::getenv(name)) {
            FOld = old;
        }
        Set(value);
    }
    ~ScopedVariable() { Set(FOld); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(FName, value->c_str(), 1);
        } else {
            ::unsetenv(FName);
        }
    }
    const char* FName;
    std::optional<std::string> FOld;
};

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(ProfilePlace, TheTableOfCases) {
    enum class Folder { Writable, ReadOnly, ReadOnlyWithProfile };
    enum class Expect { Beside, Xdg, Home };
    const struct {
        const char* name;
        Folder folder;
        std::optional<std::string> xdg; // relative to the scratch folder when not absolute
        Expect expect;
    } cases[] = {
        {"writable folder", Folder::Writable, "/abs/config", Expect::Beside},
        {"writable folder, no XDG variable", Folder::Writable, std::nullopt, Expect::Beside},
        {"read-only folder, XDG set", Folder::ReadOnly, "/abs/config", Expect::Xdg},
        {"read-only folder with a profile", Folder::ReadOnlyWithProfile, "/abs/config",
         Expect::Xdg},
        {"read-only folder, XDG unset", Folder::ReadOnly, std::nullopt, Expect::Home},
        {"read-only folder, XDG empty", Folder::ReadOnly, "", Expect::Home},
        {"read-only folder, XDG relative", Folder::ReadOnly, "config", Expect::Home},
        {"read-only folder with a profile, XDG relative", Folder::ReadOnlyWithProfile, "config",
         Expect::Home},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDirectory scratch;
        const std::string program = scratch / "games";
        std::filesystem::create_directory(program);
        if (c.folder == Folder::ReadOnlyWithProfile) {
            WriteFile(program + "/Brindlex.ini", "[Settings]\nSpeed=3\n");
        }
        if (c.folder != Folder::Writable) {
            ::chmod(program.c_str(), 0555);
        }
        const std::string home = scratch / "home";
        std::optional<std::string> xdg = c.xdg;
        if (xdg && xdg->starts_with('/')) {
            *xdg = scratch.Path() + *xdg;
        }
        const std::string expected = c.expect == Expect::Beside ? program + "/Brindlex.ini"
                                     : c.expect == Expect::Xdg
                                         ? *xdg + "/Brindlex/Brindlex.ini"
                                         : home + "/.config/Brindlex/Brindlex.ini";
        EXPECT_EQ(ChooseProfilePath(program, xdg ? xdg->c_str() : nullptr, home), expected);
        EXPECT_EQ(ChooseProfilePath(program + "/", xdg ? xdg->c_str() : nullptr, home + "/"),
                  expected)
            << "the same with final slashes";
    }
}

// An installed game: a folder with the usual bits, owned by root, started by
// an ordinary user. Runs the rule as nobody in a child process.
TEST(ProfilePlace, AFolderOfAnotherUserIsNotWritable) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to become another user";
    }
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    TempDirectory scratch;
    ::chmod(scratch.Path().c_str(), 0755); // nobody may look, not write
    const std::string program = scratch / "games";
    std::filesystem::create_directory(program);
    ::chmod(program.c_str(), 0755);

    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 ||
            ::setresgid(nobody->pw_gid, nobody->pw_gid, nobody->pw_gid) != 0 ||
            ::setresuid(nobody->pw_uid, nobody->pw_uid, nobody->pw_uid) != 0) {
            ::_exit(3);
        }
        const bool config = ChooseProfilePath(program, "/c", "/h") == "/c/Brindlex/Brindlex.ini" &&
                            !FolderIsWritable(program);
        ::_exit(config ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the rule chose the program's folder; 3: no setuid";
    EXPECT_TRUE(FolderIsWritable(program)) << "root may write there";
}

TEST(ProfilePlace, NoConfigurationFolderWithoutAnAbsoluteHome) {
    EXPECT_EQ(ConfigProfilePath(nullptr, ""), "");
    EXPECT_EQ(ConfigProfilePath("relative", "home"), "");
    EXPECT_EQ(ConfigProfilePath(nullptr, "/"), "/.config/Brindlex/Brindlex.ini");
    // A read-only program folder and nowhere else: the save fails there, with
    // that path in its message.
    TempDirectory scratch;
    ::chmod(scratch.Path().c_str(), 0555);
    EXPECT_EQ(ChooseProfilePath(scratch.Path(), nullptr, ""), scratch / "Brindlex.ini");
}

TEST(ProfilePlace, IsBesideTheRunningProgramInAWritableFolder) {
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    ASSERT_TRUE(FolderIsWritable(program.parent_path().string()));
    EXPECT_EQ(ProfilePath(), (program.parent_path() / "Brindlex.ini").string());
}

// The first save makes the configuration folder, for the player alone; a
// save anywhere else still needs its folder to be there.
class FirstSaveTest : public ::testing::Test {
protected:
    TempDirectory Scratch;
    std::string Home = Scratch / "home";
    ScopedVariable HomeVariable{"HOME", Home};
    ScopedVariable XdgVariable{"XDG_CONFIG_HOME", std::nullopt};

    void SetUp() override { std::filesystem::create_directory(Home); }
};

TEST_F(FirstSaveTest, CreatesTheConfigurationFolderPrivately) {
    const std::string path = Home + "/.config/Brindlex/Brindlex.ini";
    ASSERT_EQ(ConfigProfilePath(nullptr, Home), path);
    TIniFile(path).WriteNumber("Settings", "Speed", 4);
    EXPECT_EQ(ReadFile(path), "[Settings]\nSpeed=4\n");
    EXPECT_EQ(ModeOf(Home + "/.config"), 0700u);
    EXPECT_EQ(ModeOf(Home + "/.config/Brindlex"), 0700u);
}

TEST_F(FirstSaveTest, UsesXdgConfigHomeAndKeepsAnExistingFolderAsItIs) {
    const std::string config = Scratch / "config";
    std::filesystem::create_directory(config);
    ::chmod(config.c_str(), 0755);
    ScopedVariable xdg("XDG_CONFIG_HOME", config);
    TIniFile(config + "/Brindlex/Brindlex.ini").WriteFlag("Settings", "Show_Next", false);
    EXPECT_EQ(ReadFile(config + "/Brindlex/Brindlex.ini"), "[Settings]\nShow_Next=0\n");
    EXPECT_EQ(ModeOf(config), 0755u);
    EXPECT_FALSE(std::filesystem::exists(Home + "/.config")) << "the variable wins over HOME";
}

TEST_F(FirstSaveTest, ASaveElsewhereStillNeedsItsFolder) {
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"a missing folder of its own", Scratch / "missing/Brindlex.ini"},
        {"the configuration folder's name in another place", Scratch / "Brindlex/Brindlex.ini"},
        {"another file in the configuration folder", Home + "/.config/Brindlex/Other.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(TIniFile(c.path).WriteNumber("Settings", "Speed", 4), EIniFileException);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(c.path).parent_path()));
    }
}

TEST_F(FirstSaveTest, AMissingHomeIsNotCreated) {
    std::filesystem::remove(Home);
    const std::string path = Home + "/.config/Brindlex/Brindlex.ini";
    EXPECT_THROW(TIniFile(path).WriteNumber("Settings", "Speed", 4), EIniFileException);
    EXPECT_FALSE(std::filesystem::exists(Home));
}

} // namespace
