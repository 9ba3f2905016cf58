// Hostile things at the profile's path, through the start-up batch and the
// two write batches of the game. Start-up must end with the defaults or with
// what it could read; a write must either work and keep every other line, or
// raise and leave the thing exactly as it was. A hang shows as the test's
// timeout.
#include "store/GameSettings.h"
#include "store/HighScoreTable.h"
#include "store/IniFile.h"
#include "tests/store/StoreTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testfiles::ReadFile;
using testfiles::TempDirectory;
using testfiles::WriteFile;

struct Startup {
    TGameSettings settings;
    THighScoreTable table;
};

// What the game window's creation handler reads, in its order, from one
// reading of the file.
Startup RunStartup(const std::string& path) {
    Startup s;
    TIniFile ini(path);
    TMemIniFile profile(path, {});
    ini.ReadSnapshot(profile);
    s.settings.LoadSettings(profile);
    s.table.LoadHighScores(profile);
    return s;
}

// The settings window's OK and a high-score save, each one batch.
void SaveBoth(const std::string& path, const TGameSettings& settings,
              const THighScoreTable& table) {
    TIniFile ini(path);
    ini.WriteBatch([&](TCustomIniFile& profile) { settings.SaveSettings(profile); });
    ini.WriteBatch([&](TCustomIniFile& profile) { table.SaveHighScores(profile); });
}

// Enough of a thing at a path to tell whether anything changed it, without
// opening anything but a regular file.
struct Snapshot {
    mode_t mode = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::string link;
    uint64_t hash = 0;

    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const std::string& path) {
    Snapshot s;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return s;
    }
    s.mode = info.st_mode;
    s.inode = info.st_ino;
    s.size = info.st_size;
    if (S_ISLNK(info.st_mode)) {
        s.link = std::filesystem::read_symlink(path).string();
    }
    if (S_ISREG(info.st_mode)) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        char buffer[1 << 16];
        uint64_t hash = 14695981039346656037u;
        for (ssize_t n; fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t i = 0; i < n; ++i) {
                hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211u;
            }
        }
        if (fd >= 0) {
            ::close(fd);
        }
        s.hash = hash;
    }
    return s;
}

std::string Garbage(std::size_t size) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random());
    }
    return bytes;
}

const std::string GarbageBytes = Garbage(64 * 1024);
const std::string LongName(100000, 'N');
const std::string LongKey(100000, 'K');
const std::string BadUtf8 = "\xff\xfe\xc3(\x80";

struct HostileCase {
    const char* what;
    std::function<void(const std::string&)> make;
    bool writable;                              // can be read whole, so writes go through
    std::function<void(const Startup&)> expect; // beyond "the rest are defaults"
    std::string keptPrefix;                     // bytes a write must keep at the start
};

void Expect(const Startup& got, const Startup& want) {
    EXPECT_EQ(got.settings.StartingHeight, want.settings.StartingHeight);
    EXPECT_EQ(got.settings.LevelChange, want.settings.LevelChange);
    EXPECT_EQ(got.settings.Speed, want.settings.Speed);
    EXPECT_EQ(got.settings.ShowNext, want.settings.ShowNext);
    for (int n = 1; n <= HighScorePlaces; ++n) {
        EXPECT_EQ(got.table.HiName[n], want.table.HiName[n]) << "place " << n;
        EXPECT_EQ(got.table.HiScore[n], want.table.HiScore[n]) << "place " << n;
        EXPECT_EQ(got.table.HiJewels[n], want.table.HiJewels[n]) << "place " << n;
    }
}

// The start-up result of a missing profile, changed by the case.
Startup Defaults(const std::function<void(Startup&)>& change = {}) {
    TempDirectory empty;
    Startup s = RunStartup(empty / "Brindlex.ini");
    if (change) {
        change(s);
    }
    return s;
}

