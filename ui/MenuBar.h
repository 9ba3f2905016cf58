// The game window's menu bar, which holds the game while it is in use.
#pragma once

#include <QMenuBar>

// Qt's menu bar keeps the keyboard after a menu of it has closed with Esc,
// and takes it at a lone tap of Alt: the arrows then move between its titles
// and Down or Enter opens a menu, as on the original platform, where the bar
// shows it by its highlighted title and the game stands still in the menu's
// loop. Some styles (Fusion among them) draw a title highlighted only while
// its menu is open; this bar highlights it whenever it holds the keyboard.
// Esc gives the keyboard back, and so does a click in the well or the panel:
// the click gives the focus to the game window, which takes keys from clicks
// too, and the bar leaves its keyboard mode as it loses the focus.
class TMenuBar : public QMenuBar {
public:
    explicit TMenuBar(QWidget* window);

    // A menu of the bar is open, or the bar holds the keyboard.
    bool InUse() const;
    // The bar holds the keyboard: the window's keys go to it.
    bool HoldsKeyboard() const { return hasFocus(); }

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};
