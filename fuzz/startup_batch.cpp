// The whole start-up batch over arbitrary file bytes: the four settings, then
// the thirty high-score keys, from one reading of the file, as the game window
// does when it is created. Whatever the file holds, the batch ends, and the table
// holds names the windows can show.
#include "fuzz/FuzzSupport.h"
#include "store/GameSettings.h"
#include "store/HighScoreTable.h"
#include "store/IniFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::string path = fuzzsupport::ProfileFile();
    fuzzsupport::WriteFile(path, content);

    TGameSettings settings;
    THighScoreTable table;
    {
        TIniFile ini(path);
        TMemIniFile profile(path, {});
        ini.ReadSnapshot(profile);
        settings.LoadSettings(profile);
        table.LoadHighScores(profile);
    }

    for (int n = 1; n <= HighScorePlaces; ++n) {
        const std::string& name = table.HiName[n];
        if (CutName(name) != name) {
            fuzzsupport::Fail("a name longer than 255 characters");
        }
        if (name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
            fuzzsupport::Fail("a name holding a line break or a NUL");
        }
    }
    // Nothing found means the defaults, field by field.
    if (content.find('[') == std::string::npos) {
        const TGameSettings defaults;
        if (settings.StartingHeight != defaults.StartingHeight ||
            settings.LevelChange != defaults.LevelChange || settings.Speed != defaults.Speed ||
            settings.ShowNext != defaults.ShowNext) {
            fuzzsupport::Fail("settings other than the defaults from a file without sections");
        }
        for (int n = 1; n <= HighScorePlaces; ++n) {
            if (table.HiName[n] != "Nobody" ||
                table.HiScore[n] != static_cast<uint32_t>((11 - n) * 100) ||
                table.HiJewels[n] != static_cast<uint32_t>((11 - n) * 10)) {
                fuzzsupport::Fail("a table other than the defaults from a file without sections");
            }
        }
    }
    if (fuzzsupport::ReadFile(path) != content) {
        fuzzsupport::Fail("the start-up batch changed the file");
    }
    return 0;
}
