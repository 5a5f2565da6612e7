#include "ui/TShape.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace kv::ui {

TShape::TShape(QWidget* parent) : QWidget(parent) {
    // The panel's face colour shows around the circle.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TShape::SetShape(Kind kind) {
    if (kind_ == kind) return;
    kind_ = kind;
    update();
}

void TShape::ToggleShape() {
    SetShape(kind_ == Kind::Circle ? Kind::Rectangle : Kind::Circle);
}

void TShape::SetBrushColor(const QColor& colour) {
    if (brush_ == colour) return;
    brush_ = colour;
    update();
}

void TShape::SetPenColor(const QColor& colour) {
    if (pen_ == colour) return;
    pen_ = colour;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind_ == Kind::Circle);
    QPen pen(pen_, 1);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(brush_);
    // The 1-pixel outline lies inside the control, centred half a pixel in from its edges.
    if (kind_ == Kind::Rectangle) {
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        return;
    }
    const qreal d = std::min(width(), height());
    QRectF circle((width() - d) / 2.0, (height() - d) / 2.0, d, d);
    p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
}

void TShape::mousePressEvent(QMouseEvent* event) {
    event->accept();
    // The handler may play out a whole move, or even close the window: touch nothing after it.
    emit MouseDown(this);
}

void TShape::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second press on the same ball is a press like any other.
    mousePressEvent(event);
}

}  // namespace kv::ui
