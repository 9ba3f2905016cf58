// The game controllers, through SDL 2's game-controller API and for input
// only: SDL's game-controller subsystem and nothing else of SDL, so the
// program's own signal handling stays as it is and other parts of the program
// may use other subsystems of SDL beside it.
#pragma once

#include "ui/controller/PadInput.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct _SDL_GameController;
union SDL_Event;

class TGamePads {
public:
    // Starts SDL's game-controller subsystem; without it (SDL refused) there
    // are simply no pads.
    explicit TGamePads(TPadListener& listener);
    ~TGamePads();
    TGamePads(const TGamePads&) = delete;
    TGamePads& operator=(const TGamePads&) = delete;

    // Takes in what the pads did since the last call (plugged in, unplugged,
    // buttons, the stick) and gives the presses and repeats due at now.
    void Pump(uint32_t now);

    TPadInput& Input() { return FInput; }
    size_t Count() const { return FOpen.size(); }
    // The device file of each open pad, empty where SDL knows none.
    std::vector<std::string> DeviceFiles() const;
    // Counts the pads opened and closed, so a change of them is seen cheaply.
    uint32_t Changes() const { return FChanges; }

private:
    struct TOpenPad {
        _SDL_GameController* controller;
        std::string file;
        int32_t x = 0, y = 0; // the left stick
    };
    void Open(int deviceIndex);
    void Close(int32_t instance);
    void Take(const SDL_Event& event, uint32_t now);

    TPadListener& FListener;
    TPadInput FInput;
    bool FStarted = false;
    uint32_t FChanges = 0;
    std::map<int32_t, TOpenPad> FOpen; // by SDL's instance id
};
