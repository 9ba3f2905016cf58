// The key codes the game understands: the Windows virtual-key codes, which
// the window translates every key press into.
#pragma once

#include <cstdint>

constexpr uint16_t VK_TAB = 9;
constexpr uint16_t VK_CLEAR = 12; // the Clear key
constexpr uint16_t VK_RETURN = 13;
constexpr uint16_t VK_SHIFT = 16;
constexpr uint16_t VK_CONTROL = 17;
constexpr uint16_t VK_MENU = 18; // Alt
constexpr uint16_t VK_PAUSE = 19;
constexpr uint16_t VK_ESCAPE = 27;
constexpr uint16_t VK_SPACE = 32;
constexpr uint16_t VK_PRIOR = 33; // Page Up
constexpr uint16_t VK_NEXT = 34;  // Page Down
constexpr uint16_t VK_END = 35;
constexpr uint16_t VK_HOME = 36;
constexpr uint16_t VK_LEFT = 37;
constexpr uint16_t VK_UP = 38;
constexpr uint16_t VK_RIGHT = 39;
constexpr uint16_t VK_DOWN = 40;
constexpr uint16_t VK_INSERT = 45;
constexpr uint16_t VK_DELETE = 46;
constexpr uint16_t VK_NUMPAD0 = 96;
constexpr uint16_t VK_NUMPAD2 = 98;
constexpr uint16_t VK_NUMPAD4 = 100;
constexpr uint16_t VK_NUMPAD5 = 101;
constexpr uint16_t VK_NUMPAD6 = 102;
constexpr uint16_t VK_NUMPAD8 = 104;
