// Placing a window in the middle of a screen.
#pragma once

class QScreen;
class QWidget;

// Moves the top-level window so that it stands in the middle of the screen's
// available area (without panels); nothing without a screen. Before the
// window is first shown its frame is not known yet, so it can be off by the
// few pixels of the frame.
void CentreOnScreen(QWidget* window, const QScreen* screen);
