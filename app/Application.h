// The application object: the last line of the general error handler.
#pragma once

#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    // Every event is dispatched here; an error that escapes its handler is
    // shown, and the program goes on with the next event.
    bool notify(QObject* receiver, QEvent* event) override;
};
