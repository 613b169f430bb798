#include "shell/QtFocusLeave.h"

#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <utility>

#ifdef QUARVEX_HAVE_X11
#include <xcb/xcb.h>
#endif

namespace qv {

namespace {

#ifdef QUARVEX_HAVE_X11
xcb_connection_t* Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t Root(xcb_connection_t* c) { return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root; }

xcb_atom_t Active_Window_Atom(xcb_connection_t* c)
{
    static const char name[] = "_NET_ACTIVE_WINDOW";
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The active window: the window manager's choice where it names one, else the input focus;
// 0 for nobody's (none, the root window, the manager's own stand-in while it moves the focus).
xcb_window_t Active_Window(xcb_connection_t* c, xcb_atom_t atom)
{
    const xcb_window_t root = Root(c);
    if (atom != XCB_ATOM_NONE) {
        xcb_get_property_reply_t* p =
            xcb_get_property_reply(c, xcb_get_property(c, 0, root, atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
        const bool named = p && p->type == XCB_ATOM_WINDOW && xcb_get_property_value_length(p) == 4;
        const xcb_window_t active = named ? *static_cast<xcb_window_t*>(xcb_get_property_value(p)) : 0;
        const bool kept = p && p->type != XCB_ATOM_NONE;
        std::free(p);
        if (kept)
            return active;
    }
    xcb_get_input_focus_reply_t* f = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    const xcb_window_t focus = f ? f->focus : 0;
    std::free(f);
    return focus == XCB_INPUT_FOCUS_POINTER_ROOT || focus == root ? 0 : focus;
}
#endif

} // namespace

QtFocusLeave::QtFocusLeave(QObject* owner, std::function<void()> left) : owner_(owner), left_(std::move(left))
{
#ifdef QUARVEX_HAVE_X11
    if (xcb_connection_t* c = Connection())
        activeAtom_ = Active_Window_Atom(c);
#endif
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
    const uint8_t type = event->response_type & 0x7f;
    const bool activeChanged = type == XCB_PROPERTY_NOTIFY && activeAtom_ != XCB_ATOM_NONE
                               && static_cast<const xcb_property_notify_event_t*>(message)->atom == activeAtom_;
    // Read once Qt has handled the event, so that a focus-in already queued behind it (a move
    // to another of the game's windows) has reached the server too.
    if (type == XCB_FOCUS_OUT || activeChanged)
        QTimer::singleShot(0, owner_, [this] {
            if (Another_Program_Active())
                left_();
        });
#else
    (void)eventType;
    (void)message;
#endif
    return false;
}

bool QtFocusLeave::Another_Program_Active() const
{
#ifdef QUARVEX_HAVE_X11
    xcb_connection_t* c = Connection();
    const xcb_window_t active = c ? Active_Window(c, activeAtom_) : 0;
    // Every window the game's connection made, a dialog just closed too, carries its id base.
    const xcb_setup_t* setup = c ? xcb_get_setup(c) : nullptr;
    return active != 0 && (active & ~setup->resource_id_mask) != setup->resource_id_base;
#else
    return false;
#endif
}

} // namespace qv
