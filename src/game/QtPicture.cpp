#include "game/QtPicture.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "shell/QtUnits.h"

namespace qv {

QtPicture::QtPicture(double scaleWidth, double scaleHeight, QWidget* parent)
    : QWidget(parent), scaleWidth_(1), scaleHeight_(1)
{
    Set_Scale(scaleWidth, scaleHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetBackColor(back_);
}

void QtPicture::Set_Scale(double scaleWidth, double scaleHeight)
{
    if (scaleWidth > 0) scaleWidth_ = scaleWidth;
    if (scaleHeight > 0) scaleHeight_ = scaleHeight;
}

int QtPicture::Pixel_X(double x) const { return Nearest(x * width() / scaleWidth_); }

int QtPicture::Pixel_Y(double y) const { return Nearest(y * height() / scaleHeight_); }

QRect QtPicture::Pixel_Rect(double x1, double y1, double x2, double y2) const
{
    int left = Pixel_X(std::min(x1, x2));
    int right = Pixel_X(std::max(x1, x2));
    int top = Pixel_Y(std::min(y1, y2));
    int bottom = Pixel_Y(std::max(y1, y2));
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void QtPicture::Fit_Image()
{
    QSize want = size().expandedTo(QSize(1, 1));
    if (image_.size() == want) return;
    QImage grown(want, QImage::Format_RGB32);
    grown.fill(To_QColor(back_));
    if (!image_.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(grown);
}

QImage& QtPicture::Image()
{
    Fit_Image();
    return image_;
}

void QtPicture::Clear()
{
    Fit_Image();
    image_.fill(To_QColor(back_));
    update();
}

void QtPicture::OutlineBox(double x1, double y1, double x2, double y2, Color border)
{
    Fit_Image();
    QRect r = Pixel_Rect(x1, y1, x2, y2);
    QPainter p(&image_);
    if (!fillTransparent_) p.fillRect(r, To_QColor(fill_));
    QColor edge = To_QColor(border);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), edge);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), edge);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), edge);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), edge);
    update(r);
}

void QtPicture::FilledBox(double x1, double y1, double x2, double y2, Color color)
{
    Fit_Image();
    QRect r = Pixel_Rect(x1, y1, x2, y2);
    QPainter p(&image_);
    p.fillRect(r, To_QColor(color));
    update(r);
}

void QtPicture::Line(double x1, double y1, double x2, double y2, Color color)
{
    Fit_Image();
    QPoint a(Pixel_X(x1), Pixel_Y(y1));
    QPoint b(Pixel_X(x2), Pixel_Y(y2));
    QPainter p(&image_);
    p.setPen(QPen(To_QColor(color), 0));
    if (a == b)
        p.drawPoint(a);
    else
        p.drawLine(a, b);
    update(QRect(a, b).normalized().adjusted(-1, -1, 1, 1));
}

void QtPicture::SetFillColor(Color c) { fill_ = c; }

void QtPicture::SetBackColor(Color c)
{
    back_ = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, To_QColor(c));
    setPalette(pal);
    Clear();
}

void QtPicture::paintEvent(QPaintEvent* event)
{
    Fit_Image();
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
}

void QtPicture::resizeEvent(QResizeEvent* event)
{
    Fit_Image();
    QWidget::resizeEvent(event);
}

} // namespace qv
