// Where the profile lies: beside a copy that is not installed when its folder
// is writable, otherwise in the player's configuration folder, created on the
// first save.
#include "store/ProfilePlace.h"
#include "store/IniFile.h"
#include "tests/store/StoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    enum class Folder { Writable, ReadOnly, ReadOnlyWithProfile, WritableWithProfile };
    enum class Expect { Beside, Xdg, Home };
    const struct {
        const char* name;
        Folder folder;
        bool installed;
        std::optional<std::string> xdg; // relative to the scratch folder when not absolute
        Expect expect;
    } cases[] = {
        {"portable copy", Folder::Writable, false, "/abs/config", Expect::Beside},
        {"portable copy, no XDG variable", Folder::Writable, false, std::nullopt, Expect::Beside},
        {"portable copy with a profile", Folder::WritableWithProfile, false, std::nullopt,
         Expect::Beside},
        {"read-only folder, XDG set", Folder::ReadOnly, false, "/abs/config", Expect::Xdg},
        {"read-only folder with a profile", Folder::ReadOnlyWithProfile, false, "/abs/config",
         Expect::Xdg},
        {"read-only folder, XDG unset", Folder::ReadOnly, false, std::nullopt, Expect::Home},
        {"read-only folder, XDG empty", Folder::ReadOnly, false, "", Expect::Home},
        {"read-only folder, XDG relative", Folder::ReadOnly, false, "config", Expect::Home},
        {"read-only folder with a profile, XDG relative", Folder::ReadOnlyWithProfile, false,
         "config", Expect::Home},
        {"installed copy as a user", Folder::ReadOnly, true, "/abs/config", Expect::Xdg},
        {"installed copy as root", Folder::Writable, true, "/abs/config", Expect::Xdg},
        {"installed copy as root, XDG unset", Folder::Writable, true, std::nullopt, Expect::Home},
        {"installed copy as root, a profile beside it", Folder::WritableWithProfile, true,
         std::nullopt, Expect::Home},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDirectory scratch;
        const std::string program = scratch / "games";
        std::filesystem::create_directory(program);
        if (c.folder == Folder::ReadOnlyWithProfile || c.folder == Folder::WritableWithProfile) {
            WriteFile(program + "/Brindlex.ini", "[Settings]\nSpeed=3\n");
        }
        if (c.folder == Folder::ReadOnly || c.folder == Folder::ReadOnlyWithProfile) {
            ::chmod(program.c_str(), 0555);
        }
        const std::string home = scratch / "home";
        std::optional<std::string> xdg = c.xdg;
        if (xdg && xdg->starts_with('/')) {
            *xdg = scratch.Path() + *xdg;
        }
        const char* xdgValue = xdg ? xdg->c_str() : nullptr;
        const std::string expected = c.expect == Expect::Beside ? program + "/Brindlex.ini"
                                     : c.expect == Expect::Xdg
                                         ? *xdg + "/Brindlex/Brindlex.ini"
                                         : home + "/.config/Brindlex/Brindlex.ini";
        EXPECT_EQ(ChooseProfilePath(program, c.installed, xdgValue, home), expected);
        EXPECT_EQ(ChooseProfilePath(program + "/", c.installed, xdgValue, home + "/"), expected)
            << "the same with final slashes";
    }
}

// An installed copy is known by its folder: the configured games folder, or
// Debian's, or a games folder under a prefix whose menu entry it installed.
TEST(ProfilePlace, KnowsAnInstalledCopyByItsFolder) {
    TempDirectory scratch;
    const std::string configured = scratch / "usr/games";
    const std::string other = scratch / "opt/games";
    const std::string portable = scratch / "home/me/games";
    for (const std::string& folder : {configured, other, portable}) {
        std::filesystem::create_directories(folder);
    }
    std::filesystem::create_directories(scratch / "opt/share/applications");
    WriteFile(scratch / "opt/share/applications/game.desktop", "");
    std::filesystem::create_directory_symlink(configured, scratch / "linked");
    const TInstallPlace place{{configured}, "games", "share/applications/game.desktop"};
    const struct {
        const char* name;
        std::string folder;
        bool installed;
    } cases[] = {
        {"the configured games folder", configured, true},
        {"the same, spelled with a final slash", configured + "/", true},
        {"the same, reached through a link", scratch / "linked", true},
        {"a prefix chosen at install, with the menu entry", other, true},
        {"a portable copy in a folder named games", portable, false},
        {"the folder above the games folder", scratch / "usr", false},
        {"a folder that is not there", scratch / "gone/games", false},
        {"no folder known", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsInstalledCopy(c.folder, place), c.installed) << c.name;
    }
    const std::vector<std::string> folders = BuildInstallPlace().GameFolders;
    EXPECT_NE(std::find(folders.begin(), folders.end(), "/usr/games"), folders.end())
        << "the package's folder";
    EXPECT_FALSE(IsInstalledCopy(std::filesystem::current_path().string(), BuildInstallPlace()))
        << "the build folder";
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
        const bool config =
            ChooseProfilePath(program, false, "/c", "/h") == "/c/Brindlex/Brindlex.ini" &&
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
    EXPECT_EQ(ChooseProfilePath(scratch.Path(), false, nullptr, ""), scratch / "Brindlex.ini");
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
