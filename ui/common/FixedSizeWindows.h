// Windows of one size stay out of the maximized state.
#pragma once

#include <QObject>

// Installed on the application, it gives every window whose size is fixed
// its normal state back when something maximizes it. Where the compositor
// draws no frames (GNOME, weston), Qt 6.4's own frame offers a maximize
// button on every window whatever its flags; on weston that puts the window
// in a maximized state, the same size but no longer movable. The button
// then does nothing.
class TFixedSizeWindows : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
