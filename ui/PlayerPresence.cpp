#include "ui/PlayerPresence.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

TPlayerPresence::TPlayerPresence(QWidget& gameWindow)
    : QObject(&gameWindow), FGameWindow(gameWindow),
      FProgramActive(QGuiApplication::applicationState() == Qt::ApplicationActive),
      FPresent(FProgramActive && !gameWindow.isMinimized()) {
    // The program as a whole: a window of its own taking the keyboard from
    // the game window (settings, high scores, a dialog) keeps it active.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                FProgramActive = state == Qt::ApplicationActive;
                Update();
            });
    gameWindow.installEventFilter(this);
}

bool TPlayerPresence::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &FGameWindow && event->type() == QEvent::WindowStateChange) {
        Update();
    }
    return false;
}

void TPlayerPresence::Update() {
    const bool present = FProgramActive && !FGameWindow.isMinimized();
    if (present != FPresent) {
        FPresent = present;
        emit PresenceChanged(present);
    }
}
