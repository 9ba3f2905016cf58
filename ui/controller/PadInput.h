// What the game controller's controls mean before the game is asked: the
// d-pad and the left stick give directions, which repeat while held as a held
// key does; the stick has a dead zone; and nothing acts that was pressed while
// the player was away.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>

// The presses the game and its dialogs take from a controller.
enum class TPadButton : uint8_t { Left, Right, Down, A, B, Start, Back };

// The controls of one pad that give them; the stick gives one direction at a time.
enum class TPadControl : uint8_t { DpadLeft, DpadRight, DpadDown, A, B, Start, Back, Stick };

// A held direction repeats as a held key does on the desktop: a first repeat
// after 300 ms, then 25 a second.
constexpr uint32_t PadRepeatDelay = 300;
constexpr uint32_t PadRepeatInterval = 40;

// The stick counts as pushed from half its travel and as let go below three
// eighths of it, so that a cheap pad's drift at rest never moves the trio and
// a stick held near the threshold does not chatter. Pushed between two
// directions, it keeps the one it has until the other is ahead by an eighth.
constexpr int32_t StickPress = 16384;
constexpr int32_t StickRelease = 12288;
constexpr int32_t StickSwitch = 4096;

class TPadListener {
public:
    virtual ~TPadListener() = default;
    // A press, or a repeat of a held direction.
    virtual void PadPressed(TPadButton button) = 0;
    // The last controller was unplugged.
    virtual void LastPadUnplugged() = 0;
};

class TPadInput {
public:
    explicit TPadInput(TPadListener& listener) : FListener(listener) {}

    // A button of a pad went down or up; pad is any number that tells the pads apart.
    void Button(int32_t pad, TPadControl control, bool down, uint32_t now);
    // The left stick of a pad stands at (x, y): -32768 to 32767, y pointing down.
    void Stick(int32_t pad, int32_t x, int32_t y, uint32_t now);
    void Unplugged(int32_t pad);
    // While the player is away nothing acts, and whatever is held when the
    // player leaves or comes back acts only once let go and pressed again.
    void SetPresent(bool present);
    bool Present() const { return FPresent; }

    // Gives the repeat of the held direction if it is due at now.
    void Repeat(uint32_t now);
    // The tick count at which the next repeat is due, if a direction is held.
    std::optional<uint32_t> NextRepeat() const;

private:
    enum class TStickWay : uint8_t { None, Left, Right, Down, Up };
    struct THeld {
        std::optional<TPadButton> button;
        bool live = false; // pressed while the player was there
    };
    struct TPad {
        std::array<THeld, static_cast<size_t>(TPadControl::Stick) + 1> controls;
        TStickWay way = TStickWay::None;
    };
    struct TRepeat {
        int32_t pad;
        TPadControl control;
        TPadButton button;
        uint32_t due;
    };

    static TStickWay StickWay(int32_t x, int32_t y, TStickWay current);
    void Hold(int32_t pad, TPadControl control, std::optional<TPadButton> button, uint32_t now);

    TPadListener& FListener;
    std::map<int32_t, TPad> FPads;
    std::optional<TRepeat> FRepeat;
    bool FPresent = true;
};
