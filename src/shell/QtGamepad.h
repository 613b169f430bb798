#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <vector>

#include "game/PadInput.h"

class QSocketNotifier;
struct _SDL_GameController;
union SDL_Event;

namespace qv {

class frmMain;
struct SdlLibrary;

// The game pads: SDL2's game controllers (events only, no video or audio). Pads present at
// start and pads plugged in later are picked up, pads pulled out are let go; their presses
// reach the main window as its keys through PadInput. Costs next to nothing without a pad:
// SDL starts only once the system lists a joystick or pad, or its input devices change, and
// is read only while a pad is open or for a few seconds after such a change. Made once by
// Main; tests make one per window.
class QtGamepad : public QObject {
    Q_OBJECT
public:
    // Watches the input devices, and starts SDL when a pad may be plugged in already.
    QtGamepad();
    ~QtGamepad() override;
    // Starts SDL's game-controller subsystem now (once); when it cannot start, pads are ignored.
    void Start();
    // Sends the pads' presses to `window` and picks up the pads already plugged in.
    void Attach(frmMain& window);
    // Reads SDL at nowMs (milliseconds of Clock_Ms): plugged and pulled pads, presses, and
    // the key repeats due. The pad timer calls it while needed; tests call it directly.
    void Poll(int64_t nowMs);
    // The clock Poll reads when the pad timer calls it.
    int64_t Clock_Ms() const { return clock_.elapsed(); }
    // Pads open now.
    int Pads() const { return int(pads_.size()); }
    // The desktop's key repeat (X server settings where there are any), in milliseconds.
    static void Keyboard_Repeat(int& delayMs, int& intervalMs);

private:
    void Handle(const SDL_Event& e, int64_t nowMs);
    void Open(int deviceIndex);
    void Close(int32_t instance);
    void Watch_Devices();
    void Keep_Polling(int64_t nowMs);
    static int Event_Watch(void* self, SDL_Event* e);

    QPointer<frmMain> window_;
    const SdlLibrary* sdl_ = nullptr; // set once SDL is loaded
    PadInput input_;
    QTimer poll_;
    QElapsedTimer clock_;
    QSocketNotifier* devices_ = nullptr;
    int inotify_ = -1;
    bool started_ = false;
    int64_t settleUntil_ = 0;
    std::vector<std::pair<int32_t, _SDL_GameController*>> pads_;
};

} // namespace qv
