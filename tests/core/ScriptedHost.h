// A host for whole games without a display: a virtual clock, key presses and
// menu commands scheduled at virtual times, and a record of every call the
// game makes to the desktop.
#pragma once

#include "core/Game.h"
#include "tests/TestFiles.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct TestPicture : TPicture {
    TestPicture(char t, int i) : table(t), index(i) {}
    char table; // 'J' jewel picture (index 0..6), 'V' vanish frame (index 1..7)
    int index;
};

class ScriptedHost : public TGame {
public:
    // The tick count starts 4 seconds before it wraps, so every game crosses 2^32.
    static constexpr uint32_t StartTick = 0xFFFFF060u;

    ScriptedHost();

    // Runs action inside the first dispatch of events at or after virtual time ms.
    void At(uint64_t ms, std::function<void()> action);
    void KeyAt(uint64_t ms, uint16_t key) {
        At(ms, [this, key] { FormKeyDown(key); });
    }
    uint64_t Now() const { return FClock; }

    // The record, one line per call, in order:
    //   "W c r J k" / "W c r V f"  a picture at cell (c, r) of the well
    //   "P i J k"                  a jewel at place i (0..2) of the preview
    //   "clear", "counters S J L", "menu game" / "menu idle",
    //   "events", "wait", "sleep N",
    //   "prompt #P S|NAME"         the name prompt for place P, score S, NAME pre-filled
    std::vector<std::string> Calls;
    // What each cell of the well shows now: 'k' for jewel k, 'a'..'g' for
    // vanish frame 1..7, ' ' for never drawn. [column 1..6][row 1..13].
    char Screen[WellColumns + 1][WellRows + 1];
    char PreviewScreen[3];
    std::string CounterTexts[3];
    bool GameMenuOn = false;

    // Settings of the host.
    bool WakeEarly = false;  // WaitTurn waits for the next event or step instead of 15 ms
    bool HasCounter = true;  // QueryPerformanceCounter succeeds
    int64_t Counter = 12345; // and gives this
    bool TerminatedFlag = false;
    bool MenuIsOpen = false;                 // a menu of the menu bar is open
    std::optional<std::string> PromptAnswer; // nullopt: the prompt is cancelled
    std::function<void()> WhilePromptOpen;   // runs while the prompt is up
    std::string ProfileFile;                 // in a scratch folder of its own
    uint64_t TimeLimit = 10ull * 60 * 60 * 1000;
    std::function<void()> AfterEachCall; // for invariant checks

    // Calls since the record was last cleared that start with prefix.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
    std::string ScreenRows() const; // 13 rows of 6 characters, '\n' after each

    // TGameHost
    void PaintWell(int32_t x, int32_t y, const TPicture* picture) override;
    void PaintPreview(int32_t x, int32_t y, const TPicture* picture) override;
    void ClearPreview() override;
    void ShowCounters(const std::string& score, const std::string& jewels,
                      const std::string& level) override;
    void EnableGameMenu(bool gameRunning) override;
    void ProcessMessages() override;
    void WaitTurn(uint32_t msUntilStep) override;
    bool MenuOpen() override { return MenuIsOpen; }
    uint32_t GetTickCount() override { return StartTick + static_cast<uint32_t>(FClock); }
    void Sleep(uint32_t ms) override;
    bool QueryPerformanceCounter(int64_t& counter) override;
    bool Terminated() override { return TerminatedFlag; }
    std::string InputQuery(int place, uint32_t score, const std::string& value) override;
    std::string ProfileFileName() override { return ProfileFile; }

private:
    void Record(std::string call);
    void RunDueActions();
    void Advance(uint64_t ms);

    uint64_t FClock = 0;
    uint64_t FSequence = 0;
    std::multimap<std::pair<uint64_t, uint64_t>, std::function<void()>> FActions;
    // Games that earn a place save the table; in memory that costs nothing.
    testfiles::TempDirectory FScratch{"brindlex-core"};
};

// Sets Board to walls around the well given as 13 rows of 6 characters,
// '.' for an empty cell and '1'..'6' for a jewel.
void SetWell(const std::string& rows);
// Board's well in the same form.
std::string WellText();
