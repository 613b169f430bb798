#pragma once
#include "game/Numbers.h"

// A picture that the drawing procedures paint on, in the picture's own user
// units. The window's canvas paints into a persistent image; tests record.
namespace qv {

class ICanvas {
public:
    virtual ~ICanvas() = default;
    // Fill the whole picture with its back colour.
    virtual void Clear() = 0;
    // Box whose border takes `border` and whose inside takes the fill colour.
    virtual void OutlineBox(double x1, double y1, double x2, double y2, Color border) = 0;
    // Box that takes `color` throughout.
    virtual void FilledBox(double x1, double y1, double x2, double y2, Color color) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, Color color) = 0;
    virtual void SetFillColor(Color c) = 0;
    virtual void SetBackColor(Color c) = 0;
    virtual Color BackColor() const = 0;
};

// A picture that keeps nothing drawn on it: stands in where no window is attached.
class NullCanvas : public ICanvas {
public:
    void Clear() override {}
    void OutlineBox(double, double, double, double, Color) override {}
    void FilledBox(double, double, double, double, Color) override {}
    void Line(double, double, double, double, Color) override {}
    void SetFillColor(Color) override {}
    void SetBackColor(Color c) override { back_ = c; }
    Color BackColor() const override { return back_; }

private:
    Color back_ = 0;
};

} // namespace qv
