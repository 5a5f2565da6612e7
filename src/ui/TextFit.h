#pragma once
// Texts that must show whole in a place of fixed size: where a line's letters land, a smaller
// font for a line too big for its place, and a label that elides what it cannot shrink.

#include <QFont>
#include <QLabel>
#include <QRectF>
#include <QString>

namespace kv::ui {

// Where one line of `text` in `font`, drawn into `box` with the alignment in `flags`, puts its
// letters, from the glyphs' own bounds (not the font's line box).
QRectF LineInk(const QFont& font, const QRectF& box, int flags, const QString& text);

// `font`, a pixel smaller at a time, until one line of `text` drawn into `box` keeps its letters
// inside `room`.
QFont FitFont(QFont font, const QRect& box, int flags, const QString& text, const QRectF& room);
// Sets `label`'s font and alignment for its text: `font` and `align` where its letters stay
// inside it (and once more `shadow` pixels to the lower right); else, for a mark over a capital
// that reaches above a line set at the top, the text centred up and down in the label made up to
// `room` pixels higher; else a font a pixel smaller at a time. So a longer translation, an accent, or a face
// with taller letters standing in for those the first lacks (Japanese, Arabic) keeps to a place laid out for
// the Russian text, which keeps its font and place. Measured by drawing at the label's device pixels.
void FitLabel(QLabel* label, const QFont& font, Qt::Alignment align, int shadow = 0, int room = 0);
// Makes a one-line label as much wider and higher as its letters reach out of it (a hooked "j"
// left of the line's start, a face standing in with deeper letters), the line staying in place.
void KeepLineInside(QLabel* label);
// A room as wide as `box` and of no bound up or down.
QRectF Across(const QRect& box);

// A one-line label that shows as much of its text as fits, with "…" at the end, and its whole
// text as a tooltip when it had to cut it (unless a tooltip of its own is set).
class TElideLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TElideLabel(QWidget* parent = nullptr);
    // What the label draws: text() whole or elided.
    QString ShownText() const;
    bool Elided() const { return ShownText() != text(); }
    // Where the text goes: the contents less the indent.
    QRect TextRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace kv::ui
