#include "ui/controller/Controller.h"

#include "ui/MainWindow.h"
#include "ui/PlayerPresence.h"
#include "ui/controller/DeviceWatch.h"
#include "ui/controller/GamePads.h"
#include "ui/controller/PadKeys.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace {

// After a device file came or went, the system may take a while (udev's
// rules, the permissions) before SDL sees the pad: it is looked for this
// often, for this long.
constexpr int SettleInterval = 100;
constexpr uint32_t SettleTime = 3000;

} // namespace

TController::TController(TForm1& form) : QObject(&form), FForm(form) {
    FRepeat.setSingleShot(true);
    FRepeat.setTimerType(Qt::PreciseTimer);
    FPolling.setTimerType(Qt::PreciseTimer);
    connect(&FRepeat, &QTimer::timeout, this, &TController::Poll);
    connect(&FPolling, &QTimer::timeout, this, &TController::Poll);
    connect(form.Presence(), &TPlayerPresence::PresenceChanged, this,
            &TController::PresenceChanged);
    QTimer::singleShot(0, this, [this] {
        if (!FPads) {
            Poll();
        }
    });
}

TController::~TController() = default;

void TController::Start() {
    FPads = std::make_unique<TGamePads>(static_cast<TPadListener&>(*this));
    FPads->Input().SetPresent(FForm.Presence()->Present());
    FWatch = new TDeviceWatch(this);
    connect(FWatch, &TDeviceWatch::DevicesChanged, this, [this] {
        FSettleUntil = FForm.GetTickCount() + SettleTime;
        Poll();
    });
    connect(FWatch, &TDeviceWatch::InputArrived, this, &TController::Poll);
}

void TController::Poll() {
    if (!FPads) {
        Start();
    }
    FPads->Pump(FForm.GetTickCount());
    Arm();
}

// Wakes the next poll: at the next repeat, and while a pad has no watched
// device file or the devices are settling. Otherwise only the watch wakes it.
void TController::Arm() {
    const uint32_t now = FForm.GetTickCount();
    const bool settling = static_cast<int32_t>(FSettleUntil - now) > 0;
    // A device file that could not be opened yet is tried again while settling.
    if (FPads->Changes() != FWatchedChanges || settling) {
        FWatchedChanges = FPads->Changes();
        FUnwatched = !FWatch->WatchInput(FPads->DeviceFiles());
    }
    int interval = 0;
    if (FUnwatched && FPads->Input().Present()) {
        interval = FForm.GameRunning() ? PadPollInterval : PadIdlePollInterval;
    } else if (settling) {
        interval = SettleInterval;
    }
    if (interval == 0) {
        FPolling.stop();
    } else if (!FPolling.isActive() || FPolling.interval() != interval) {
        FPolling.start(interval);
    }
    if (const auto due = FPads->Input().NextRepeat()) {
        FRepeat.start(std::max(0, static_cast<int32_t>(*due - now)));
    } else {
        FRepeat.stop();
    }
}

void TController::PresenceChanged(bool present) {
    if (!FPads) {
        return;
    }
    if (present) {
        // What happened while the player was away is taken in as such first.
        FPads->Pump(FForm.GetTickCount());
    }
    FPads->Input().SetPresent(present);
    Arm();
}

// Presses are handled from the event queue, not inside the poll: a press may
// play a whole game, and the watch and the timers must go on meanwhile. Each
// belongs to what was up when it was taken in: a press made while a dialog
// was up does nothing once it has closed, and the other way round.
void TController::PadPressed(TPadButton button) {
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    const bool inDialog = modal != nullptr;
    QMetaObject::invokeMethod(
        this,
        [this, button, modal, inDialog] {
            if (FForm.Presence()->Present() && QApplication::activeModalWidget() == modal) {
                inDialog ? InDialog(modal, button) : InGame(button);
            }
        },
        Qt::QueuedConnection);
}

void TController::LastPadUnplugged() {
    QMetaObject::invokeMethod(
        this, [this] { FForm.RunCommand([this] { FForm.PauseIfPlaying(); }); },
        Qt::QueuedConnection);
}

// A modal dialog holds the game: the key help, the name prompt, an error box.
void TController::InDialog(QWidget* modal, TPadButton button) {
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog == nullptr) {
        return;
    }
    if (button == TPadButton::A) {
        dialog->accept();
    } else if (button == TPadButton::B) {
        dialog->reject();
    }
}

void TController::InGame(TPadButton button) {
    // An open menu holds the game as a dialog does, and takes the keys.
    if (QApplication::activePopupWidget() != nullptr || FForm.MenuOpen()) {
        return;
    }
    FForm.RunCommand([this, button] { FForm.FormKeyDown(PadKey(button, FForm)); });
}
