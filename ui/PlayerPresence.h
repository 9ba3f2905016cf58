// Whether the player is at the game: the program is the active one (its game
// window or any other window of its own has the keyboard) and the game window
// is not minimised.
#pragma once

#include <QObject>

class QWidget;

class TPlayerPresence : public QObject {
    Q_OBJECT

public:
    explicit TPlayerPresence(QWidget& gameWindow);

    bool Present() const { return FPresent; }

signals:
    // Sent when the player leaves (another program became active, the game
    // window was minimised) and when the player comes back.
    void PresenceChanged(bool present);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Update();

    QWidget& FGameWindow;
    bool FProgramActive;
    bool FPresent;
};
