#include "ui/TextFit.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

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

namespace {

// The pixels that `text` drawn into `box` with `flags` (and once more `shadow` pixels to the
// lower right) inks at `ratio` device pixels a pixel, found by drawing it unclipped: a face that
// stands in for missing letters has its own heights, which no metrics of the first say.
QRect InkOf(const QFont& font, const QRect& box, int flags, const QString& text, int shadow, qreal ratio) {
    const int pad = box.height() + font.pixelSize() + shadow;
    const QRect canvasRect = box.adjusted(-pad, -pad, pad, pad);
    QImage canvas((QSizeF(canvasRect.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.translate(-canvasRect.topLeft());
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(box, flags | Qt::TextDontClip, text);
        if (shadow > 0) p.drawText(box.translated(shadow, shadow), flags | Qt::TextDontClip, text);
    }
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(row[x]) < 32) continue;  // the faintest fringe of smoothing
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    auto logical = [ratio](int px) { return static_cast<int>(std::floor(px / ratio)); };
    return QRect(QPoint(logical(left), logical(top)), QPoint(logical(right), logical(bottom)))
        .translated(canvasRect.topLeft());
}

}  // namespace

void FitLabel(QLabel* label, const QFont& font, Qt::Alignment align, int shadow, int room) {
    const QString text = label->text();
    const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
    const qreal ratio = label->devicePixelRatioF();
    auto inside = [&](const QFont& f, Qt::Alignment a, int grow) {
        const QRect box = label->contentsRect().adjusted(0, 0, 0, grow);
        return text.isEmpty() || box.contains(InkOf(f, box, static_cast<int>(a) | wrap, text, shadow, ratio));
    };
    Qt::Alignment a = align;
    int grow = 0;
    if (!inside(font, a, 0) && (a & Qt::AlignTop)) {
        // Centred in the label made up to `room` higher: the line moves down by half of that.
        const Qt::Alignment centred = (a & ~Qt::AlignVertical_Mask) | Qt::AlignVCenter;
        for (int g = 0; g <= room; ++g)
            if (inside(font, centred, g)) {
                a = centred, grow = g;
                break;
            }
    }
    QFont f = font;
    while (!inside(f, a, grow) && f.pixelSize() > 4)
        f.setPixelSize(f.pixelSize() - 1);
    label->setAlignment(a);
    label->setFont(f);
    label->resize(label->width(), label->height() + grow);
}

void KeepLineInside(QLabel* label) {
    const QRect box = label->contentsRect();
    const QRect ink = InkOf(label->font(), box, static_cast<int>(label->alignment()), label->text(), 0,
                            label->devicePixelRatioF());
    if (ink.isEmpty()) return;
    const int left = std::max(0, box.left() - ink.left());
    const int grow = std::max({0, box.top() - ink.top(), ink.bottom() - box.bottom()});
    if (left == 0 && grow == 0) return;
    if (left > 0) label->setIndent(left);
    // Higher by as much up and down, so that the line stays where it was.
    label->setGeometry(label->x(), label->y() - grow, label->width() + left, label->height() + 2 * grow);
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
