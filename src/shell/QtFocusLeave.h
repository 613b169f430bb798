#pragma once
#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <functional>

namespace qv {

// Under X11, tells at once when another program has taken the focus from the game's windows.
// Qt reports the application inactive only a moment after a focus-out, once no focus-in has
// followed (so that a focus passing between the game's own windows never reads as leaving);
// this reads the X server's focus at each focus-out instead, and speaks only when it is
// plainly another program's window. Elsewhere it never speaks and Qt's report stands alone.
// Made by the main window.
class QtFocusLeave : public QAbstractNativeEventFilter {
public:
    // left runs on the window thread, in the context of `owner`, while owner lives.
    QtFocusLeave(QObject* owner, std::function<void()> left);
    ~QtFocusLeave() override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // True when the X server's input focus is on a window of another program (not the
    // game's, not the root window, not nobody's).
    static bool Foreign_Focus();

private:
    QPointer<QObject> owner_;
    std::function<void()> left_;
};

} // namespace qv
