// The typed operations of the accessor, built on its text operations by the
// number rules.
#include "store/IniNumbers.h"

#include "store/IniFile.h"

#include <string>

int32_t TCustomIniFile::ReadNumber(const std::string& section, const std::string& key,
                                   int32_t defaultValue) {
    int32_t value = 0;
    return ParseNumber(ReadText(section, key, ""), value) ? value : defaultValue;
}

void TCustomIniFile::WriteNumber(const std::string& section, const std::string& key,
                                 int32_t value) {
    WriteText(section, key, std::to_string(value));
}

bool TCustomIniFile::ReadFlag(const std::string& section, const std::string& key,
                              bool defaultValue) {
    return ReadNumber(section, key, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteFlag(const std::string& section, const std::string& key, bool value) {
    WriteText(section, key, value ? "1" : "0");
}

bool ParseNumber(std::string_view text, int32_t& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);
    uint32_t pattern = 0;
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X') ||
        rest.starts_with("0x") || rest.starts_with("0X")) {
        std::string_view digits = rest.substr(rest.front() == '0' ? 2 : 1);
        if (digits.empty()) {
            return false;
        }
        for (const char c : digits) {
            uint32_t digit = 0;
            if (c >= '0' && c <= '9') {
                digit = static_cast<uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                digit = static_cast<uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                digit = static_cast<uint32_t>(c - 'A' + 10);
            } else {
                return false;
            }
            if (pattern > 0x0FFFFFFFu) {
                return false;
            }
            pattern = pattern * 16 + digit;
        }
    } else {
        if (rest.empty()) {
            return false;
        }
        uint64_t magnitude = 0;
        for (const char c : rest) {
            if (c < '0' || c > '9') {
                return false;
            }
            magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
            if (magnitude > 2147483648u) {
                return false;
            }
        }
        if (!negative && magnitude > 2147483647u) {
            return false;
        }
        pattern = static_cast<uint32_t>(magnitude);
    }
    if (negative) {
        pattern = 0u - pattern;
    }
    value = static_cast<int32_t>(pattern);
    return true;
}
