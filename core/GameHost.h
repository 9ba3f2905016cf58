// What the game needs from the desktop. The game window implements these; the
// tests implement them with a virtual clock and a record of every call.
#pragma once

#include <cstdint>
#include <string>

class TPicture;

class TGameHost {
public:
    virtual ~TGameHost() = default;

    // Draws a 46 x 46 picture with its top-left corner at (x, y) of the
    // window's client area, clipped to it, over whatever was there.
    virtual void PaintWell(int32_t x, int32_t y, const TPicture* picture) = 0;
    // The same into the 46 x 138 preview of the next trio.
    virtual void PaintPreview(int32_t x, int32_t y, const TPicture* picture) = 0;
    virtual void ClearPreview() = 0;
    // The texts of the score, jewel and level counters.
    virtual void ShowCounters(const std::string& score, const std::string& jewels,
                              const std::string& level) = 0;
    // New game off and Pause, Abort on while a game runs; the reverse otherwise.
    virtual void EnableGameMenu(bool gameRunning) = 0;

    // Handles every window event that is waiting, then returns; never waits.
    virtual void ProcessMessages() = 0;
    // The pause of a waiting turn of the drop loop, after its events have been
    // handled. The plain rule is Sleep(15). A host that can wait for events may
    // instead return as soon as one has arrived and been handled, or once
    // msUntilStep milliseconds have passed (UINT32_MAX: no step is due).
    virtual void WaitTurn(uint32_t msUntilStep) = 0;
    // True while a menu of the window's menu bar is open. Like a modal dialog,
    // an open menu holds the game: the trio takes no step and a cascade waits
    // before its next frame until the menu has closed.
    virtual bool MenuOpen() = 0;
    // Milliseconds since some fixed moment; wraps after 2^32 - 1.
    virtual uint32_t GetTickCount() = 0;
    virtual void Sleep(uint32_t ms) = 0;
    // A fast-running counter for seeding; false when there is none.
    virtual bool QueryPerformanceCounter(int64_t& counter) = 0;
    // True once the program has been asked to end.
    virtual bool Terminated() = 0;

    // The modal name prompt of a score that earned place: gives the text the
    // player confirmed, or value unchanged when the prompt was cancelled (or
    // the program is ending). Its texts are the host's, in the player's
    // language: the game gives only what they tell.
    virtual std::string InputQuery(int place, uint32_t score, const std::string& value) = 0;
    // Where the profile file lies; asked anew for every batch.
    virtual std::string ProfileFileName() = 0;
};
