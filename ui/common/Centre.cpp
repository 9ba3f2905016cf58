#include "ui/common/Centre.h"

#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget* window, const QScreen* screen) {
    if (screen != nullptr) {
        window->move(window->pos() + screen->availableGeometry().center() -
                     window->frameGeometry().center());
    }
}
