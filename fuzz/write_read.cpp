// A write followed by reads, over an arbitrary profile and arbitrary names
// and values: the write either raises EIniFileException and leaves the file's
// bytes as they were, or the key reads back exactly what was written (up to
// the 2047 bytes a read can give) and every other key reads as before.
#include "fuzz/FuzzSupport.h"
#include "store/IniFile.h"
#include "store/IniFormat.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// The keys whose values must survive: the game's own, and two more named by
// the input, which may well be the ones the file holds.
std::vector<std::pair<std::string, std::string>> Witnesses(const std::string& section2,
                                                           const std::string& key2,
                                                           const std::string& section,
                                                           const std::string& key3) {
    std::vector<std::pair<std::string, std::string>> keys = {
        {"Settings", "Starting_Height"},
        {"Settings", "Level_Change"},
        {"Settings", "Speed"},
        {"Settings", "Show_Next"},
        {section2, key2},
        {section, key3},
    };
    for (int n = 1; n <= 10; ++n) {
        for (const char* name : {"Name", "Score", "Jewels"}) {
            keys.emplace_back("HighScores", name + std::to_string(n));
        }
    }
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(64);
    const std::string key = input.ConsumeRandomLengthString(64);
    const std::string value = input.ConsumeRandomLengthString(4096);
    const std::string section2 = input.ConsumeRandomLengthString(64);
    const std::string key2 = input.ConsumeRandomLengthString(64);
    const std::string key3 = input.ConsumeRandomLengthString(64);
    const int32_t number = input.ConsumeIntegral<int32_t>();
    const std::string content = input.ConsumeRemainingBytesAsString();

    const std::string path = fuzzsupport::ProfileFile();
    fuzzsupport::WriteFile(path, content);
    TIniFile ini(path);

    const std::string missing = "\x01missing";
    auto witnesses = Witnesses(section2, key2, section, key3);
    std::vector<std::string> before;
    for (const auto& [s, k] : witnesses) {
        before.push_back(ini.ReadText(s, k, missing));
    }

    try {
        ini.WriteText(section, key, value);
    } catch (const EIniFileException&) {
        if (fuzzsupport::ReadFile(path) != content) {
            fuzzsupport::Fail("a refused write changed the file");
        }
        return 0;
    }

    const std::string back = ini.ReadText(section, key, missing);
    if (back != IniFormat::CutText(value, IniFormat::MaxTextLength)) {
        fuzzsupport::Fail("the value read back is not the value written");
    }
    for (std::size_t i = 0; i < witnesses.size(); ++i) {
        const auto& [s, k] = witnesses[i];
        if (SameName(s, section) && SameName(k, key)) {
            continue;
        }
        if (ini.ReadText(s, k, missing) != before[i]) {
            fuzzsupport::Fail("the write changed the key [" + s + "] " + k);
        }
    }
    // Numbers written by the program read back exactly, through any file.
    try {
        ini.WriteNumber(section, key, number);
    } catch (const EIniFileException&) {
        return 0; // the file grew past the size limit
    }
    if (ini.ReadNumber(section, key, number ^ 1) != number) {
        fuzzsupport::Fail("a number did not read back");
    }
    return 0;
}
