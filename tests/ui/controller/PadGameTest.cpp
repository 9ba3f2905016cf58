// The game controller on the scripted host: SDL's virtual pad, read in every
// dispatch of events on the virtual clock, its presses going to the game as
// its keys.
#include "core/VirtualKeys.h"
#include "tests/core/ScriptedHost.h"
#include "tests/ui/controller/VirtualPad.h"
#include "ui/controller/GamePads.h"
#include "ui/controller/PadKeys.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Reads the pads in every dispatch of events, as the game window does when
// something happened to a pad; a press goes to the game as its key.
class PadHost : public ScriptedHost, public TPadListener {
public:
    TGamePads Pads{*this};
    std::vector<std::pair<uint64_t, TPadButton>> Presses; // at virtual time

    void ProcessMessages() override {
        ScriptedHost::ProcessMessages();
        Pads.Pump(GetTickCount());
    }
    void PadPressed(TPadButton button) override {
        Presses.emplace_back(Now(), button);
        FormKeyDown(PadKey(button, *this));
    }
    void LastPadUnplugged() override { PauseIfPlaying(); }

    std::vector<TPadButton> Pressed() const {
        std::vector<TPadButton> buttons;
        for (const auto& [at, button] : Presses) {
            buttons.push_back(button);
        }
        return buttons;
    }
};

struct Effect {
    int32_t col, row;
    uint8_t top, middle, bottom;
    uint32_t score;
    bool paused, stopped;
    bool operator==(const Effect&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Effect& e) {
    return out << "col " << e.col << " row " << e.row << " trio " << int(e.top) << int(e.middle)
               << int(e.bottom) << " score " << e.score << " paused " << e.paused << " stopped "
               << e.stopped;
}

Effect Observe() {
    return {PieceCol,        PieceRow, CurrentPiece[0], CurrentPiece[1],
            CurrentPiece[2], Score,    Paused,          GameOver};
}

// A running game whose trio 1, 2, 3 waits at the spawn place; the pad does
// press at 100 ms, and what changed is taken at 130 ms, or when the game ended.
Effect PadInRunningGame(const std::function<void(VirtualPad&)>& press) {
    PadHost host;
    VirtualPad pad;
    std::optional<Effect> effect;
    host.At(0, [] {
        CurrentPiece[0] = 1;
        CurrentPiece[1] = 2;
        CurrentPiece[2] = 3;
    });
    host.At(100, [&] { press(pad); });
    host.At(130, [&] {
        effect = Observe();
        GameOver = true;
    });
    host.NewGame();
    return effect.value_or(Observe());
}

std::function<void(VirtualPad&)> Press(SDL_GameControllerButton button) {
    return [button](VirtualPad& pad) { pad.Button(button, true); };
}

std::function<void(VirtualPad&)> Push(int x, int y) {
    return [x, y](VirtualPad& pad) { pad.Stick(x, y); };
}

} // namespace

TEST(Pad, EveryControlActsAsItsKey) {
    const Effect spawn{4, -2, 1, 2, 3, 0, false, false};
    const Effect left{3, -2, 1, 2, 3, 0, false, false};
    const Effect right{5, -2, 1, 2, 3, 0, false, false};
    const Effect down{4, -1, 1, 2, 3, 1, false, false};
    const struct {
        const char* what;
        std::function<void(VirtualPad&)> press;
        Effect effect;
    } cases[] = {
        {"d-pad left", Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT), left},
        {"stick left", Push(-32768, 0), left},
        {"d-pad right", Press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT), right},
        {"stick right", Push(32767, 0), right},
        {"d-pad down", Press(SDL_CONTROLLER_BUTTON_DPAD_DOWN), down},
        {"stick down", Push(0, 32767), down},
        {"A rotates down", Press(SDL_CONTROLLER_BUTTON_A), {4, -2, 3, 1, 2, 0, false, false}},
        {"B rotates up", Press(SDL_CONTROLLER_BUTTON_B), {4, -2, 2, 3, 1, 0, false, false}},
        {"Start pauses", Press(SDL_CONTROLLER_BUTTON_START), {4, -2, 1, 2, 3, 0, true, false}},
        {"Back ends the game", Press(SDL_CONTROLLER_BUTTON_BACK), {4, -2, 1, 2, 3, 0, false, true}},
        {"d-pad up", Press(SDL_CONTROLLER_BUTTON_DPAD_UP), spawn},
        {"stick up", Push(0, -32768), spawn},
        {"X", Press(SDL_CONTROLLER_BUTTON_X), spawn},
        {"Y", Press(SDL_CONTROLLER_BUTTON_Y), spawn},
        {"a shoulder", Press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER), spawn},
        {"the guide button", Press(SDL_CONTROLLER_BUTTON_GUIDE), spawn},
        {"the right stick", [](VirtualPad& pad) { pad.Axis(SDL_CONTROLLER_AXIS_RIGHTX, -32768); },
         spawn},
        {"a trigger", [](VirtualPad& pad) { pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767); },
         spawn},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PadInRunningGame(c.press), c.effect) << c.what;
    }
}

