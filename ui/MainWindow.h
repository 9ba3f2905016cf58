// The game window. It carries the whole game: TGame's operations are its
// own, and it is their host on the desktop.
#pragma once

#include "core/Game.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class TClientArea;
class TPlayerPresence;

class TForm1 : public QMainWindow, public TGame {
    Q_OBJECT

public:
    // profileFile: where the profile lies; empty for beside the executable.
    explicit TForm1(std::string profileFile = {});

    // The settings and high-scores windows, shown and hidden by the Options
    // and Game menus.
    void SetSecondaryWindows(QWidget* settings, QWidget* highScores);

    // The menu bar.
    QAction* mniNew;
    QAction* mniPause;
    QAction* mniAbort;
    QAction* mniHighscores;
    QAction* mniExit;
    QAction* mniKeys;
    QAction* mniSettings;

    // The counters.
    QLabel* lblScoreHeader;
    QLabel* lblScore;
    QLabel* lblJewelsHeader;
    QLabel* lblJewels;
    QLabel* lblLevelHeader;
    QLabel* lblLevel;
    QLabel* lblNext;

    TClientArea* ClientArea() const { return FClient; }
    // Whether the player is at the game; a game pauses when the player leaves.
    TPlayerPresence* Presence() const { return FPresence; }

    // Runs a command of the keys, the menu or the game controller; a game it
    // played may have ended because the window was closed, and then the
    // window closes now.
    void RunCommand(const std::function<void()>& command);

    // TGameHost
    void PaintWell(int32_t x, int32_t y, const TPicture* picture) override;
    void PaintPreview(int32_t x, int32_t y, const TPicture* picture) override;
    void ClearPreview() override;
    void ShowCounters(const std::string& score, const std::string& jewels,
                      const std::string& level) override;
    void EnableGameMenu(bool gameRunning) override;
    void ProcessMessages() override;
    void WaitTurn(uint32_t msUntilStep) override;
    bool MenuOpen() override;
    uint32_t GetTickCount() override;
    void Sleep(uint32_t ms) override;
    bool QueryPerformanceCounter(int64_t& counter) override;
    bool Terminated() override { return FTerminated; }
    std::string InputQuery(int place, uint32_t score, const std::string& value) override;
    std::string ProfileFileName() override;

    void mniExitClick();
    void mniHighscoresClick();
    void mniKeysClick();
    void mniSettingsClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void FormCreate();
    void CreateMenu();
    void CreateLabels();

    TClientArea* FClient;
    TPlayerPresence* FPresence;
    std::string FProfileFile;
    bool FTerminated = false;
    QWidget* FSettingsWindow = nullptr;
    QWidget* FHighScoresWindow = nullptr;
};
