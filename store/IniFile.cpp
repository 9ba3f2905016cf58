// The accessor: a profile's text in memory, and the profile on disk read and
// written through it.
#include "store/IniFile.h"

#include "store/IniFormat.h"
#include "store/LockedReplace.h"
#include "store/ProfilePlace.h"

#include <utility>

TMemIniFile::TMemIniFile(std::string fileName, std::string text)
    : TCustomIniFile(std::move(fileName)), FText(std::move(text)) {}

void TMemIniFile::SetText(std::string text) {
    FReader.reset();
    FText = std::move(text);
}

std::string TMemIniFile::ReadText(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) {
    if (!FReader) {
        FReader.emplace(FText);
    }
    std::optional<std::string> value = FReader->FindValue(section, key);
    if (!value) {
        return defaultValue;
    }
    return IniFormat::CutText(std::move(*value), IniFormat::MaxTextLength);
}

void TMemIniFile::WriteText(const std::string& section, const std::string& key,
                            const std::string& value) {
    const std::string problem = IniFormat::WriteProblem(section, key, value);
    if (!problem.empty()) {
        throw EIniFileException("Unable to write to " + FileName() + ": " + problem);
    }
    SetText(IniFormat::SetValue(FText, section, key, value));
}

TIniFile::TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {}

// Every write is on the disk before it returns, so the flush at release has
// nothing left to do.
TIniFile::~TIniFile() = default;

bool TIniFile::ReadSnapshot(TMemIniFile& snapshot, TFileStamp* stamp) {
    TFileContent file = ReadWholeFile(FileName());
    snapshot.SetText(std::move(file.Text));
    if (stamp != nullptr) {
        *stamp = file.Stamp;
    }
    return file.Result != TFileContent::TResult::Refused;
}

TFileStamp TIniFile::Stamp() {
    return StampOfFile(FileName());
}

std::string TIniFile::ReadText(const std::string& section, const std::string& key,
                               const std::string& defaultValue) {
    TMemIniFile snapshot(FileName(), {});
    ReadSnapshot(snapshot);
    return snapshot.ReadText(section, key, defaultValue);
}

void TIniFile::WriteText(const std::string& section, const std::string& key,
                         const std::string& value) {
    WriteBatch([&](TCustomIniFile& profile) { profile.WriteText(section, key, value); });
}

void TIniFile::WriteBatch(const std::function<void(TCustomIniFile& profile)>& batch) {
    PrepareProfileFolder(FileName());
    const std::string why = ReplaceLocked(FileName(), [&](const std::string& text) {
        TMemIniFile profile(FileName(), text);
        batch(profile);
        return profile.Text();
    });
    if (!why.empty()) {
        throw EIniFileException("Unable to write to " + FileName() + ": " + why);
    }
}
