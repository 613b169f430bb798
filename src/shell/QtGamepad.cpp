#include "shell/QtGamepad.h"

#include <QFile>
#include <QGuiApplication>
#include <QLibrary>
#include <QSocketNotifier>
#include <QStyleHints>
#include <algorithm>
#include <optional>
#include <type_traits>

#include "game/LeavePause.h"
#include "game/frmMain.h"

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif

#include <SDL.h>

#ifdef QUARVEX_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace qv {

// The SDL functions the pads use, looked up when the pads first start. Linking SDL would map
// it and about twenty libraries of its own (sound servers, Wayland, DRM) into every run, pad
// or not. Once loaded it stays loaded.
struct SdlLibrary {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_WasInit) WasInit;
    decltype(&SDL_Quit) Quit;
    decltype(&SDL_AddEventWatch) AddEventWatch;
    decltype(&SDL_DelEventWatch) DelEventWatch;
    decltype(&SDL_PollEvent) PollEvent;
    decltype(&SDL_GameControllerOpen) GameControllerOpen;
    decltype(&SDL_GameControllerClose) GameControllerClose;
    decltype(&SDL_GameControllerGetJoystick) GameControllerGetJoystick;
    decltype(&SDL_JoystickInstanceID) JoystickInstanceID;
};

namespace {

std::optional<Pad_Control> Control_Of(int button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return Pad_Control::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return Pad_Control::Right;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return Pad_Control::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return Pad_Control::Down;
    case SDL_CONTROLLER_BUTTON_A: return Pad_Control::South;
    case SDL_CONTROLLER_BUTTON_B: return Pad_Control::East;
    case SDL_CONTROLLER_BUTTON_X: return Pad_Control::West;
    case SDL_CONTROLLER_BUTTON_START: return Pad_Control::Start;
    default: return std::nullopt;
    }
}

// While a pad is open SDL is read this often (milliseconds): input within a tick or so.
constexpr int POLL_MS = 8;
// After the system's input devices change, SDL is read this long for the pad to show up.
constexpr int SETTLE_MS = 3000;

// The loaded library's functions; null where SDL2 is not installed.
const SdlLibrary* Load_Sdl()
{
    static const SdlLibrary* loaded = []() -> const SdlLibrary* {
#ifdef Q_OS_WIN
        static QLibrary library("SDL2");
#else
        static QLibrary library("SDL2-2.0", 0);
#endif
        static SdlLibrary sdl;
        bool found = library.load();
        const auto get = [&found](auto& f, const char* name) {
            f = reinterpret_cast<std::remove_reference_t<decltype(f)>>(library.resolve(name));
            found = found && f;
        };
        get(sdl.SetHint, "SDL_SetHint");
        get(sdl.InitSubSystem, "SDL_InitSubSystem");
        get(sdl.QuitSubSystem, "SDL_QuitSubSystem");
        get(sdl.WasInit, "SDL_WasInit");
        get(sdl.Quit, "SDL_Quit");
        get(sdl.AddEventWatch, "SDL_AddEventWatch");
        get(sdl.DelEventWatch, "SDL_DelEventWatch");
        get(sdl.PollEvent, "SDL_PollEvent");
        get(sdl.GameControllerOpen, "SDL_GameControllerOpen");
        get(sdl.GameControllerClose, "SDL_GameControllerClose");
        get(sdl.GameControllerGetJoystick, "SDL_GameControllerGetJoystick");
        get(sdl.JoystickInstanceID, "SDL_JoystickInstanceID");
        return found ? &sdl : nullptr;
    }();
    return loaded;
}

// Whether a joystick or pad may be plugged in: SDL (a library of 2 MB and twenty more of its
// own) is loaded only then, or once the input devices change.
bool Pad_May_Be_Plugged()
{
#ifdef Q_OS_LINUX
    QFile list("/proc/bus/input/devices");
    if (!list.open(QIODevice::ReadOnly))
        return true;
    return Lists_A_Pad(list.readAll().toStdString(), int(sizeof(long) * 8));
#else
    return true;
#endif
}

} // namespace

QtGamepad::QtGamepad()
    : input_([this](int key, bool down) { if (window_) window_->Pad_Key(key, down); },
             [this] { if (window_) window_->Pad_Start(); })
{
    clock_.start();
    poll_.setInterval(POLL_MS);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(Clock_Ms()); });
    Watch_Devices();
    if (Pad_May_Be_Plugged())
        Start();
}

QtGamepad::~QtGamepad()
{
#ifdef Q_OS_LINUX
    // The notifier leaves the descriptor before it is closed.
    delete devices_;
    if (inotify_ >= 0)
        ::close(inotify_);
#endif
    if (!started_)
        return;
    sdl_->DelEventWatch(&QtGamepad::Event_Watch, this);
    for (const auto& pad : pads_)
        sdl_->GameControllerClose(pad.second);
    sdl_->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    // The hints and SDL's other state go too once nothing of SDL is in use any more.
    if (sdl_->WasInit(SDL_INIT_EVERYTHING) == 0)
        sdl_->Quit();
}

