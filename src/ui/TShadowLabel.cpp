#include "ui/TShadowLabel.h"

#include <QAccessible>
#include <QPainter>

#include "ui/Accessibility.h"
#include "ui/TextFit.h"

namespace kv::ui {

TShadowLabel::TShadowLabel(QWidget* parent) : QLabel(parent) {
    InstallAccessibility();
    setAutoFillBackground(false);
}

void TShadowLabel::SetAccessibleCaption(const QString& word) {
    if (caption_ == word) return;
    caption_ = word;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TShadowLabel::SetTextColor(const QColor& colour) {
    text_ = colour;
    update();
}

void TShadowLabel::SetShadowColor(const QColor& colour) {
    shadow_ = colour;
    update();
}

void TShadowLabel::SetShadowSize(int pixels) {
    shadowSize_ = pixels;
    update();
}

QFont TShadowLabel::PaintedFont() const {
    // A score of four digits and more can be wider than its place: shrink it rather than cut it.
    const QRect r = contentsRect().adjusted(0, 0, -shadowSize_, -shadowSize_);
    return FitFont(font(), r, static_cast<int>(alignment()), text(), Across(r));
}

void TShadowLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(PaintedFont());
    // Text and shadow together are centred: the text sits up-left of the middle by half the offset.
    QRect r = contentsRect().adjusted(0, 0, -shadowSize_, -shadowSize_);
    if (shadowSize_ > 0) {
        p.setPen(shadow_);
        p.drawText(r.translated(shadowSize_, shadowSize_), static_cast<int>(alignment()), text());
    }
    p.setPen(text_);
    p.drawText(r, static_cast<int>(alignment()), text());
}

}  // namespace kv::ui
