// The program's error box, and the guard every event handler of ours runs in:
// an error that escapes a handler is shown, and the program goes on.
#pragma once

#include <QString>

#include <exception>

class QWidget;

// The text shown for an error: its message, with a full stop added when the
// message ends in a character that sorts after ".".
QString ErrorBoxText(const QString& message);

// A modal message box captioned "Brindlex" with the error icon and one OK
// button, owned by the active window.
void ShowErrorBox(const QString& message);

// Shows the error that is being handled (call from a catch block).
void ShowCurrentException(std::exception_ptr error);

// Runs handler; an error it raises ends only this handler and is shown.
template <typename Handler> void Guarded(Handler&& handler) {
    try {
        handler();
    } catch (...) {
        ShowCurrentException(std::current_exception());
    }
}