// Start is Space without a game and Pause in one; Back is Esc, so it does
// nothing while the game is paused.
TEST(Pad, StartPlaysPausesAndResumesAndBackEndsTheGame) {
    PadHost host;
    VirtualPad pad;
    const auto tap = [&](uint64_t at, SDL_GameControllerButton button) {
        host.At(at, [&pad, button] { pad.Button(button, true); });
        host.At(at + 20, [&pad, button] { pad.Button(button, false); });
    };
    host.At(50, [&] { pad.Button(SDL_CONTROLLER_BUTTON_START, false); });
    tap(100, SDL_CONTROLLER_BUTTON_START);
    host.At(150, [] { EXPECT_TRUE(Paused); });
    tap(200, SDL_CONTROLLER_BUTTON_BACK);
    host.At(250, [] { EXPECT_FALSE(GameOver) << "Back while paused"; });
    tap(300, SDL_CONTROLLER_BUTTON_START);
    host.At(350, [] { EXPECT_FALSE(Paused); });
    tap(400, SDL_CONTROLLER_BUTTON_BACK);

    host.Pads.Pump(host.GetTickCount()); // the pad is plugged in
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    host.Pads.Pump(host.GetTickCount()); // the whole game runs in here
    EXPECT_EQ(host.CallsStartingWith("menu game").size(), 1u);
    EXPECT_FALSE(host.GameRunning());
    using B = TPadButton;
    EXPECT_EQ(host.Pressed(), (std::vector{B::Start, B::Start, B::Back, B::Start, B::Back}));
}

// A held direction repeats after 300 ms, then every 40 ms, each at the first
// dispatch of events after it falls due; only the one pressed last repeats.
TEST(Pad, AHeldDirectionRepeatsOnTheClock) {
    PadHost host;
    VirtualPad pad;
    host.At(100, [&] { pad.Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true); });
    host.At(200,
            [&] { pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true); }); // and released at once
    host.At(230, [&] { pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false); });
    host.At(250, [&] { pad.Stick(0, 32767); }); // the stick too: pressed last
    host.At(700, [&] { pad.Stick(0, 0); });
    host.At(900, [&] { GameOver = true; });
    host.NewGame();

    using B = TPadButton;
    ASSERT_GE(host.Presses.size(), 4u);
    EXPECT_EQ(host.Presses[0].second, B::Down);
    EXPECT_EQ(host.Presses[1].second, B::Left);
    EXPECT_EQ(host.Presses[2].second, B::Down);
    const uint64_t pressed = host.Presses[2].first; // the stick, at the turn after 250 ms
    uint64_t due = pressed + PadRepeatDelay;
    size_t repeats = 0;
    for (size_t k = 3; k < host.Presses.size(); ++k, due += PadRepeatInterval) {
        const auto [at, button] = host.Presses[k];
        EXPECT_EQ(button, B::Down);
        EXPECT_GE(at, due) << "repeat " << k - 2;
        EXPECT_LT(at, due + 15) << "repeat " << k - 2; // one turn of the drop loop
        ++repeats;
    }
    // From 250 ms the stick was held until 700 ms: repeats due from 550 ms on.
    EXPECT_EQ(repeats, (700 - (pressed + PadRepeatDelay)) / PadRepeatInterval + 1);
    // Each drop that moved the trio scored; the d-pad's Down held meanwhile did not repeat.
    EXPECT_EQ(Score, host.Presses.size() - 1);
}

