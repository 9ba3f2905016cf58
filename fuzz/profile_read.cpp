// The profile reader over arbitrary file bytes and arbitrary section and key
// names: no read may crash, hang or hand back more than a value can hold, and
// numbers and flags must follow the number rules, checked here against a
// second, deliberately plain reading of those rules.
#include "fuzz/FuzzSupport.h"
#include "store/IniFile.h"
#include "store/IniFormat.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The number rules, spelt out step by step on a copy of the text.
std::optional<int32_t> ReferenceNumber(std::string text) {
    text.erase(0, text.find_first_not_of(' ') == std::string::npos ? text.size()
                                                                   : text.find_first_not_of(' '));
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.erase(0, 1);
    }
    std::size_t prefix = 0;
    if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) {
        prefix = 2;
    } else if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
        prefix = 1;
    }
    const std::string digits = text.substr(prefix);
    if (digits.empty()) {
        return std::nullopt;
    }
    if (prefix > 0) {
        // At most eight significant hexadecimal digits.
        const std::size_t first = digits.find_first_not_of('0');
        for (const char c : digits) {
            if (HexDigit(c) < 0) {
                return std::nullopt;
            }
        }
        if (first != std::string::npos && digits.size() - first > 8) {
            return std::nullopt;
        }
        uint32_t pattern = 0;
        for (const char c : digits) {
            pattern = pattern * 16 + static_cast<uint32_t>(HexDigit(c));
        }
        return static_cast<int32_t>(negative ? 0u - pattern : pattern);
    }
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    const std::size_t first = digits.find_first_not_of('0');
    const std::string significant = first == std::string::npos ? "0" : digits.substr(first);
    if (significant.size() > 10) {
        return std::nullopt;
    }
    const int64_t magnitude = std::stoll(significant);
    if (magnitude > (negative ? 2147483648LL : 2147483647LL)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(64);
    const std::string key = input.ConsumeRandomLengthString(64);
    const int32_t defaultNumber = input.ConsumeIntegral<int32_t>();
    const std::string content = input.ConsumeRemainingBytesAsString();

    const std::string path = fuzzsupport::ProfileFile();
    fuzzsupport::WriteFile(path, content);
    TIniFile ini(path);

    const std::string missing = "\x01missing";
    const std::string text = ini.ReadText(section, key, missing);
    if (text != missing) {
        if (text.size() > IniFormat::MaxTextLength) {
            fuzzsupport::Fail("a value longer than 2047 bytes");
        }
        if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
            fuzzsupport::Fail("a value holding a line break or a NUL");
        }
    }
    // A missing key reads as the empty text in the number rules.
    const std::string numberText = text == missing ? "" : text;
    const std::optional<int32_t> expected = ReferenceNumber(numberText);
    const int32_t number = ini.ReadNumber(section, key, defaultNumber);
    if (number != expected.value_or(defaultNumber)) {
        fuzzsupport::Fail("ReadNumber disagrees with the number rules on \"" + numberText + "\"");
    }
    int32_t parsed = 0;
    if (ParseNumber(numberText, parsed) != expected.has_value() ||
        (expected && parsed != *expected)) {
        fuzzsupport::Fail("ParseNumber disagrees with the number rules on \"" + numberText + "\"");
    }
    for (const bool defaultFlag : {false, true}) {
        const bool flag = ini.ReadFlag(section, key, defaultFlag);
        if (flag != (expected ? *expected != 0 : defaultFlag)) {
            fuzzsupport::Fail("ReadFlag disagrees with ReadNumber");
        }
    }
    // Reading changes nothing.
    if (fuzzsupport::ReadFile(path) != content) {
        fuzzsupport::Fail("a read changed the file");
    }
    return 0;
}
