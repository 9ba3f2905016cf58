// A game with nothing behind its host operations and its profile in a
// directory of the test's choosing: enough for the windows that only read and
// write the settings and the high-score table.
#pragma once

#include "core/Game.h"
#include "store/IniFile.h"

#include <fstream>
#include <string>

class TStubGame : public TGame {
public:
    explicit TStubGame(std::string profile) : FProfile(std::move(profile)) {}

    std::string ProfileFileName() override { return FProfile; }

    // Writes text as the whole profile file and loads it the way start-up
    // does: the settings, then the table.
    void LoadProfile(const std::string& text) {
        std::ofstream(FProfile, std::ios::binary) << text;
        TIniFile ini(FProfile);
        LoadSettings(ini);
        LoadHighScores(ini);
    }

    void PaintWell(int32_t, int32_t, const TPicture*) override {}
    void PaintPreview(int32_t, int32_t, const TPicture*) override {}
    void ClearPreview() override {}
    void ShowCounters(const std::string&, const std::string&, const std::string&) override {}
    void EnableGameMenu(bool) override {}
    void ProcessMessages() override {}
    void WaitTurn(uint32_t) override {}
    bool MenuOpen() override { return false; }
    uint32_t GetTickCount() override { return 0; }
    void Sleep(uint32_t) override {}
    bool QueryPerformanceCounter(int64_t&) override { return false; }
    bool Terminated() override { return false; }
    std::string InputQuery(const std::string&, const std::string&,
                           const std::string& value) override {
        return value;
    }

private:
    std::string FProfile;
};
