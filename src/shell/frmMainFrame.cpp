#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainterPath>
#include <QPushButton>
#include <QWindow>
#include <memory>
#include <utility>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "records/frmFuture.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
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

void frmMain::Watch_Frame()
{
    // The window system reports its frame a moment after the window is mapped, with no event
    // for it: look for it for a second, so the outer size is right before the player moves it.
    // Once reported (a later show, after a restore), the size already holds it.
    if (windowHandle() && !windowHandle()->frameMargins().isNull())
        return;
    auto* watch = new QTimer(this);
    auto tries = std::make_shared<int>(100);
    connect(watch, &QTimer::timeout, this, [this, watch, tries] {
        const bool framed = windowHandle() && !windowHandle()->frameMargins().isNull();
        if (framed || --*tries <= 0 || closing_) {
            Apply_Fixed_Size();
            watch->deleteLater();
            watch->stop();
        }
    });
    watch->start(10);
}

void frmMain::moveEvent(QMoveEvent* event)
{
    // The window system reports its frame only after the window is mapped.
    QWidget::moveEvent(event);
    if (isVisible() && windowState() == Qt::WindowNoState)
        Apply_Fixed_Size();
}

} // namespace qv
