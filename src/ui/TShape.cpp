#include "ui/TShape.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "ui/Accessibility.h"

namespace kv::ui {

namespace {

// WCAG relative luminance of an sRGB colour.
double Luminance(const QColor& c) {
    auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

// Black or white, whichever stands out more against the ball.
QColor SymbolColour(const QColor& ball) {
    const double l = Luminance(ball);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? Qt::black : Qt::white;
}

// The symbol around the origin, `h` its half size.
QPainterPath SymbolPath(TShape::Mark mark, qreal h) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    auto polygon = [&](std::initializer_list<QPointF> points) {
        path.addPolygon(QPolygonF(points));
        path.closeSubpath();
    };
    const qreal arm = 0.3 * h;  // half the width of a stroke of the plus and the cross
    switch (mark) {
        case TShape::Mark::None:
            break;
        case TShape::Mark::Disc:
            path.addEllipse(QPointF(), 0.8 * h, 0.8 * h);
            break;
        case TShape::Mark::Ring:
            path.setFillRule(Qt::OddEvenFill);
            path.addEllipse(QPointF(), 0.95 * h, 0.95 * h);
            path.addEllipse(QPointF(), 0.55 * h, 0.55 * h);
            break;
        case TShape::Mark::Square:
            path.addRect(QRectF(-0.75 * h, -0.75 * h, 1.5 * h, 1.5 * h));
            break;
        case TShape::Mark::Diamond:
            polygon({{0, -h}, {h, 0}, {0, h}, {-h, 0}});
            break;
        case TShape::Mark::TriangleUp:
            polygon({{0, -h}, {h, 0.8 * h}, {-h, 0.8 * h}});
            break;
        case TShape::Mark::TriangleDown:
            polygon({{0, h}, {h, -0.8 * h}, {-h, -0.8 * h}});
            break;
        case TShape::Mark::Plus:
        case TShape::Mark::Cross:
            path.addRect(QRectF(-h, -arm, 2 * h, 2 * arm));
            path.addRect(QRectF(-arm, -h, 2 * arm, 2 * h));
            if (mark == TShape::Mark::Cross) path = QTransform().rotate(45).map(path);
            break;
        case TShape::Mark::Star: {
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const qreal r = (i % 2 == 0 ? 1.05 : 0.45) * h;
                const qreal a = (-90.0 + 36.0 * i) * M_PI / 180.0;
                star << QPointF(r * std::cos(a), r * std::sin(a));
            }
            path.addPolygon(star);
            path.closeSubpath();
            break;
        }
        case TShape::Mark::Bar:
            path.addRect(QRectF(-h, -0.35 * h, 2 * h, 0.7 * h));
            break;
    }
    return path;
}

}  // namespace

TShape::TShape(QWidget* parent) : QWidget(parent) {
    InstallAccessibility();
    // The panel's face colour shows around the circle.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TShape::SetBall(const std::optional<Look>& look, bool chosen) {
    const bool same = chosen_ == chosen && look_.has_value() == look.has_value() &&
                      (!look || (look_->colour == look->colour && look_->word == look->word &&
                                 look_->symbol == look->symbol));
    if (same) return;
    const QString oldName = SpokenName();
    const bool wasChosen = chosen_;
    look_ = look;
    chosen_ = chosen;
    update();
    Announce(oldName, wasChosen);
}

QColor TShape::Face() const {
    return palette().color(QPalette::Button);
}

QColor TShape::BrushColor() const {
    return look_ ? look_->colour : Face();
}

void TShape::SetHint(const QString& note) {
    if (hint_ == note) return;
    const QString oldName = SpokenName();
    hint_ = note;
    update();
    Announce(oldName, Chosen());
}

