// Keys held from before are not the player's input to a window: a key still
// held as a window opens, or as the player comes back to it, goes on
// repeating into it.
#pragma once

#include <QObject>
#include <QSet>

class QWidget;

// Drops, for a window and everything in it, the repeats of every key that has
// not been pressed there since the window last became active, until that key
// is let go; a fresh press acts at once. A key pressed in the window and held
// while the player leaves it counts as let go on the return.
class TFreshKeys : public QObject {
public:
    explicit TFreshKeys(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* FWindow;
    QSet<quint64> FPressedHere;
    // The last release: on X a repeat comes as a release and a press of one
    // moment, and a pair that comes too fast to be told apart arrives as if
    // the key had been let go and pressed again.
    struct {
        quint64 identity = 0;
        quint64 timestamp = 0;
        bool pressedHere = false;
    } FLastRelease;
};
