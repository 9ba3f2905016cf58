// Numbers and flags: the text rules, and the typed operations built on
// nothing but the two text operations.
#include "store/IniFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace {

TEST(ParseNumber, FollowsTheNumberRules) {
    const struct {
        std::string text;
        std::optional<int32_t> expected; // nothing: not a number
    } cases[] = {
        {"35", 35},
        {"  35", 35},
        {"+35", 35},
        {"035", 35},
        {"00000000000000000035", 35},
        {"0", 0},
        {"-0", 0},
        {"-1", -1},
        {"  -7", -7},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"35 ", std::nullopt},
        {"3 5", std::nullopt},
        {"35.0", std::nullopt},
        {"abc", std::nullopt},
        {"\t35", std::nullopt},
        {"- 5", std::nullopt},
        {"--5", std::nullopt},
        {"+-5", std::nullopt},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1f", 31},
        {"x1F", 31},
        {"X1f", 31},
        {"+$1F", 31},
        {"-$10", -16},
        {"$-10", std::nullopt},
        {"$FFFFFFFF", -1},
        {"-$FFFFFFFF", 1},
        {"$80000000", INT32_MIN},
        {"$7FFFFFFF", INT32_MAX},
        {"$000000001F", 31},
        {"$100000000", std::nullopt},
        {"$1G", std::nullopt},
        {"0x1F ", std::nullopt},
        {"0$1", std::nullopt},
        {"2147483647", INT32_MAX},
        {"2147483648", std::nullopt},
        {"+2147483648", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"$", std::nullopt},
        {"x", std::nullopt},
        {"0x", std::nullopt},
        {"-0x", std::nullopt},
    };
    for (const auto& c : cases) {
        int32_t value = 12345;
        const bool accepted = ParseNumber(c.text, value);
        EXPECT_EQ(accepted, c.expected.has_value()) << "[" << c.text << "]";
        if (accepted && c.expected) {
            EXPECT_EQ(value, *c.expected) << "[" << c.text << "]";
        }
    }
}

// Keeps texts in memory, so that the typed operations are seen to use the
// text operations alone.
class MemoryIniFile : public TCustomIniFile {
public:
    MemoryIniFile() : TCustomIniFile("memory") {}
    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
        const auto it = Texts.find({section, key});
        return it == Texts.end() ? defaultValue : it->second;
    }
    void WriteText(const std::string& section, const std::string& key,
                   const std::string& value) override {
        Texts[{section, key}] = value;
    }
    std::map<std::pair<std::string, std::string>, std::string> Texts;
};

TEST(TypedOperations, ReadNumbersAndFlagsFromText) {
    const struct {
        std::optional<std::string> text; // nothing: the key is missing
        int32_t number;                  // with the default 77
        bool flagFromTrue;               // with the default true
        bool flagFromFalse;              // with the default false
    } cases[] = {
        {std::nullopt, 77, true, false},
        {"", 77, true, false},
        {"35", 35, true, true},
        {"1", 1, true, true},
        {"2", 2, true, true},
        {"-1", -1, true, true},
        {"0x10", 16, true, true},
        {"0", 0, false, false},
        {"00", 0, false, false},
        {"$0", 0, false, false},
        {"true", 77, true, false},
        {"yes", 77, true, false},
        {"on", 77, true, false},
        {"5x", 77, true, false},
        {"fast", 77, true, false},
    };
    for (const auto& c : cases) {
        MemoryIniFile ini;
        if (c.text) {
            ini.Texts[{"S", "k"}] = *c.text;
        }
        const std::string shown = c.text ? "[" + *c.text + "]" : "missing";
        EXPECT_EQ(ini.ReadNumber("S", "k", 77), c.number) << shown;
        EXPECT_EQ(ini.ReadFlag("S", "k", true), c.flagFromTrue) << shown;
        EXPECT_EQ(ini.ReadFlag("S", "k", false), c.flagFromFalse) << shown;
    }
}

TEST(TypedOperations, WriteSignedDecimalAndFlagDigits) {
    const struct {
        int32_t value;
        const char* text;
    } cases[] = {
        {0, "0"}, {35, "35"}, {-1, "-1"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"},
    };
    for (const auto& c : cases) {
        MemoryIniFile ini;
        ini.WriteNumber("S", "k", c.value);
        EXPECT_EQ((ini.Texts[{"S", "k"}]), c.text);
        EXPECT_EQ(ini.ReadNumber("S", "k", 77), c.value);
    }
    // Unsigned high scores travel as their signed 32-bit pattern.
    MemoryIniFile ini;
    const uint32_t score = 3000000000u;
    ini.WriteNumber("HighScores", "Score1", static_cast<int32_t>(score));
    EXPECT_EQ((ini.Texts[{"HighScores", "Score1"}]), "-1294967296");
    EXPECT_EQ(static_cast<uint32_t>(ini.ReadNumber("HighScores", "Score1", 0)), score);

    ini.WriteFlag("S", "on", true);
    ini.WriteFlag("S", "off", false);
    EXPECT_EQ((ini.Texts[{"S", "on"}]), "1");
    EXPECT_EQ((ini.Texts[{"S", "off"}]), "0");
}

} // namespace
