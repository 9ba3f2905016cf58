#include "ui/KeyMap.h"

#include "core/VirtualKeys.h"

#include <QKeyEvent>

uint16_t VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    // With Num Lock on the keypad sends digits; they have codes of their own.
    if (event.modifiers() & Qt::KeypadModifier && key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<uint16_t>(VK_NUMPAD0 + (key - Qt::Key_0));
    }
    // With Num Lock off keypad 5 sends Clear ("Begin" on X11); the other
    // keypad keys then arrive as the arrows, which act as keypad 4, 6, 2, 8 do.
    if (event.modifiers() & Qt::KeypadModifier && key == Qt::Key_Clear) {
        return VK_NUMPAD5;
    }
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
