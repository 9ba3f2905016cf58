#include "ui/KeyMap.h"

#include "core/VirtualKeys.h"

#include <QKeyEvent>

#include <iterator>

namespace {

// The keypad's keys by their XKB keysym, which Qt gives as the native virtual
// key on X11 and on Wayland (its keypad modifier comes on X11 only). Each key
// gives the code of its digit whatever the state of Num Lock: with Num Lock
// off keypad 8 sends KP_Up and keypad 5 KP_Begin, and they rotate the trio
// all the same, while the arrow keys keep codes of their own.
constexpr uint32_t XK_KP_0 = 0xffb0;
constexpr uint32_t XK_KP_9 = 0xffb9;
constexpr uint32_t XK_KP_Home = 0xff95;   // keypad 7 with Num Lock off
constexpr uint32_t XK_KP_Insert = 0xff9e; // keypad 0 with Num Lock off
// The digits of the keys KP_Home, KP_Left, KP_Up, KP_Right, KP_Down,
// KP_Prior, KP_Next, KP_End, KP_Begin and KP_Insert, in keysym order.
constexpr uint8_t KeypadDigitWithoutNumLock[] = {7, 4, 8, 6, 2, 9, 3, 1, 5, 0};
static_assert(std::size(KeypadDigitWithoutNumLock) == XK_KP_Insert - XK_KP_Home + 1);

} // namespace

uint16_t VirtualKeyOf(const QKeyEvent& event) {
    const uint32_t keysym = event.nativeVirtualKey();
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) {
        return static_cast<uint16_t>(VK_NUMPAD0 + (keysym - XK_KP_0));
    }
    if (keysym >= XK_KP_Home && keysym <= XK_KP_Insert) {
        return static_cast<uint16_t>(VK_NUMPAD0 + KeypadDigitWithoutNumLock[keysym - XK_KP_Home]);
    }
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<uint16_t>('A' + (key - Qt::Key_A));
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<uint16_t>('0' + (key - Qt::Key_0));
    }
    switch (key) {
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Clear:
        return VK_CLEAR;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        return 0;
    }
}