TEST(HostileProfile, StartUpEndsWithWhatItCouldReadAndWritesNeverReplaceWhatItCouldNot) {
    const HostileCase cases[] = {
        {"empty", [](const std::string& p) { WriteFile(p, ""); }, true, nullptr, ""},
        {"binary garbage before a good section",
         [](const std::string& p) { WriteFile(p, GarbageBytes + "\n[Settings]\nSpeed=3\n"); }, true,
         [](const Startup& s) { Expect(s, Defaults([](Startup& d) { d.settings.Speed = 3; })); },
         GarbageBytes},
        {"a 100 MB file",
         [](const std::string& p) {
             WriteFile(p, "[Settings]\nSpeed=3\n");
             ASSERT_EQ(::truncate(p.c_str(), 100 << 20), 0);
         },
         false, nullptr, ""},
        {"a 10 MB single line",
         [](const std::string& p) { WriteFile(p, "[Settings]" + std::string(10 << 20, 'x')); },
         false, nullptr, ""},
        {"a name of 100,000 characters",
         [](const std::string& p) {
             WriteFile(p, "[HighScores]\nName1=" + LongName + "\nScore1=5000\n");
         },
         true,
         [](const Startup& s) {
             Expect(s, Defaults([](Startup& d) {
                        d.table.HiName[1] = std::string(MaxNameLength, 'N');
                        d.table.HiScore[1] = 5000;
                    }));
         },
         "[HighScores]\n"},
        {"a key name of 100,000 characters",
         [](const std::string& p) { WriteFile(p, "[Settings]\n" + LongKey + "=1\nSpeed=3\n"); },
         true,
         [](const Startup& s) { Expect(s, Defaults([](Startup& d) { d.settings.Speed = 3; })); },
         "[Settings]\n" + LongKey + "=1\n"},
        {"NUL bytes",
         [](const std::string& p) {
             using namespace std::string_literals;
             WriteFile(p, "\0\0\0\n[Settings]\nSpeed=3\0 junk\nLevel_Change=\0 50\n"
                          "[High\0Scores]\nName1=Ann\n[HighScores]\nName2=Bo\0b\nScore2=\0"s);
         },
         true,
         [](const Startup& s) {
             Expect(s, Defaults([](Startup& d) {
                        d.settings.Speed = 3;
                        d.table.HiName[2] = "Bo";
                    }));
         },
         std::string("\0\0\0\n", 4)},
        {"invalid UTF-8",
         [](const std::string& p) {
             std::string bad;
             for (int i = 0; i < 300; ++i) {
                 bad += "\xe2\x82";
             }
             WriteFile(p,
                       "[HighScores]\nName1=" + BadUtf8 + "\nName2=" + bad + "\n\xc0\xaf=\xf5\n");
         },
         true,
         [](const Startup& s) {
             EXPECT_EQ(s.table.HiName[1], BadUtf8);
             EXPECT_LE(s.table.HiName[2].size(), MaxNameLength);
             EXPECT_GE(s.table.HiName[2].size(), MaxNameLength - 3);
             EXPECT_EQ(s.table.HiName[3], "Nobody");
         },
         ""},
        {"a directory", [](const std::string& p) { ASSERT_EQ(::mkdir(p.c_str(), 0755), 0); }, false,
         nullptr, ""},
        {"a symbolic link to /dev/zero",
         [](const std::string& p) { ASSERT_EQ(::symlink("/dev/zero", p.c_str()), 0); }, false,
         nullptr, ""},
        {"a named pipe", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
         false, nullptr, ""},
    };

    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempDirectory dir;
        const std::string path = dir / "Brindlex.ini";
        c.make(path);
        const Snapshot before = Take(path);

        const Startup loaded = RunStartup(path);
        if (c.expect) {
            c.expect(loaded);
        } else {
            Expect(loaded, Defaults());
        }
        EXPECT_EQ(Take(path), before) << "reading changed it";

        const TGameSettings changed{4, 50, 3, false};
        if (!c.writable) {
            TIniFile ini(path);
            EXPECT_THROW(
                ini.WriteBatch([&](TCustomIniFile& profile) { changed.SaveSettings(profile); }),
                EIniFileException);
            THighScoreTable table = loaded.table;
            EXPECT_THROW(table.SaveNewHighScore(ini, "Ann", 5000, 50), EIniFileException);
            EXPECT_EQ(Take(path), before) << "a refused write changed it";
            continue;
        }
        ASSERT_NO_THROW(SaveBoth(path, changed, loaded.table));
        const Startup again = RunStartup(path);
        Expect(again, Defaults([&](Startup& d) {
                   d.settings = changed;
                   d.table = loaded.table;
               }));
        EXPECT_EQ(ReadFile(path).rfind(c.keptPrefix, 0), 0u) << "the lines before stay";
    }
}

} // namespace
