#include "ui/controller/PadKeys.h"

#include "core/Game.h"
#include "core/VirtualKeys.h"

uint16_t PadKey(TPadButton button, const TGame& game) {
    switch (button) {
    case TPadButton::Left:
        return VK_LEFT;
    case TPadButton::Right:
        return VK_RIGHT;
    case TPadButton::Down:
        return VK_DOWN;
    case TPadButton::A:
        return VK_CONTROL; // rotate down
    case TPadButton::B:
        return VK_SHIFT; // rotate up
    case TPadButton::Start:
        return game.GameRunning() ? VK_PAUSE : VK_SPACE;
    case TPadButton::Back:
        return VK_ESCAPE;
    }
    return 0;
}
