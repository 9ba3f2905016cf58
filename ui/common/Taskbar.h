// Keeping a window out of the taskbar.
#pragma once

class QWidget;

// Asks the window manager to leave the top-level window out of the taskbar
// and the window switcher, where the window system lets a program ask (the
// skip-taskbar state on X11; Wayland has none). Call it as the window is
// about to be shown (in its show event): a window manager drops the state
// when the window is hidden.
void KeepOutOfTaskbar(QWidget* window);