QString TShape::AccessibleName() const {
    QString place =
        QCoreApplication::translate("kv::ui::TShape", "ряд %1, столбец %2").arg(cell_.row).arg(cell_.col);
    if (!look_) return QCoreApplication::translate("kv::ui::TShape", "пустая клетка, %1").arg(place);
    QString name = QCoreApplication::translate("kv::ui::TShape", "%1 шар, %2").arg(look_->word, place);
    if (Chosen()) name += QCoreApplication::translate("kv::ui::TShape", ", выбран");
    if (!hint_.isEmpty()) name += QStringLiteral(", ") + hint_;
    return name;
}

void TShape::Press() {
    emit Pressed(cell_);
}

QString TShape::SpokenName() const {
    // Nobody listens while accessibility is off: the name is not made for every painting then.
    return QAccessible::isActive() ? AccessibleName() : QString();
}

void TShape::Announce(const QString& oldName, bool wasChosen) {
    if (!QAccessible::isActive()) return;
    if (Chosen() != wasChosen) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    if (AccessibleName() != oldName) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TShape::SetCursorFrame(bool shown) {
    if (cursor_ == shown) return;
    cursor_ = shown;
    update();
    if (!QAccessible::isActive()) return;
    // The frame is where the player is: assistive technology follows it as it follows a focus.
    if (shown) {
        QAccessibleEvent event(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessible::State changed;
        changed.focused = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor fill = BrushColor();
    p.setRenderHint(QPainter::Antialiasing, !chosen_);
    QPen pen(Face(), 1);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(fill);
    // The 1-pixel outline lies inside the control, centred half a pixel in from its edges.
    const qreal d = std::min(width(), height());
    if (chosen_) {
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        QRectF circle((width() - d) / 2.0, (height() - d) / 2.0, d, d);
        p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (Symbol() != Mark::None) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(width() / 2.0, height() / 2.0);
        p.fillPath(SymbolPath(Symbol(), 0.23 * d), SymbolColour(fill));
        p.resetTransform();
    }
    if (!hint_.isEmpty()) {
        // Corner marks, black with white inside them, in the corners the round ball leaves
        // free: apart from the frame's ring, and seen on a chosen square of any colour too.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        const qreal w = std::max<qreal>(2.0, std::round(d / 20.0));
        const qreal len = d / 4.0;
        auto marks = [&](qreal inset, qreal arm) {
            QPainterPath path;
            const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
            for (const QPointF& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
                const qreal sx = corner.x() < width() / 2.0 ? 1 : -1,
                            sy = corner.y() < height() / 2.0 ? 1 : -1;
                path.moveTo(corner + QPointF(sx * arm, 0));
                path.lineTo(corner);
                path.lineTo(corner + QPointF(0, sy * arm));
            }
            return path;
        };
        p.setPen(QPen(Qt::black, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPath(marks(w / 2, len));
        p.setPen(QPen(Qt::white, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPath(marks(1.5 * w, len - w));
    }
    if (cursor_) {
        // A ring on the ball's rim, dark outside and light inside, so it shows on any ball. Round
        // where the chosen ball is square, and inside the ball, where the corners of the chosen
        // square are not: framed and chosen are told apart at a glance, also both at once.
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(Qt::NoBrush);
        const qreal w = std::max<qreal>(2.0, std::round(d / 16.0));
        // A rim of the ball's own colour stays outside the ring.
        const qreal in = std::max<qreal>(1.5, d / 32.0);
        const QRectF ball =
            QRectF((width() - d) / 2.0, (height() - d) / 2.0, d, d).adjusted(in, in, -in, -in);
        p.setPen(QPen(Qt::black, w));
        p.drawEllipse(ball.adjusted(w / 2, w / 2, -w / 2, -w / 2));
        p.setPen(QPen(Qt::white, w));
        p.drawEllipse(ball.adjusted(1.5 * w, 1.5 * w, -1.5 * w, -1.5 * w));
    }
}

void TShape::mousePressEvent(QMouseEvent* event) {
    event->accept();
    // The handler may end the game, or even close the window: touch nothing after it.
    Press();
}

void TShape::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second press on the same ball is a press like any other.
    mousePressEvent(event);
}

}  // namespace kv::ui
