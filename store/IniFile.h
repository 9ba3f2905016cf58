// The profile accessor: reads and writes keys of a Windows-style INI file.
#pragma once

#include "store/ProfilePlace.h" // ProfilePath(), for the accessor's users

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// The only error the accessor raises. what() is the message, without a final
// full stop ("Unable to write to /path/Brindlex.ini").
class EIniFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The typed operations, built on the two text operations alone.
class TCustomIniFile {
public:
    explicit TCustomIniFile(std::string fileName) : FFileName(std::move(fileName)) {}
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;

    const std::string& FileName() const { return FFileName; }

    virtual std::string ReadText(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) = 0;
    virtual void WriteText(const std::string& section, const std::string& key,
                           const std::string& value) = 0;

    virtual int32_t ReadNumber(const std::string& section, const std::string& key,
                               int32_t defaultValue);
    virtual void WriteNumber(const std::string& section, const std::string& key, int32_t value);
    virtual bool ReadFlag(const std::string& section, const std::string& key, bool defaultValue);
    virtual void WriteFlag(const std::string& section, const std::string& key, bool value);

private:
    std::string FFileName;
};

// The number rules: leading spaces, one sign, decimal or $/x/X/0x/0X
// hexadecimal, nothing else. Gives false for a text that is not a number.
bool ParseNumber(std::string_view text, int32_t& value);

// The profile file on disk. Each write replaces the file atomically under an
// advisory lock and keeps every other line as it was.
class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(std::string fileName);
    ~TIniFile() override;

    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
    void WriteText(const std::string& section, const std::string& key,
                   const std::string& value) override;
};
