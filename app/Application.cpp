#include "app/Application.h"

#include "ui/common/ErrorBox.h"
#include "ui/common/FixedSizeWindows.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Brindlex"));
    // Lets a Wayland desktop match the window to its menu entry and icon.
    setDesktopFileName(QStringLiteral("io.github.brindlex.Brindlex"));
    // The main window ends the program itself, also while other windows show.
    setQuitOnLastWindowClosed(false);
    installEventFilter(new TFixedSizeWindows(this));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException(std::current_exception());
        return false;
    }
}
