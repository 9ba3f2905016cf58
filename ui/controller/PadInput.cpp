#include "ui/controller/PadInput.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool IsDirection(TPadButton button) {
    return button == TPadButton::Left || button == TPadButton::Right || button == TPadButton::Down;
}

// True once the tick count has reached due, across its wrap as well.
bool Reached(uint32_t now, uint32_t due) {
    return static_cast<int32_t>(now - due) >= 0;
}

} // namespace

void TPadInput::Button(int32_t pad, TPadControl control, bool down, uint32_t now) {
    static constexpr TPadButton Buttons[] = {TPadButton::Left, TPadButton::Right, TPadButton::Down,
                                             TPadButton::A,    TPadButton::B,     TPadButton::Start,
                                             TPadButton::Back};
    if (control == TPadControl::Stick) {
        return;
    }
    Hold(pad, control, down ? std::optional(Buttons[static_cast<size_t>(control)]) : std::nullopt,
         now);
}

TPadInput::TStickWay TPadInput::StickWay(int32_t x, int32_t y, TStickWay current) {
    const auto along = [x, y](TStickWay way) {
        switch (way) {
        case TStickWay::Left:
            return -x;
        case TStickWay::Right:
            return x;
        case TStickWay::Down:
            return y;
        case TStickWay::Up:
            return -y;
        case TStickWay::None:
            break;
        }
        return 0;
    };
    const TStickWay strongest = std::abs(x) >= std::abs(y)
                                    ? (x < 0 ? TStickWay::Left : TStickWay::Right)
                                    : (y < 0 ? TStickWay::Up : TStickWay::Down);
    if (current != TStickWay::None && along(current) >= StickRelease &&
        along(strongest) < along(current) + StickSwitch) {
        return current;
    }
    return along(strongest) >= StickPress ? strongest : TStickWay::None;
}

void TPadInput::Stick(int32_t pad, int32_t x, int32_t y, uint32_t now) {
    TPad& state = FPads[pad];
    const TStickWay way = StickWay(x, y, state.way);
    if (way == state.way) {
        return;
    }
    state.way = way;
    // Up moves nothing, as the Up key does nothing.
    std::optional<TPadButton> button;
    if (way == TStickWay::Left) {
        button = TPadButton::Left;
    } else if (way == TStickWay::Right) {
        button = TPadButton::Right;
    } else if (way == TStickWay::Down) {
        button = TPadButton::Down;
    }
    Hold(pad, TPadControl::Stick, button, now);
}

void TPadInput::Hold(int32_t pad, TPadControl control, std::optional<TPadButton> button,
                     uint32_t now) {
    THeld& held = FPads[pad].controls[static_cast<size_t>(control)];
    if (held.button == button) {
        return;
    }
    if (FRepeat && FRepeat->pad == pad && FRepeat->control == control) {
        FRepeat.reset();
    }
    held.button = button;
    held.live = button && FPresent;
    if (!held.live) {
        return;
    }
    // As with keys, the direction pressed last is the one that repeats.
    if (IsDirection(*button)) {
        FRepeat = TRepeat{pad, control, *button, now + PadRepeatDelay};
    }
    // Last: the press may play a whole game before it returns.
    FListener.PadPressed(*button);
}

void TPadInput::Unplugged(int32_t pad) {
    FPads.erase(pad);
    if (FRepeat && FRepeat->pad == pad) {
        FRepeat.reset();
    }
}

void TPadInput::SetPresent(bool present) {
    FPresent = present;
    FRepeat.reset();
    for (auto& [id, pad] : FPads) {
        for (THeld& held : pad.controls) {
            held.live = false;
        }
    }
}

void TPadInput::Repeat(uint32_t now) {
    if (!FRepeat || !Reached(now, FRepeat->due)) {
        return;
    }
    const TPadButton button = FRepeat->button;
    FRepeat->due += PadRepeatInterval;
    // After a hold (a modal dialog, a long cascade) the repeats go on from
    // now instead of catching up in a burst.
    if (Reached(now, FRepeat->due)) {
        FRepeat->due = now + PadRepeatInterval;
    }
    FListener.PadPressed(button);
}

std::optional<uint32_t> TPadInput::NextRepeat() const {
    if (!FRepeat) {
        return std::nullopt;
    }
    return FRepeat->due;
}
