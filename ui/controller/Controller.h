// The game controller of the game window. SDL's pads are read whenever the
// device watch tells that something happened to one; their presses go to the
// game as its keys, or to the modal dialog that is up (A for OK, B for
// Cancel; either closes a message), and only while the player is at the game.
#pragma once

#include "ui/controller/PadInput.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>

class QWidget;
class TDeviceWatch;
class TForm1;
class TGamePads;

// A pad SDL knows no device file of (SDL's virtual pads) is read this often
// during a game, and a quarter as often outside one, where a press can only
// start a game or answer a dialog.
constexpr int PadPollInterval = 8;
constexpr int PadIdlePollInterval = 32;

class TController : public QObject, private TPadListener {
public:
    // Starts SDL once the event loop runs, so the window is up first.
    explicit TController(TForm1& form);
    ~TController() override;

    // Reads the pads now; the first call starts SDL.
    void Poll();

private:
    void Start();
    void Arm();
    void PresenceChanged(bool present);
    void PadPressed(TPadButton button) override;
    void LastPadUnplugged() override;
    void InDialog(QWidget* modal, TPadButton button);
    void InGame(TPadButton button);

    TForm1& FForm;
    std::unique_ptr<TGamePads> FPads;
    TDeviceWatch* FWatch = nullptr;
    QTimer FRepeat;  // the next repeat of a held direction
    QTimer FPolling; // pads without a watched file; devices settling after a change
    uint32_t FSettleUntil = 0;
    uint32_t FWatchedChanges = 0; // the pads' changes when their files were last watched
    bool FUnwatched = false;      // a pad whose file is not watched
};
