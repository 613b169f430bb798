#include "records/frmSideWindow.h"
#include "shell/QtUnits.h"

#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <utility>

namespace qv {

frmSideWindow::frmSideWindow(const QString& caption, int clientWidth, int clientHeight, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowDoesNotAcceptFocus)
{
    setWindowTitle(caption);
    setFixedSize(Px(clientWidth), Px(clientHeight));
    setFocusPolicy(Qt::NoFocus);
}

void frmSideWindow::Unload()
{
    if (unloaded_) return;
    unloaded_ = true;
    close();
    hide();
    deleteLater();
}

void frmSideWindow::Set_Place(QPoint place)
{
    setGeometry(QRect(place, size()));
    if (!isVisible())
        kept_ = place;
}

void frmSideWindow::hideEvent(QHideEvent* event)
{
    // Some window managers (GNOME's) give a withdrawn window back as if its frame's top left
    // were its client's, and Qt takes that for its place: each hide and show would move it a
    // title bar up. The place it had when hidden is the one it comes back to.
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        kept_ = geometry().topLeft();
}

void frmSideWindow::showEvent(QShowEvent* event)
{
    // Sent before the window is mapped, so it is mapped at its kept place.
    if (const auto place = std::exchange(kept_, std::nullopt); place && !event->spontaneous()
                                                                && geometry().topLeft() != *place)
        setGeometry(QRect(*place, size()));
    QWidget::showEvent(event);
}

QListWidget* frmSideWindow::New_List()
{
    auto* list = new QListWidget(this);
    QFont font("Courier New");
    font.setPointSizeF(8.25);
    font.setBold(true);
    list->setFont(font);
    list->setFrameShape(QFrame::NoFrame);
    list->setUniformItemSizes(true);
    list->setGeometry(0, 0, width(), height());
    Watch(list);
    return list;
}

void frmSideWindow::Set_List_Color(QListWidget* list, Color back)
{
    // Perceived brightness (ITU-R BT.601 weights), 0..255.
    double light = 0.299 * Red(back) + 0.587 * Green(back) + 0.114 * Blue(back);
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, To_QColor(back));
    pal.setColor(QPalette::Text, light < 128 ? Qt::white : Qt::black);
    list->setPalette(pal);
}

void frmSideWindow::Watch(QWidget* widget)
{
    widget->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        area->viewport()->installEventFilter(this);
}

void frmSideWindow::Return_Focus()
{
    if (unloaded_ || !FocusTarget || FocusTarget == this) return;
    FocusTarget->activateWindow();
    FocusTarget->setFocus(Qt::OtherFocusReason);
}

bool frmSideWindow::event(QEvent* event)
{
    bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) Return_Focus();
    return handled;
}

void frmSideWindow::closeEvent(QCloseEvent* event)
{
    if (unloaded_) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
    if (OnUserClose) {
        auto callback = OnUserClose;
        callback();
    }
}

void frmSideWindow::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    Return_Focus();
}

void frmSideWindow::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    Return_Focus();
}

bool frmSideWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease) Return_Focus();
    return QWidget::eventFilter(watched, event);
}

} // namespace qv
