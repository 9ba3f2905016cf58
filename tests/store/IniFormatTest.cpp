// The profile's text format: how entries are found, and how a write changes
// the file's bytes. Each row pins one decision about files written by hand or
// on Windows.
#include "store/IniFormat.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using IniFormat::CutText;
using IniFormat::EncodeValue;
using IniFormat::FindValue;
using IniFormat::SetValue;
using IniFormat::WriteProblem;

namespace {

struct ReadCase {
    const char* what;
    std::string content;
    const char* section;
    const char* key;
    std::optional<std::string> expected; // nothing: the key is not found
};

TEST(IniFormatRead, FindsValuesTheWayWindowsDoes) {
    const ReadCase cases[] = {
        {"LF line ends", "[Settings]\nSpeed=3\n", "Settings", "Speed", "3"},
        {"CRLF line ends", "[Settings]\r\nSpeed=3\r\n", "Settings", "Speed", "3"},
        {"lone CR line ends", "[Settings]\rLevel_Change=10\rSpeed=2\r\n", "Settings", "Speed", "2"},
        {"a lone CR ends a value", "[Settings]\rLevel_Change=10\rSpeed=2\r\n", "Settings",
         "Level_Change", "10"},
        {"CR CR LF is two line ends", "[S]\r\r\na=1\r\r\n", "S", "a", "1"},
        {"white space around names and values", "  [ Settings ]  \n \t Speed \t= \t3 \t\n",
         "Settings", "Speed", "3"},
        {"names ignore case", "[SETTINGS]\nspeed=3\n", "Settings", "Speed", "3"},
        {"case folding is ASCII only", "[S]\n\xC9=1\n", "S", "\xE9", std::nullopt},
        {"a ';' line is a comment", "[S]\n;a=1\n  ; a=2\na=3\n", "S", "a", "3"},
        {"a commented-out key is not found", "[S]\n;a=1\n", "S", "a", std::nullopt},
        {"'#' starts no comment", "[S]\n#a=1\n", "S", "#a", "1"},
        {"no comment after a value", "[S]\na=1 ; x\n", "S", "a", "1 ; x"},
        {"blank lines anywhere", "\n\n[S]\n\n\na=3\n\n", "S", "a", "3"},
        {"double quotes come off", "[S]\na=\" Ann \"\n", "S", "a", " Ann "},
        {"single quotes come off", "[S]\na=' Ann '\n", "S", "a", " Ann "},
        {"only one pair comes off", "[S]\na=\"\"x\"\"\n", "S", "a", "\"x\""},
        {"unmatched quotes stay", "[S]\na=\"Ann'\n", "S", "a", "\"Ann'"},
        {"a lone quote stays", "[S]\na=\"\n", "S", "a", "\""},
        {"an empty pair of quotes", "[S]\na=\"\"\n", "S", "a", ""},
        {"quotes inside stay", "[S]\na=x \"y\" z\n", "S", "a", "x \"y\" z"},
        {"an empty value is found", "[S]\na=\n", "S", "a", ""},
        {"'=' in a value", "[S]\na=b=c\n", "S", "a", "b=c"},
        {"missing key", "[S]\nb=1\n", "S", "a", std::nullopt},
        {"missing section", "[T]\na=1\n", "S", "a", std::nullopt},
        {"empty file", "", "S", "a", std::nullopt},
        {"the first of repeated keys", "[S]\na=1\na=2\n", "S", "a", "1"},
        {"the first of repeated sections", "[S]\na=1\n[T]\n[s]\na=2\n", "S", "a", "1"},
        {"a repeated section is not searched", "[S]\na=1\n[S]\nb=2\n", "S", "b", std::nullopt},
        {"a line without '=' is no entry", "[S]\na\n", "S", "a", std::nullopt},
        {"keys before any section belong to none", "a=1\n[S]\n", "S", "a", std::nullopt},
        {"a section ends at the next one", "[S]\n[T]\na=1\n", "S", "a", std::nullopt},
        {"text after ']' is ignored", "[S] ; note\na=1\n", "S", "a", "1"},
        {"'[' without ']' opens no section", "[S\na=1\n", "S", "a", std::nullopt},
        {"last line without a line end", "[S]\na=1", "S", "a", "1"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[S]\na=1\n", "S", "a", "1"},
        {"8-bit bytes pass unchanged", "[S]\na=\xE9t\xE9\n", "S", "a", "\xE9t\xE9"},
        {"a NUL ends the value", std::string("[S]\na=1\0x\n", 10), "S", "a", "1"},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(FindValue(c.content, c.section, c.key), c.expected) << c.what;
    }
}

struct EditCase {
    const char* what;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

TEST(IniFormatWrite, ChangesOnlyTheEntryItWrites) {
    const EditCase cases[] = {
        {"a new file", "", "S", "a", "1", "[S]\na=1\n"},
        {"replaces the value and nothing else", "; top\n[S]\na=1\nb=x ; y\n[T]\na=1\n", "S", "a",
         "5", "; top\n[S]\na=5\nb=x ; y\n[T]\na=1\n"},
        {"keeps the key's spelling and spacing, drops trailing blanks", "[s]\n  A = 1  \n", "S",
         "a", "7", "[s]\n  A = 7\n"},
        {"fills an empty value", "[S]\na=\n", "S", "a", "1", "[S]\na=1\n"},
        {"empties a value", "[S]\na = 1\n", "S", "a", "", "[S]\na = \n"},
        {"replaces the first of repeated keys", "[S]\na=1\na=2\n", "S", "a", "5",
         "[S]\na=5\na=2\n"},
        {"adds to the first of repeated sections", "[S]\na=1\n[S]\nb=1\n", "S", "b", "2",
         "[S]\na=1\nb=2\n[S]\nb=1\n"},
        {"a new key follows the section's last entry", "[S]\na=1\n\n; next\n[T]\nx=1\n", "S", "b",
         "2", "[S]\na=1\nb=2\n\n; next\n[T]\nx=1\n"},
        {"a new key in an empty section", "[S]\n\n[T]\n", "S", "b", "2", "[S]\nb=2\n\n[T]\n"},
        {"a line without '=' counts as content", "[S]\na=1\nstray\n\n", "S", "b", "2",
         "[S]\na=1\nstray\nb=2\n\n"},
        {"a new section goes at the end", "[S]\na=1\n; end\n", "T", "c", "3",
         "[S]\na=1\n; end\n[T]\nc=3\n"},
        {"a new section after keys of no section", "a=1\n", "S", "a", "2", "a=1\n[S]\na=2\n"},
        {"a last line without line end gains one before a new key", "[S]\na=1", "S", "b", "2",
         "[S]\na=1\nb=2\n"},
        {"and before a new section", "[S]\na=1", "T", "c", "3", "[S]\na=1\n[T]\nc=3\n"},
        {"a replaced last line keeps having no line end", "[S]\na=1", "S", "a", "2", "[S]\na=2"},
        {"CRLF: replace", "[S]\r\na=1\r\n", "S", "a", "2", "[S]\r\na=2\r\n"},
        {"CRLF: new key", "[S]\r\na=1\r\n", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n"},
        {"CRLF: new section", "[S]\r\na=1\r\n", "T", "c", "3", "[S]\r\na=1\r\n[T]\r\nc=3\r\n"},
        {"the first line end sets the style", "[S]\r\na=1\n", "S", "b", "2", "[S]\r\na=1\nb=2\r\n"},
        {"lone CR: each line keeps its own end", "[S]\ra=1\rb=2\r\n", "S", "b", "3",
         "[S]\ra=1\rb=3\r\n"},
        {"lone CR: a new key takes the first line's end", "[S]\ra=1\r\n", "S", "b", "2",
         "[S]\ra=1\r\nb=2\r"},
        {"lone CR: a last CR is a line end", "[S]\ra=1\r", "T", "c", "3", "[S]\ra=1\r[T]\rc=3\r"},
        {"keeps the byte-order mark", "\xEF\xBB\xBF[S]\na=1\n", "S", "a", "2",
         "\xEF\xBB\xBF[S]\na=2\n"},
        {"a file holding only a byte-order mark", "\xEF\xBB\xBF", "S", "a", "1",
         "\xEF\xBB\xBF[S]\na=1\n"},
        {"quotes a value with outer blanks", "", "S", "a", " x ", "[S]\na=\" x \"\n"},
        {"8-bit bytes pass unchanged", "[S]\r\nn=\xE9\r\n", "S", "n", "\xC9t\xE9",
         "[S]\r\nn=\xC9t\xE9\r\n"},
    };
    for (const EditCase& c : cases) {
        EXPECT_EQ(SetValue(c.before, c.section, c.key, c.value), c.after) << c.what;
    }
}

TEST(IniFormatWrite, EveryWritableValueReadsBackExactly) {
    const std::string values[] = {
        "",      "x",    " x",   "x ",    "\tx",  "x\t", "\"",   "'",     "\"\"", "''",
        "\"x\"", "'x'",  "\"x",  "x'",    "a\"b", "a=b", "; x",  "[x]",   " ",    "x ; y",
        "1 2",   "\xE9", "\xFF", "\x7F ", "\vx",  "x\f", "a\tb", "\"x' ", "=",    "#",
    };
    const std::string files[] = {"", "[S]\na=old\n", "[S]\r\na = \"old\" \r\n"};
    for (const std::string& file : files) {
        for (const std::string& value : values) {
            const std::string written = SetValue(file, "S", "a", value);
            EXPECT_EQ(FindValue(written, "S", "a"), value)
                << "[" << value << "] in [" << file << "]";
        }
    }
    // Windows takes off one pair of quotes too, so the file says the same there.
    EXPECT_EQ(EncodeValue("Ann"), "Ann");
    EXPECT_EQ(EncodeValue(" Ann"), "\" Ann\"");
    EXPECT_EQ(EncodeValue("'Ann'"), "\"'Ann'\"");
    EXPECT_EQ(EncodeValue("a \"b\" c"), "a \"b\" c");
}

TEST(IniFormatWrite, RefusesNamesAndValuesThatWouldBreakTheFile) {
    const struct {
        std::string section, key, value, problem;
    } cases[] = {
        {"S", "a", "ok value", ""},
        {"High Scores", "Name 1", "", ""},
        {"S", "a", "two\nlines", "the value holds a line break or a NUL character"},
        {"S", "a", "cr\r", "the value holds a line break or a NUL character"},
        {"S", "a", std::string("nul\0", 4), "the value holds a line break or a NUL character"},
        {"S\n", "a", "1", "the section name holds a line break or a NUL character"},
        {"S", "a\r\nb", "1", "the key name holds a line break or a NUL character"},
        {"", "a", "1", "the section name is empty"},
        {"S", "", "1", "the key name is empty"},
        {" S", "a", "1", "the section name begins or ends with white space"},
        {"S", "a\t", "1", "the key name begins or ends with white space"},
        {"S", "a=b", "1", "the key name holds '='"},
        {"S", ";a", "1", "the key name begins with ';' or '['"},
        {"S", "[a]", "1", "the key name begins with ';' or '['"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WriteProblem(c.section, c.key, c.value), c.problem)
            << "[" << c.section << "] " << c.key;
    }
    // A section name may hold ']': the name runs to the last one on the line.
    const std::string file = SetValue("", "a]b", "k", "1");
    EXPECT_EQ(WriteProblem("a]b", "k", "1"), "");
    EXPECT_EQ(FindValue(file, "a]b", "k"), "1");
}

TEST(IniFormatRead, CutsLongTextWithoutSplittingACharacter) {
    const std::string a2046(2046, 'a');
    const struct {
        const char* what;
        std::string text;
        std::size_t expectedLength;
    } cases[] = {
        {"short text", "abc", 3},
        {"exactly the limit", std::string(2047, 'a'), 2047},
        {"3000 letters", std::string(3000, 'a'), 2047},
        {"a two-byte character across the limit", a2046 + "\xC3\xA9", 2046},
        {"a two-byte character ending at the limit", std::string(2045, 'a') + "\xC3\xA9x", 2047},
        {"a three-byte character across the limit", std::string(2045, 'a') + "\xE2\x82\xAC", 2045},
        {"a four-byte character across the limit", a2046 + "\xF0\x9F\x92\x8E", 2046},
        {"8-bit text is cut at the byte", a2046 + "\xE9\xE9", 2047},
        {"broken UTF-8 is cut at the byte", a2046 + "\xC3\xA9\xA9", 2047},
    };
    for (const auto& c : cases) {
        const std::string cut = CutText(c.text, 2047);
        EXPECT_EQ(cut.size(), c.expectedLength) << c.what;
        EXPECT_EQ(cut, c.text.substr(0, c.expectedLength)) << c.what;
    }
}

} // namespace
