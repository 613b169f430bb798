#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <vector>
#include <utility>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "records/frmFuture.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "shell/QtTitleStrip.h"
#include "shell/ScreenPlace.h"
#include "sound/frmMP3.h"

namespace qv {

QRegion frmMain::Window_Region(const QWidget& window, int T, int L)
{
    QRegion region;
    for (QObject* child : window.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        const QVariant tag = w->property("Tag");
        if (!tag.isValid() || !tag.toString().isEmpty())
            continue;
        const QRect g = w->geometry();
        if (qobject_cast<QLabel*>(w)) {
            region += g.translated(L, T);
            continue;
        }
        int inset = 4;
        QSizeF corner(30, 30);
        if (w->objectName() == "fraBottom") {
            inset = 3;
            corner = QSizeF(75, 95);
        } else if (w->objectName() == "fraLeft") {
            inset = 3;
            corner = QSizeF(65, 65);
        }
        // As designed, the left offset moves only the left edge of a rounded piece.
        const QRectF piece(QPointF(g.x() + inset + L, g.y() + T - 1),
                           QPointF(g.x() + g.width() + 6, g.y() + g.height() + T + 1));
        QPainterPath path;
        path.addRoundedRect(piece, corner.width() / 2, corner.height() / 2);
        region += QRegion(path.toFillPolygon().toPolygon(), Qt::WindingFill);
    }
    return region;
}

void frmMain::RebuildWindowRgn()
{
    if (regionBuilt_)
        return;
    regionBuilt_ = true;
    // A Wayland client cannot shape its window: there the mask would only cut the input region,
    // unshifted by the title bar Qt draws itself, and leave the menu strip taking no clicks.
    if (QGuiApplication::platformName().startsWith("wayland"))
        return;
    // The window system draws the caption and frame itself, outside this widget: the shape
    // covers the client area only, so both offsets are 0 and no title strip is added.
    setMask(Window_Region(*this, 0, 0));
}

void frmMain::Use_Title_Strip()
{
    if (strip_)
        return;
    const QPoint client = geometry().topLeft();
    strip_ = new QtTitleStrip(this);
    strip_->OnMinimise = [this] { setWindowState(windowState() | Qt::WindowMinimized); };
    strip_->OnClose = [this] { close(); };
    const int T = strip_->height();
    for (QObject* child : children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow() && w != strip_)
            w->move(w->pos() + QPoint(0, T));
    Apply_Fixed_Size();
    strip_->setGeometry(0, 0, width(), T);
    strip_->show();
    // The designed client area stays where it stood and the strip takes the room above it, as
    // far as the screen has room there: the strip stays on the screen.
    const int top = screen() ? screen()->availableGeometry().top() : client.y() - T;
    Place_Client(PlacedWindow::Main, QPoint(client.x(), std::max(client.y(), top + T)));
    setMask(Window_Region(*this, 0, 0) + QRegion(strip_->geometry()));
}

void frmMain::Minimize_Window(bool Minimize)
{
    (void)Minimize;
    picQuarvex->Set_Scale(3760, 7760);
    game.Draw_Figure();
    game.Draw_Next();
}

void frmMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmMain::Form_Resize()
{
    if (closing_)
        return;
    if (isMinimized() && !chkPause->isChecked())
        chkPause->setChecked(true);
    Set_Side_Window_States(windowState() & Qt::WindowMinimized);
    if (windowState() == Qt::WindowNoState) {
        Apply_Fixed_Size();
        Minimize_Window(true);
    }
}

void frmMain::Set_Side_Window_States(Qt::WindowStates state)
{
    // The shown side windows are hidden while the main window is minimised and shown again at
    // its restore: some window managers (GNOME's) never minimise a tool window. Hidden windows
    // stay as they are.
    if (state & Qt::WindowMinimized) {
        for (QWidget* w : {static_cast<QWidget*>(winRecords), static_cast<QWidget*>(winStatistic),
                           static_cast<QWidget*>(winFuture), static_cast<QWidget*>(winMP3)})
            if (w && w->isVisible()) {
                parked_.emplace_back(w);
                w->hide();
            }
        return;
    }
    for (const QPointer<QWidget>& w : std::exchange(parked_, {}))
        if (w)
            w->show();
}

void frmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    Apply_Fixed_Size();
    Watch_Frame();
}

namespace {

// Runs `step` every 10 ms until it returns true, which it must on its last try (last = true).
void Poll(QObject* owner, int tries, std::function<bool(bool last)> step)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, tries, step = std::move(step)]() mutable {
        if (step(--tries <= 0)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

FramedArea Framed(const QWidget& w)
{
    const QRect g = w.geometry();
    const QMargins m = w.windowHandle() ? w.windowHandle()->frameMargins() : QMargins();
    return {{double(g.x()), double(g.y()), double(g.width()), double(g.height())},
            double(m.left()), double(m.top()), double(m.right()), double(m.bottom())};
}

} // namespace

void frmMain::Watch_Frame()
{
    // The window system reports its frame a moment after the window is mapped, with no event
    // for it: look for it for a second, so the outer size is right before the player moves it.
    // Once reported (a later show, after a restore), the size already holds it. A window manager
    // that manages the window and still reports no frame 150 ms later frames no shaped window:
    // the window draws its own title strip.
    if (strip_ || Window_Frame_State(windowHandle()) == FrameState::Framed)
        return;
    Poll(this, 100, [this, unframed = 0](bool last) mutable {
        const FrameState state = Window_Frame_State(windowHandle());
        unframed = state == FrameState::Unframed ? unframed + 1 : 0;
        if (unframed >= 15)
            Use_Title_Strip();
        if (state != FrameState::Framed && unframed < 15 && !last && !closing_)
            return false;
        Apply_Fixed_Size();
        return true;
    });
}

void frmMain::Arrange_Fresh_Column()
{
    // The fresh places leave room for a thin title bar only. Once the window manager has framed
    // the main window and the shown side windows (at most 1.5 s), side windows whose frames
    // would cover the main window or the window above are moved clear. The fresh column stands
    // in this order from the top.
    Poll(this, 150, [this](bool last) {
        std::vector<PlacedWindow> shown;
        std::vector<FramedArea> column;
        bool known = strip_ || Window_Frame_State(windowHandle()) == FrameState::Framed;
        for (PlacedWindow w : {PlacedWindow::Future, PlacedWindow::Statistic, PlacedWindow::Player, PlacedWindow::Records})
            if (QWidget* window = Placed(w); window && window->isVisible()) {
                known = known && Window_Frame_State(window->windowHandle()) != FrameState::Unknown;
                shown.push_back(w);
                column.push_back(Framed(*window));
            }
        if (closing_ || !(known || last))
            return closing_;
        const FramedArea main = Framed(*this);
        const Area outer{main.client.x - main.left, main.client.y - main.top, main.client.w + main.left + main.right,
                         main.client.h + main.top + main.bottom};
        const std::vector<Area> places = Column_Without_Overlap(outer, column);
        for (size_t i = 0; i < places.size(); ++i)
            if (places[i].x != column[i].client.x || places[i].y != column[i].client.y) {
                Place_Client(shown[i], QPoint(int(places[i].x), int(places[i].y)));
                Keep_Reachable(shown[i]);
            }
        return true;
    });
}

void frmMain::moveEvent(QMoveEvent* event)
{
    // The window system reports its frame only after the window is mapped.
    QWidget::moveEvent(event);
    if (isVisible() && windowState() == Qt::WindowNoState)
        Apply_Fixed_Size();
}

} // namespace qv
