#include "ui/MenuBar.h"

#include <QMenu>
#include <QStyleOptionMenuItem>

#include <algorithm>

TMenuBar::TMenuBar(QWidget* window) : QMenuBar(window) {}

bool TMenuBar::InUse() const {
    // A menu of the bar is a popup that stays open between two passes of the
    // event loop.
    const auto items = actions();
    return HoldsKeyboard() || std::any_of(items.begin(), items.end(), [](const QAction* item) {
               return item->menu() != nullptr && item->menu()->isVisible();
           });
}

void TMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenuBar::initStyleOption(option, action);
    // Drawn as the title of an open menu, which every style highlights.
    if (HoldsKeyboard() && (option->state & QStyle::State_Selected)) {
        option->state |= QStyle::State_Sunken;
    }
}
