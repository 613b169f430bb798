#include "shell/QtTitleStrip.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "shell/ScreenPlace.h"

#ifdef QUARVEX_HAVE_X11
#include <xcb/xcb.h>
#endif

namespace qv {

namespace {

QFont Title_Font()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return font;
}

// The strip's height in pixels for the desktop's title font. Stand-ins for the caption height and
// the smallest window size, which the shape's offsets are made of: the title font's line and a
// margin, as the classic 8 pt caption of 18 pixels.
int Strip_Height()
{
    const int caption = QFontMetrics(Title_Font()).height() + 5;
    return Title_Offsets(caption, caption <= 20 ? 112 : 123, caption + 9).T;
}

} // namespace

QtTitleStrip::QtTitleStrip(QWidget* window) : QWidget(window)
{
    setFont(Title_Font());
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, window->width(), Strip_Height());
}

QRect QtTitleStrip::Box(int index) const
{
    const int side = height() - 8;
    return QRect(width() - 4 - (2 - index) * (side + 2), 4, side, side);
}

void QtTitleStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const bool active = window()->isActiveWindow();
    const QPalette& pal = palette();
    p.fillRect(rect(), active ? pal.color(QPalette::Active, QPalette::Highlight) : pal.color(QPalette::Mid));
    p.setPen(active ? pal.color(QPalette::Active, QPalette::HighlightedText) : pal.color(QPalette::Light));
    p.drawText(rect().adjusted(6, 0, -2 * height(), 0), Qt::AlignVCenter | Qt::AlignLeft, window()->windowTitle());
    for (int i = 0; i < 2; ++i) {
        const QRect box = Box(i);
        p.fillRect(box, pal.color(QPalette::Button));
        p.setPen(pal.color(pressed_ == i ? QPalette::Dark : QPalette::Light));
        p.drawLine(box.topLeft(), box.topRight());
        p.drawLine(box.topLeft(), box.bottomLeft());
        p.setPen(pal.color(pressed_ == i ? QPalette::Light : QPalette::Dark));
        p.drawLine(box.bottomLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomRight());
        p.setPen(QPen(pal.color(QPalette::ButtonText), 2));
        const QRect mark = box.adjusted(box.width() / 4, box.height() / 4, -box.width() / 4, -box.height() / 4);
        if (i == 0) {
            p.drawLine(mark.bottomLeft(), mark.bottomRight());
        } else {
            p.drawLine(mark.topLeft(), mark.bottomRight());
            p.drawLine(mark.topRight(), mark.bottomLeft());
        }
    }
}

void QtTitleStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    for (int i = 0; i < 2; ++i)
        if (Box(i).contains(event->position().toPoint())) {
            pressed_ = i;
            update();
            return;
        }
    if (QWindow* w = window()->windowHandle())
        w->startSystemMove();
}

void QtTitleStrip::mouseReleaseEvent(QMouseEvent* event)
{
    const int box = std::exchange(pressed_, -1);
    update();
    if (box < 0 || !Box(box).contains(event->position().toPoint()))
        return;
    const auto& act = box == 0 ? OnMinimise : OnClose;
    if (act)
        act();
}

void QtTitleStrip::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        update();
}

FrameState Window_Frame_State(QWindow* window)
{
    if (!window)
        return FrameState::Unknown;
    if (!window->frameMargins().isNull())
        return FrameState::Framed;
#ifdef QUARVEX_HAVE_X11
    // A window manager that manages a window sets its WM_STATE.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return FrameState::Unknown;
    static const xcb_atom_t wmState = [c] {
        static const char name[] = "WM_STATE";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t found = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(atom);
        return found;
    }();
    if (wmState == XCB_ATOM_NONE)
        return FrameState::Unknown;
    xcb_get_property_reply_t* p = xcb_get_property_reply(
        c, xcb_get_property(c, 0, xcb_window_t(window->winId()), wmState, XCB_ATOM_ANY, 0, 2), nullptr);
    const bool managed = p && p->type != XCB_ATOM_NONE;
    std::free(p);
    return managed ? FrameState::Unframed : FrameState::Unknown;
#else
    return FrameState::Unknown;
#endif
}

} // namespace qv
