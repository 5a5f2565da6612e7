#include "ui/TextFit.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace kv::ui {

QRectF LineInk(const QFont& font, const QRectF& box, int flags, const QString& text) {
    const QFontMetricsF fm(font);
    const QRectF glyphs = fm.tightBoundingRect(text);  // about the pen's origin on the baseline
    const qreal advance = fm.horizontalAdvance(text);
    qreal x = box.left();
    if (flags & Qt::AlignRight)
        x = box.right() + 1 - advance;
    else if (flags & Qt::AlignHCenter)
        x = box.left() + (box.width() - advance) / 2;
    // The line box is the font's ascent and descent; the baseline follows from where it sits.
    const qreal line = fm.ascent() + fm.descent();
    qreal top = box.top();
    if (flags & Qt::AlignBottom)
        top = box.bottom() + 1 - line;
    else if (flags & Qt::AlignVCenter)
        top = box.top() + (box.height() - line) / 2;
    return glyphs.translated(x, top + fm.ascent());
}

QFont FitFont(QFont font, const QRect& box, int flags, const QString& text, const QRectF& room) {
    if (text.isEmpty()) return font;
    for (int size = font.pixelSize(); size > 4; --size) {
        const QRectF ink = LineInk(font, box, flags, text);
        if (ink.left() >= room.left() && ink.right() <= room.right() + 1 && ink.top() >= room.top() &&
            ink.bottom() <= room.bottom() + 1)
            break;
        font.setPixelSize(size - 1);
    }
    return font;
}

QRectF Across(const QRect& box) {
    constexpr qreal kFar = 1e6;
    return QRectF(box.left(), -kFar, box.width(), 2 * kFar);
}

TElideLabel::TElideLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

QRect TElideLabel::TextRect() const {
    QRect r = contentsRect();
    if (indent() > 0) {
        if (alignment() & Qt::AlignRight)
            r.adjust(0, 0, -indent(), 0);
        else
            r.adjust(indent(), 0, 0, 0);
    }
    return r;
}

QString TElideLabel::ShownText() const {
    const QFontMetrics fm(font());
    const QString whole = text();
    const int room = TextRect().width();
    if (fm.horizontalAdvance(whole) <= room) return whole;
    // A pixel to spare for the last letter's overhang.
    return fm.elidedText(whole, Qt::ElideRight, room - 1);
}

void TElideLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    p.setFont(font());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(TextRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, ShownText());
}

bool TElideLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (Elided())
            QToolTip::showText(help->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

}  // namespace kv::ui
