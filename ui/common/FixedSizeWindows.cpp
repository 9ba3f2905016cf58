#include "ui/common/FixedSizeWindows.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

bool TFixedSizeWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->minimumSize() == window->maximumSize() &&
            window->windowState() & Qt::WindowMaximized) {
            // Once the change has been handled: the window and the platform
            // agree on the state again before it is undone.
            QMetaObject::invokeMethod(
                window,
                [window = QPointer<QWidget>(window)] {
                    if (window) {
                        window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
                    }
                },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}
