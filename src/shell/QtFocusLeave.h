#pragma once
#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <cstdint>
#include <functional>

namespace qv {

// Under X11, tells at once when another program has taken the focus from the game's windows.
// Qt reports the application inactive only a moment after a focus-out, once no focus-in has
// followed (so that a focus passing between the game's own windows never reads as leaving);
// this reads the active window (the window manager's _NET_ACTIVE_WINDOW, or the input focus
// without one) at each focus-out and each change of it, and speaks only when it is plainly
// another program's window. Elsewhere it never speaks and Qt's report stands alone.
// Made by the main window.
class QtFocusLeave : public QAbstractNativeEventFilter {
public:
    // left runs on the window thread, in the context of `owner`, while owner lives.
    QtFocusLeave(QObject* owner, std::function<void()> left);
    ~QtFocusLeave() override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // True when the active window belongs to another program (not the game's, not nobody's).
    bool Another_Program_Active() const;

private:
    uint32_t activeAtom_ = 0; // _NET_ACTIVE_WINDOW
    QPointer<QObject> owner_;
    std::function<void()> left_;
};

} // namespace qv
