#pragma once
#include <QPushButton>

namespace qv {

// A push or check button painted by hand: a solid face in the palette's Button
// colour, text in its ButtonText colour, a one-pixel bevel, and a sunken bevel
// while pressed or ticked. A ticked button also shows a frame in its text colour
// just inside the bevel. No style drawing is involved, so colour changes cost
// nothing but a repaint and leave nothing behind in any cache.
class QtButton : public QPushButton {
    Q_OBJECT
public:
    explicit QtButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qv
