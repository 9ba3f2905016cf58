// The text of a profile file: finding a key and replacing or adding one,
// without touching any other byte. Pure functions on the file's bytes; the
// disk is TIniFile's business.
//
// The reading rules follow the Windows private-profile functions, so that a
// file edited by hand on Windows reads the same here:
// - lines end in LF, CRLF or a lone CR; a UTF-8 byte-order mark before the
//   first line is skipped;
// - white space (space, tab, CR, VT, FF) around section names, key names and
//   values is ignored;
// - a line whose first non-blank character is ';' is a comment; there are no
//   comments after a value ("a=1 ; x" holds "1 ; x");
// - "[name]" opens a section; text after the last ']' is ignored; a line that
//   begins with '[' but has no ']' is read like any other line;
// - "key=value" is an entry; the key ends at the first '='; a line without
//   '=' is no entry;
// - section and key names match without regard to ASCII letter case;
// - the first section of a name is the only one searched, and the first
//   entry of a key in it is the one read and replaced;
// - lines before the first section belong to no section;
// - a value held in one pair of matching quotation marks (' or ") is read
//   without them;
// - a value is read up to its first NUL byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace IniFormat {

// The longest text a read gives back, in bytes: the Windows call fills a
// buffer of 2048 bytes including the terminating zero.
inline constexpr std::size_t MaxTextLength = 2047;

// The value of the key in the section, its quotation marks taken off, or
// nothing when the file has no such entry.
std::optional<std::string> FindValue(std::string_view content, std::string_view section,
                                     std::string_view key);

struct Line; // a line of the file as the reading rules see it

// The file split into its lines once, for many reads of one state of it. It
// keeps a view of the content, which must stay as it is while it is used.
class TReader {
public:
    explicit TReader(std::string_view content);
    ~TReader();
    TReader(const TReader&) = delete;
    TReader& operator=(const TReader&) = delete;

    // As FindValue on the content.
    std::optional<std::string> FindValue(std::string_view section, std::string_view key) const;

private:
    std::string_view FContent;
    std::vector<Line> FLines;
};

// Whether the text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);

// The text cut to at most `limit` bytes; when the text is valid UTF-8, the cut
// moves back so that it splits no character.
std::string CutText(std::string text, std::size_t limit);

// Why the section, key or value cannot be written without changing the
// file's structure or reading back differently; empty when it can.
std::string WriteProblem(std::string_view section, std::string_view key, std::string_view value);

// The value as it stands after '=': inside double quotes when it begins or
// ends with white space or a quotation mark, so that it reads back exactly.
std::string EncodeValue(std::string_view value);

// The content with the key in the section set to the value (which must pass
// WriteProblem). An existing entry keeps its key's spelling, the spaces
// around '=' and its line end; a new key goes after the last entry of its
// section, a new section at the end of the file. New lines take the file's
// line end (that of its first line, LF, CRLF or CR; LF for a file without one).
std::string SetValue(std::string_view content, std::string_view section, std::string_view key,
                     std::string_view value);

} // namespace IniFormat
