#include "ui/FreshKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// The key a press or release belongs to: its scan code where the platform
// gives one, so that Shift does not make a held "a" another key.
quint64 KeyIdentity(const QKeyEvent& event) {
    return event.nativeScanCode() != 0 ? (quint64{1} << 32) | event.nativeScanCode()
                                       : static_cast<quint64>(event.key());
}

} // namespace

TFreshKeys::TFreshKeys(QWidget* window) : QObject(window), FWindow(window) {
    // Keys go to the focus widget, which may be any widget of the window.
    qApp->installEventFilter(this);
}

bool TFreshKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate && watched == FWindow) {
        FPressedHere.clear();
        FLastRelease = {};
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != FWindow && !FWindow->isAncestorOf(widget))) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const quint64 identity = KeyIdentity(key);
    if (key.isAutoRepeat()) {
        return !FPressedHere.contains(identity);
    }
    if (type == QEvent::KeyRelease) {
        FLastRelease = {identity, key.timestamp(), FPressedHere.remove(identity)};
        return false;
    }
    const bool repeatOfTheRelease = key.timestamp() != 0 && FLastRelease.identity == identity &&
                                    FLastRelease.timestamp == key.timestamp();
    if (repeatOfTheRelease && !FLastRelease.pressedHere) {
        return true;
    }
    if (type == QEvent::KeyPress) {
        FPressedHere.insert(identity);
    }
    return false;
}
