#include "game/QtPicture.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

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

int QtPicture::Pen_Width() const { return std::max(1, Nearest(ratio_)); }

int QtPicture::Device_X(double x) const { return Nearest(x * width() * ratio_ / scaleWidth_); }

int QtPicture::Device_Y(double y) const { return Nearest(y * height() * ratio_ / scaleHeight_); }

QRect QtPicture::Device_Rect(double x1, double y1, double x2, double y2) const
{
    int left = Device_X(std::min(x1, x2));
    int right = Device_X(std::max(x1, x2));
    int top = Device_Y(std::min(y1, y2));
    int bottom = Device_Y(std::max(y1, y2));
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void QtPicture::Update_Device(const QRect& r)
{
    const QRectF logical(r.x() / ratio_, r.y() / ratio_, r.width() / ratio_, r.height() / ratio_);
    update(logical.toAlignedRect());
}

void QtPicture::Fit_Image()
{
    const double ratio = devicePixelRatioF();
    const QSize want(std::max(1, int(std::ceil(width() * ratio))), std::max(1, int(std::ceil(height() * ratio))));
    if (image_.size() == want && ratio == ratio_) return;
    QImage grown(want, QImage::Format_RGB32);
    grown.fill(To_QColor(back_));
    if (!image_.isNull()) {
        // A new device ratio keeps the old drawing at its place until it is drawn again.
        const QImage old = ratio == ratio_ ? image_ : image_.scaled(image_.size() * (ratio / ratio_));
        QPainter p(&grown);
        p.drawImage(0, 0, old);
    }
    image_ = std::move(grown);
    ratio_ = ratio;
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
    const QRect r = Device_Rect(x1, y1, x2, y2);
    const int t = Pen_Width();
    QPainter p(&image_);
    if (!fillTransparent_) p.fillRect(r, To_QColor(fill_));
    const QColor edge = To_QColor(border);
    p.fillRect(QRect(r.left(), r.top(), r.width(), t), edge);
    p.fillRect(QRect(r.left(), r.bottom() - t + 1, r.width(), t), edge);
    p.fillRect(QRect(r.left(), r.top(), t, r.height()), edge);
    p.fillRect(QRect(r.right() - t + 1, r.top(), t, r.height()), edge);
    Update_Device(r);
}

void QtPicture::FilledBox(double x1, double y1, double x2, double y2, Color color)
{
    Fit_Image();
    const QRect r = Device_Rect(x1, y1, x2, y2);
    QPainter p(&image_);
    p.fillRect(r, To_QColor(color));
    Update_Device(r);
}

void QtPicture::Line(double x1, double y1, double x2, double y2, Color color)
{
    Fit_Image();
    const QPoint a(Device_X(x1), Device_Y(y1));
    const QPoint b(Device_X(x2), Device_Y(y2));
    const int t = Pen_Width();
    const QRect span = QRect(a, b).normalized().adjusted(0, 0, t - 1, t - 1);
    QPainter p(&image_);
    if (a.x() == b.x() || a.y() == b.y()) {
        p.fillRect(span, To_QColor(color));
    } else {
        p.setPen(QPen(To_QColor(color), t == 1 ? 0 : t, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(a, b);
    }
    Update_Device(span.adjusted(-t, -t, t, t));
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

void QtPicture::paintEvent(QPaintEvent*)
{
    Fit_Image();
    // The same pixels tagged with the device ratio: copied one to one, never scaled.
    QImage shown(image_.constBits(), image_.width(), image_.height(), image_.bytesPerLine(), image_.format());
    shown.setDevicePixelRatio(ratio_);
    QPainter p(this);
    p.drawImage(QPointF(0, 0), shown);
}

void QtPicture::resizeEvent(QResizeEvent* event)
{
    Fit_Image();
    QWidget::resizeEvent(event);
}

} // namespace qv
