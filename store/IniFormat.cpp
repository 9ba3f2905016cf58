#include "store/IniFormat.h"

#include <tuple>
#include <utility>
#include <vector>

namespace IniFormat {
enum class LineKind { Blank, Comment, Section, Entry, Other };

// Offsets into the content. `name` is the section's or the key's trimmed
// name; `valueBegin` is where the value starts after '=' and the white space
// behind it, `valueEnd` where its trailing white space begins.
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0; // before "\n" or "\r\n"
    std::size_t end = 0;        // after the line end
    LineKind kind = LineKind::Blank;
    std::string_view name;
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
};

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

void ClassifyLine(std::string_view content, Line& line, std::size_t textBegin) {
    std::size_t b = textBegin;
    std::size_t e = line.contentEnd;
    while (b < e && IsSpace(content[b])) {
        ++b;
    }
    while (e > b && IsSpace(content[e - 1])) {
        --e;
    }
    if (b == e) {
        line.kind = LineKind::Blank;
        return;
    }
    const std::string_view text = content.substr(b, e - b);
    if (text.front() == ';') {
        line.kind = LineKind::Comment;
        return;
    }
    if (text.front() == '[') {
        const std::size_t close = text.rfind(']');
        if (close != std::string_view::npos) {
            std::size_t nb = 1;
            std::size_t ne = close;
            while (nb < ne && IsSpace(text[nb])) {
                ++nb;
            }
            while (ne > nb && IsSpace(text[ne - 1])) {
                --ne;
            }
            line.kind = LineKind::Section;
            line.name = text.substr(nb, ne - nb);
            return;
        }
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        line.kind = LineKind::Other;
        return;
    }
    std::size_t ke = equals;
    while (ke > 0 && IsSpace(text[ke - 1])) {
        --ke;
    }
    line.kind = LineKind::Entry;
    line.name = text.substr(0, ke);
    std::size_t vb = b + equals + 1;
    while (vb < e && IsSpace(content[vb])) {
        ++vb;
    }
    line.valueBegin = vb;
    line.valueEnd = e;
}

// Where the line that starts at pos ends: LF, CRLF or a lone CR, as Windows
// reads them. Gives the end of the line's text and the start of the next line.
std::pair<std::size_t, std::size_t> LineBounds(std::string_view content, std::size_t pos) {
    const std::size_t brk = content.find_first_of("\r\n", pos);
    if (brk == std::string_view::npos) {
        return {content.size(), content.size()};
    }
    if (content[brk] == '\r' && brk + 1 < content.size() && content[brk + 1] == '\n') {
        return {brk, brk + 2};
    }
    return {brk, brk + 1};
}

