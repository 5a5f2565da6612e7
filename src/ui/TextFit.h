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
// `font`, a pixel smaller at a time, until `text` wrapped at the width of `box` fits it: a longer
// translation, or a face with taller lines that stands in for letters the first lacks (Japanese,
// Arabic), keeps to a place laid out for the Russian text, which keeps its size. `shadow`: the
// text is drawn once more that many pixels to the lower right.
QFont FitWrapped(QFont font, const QRect& box, int flags, const QString& text, int shadow = 0);
// Moves a one-line label's text right by as much as its first letter reaches left of where the
// line starts (an italic or hooked "j"), widening the label as much.
void KeepFirstLetterInside(QLabel* label);
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
