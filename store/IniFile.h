// The profile accessor: reads and writes keys of a Windows-style INI file.
#pragma once

#include "store/FileStamp.h"
#include "store/IniFormat.h"
#include "store/IniNumbers.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

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

// A profile's text held in memory: reads and writes change nothing but the
// text. A batch of TIniFile works on one of these.
class TMemIniFile : public TCustomIniFile {
public:
    TMemIniFile(std::string fileName, std::string text);

    // The first write that cannot be made without breaking the file (a line
    // break in a value) raises EIniFileException naming FileName().
    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
    void WriteText(const std::string& section, const std::string& key,
                   const std::string& value) override;

    const std::string& Text() const { return FText; }
    void SetText(std::string text);

private:
    std::string FText;
    // The lines of FText, split at the first read after a change.
    std::optional<IniFormat::TReader> FReader;
};

// The profile file on disk. Each write, and each batch of writes, is one step
// (store/LockedReplace.h): under a lock the file is read, changed in memory
// and replaced whole by a rename, so that every other line stays as it was
// and a crash at any moment leaves either the old file or the new one.
class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(std::string fileName);
    ~TIniFile() override;

    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
    // One step of its own.
    void WriteText(const std::string& section, const std::string& key,
                   const std::string& value) override;

    // Runs the batch on the file as it is under the lock, then writes what
    // the batch changed in one step. An error raised by the batch or by the
    // write leaves the file as it was.
    void WriteBatch(const std::function<void(TCustomIniFile& profile)>& batch);

    // The whole file as it is now, for reads that must all see one state of
    // it. False, with an empty snapshot, when the file is there but cannot be
    // read whole; a missing file reads as empty. The stamp, when asked for, is
    // that of the state read.
    bool ReadSnapshot(TMemIniFile& snapshot, TFileStamp* stamp = nullptr);
    // The file's state now, without reading it.
    TFileStamp Stamp();
};