std::vector<Line> SplitLines(std::string_view content) {
    std::vector<Line> lines;
    const std::size_t start = content.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
    std::size_t pos = 0;
    while (pos < content.size()) {
        Line line;
        line.begin = pos;
        std::tie(line.contentEnd, line.end) = LineBounds(content, pos);
        ClassifyLine(content, line, pos == 0 ? start : pos);
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

// Where a key stands: the line of the first section of that name, the line
// of the key's first entry in it, and the last line of the section that is
// neither blank nor a comment (where a new key goes).
struct Location {
    std::optional<std::size_t> section;
    std::optional<std::size_t> entry;
    std::size_t lastContent = 0;
};

Location Locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Location where;
    std::size_t i = 0;
    while (i < lines.size() &&
           !(lines[i].kind == LineKind::Section && SameName(lines[i].name, section))) {
        ++i;
    }
    if (i == lines.size()) {
        return where;
    }
    where.section = i;
    where.lastContent = i;
    for (++i; i < lines.size() && lines[i].kind != LineKind::Section; ++i) {
        const Line& line = lines[i];
        if (line.kind == LineKind::Blank || line.kind == LineKind::Comment) {
            continue;
        }
        where.lastContent = i;
        if (line.kind == LineKind::Entry && !where.entry && SameName(line.name, key)) {
            where.entry = i;
        }
    }
    return where;
}

std::string_view LineEnd(std::string_view content) {
    const auto [textEnd, next] = LineBounds(content, 0);
    return next == textEnd ? std::string_view("\n") : content.substr(textEnd, next - textEnd);
}

bool HoldsBreak(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

} // namespace

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
            high = c == 0xED ? 0x9F : 0xBF; // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            const unsigned char lo = k == 1 ? low : 0x80;
            const unsigned char hi = k == 1 ? high : 0xBF;
            if (next < lo || next > hi) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

TReader::TReader(std::string_view content) : FContent(content), FLines(SplitLines(content)) {}

TReader::~TReader() = default;

std::optional<std::string> TReader::FindValue(std::string_view section,
                                              std::string_view key) const {
    const Location where = Locate(FLines, section, key);
    if (!where.entry) {
        return std::nullopt;
    }
    const Line& line = FLines[*where.entry];
    std::string_view value = FContent.substr(line.valueBegin, line.valueEnd - line.valueBegin);
    // The Windows call hands back a C string: a NUL ends the value.
    value = value.substr(0, value.find('\0'));
    while (!value.empty() && IsSpace(value.back())) {
        value.remove_suffix(1);
    }
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::optional<std::string> FindValue(std::string_view content, std::string_view section,
                                     std::string_view key) {
    return TReader(content).FindValue(section, key);
}

std::string CutText(std::string text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t cut = limit;
    if (IsValidUtf8(text)) {
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
            --cut;
        }
    }
    text.resize(cut);
    return text;
}

std::string WriteProblem(std::string_view section, std::string_view key, std::string_view value) {
    const struct {
        std::string_view what;
        std::string_view text;
    } names[] = {{"the section name", section}, {"the key name", key}};
    for (const auto& name : names) {
        if (HoldsBreak(name.text)) {
            return std::string(name.what) + " holds a line break or a NUL character";
        }
        if (name.text.empty()) {
            return std::string(name.what) + " is empty";
        }
        if (IsSpace(name.text.front()) || IsSpace(name.text.back())) {
            return std::string(name.what) + " begins or ends with white space";
        }
    }
    if (key.find('=') != std::string_view::npos) {
        return "the key name holds '='";
    }
    if (key.front() == ';' || key.front() == '[') {
        return "the key name begins with ';' or '['";
    }
    if (HoldsBreak(value)) {
        return "the value holds a line break or a NUL character";
    }
    return {};
}

std::string EncodeValue(std::string_view value) {
    if (!value.empty() && (IsSpace(value.front()) || IsSpace(value.back()) ||
                           IsQuote(value.front()) || IsQuote(value.back()))) {
        std::string quoted;
        quoted.reserve(value.size() + 2);
        quoted.append(1, '"').append(value).append(1, '"');
        return quoted;
    }
    return std::string(value);
}

std::string SetValue(std::string_view content, std::string_view section, std::string_view key,
                     std::string_view value) {
    const std::vector<Line> lines = SplitLines(content);
    const Location where = Locate(lines, section, key);
    const std::string_view eol = LineEnd(content);
    const std::string entry = std::string(key) + "=" + EncodeValue(value);
    std::string result;
    result.reserve(content.size() + entry.size() + section.size() + 8);

    if (where.entry) {
        const Line& line = lines[*where.entry];
        result.append(content.substr(0, line.valueBegin));
        result.append(EncodeValue(value));
        result.append(content.substr(line.contentEnd));
        return result;
    }
    if (where.section) {
        const Line& anchor = lines[where.lastContent];
        result.append(content.substr(0, anchor.end));
        if (anchor.end == anchor.contentEnd) {
            result.append(eol); // the last line had no line end
        }
        result.append(entry).append(eol);
        result.append(content.substr(anchor.end));
        return result;
    }
    result.append(content);
    if (!result.empty() && result != ByteOrderMark && result.back() != '\n' &&
        result.back() != '\r') {
        result.append(eol);
    }
    result.append("[").append(section).append("]").append(eol);
    result.append(entry).append(eol);
    return result;
}

} // namespace IniFormat
