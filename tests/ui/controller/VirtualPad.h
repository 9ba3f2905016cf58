// A game controller that exists only inside the test: SDL's virtual pad, its
// buttons and axes numbered as SDL's game-controller buttons and axes. SDL's
// game-controller subsystem must be up (a TGamePads or a TController).
#pragma once

#include <SDL.h>

#include <stdexcept>

class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Virtual pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        FJoystick = index < 0 ? nullptr : SDL_JoystickOpen(index);
        if (FJoystick == nullptr) {
            throw std::runtime_error(SDL_GetError());
        }
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    void Button(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(FJoystick, button, down ? 1 : 0);
    }
    void Axis(SDL_GameControllerAxis axis, int value) {
        SDL_JoystickSetVirtualAxis(FJoystick, axis, static_cast<Sint16>(value));
    }
    void Stick(int x, int y) {
        Axis(SDL_CONTROLLER_AXIS_LEFTX, x);
        Axis(SDL_CONTROLLER_AXIS_LEFTY, y);
    }
    void Unplug() {
        if (FJoystick == nullptr) {
            return;
        }
        const SDL_JoystickID id = SDL_JoystickInstanceID(FJoystick);
        SDL_JoystickClose(FJoystick);
        FJoystick = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) {
                SDL_JoystickDetachVirtual(i);
                return;
            }
        }
    }

private:
    SDL_Joystick* FJoystick = nullptr;
};
