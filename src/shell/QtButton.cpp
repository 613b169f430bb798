#include "shell/QtButton.h"

#include <QPainter>

namespace qv {

QtButton::QtButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void QtButton::paintEvent(QPaintEvent*)
{
    // The active colours count in every state: a disabled or inactive button keeps its colours.
    const QColor face = palette().color(QPalette::Active, QPalette::Button);
    const QColor ink = palette().color(QPalette::Active, QPalette::ButtonText);
    const bool sunken = isDown() || isChecked();
    const QColor light(255, 255, 255), shadow(64, 64, 64);
    const QRect r = rect().adjusted(0, 0, -1, -1);

    QPainter p(this);
    p.fillRect(rect(), face);
    p.setPen(sunken ? shadow : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(sunken ? light : shadow);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (isChecked() && width() > 6 && height() > 6) {
        p.setPen(ink);
        p.drawRect(r.adjusted(2, 2, -2, -2));
    }
    p.setPen(ink);
    p.setFont(font());
    const int shift = sunken ? 1 : 0;
    p.drawText(rect().translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

} // namespace qv