// The stick is pushed through these places, one axis at a time as a stick
// reports them; each place is read before the next.
TEST(Pad, TheStickHasADeadZoneAndGivesOneDirectionAtATime) {
    using B = TPadButton;
    const struct {
        const char* what;
        std::vector<std::pair<int, int>> places;
        std::vector<B> presses;
    } cases[] = {
        {"a cheap pad's drift at rest", {{-6000, 3000}, {7000, -5000}, {0, 0}}, {}},
        {"just under half its travel", {{-16383, 0}, {0, 16383}, {0, 0}}, {}},
        {"half its travel, then held a little less far",
         {{-16384, 0}, {-13000, 0}, {-16384, 0}, {-12288, 0}},
         {B::Left}},
        {"let go below three eighths, then pushed again",
         {{20000, 0}, {12287, 0}, {20000, 0}},
         {B::Right, B::Right}},
        {"round from left to down", {{-32767, 0}, {-23170, 23170}, {0, 32767}}, {B::Left, B::Down}},
        {"along the diagonal it keeps its direction",
         {{-23170, 0}, {-23170, 23170}, {-23170, 26000}, {-23170, 23170}, {-23170, 26000}},
         {B::Left}},
        {"up does nothing, and on to the diagonal it stays up",
         {{0, -32767}, {-32767, -32767}},
         {}},
        {"from up round to left", {{0, -32767}, {-32767, -4000}}, {B::Left}},
    };
    for (const auto& c : cases) {
        PadHost host;
        VirtualPad pad;
        host.Pads.Pump(host.GetTickCount());
        for (const auto& [x, y] : c.places) {
            pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, x);
            host.Pads.Pump(host.GetTickCount());
            pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, y);
            host.Pads.Pump(host.GetTickCount());
        }
        EXPECT_EQ(host.Pressed(), c.presses) << c.what;
    }
}

// Plugged in during a game, a pad plays at once; unplugged, it changes nothing
// else, unless it was the last one: then the game pauses.
TEST(Pad, PadsComeAndGoDuringAGame) {
    PadHost host;
    std::optional<VirtualPad> first, second;
    host.At(100, [&] { first.emplace(); });
    host.At(150, [&] { first->Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true); });
    host.At(200, [&] {
        EXPECT_EQ(PieceCol, 3);
        second.emplace();
    });
    host.At(250, [&] { first->Unplug(); }); // with Left held
    host.At(300, [&] {
        EXPECT_FALSE(Paused);
        second->Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    });
    host.At(350, [&] {
        EXPECT_EQ(PieceCol, 4);
        second->Unplug();
    });
    host.At(400, [&] {
        EXPECT_TRUE(Paused);
        host.mniAbortClick();
    });
    host.NewGame();
    EXPECT_EQ(host.Presses.size(), 2u) << "no repeat of a pad that is gone";
}

// While the player is away (another program active) the pad does nothing,
// and what was held then acts only once let go and pressed again.
TEST(Pad, NothingActsWhileThePlayerIsAway) {
    PadHost host;
    VirtualPad pad;
    host.Pads.Input().SetPresent(false);
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    host.Pads.Pump(host.GetTickCount());
    EXPECT_FALSE(host.GameRunning());
    EXPECT_TRUE(host.Calls.empty());
    pad.Button(SDL_CONTROLLER_BUTTON_START, false);
    host.Pads.Input().SetPresent(true);

    host.At(100, [&] { host.Pads.Input().SetPresent(false); });
    host.At(150, [&] {
        pad.Button(SDL_CONTROLLER_BUTTON_START, true);
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    });
    host.At(200, [&] { pad.Button(SDL_CONTROLLER_BUTTON_START, false); });
    host.At(250, [&] {
        EXPECT_FALSE(Paused);
        EXPECT_EQ(PieceCol, 4);
        host.Pads.Input().SetPresent(true);
    });
    host.At(650,
            [&] {
                EXPECT_EQ(PieceCol, 4)
                    << "Left, held since the player was away, neither acted nor repeated";
                pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
            });
    host.At(700, [&] { pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true); });
    host.At(750, [&] {
        EXPECT_EQ(PieceCol, 3);
        GameOver = true;
    });
    // The game starts from the keyboard: the pad pressed nothing so far.
    host.FormKeyDown(VK_SPACE);
    EXPECT_EQ(host.Pressed(), std::vector{TPadButton::Left});
}
