#include "ui/common/FixedSizeWindows.h"

#include <QEvent>
#include <QWidget>

bool TFixedSizeWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->minimumSize() == window->maximumSize() &&
            window->windowState() & Qt::WindowMaximized) {
            // Once the change has been handled, so that the window and the
            // platform agree on the state before it is undone; not at all
            // for a window that is gone by then.
            QMetaObject::invokeMethod(
                window,
                [window] { window->setWindowState(window->windowState() & ~Qt::WindowMaximized); },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}
