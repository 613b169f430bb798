#include "shell/QtFocusLeave.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <utility>

#ifdef QUARVEX_HAVE_X11
#include <xcb/xcb.h>
#endif

namespace qv {

QtFocusLeave::QtFocusLeave(QObject* owner, std::function<void()> left) : owner_(owner), left_(std::move(left))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

QtFocusLeave::~QtFocusLeave()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool QtFocusLeave::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
#ifdef QUARVEX_HAVE_X11
    if (eventType != "xcb_generic_event_t" || !owner_)
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The focus is read once Qt has handled the event, so that a focus-in already
    // queued behind it (a move to another of the game's windows) has reached the server too.
    if ((event->response_type & 0x7f) == XCB_FOCUS_OUT)
        QTimer::singleShot(0, owner_, [this] {
            if (Foreign_Focus())
                left_();
        });
#else
    (void)eventType;
    (void)message;
#endif
    return false;
}

bool QtFocusLeave::Foreign_Focus()
{
#ifdef QUARVEX_HAVE_X11
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return false;
    xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    if (!reply)
        return false;
    const xcb_window_t focus = reply->focus;
    std::free(reply);
    if (focus == XCB_NONE || focus == XCB_INPUT_FOCUS_POINTER_ROOT)
        return false;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem; xcb_screen_next(&it))
        if (it.data->root == focus)
            return false;
    for (const QWindow* w : QGuiApplication::allWindows())
        if (w->handle() && w->winId() == focus)
            return false;
    return true;
#else
    return false;
#endif
}

} // namespace qv