void QtGamepad::Start()
{
    if (started_ || !(sdl_ = Load_Sdl()))
        return;
    // Only the game-controller subsystem (with the joystick and event parts it needs): no
    // video, no audio, and the program's own signal handling stays as it is. The face
    // buttons count by their place (south, east, west), whatever their labels say.
    sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl_->SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    sdl_->SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    started_ = sdl_->InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (started_)
        sdl_->AddEventWatch(&QtGamepad::Event_Watch, this);
}

void QtGamepad::Attach(frmMain& window)
{
    window_ = &window;
    Poll(Clock_Ms());
}

int QtGamepad::Event_Watch(void* self, SDL_Event* e)
{
    // SDL may report a new pad from any thread (a virtual pad, a platform's device thread):
    // the pad timer starts on the window thread, and its first read opens the pad.
    if (e->type == SDL_CONTROLLERDEVICEADDED) {
        auto* pad = static_cast<QtGamepad*>(self);
        QMetaObject::invokeMethod(&pad->poll_, qOverload<>(&QTimer::start), Qt::QueuedConnection);
    }
    return 1;
}

void QtGamepad::Watch_Devices()
{
    // SDL notices a pad plugged in only when read; the folder of the input devices tells when
    // that is worth doing, so no timer runs while no pad is there.
#ifdef Q_OS_LINUX
    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify_ < 0)
        return;
    if (inotify_add_watch(inotify_, "/dev/input", IN_CREATE | IN_DELETE | IN_ATTRIB) < 0) {
        ::close(inotify_);
        inotify_ = -1;
        return;
    }
    devices_ = new QSocketNotifier(inotify_, QSocketNotifier::Read, this);
    connect(devices_, &QSocketNotifier::activated, this, [this] {
        char events[4096];
        while (::read(inotify_, events, sizeof events) > 0) {
        }
        Start();
        settleUntil_ = Clock_Ms() + SETTLE_MS;
        if (!poll_.isActive())
            poll_.start();
    });
#endif
}

void QtGamepad::Poll(int64_t nowMs)
{
    if (!started_)
        return;
    SDL_Event e;
    while (sdl_->PollEvent(&e))
        Handle(e, nowMs);
    input_.Repeat(nowMs);
    Keep_Polling(nowMs);
}

void QtGamepad::Keep_Polling(int64_t nowMs)
{
    if (pads_.empty() && nowMs >= settleUntil_)
        poll_.stop();
    else if (!poll_.isActive())
        poll_.start();
}

void QtGamepad::Handle(const SDL_Event& e, int64_t nowMs)
{
    switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED:
        Open(e.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        Close(e.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (const auto control = Control_Of(e.cbutton.button))
            input_.Press(*control, e.type == SDL_CONTROLLERBUTTONDOWN, nowMs);
        break;
    case SDL_CONTROLLERAXISMOTION:
        if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            input_.Stick_X(e.caxis.value, nowMs);
        break;
    default:
        break;
    }
}

void QtGamepad::Open(int deviceIndex)
{
    SDL_GameController* pad = sdl_->GameControllerOpen(deviceIndex);
    if (!pad)
        return;
    const int32_t id = sdl_->JoystickInstanceID(sdl_->GameControllerGetJoystick(pad));
    if (std::any_of(pads_.begin(), pads_.end(), [id](const auto& p) { return p.first == id; })) {
        sdl_->GameControllerClose(pad);
        return;
    }
    pads_.emplace_back(id, pad);
    // The desktop's repeat as it stands when the pad comes.
    int delayMs = 0, intervalMs = 0;
    Keyboard_Repeat(delayMs, intervalMs);
    input_.Set_Repeat(delayMs, intervalMs);
}

void QtGamepad::Close(int32_t instance)
{
    const auto it = std::find_if(pads_.begin(), pads_.end(), [instance](const auto& p) { return p.first == instance; });
    if (it == pads_.end())
        return;
    sdl_->GameControllerClose(it->second);
    // SDL has let go of the pad's held controls before it reports the pad gone.
    pads_.erase(it);
    if (window_)
        window_->Player_Left(Leave_Event::Pad_Unplugged);
}

void QtGamepad::Keyboard_Repeat(int& delayMs, int& intervalMs)
{
    // On X the server repeats held keys by its keyboard controls; elsewhere Qt's rate stands
    // in, after the usual half-second delay.
#ifdef QUARVEX_HAVE_X11
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        unsigned int delay = 0, interval = 0;
        if (x11->display() && XkbGetAutoRepeatRate(x11->display(), XkbUseCoreKbd, &delay, &interval)
            && interval > 0) {
            delayMs = int(delay);
            intervalMs = int(interval);
            return;
        }
    }
#endif
    delayMs = 500;
    intervalMs = 1000 / std::max(1, QGuiApplication::styleHints()->keyboardAutoRepeatRate());
}

} // namespace qv
