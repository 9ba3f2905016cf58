// Stands guard while the application object opens the window system. Qt
// aborts with a page of text and a core dump when it cannot (no display, a
// display that does not answer, a platform plugin that is missing); the guard
// says so in one line instead and exits with status 1.
#pragma once

class TDisplayGuard {
public:
    TDisplayGuard();
    ~TDisplayGuard() { Release(); }
    TDisplayGuard(const TDisplayGuard&) = delete;
    TDisplayGuard& operator=(const TDisplayGuard&) = delete;

    // The window system is open: Qt's messages and standard error go their
    // usual way again, and what was held back meanwhile is passed on.
    void Release();

private:
    bool FActive = true;
};
