#include "ui/controller/GamePads.h"

#include <SDL.h>

#include <optional>

namespace {

std::optional<TPadControl> ControlOf(uint8_t button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return TPadControl::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return TPadControl::DpadRight;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return TPadControl::DpadDown;
    case SDL_CONTROLLER_BUTTON_A:
        return TPadControl::A;
    case SDL_CONTROLLER_BUTTON_B:
        return TPadControl::B;
    case SDL_CONTROLLER_BUTTON_START:
        return TPadControl::Start;
    case SDL_CONTROLLER_BUTTON_BACK:
        return TPadControl::Back;
    default:
        return std::nullopt;
    }
}

} // namespace

TGamePads::TGamePads(TPadListener& listener) : FListener(listener), FInput(listener) {
    // Ctrl+C and the program's other signals stay the program's own.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // SDL's own USB drivers read pads that report many times a second even
    // at rest, and would wake the program as often; the kernel's drivers
    // report changes only. A player's SDL_JOYSTICK_HIDAPI=1 still wins.
    SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    FStarted = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

TGamePads::~TGamePads() {
    for (auto& [instance, pad] : FOpen) {
        SDL_GameControllerClose(pad.controller);
    }
    if (FStarted) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

void TGamePads::Pump(uint32_t now) {
    if (!FStarted) {
        return;
    }
    // Reads the devices and notices pads plugged in or out; nothing of SDL
    // but its joysticks and controllers.
    SDL_GameControllerUpdate();
    // One event at a time: a press may play a whole game, which pumps anew
    // from inside. The joystick events under the controller events go too,
    // or they would fill SDL's queue; whatever else is queued is left.
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_JOYAXISMOTION, SDL_FINGERDOWN - 1) == 1) {
        Take(event, now);
    }
    FInput.Repeat(now);
}

void TGamePads::Take(const SDL_Event& event, uint32_t now) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        Open(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        Close(event.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (const auto control = ControlOf(event.cbutton.button);
            control && FOpen.count(event.cbutton.which) != 0) {
            FInput.Button(event.cbutton.which, *control, event.type == SDL_CONTROLLERBUTTONDOWN,
                          now);
        }
        break;
    case SDL_CONTROLLERAXISMOTION: {
        const auto pad = FOpen.find(event.caxis.which);
        if (pad == FOpen.end()) {
            break;
        }
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
            pad->second.x = event.caxis.value;
        } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
            pad->second.y = event.caxis.value;
        } else {
            break;
        }
        FInput.Stick(event.caxis.which, pad->second.x, pad->second.y, now);
        break;
    }
    default:
        break;
    }
}

void TGamePads::Open(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        return;
    }
    const SDL_JoystickID instance =
        SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (FOpen.count(instance) != 0) {
        SDL_GameControllerClose(controller); // opened twice: SDL counts each open
        return;
    }
    const char* file = SDL_GameControllerPath(controller);
    FOpen.emplace(instance, TOpenPad{controller, file != nullptr ? file : ""});
    ++FChanges;
}

void TGamePads::Close(int32_t instance) {
    const auto pad = FOpen.find(instance);
    if (pad == FOpen.end()) {
        return;
    }
    SDL_GameControllerClose(pad->second.controller);
    FOpen.erase(pad);
    ++FChanges;
    FInput.Unplugged(instance);
    if (FOpen.empty()) {
        FListener.LastPadUnplugged();
    }
}

std::vector<std::string> TGamePads::DeviceFiles() const {
    std::vector<std::string> files;
    for (const auto& [instance, pad] : FOpen) {
        files.push_back(pad.file);
    }
    return files;
}
