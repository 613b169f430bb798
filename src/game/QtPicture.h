#pragma once
#include <QImage>
#include <QWidget>

#include "game/Canvas.h"

namespace qv {

// A picture box with a user scale that keeps what is drawn on it: the board,
// the preview and the future picture. Drawing goes into a persistent image the
// size of the widget in device pixels, so it stays sharp at any scale factor;
// painting only copies that image to the screen, pixel for pixel.
class QtPicture : public QWidget, public ICanvas {
    Q_OBJECT
public:
    // scaleWidth x scaleHeight user units span the widget; takes Qt::StrongFocus.
    QtPicture(double scaleWidth, double scaleHeight, QWidget* parent = nullptr);

    // User units across the widget's width and height (both above 0; others are ignored).
    void Set_Scale(double scaleWidth, double scaleHeight);
    double Scale_Width() const { return scaleWidth_; }
    double Scale_Height() const { return scaleHeight_; }
    // Pixel column or row of a user coordinate: x * width / scaleWidth, rounded half to even.
    int Pixel_X(double x) const;
    int Pixel_Y(double y) const;
    // Thickness of outlines and lines in device pixels: one pixel scaled by the device ratio.
    int Pen_Width() const;

    // Fills the whole picture with the back colour.
    void Clear() override;
    // Border one pixel thick (scaled) in `border`; inside in the fill colour unless the fill is transparent.
    void OutlineBox(double x1, double y1, double x2, double y2, Color border) override;
    // The whole box, corners included, in `color`.
    void FilledBox(double x1, double y1, double x2, double y2, Color color) override;
    // Line one pixel thick (scaled) between the two points, both ends included.
    void Line(double x1, double y1, double x2, double y2, Color color) override;
    void SetFillColor(Color c) override;
    // New back colour of the picture and the widget; like a picture box, this wipes the drawing.
    void SetBackColor(Color c) override;
    Color BackColor() const override { return back_; }
    Color FillColor() const { return fill_; }
    // Transparent fill: outline boxes leave their inside as it was (off by default).
    void Set_Fill_Transparent(bool transparent) { fillTransparent_ = transparent; }
    bool Fill_Transparent() const { return fillTransparent_; }

    // The persistent image in device pixels, fitted to the widget first; for tests and screenshots.
    QImage& Image();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit_Image();
    int Device_X(double x) const;
    int Device_Y(double y) const;
    QRect Device_Rect(double x1, double y1, double x2, double y2) const;
    // Schedules a repaint of a rectangle given in device pixels.
    void Update_Device(const QRect& r);

    QImage image_;
    double ratio_ = 1;
    double scaleWidth_;
    double scaleHeight_;
    Color back_ = Rgb(192, 192, 192);
    Color fill_ = Rgb(0, 0, 0);
    bool fillTransparent_ = false;
};

} // namespace qv
