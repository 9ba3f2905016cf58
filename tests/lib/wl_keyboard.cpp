// A keyboard for the tests on a wlroots compositor (sway): one virtual
// keyboard that lives as long as the test, with a whole ordinary layout
// (evdev, pc105, us), so a key arrives as from a real one: keypad keys with
// their Num Lock levels, Shift with its second level, the modifiers as the
// layout's own state machine sets them. A keyboard made for one key and gone
// after it loses presses, and a layout of single keysyms has no Num Lock.
//
// It reads commands from standard input, one a line, and answers each with
// "ok" once the compositor has taken its events ("error: ..." otherwise):
//   press KEY      release KEY      tap KEY...      type TEXT
// KEY is the key's name in the layout: LEFT, UP, KP4, KP8, ESC, SPCE, RTRN,
// LCTL, LFSH, PAUS, NMLK, AC01 ... TEXT is typed with Shift where the layout
// needs it.
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>
#include <sstream>
#include <string>

namespace {

struct TGlobals {
    wl_seat* Seat = nullptr;
    zwp_virtual_keyboard_manager_v1* Manager = nullptr;
};

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t /*version*/) {
    auto* globals = static_cast<TGlobals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->Seat == nullptr) {
        globals->Seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        globals->Manager = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    }
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener RegistryListener = {OnGlobal, OnGlobalRemove};

uint32_t NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

class TKeyboard {
public:
    TKeyboard(wl_display* display, zwp_virtual_keyboard_v1* keyboard, xkb_keymap* keymap)
        : FDisplay(display), FKeyboard(keyboard), FKeymap(keymap), FState(xkb_state_new(keymap)) {}
    ~TKeyboard() { xkb_state_unref(FState); }
    TKeyboard(const TKeyboard&) = delete;
    TKeyboard& operator=(const TKeyboard&) = delete;

    // The key of that name, or XKB_KEYCODE_INVALID.
    xkb_keycode_t KeyNamed(const std::string& name) const {
        return xkb_keymap_key_by_name(FKeymap, name.c_str());
    }

    void Send(xkb_keycode_t key, bool down) {
        // Wayland counts keys as the kernel does, eight below XKB.
        zwp_virtual_keyboard_v1_key(FKeyboard, NowMs(), key - 8,
                                    down ? WL_KEYBOARD_KEY_STATE_PRESSED
                                         : WL_KEYBOARD_KEY_STATE_RELEASED);
        xkb_state_update_key(FState, key, down ? XKB_KEY_DOWN : XKB_KEY_UP);
        const uint32_t depressed = xkb_state_serialize_mods(FState, XKB_STATE_MODS_DEPRESSED);
        const uint32_t latched = xkb_state_serialize_mods(FState, XKB_STATE_MODS_LATCHED);
        const uint32_t locked = xkb_state_serialize_mods(FState, XKB_STATE_MODS_LOCKED);
        const uint32_t group = xkb_state_serialize_layout(FState, XKB_STATE_LAYOUT_EFFECTIVE);
        if (depressed != FMods[0] || latched != FMods[1] || locked != FMods[2] ||
            group != FMods[3]) {
            zwp_virtual_keyboard_v1_modifiers(FKeyboard, depressed, latched, locked, group);
            FMods[0] = depressed, FMods[1] = latched, FMods[2] = locked, FMods[3] = group;
        }
    }

    // Types one character: false when the layout has no key for it.
    bool Type(char32_t character) {
        const xkb_keysym_t wanted = xkb_utf32_to_keysym(character);
        for (xkb_keycode_t key = xkb_keymap_min_keycode(FKeymap);
             key <= xkb_keymap_max_keycode(FKeymap); ++key) {
            for (xkb_level_index_t level = 0; level < 2; ++level) {
                const xkb_keysym_t* syms = nullptr;
                if (xkb_keymap_key_get_syms_by_level(FKeymap, key, 0, level, &syms) == 1 &&
                    syms[0] == wanted) {
                    const xkb_keycode_t shift = KeyNamed("LFSH");
                    if (level == 1) {
                        Send(shift, true);
                    }
                    Send(key, true);
                    Send(key, false);
                    if (level == 1) {
                        Send(shift, false);
                    }
                    return true;
                }
            }
        }
        return false;
    }

    // Waits until the compositor has handled every request sent so far.
    bool Settle() { return wl_display_roundtrip(FDisplay) >= 0; }

private:
    wl_display* FDisplay;
    zwp_virtual_keyboard_v1* FKeyboard;
    xkb_keymap* FKeymap;
    xkb_state* FState;
    uint32_t FMods[4] = {};
};

// The characters of UTF-8 text; a malformed byte stands for itself.
std::u32string Characters(const std::string& text) {
    std::u32string characters;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        characters += c;
        i += length;
    }
    return characters;
}

// Runs one command line; returns the error, empty when it went well.
std::string Run(TKeyboard& keyboard, const std::string& line) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "type") {
        const size_t start = line.find_first_not_of(' ', line.find("type") + 4);
        for (char32_t c : Characters(start == std::string::npos ? "" : line.substr(start))) {
            if (!keyboard.Type(c)) {
                return "no key types U+" + std::to_string(static_cast<uint32_t>(c));
            }
        }
        return {};
    }
    if (command != "press" && command != "release" && command != "tap") {
        return "unknown command '" + command + "'";
    }
    std::string name;
    while (words >> name) {
        const xkb_keycode_t key = keyboard.KeyNamed(name);
        if (key == XKB_KEYCODE_INVALID) {
            return "no key named " + name;
        }
        if (command != "release") {
            keyboard.Send(key, true);
        }
        if (command != "press") {
            keyboard.Send(key, false);
        }
    }
    return {};
}

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wl-keyboard: cannot connect to the Wayland display\n");
        return 1;
    }
    TGlobals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &RegistryListener, &globals);
    wl_display_roundtrip(display);
    if (globals.Seat == nullptr || globals.Manager == nullptr) {
        std::fprintf(stderr, "wl-keyboard: the compositor offers no seat or no virtual keyboard\n");
        return 1;
    }

    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    const xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap == nullptr) {
        std::fprintf(stderr, "wl-keyboard: the us layout does not compile\n");
        return 1;
    }
    // The layout travels as a file, which the compositor maps.
    char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("wl-keyboard-keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != static_cast<ssize_t>(size)) {
        std::perror("wl-keyboard: keymap");
        return 1;
    }
    std::free(text);

    zwp_virtual_keyboard_v1* virtualKeyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(globals.Manager, globals.Seat);
    zwp_virtual_keyboard_v1_keymap(virtualKeyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   static_cast<uint32_t>(size));
    close(fd);
    TKeyboard keyboard(display, virtualKeyboard, keymap);
    if (!keyboard.Settle()) {
        std::fprintf(stderr, "wl-keyboard: the compositor refused the keyboard\n");
        return 1;
    }

    std::string line;
    while (std::getline(std::cin, line)) {
        std::string error = Run(keyboard, line);
        if (!keyboard.Settle()) {
            std::fprintf(stderr, "wl-keyboard: the connection to the compositor broke\n");
            return 1;
        }
        std::cout << (error.empty() ? "ok" : "error: " + error) << std::endl;
    }
    zwp_virtual_keyboard_v1_destroy(virtualKeyboard);
    zwp_virtual_keyboard_manager_v1_destroy(globals.Manager);
    wl_seat_destroy(globals.Seat);
    wl_registry_destroy(registry);
    wl_display_roundtrip(display);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    wl_display_disconnect(display);
    return 0;
}
