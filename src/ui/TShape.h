#pragma once
// A ball control: one shape inside its rectangle, a circle of the shorter side or a rectangle
// filling the whole control, filled in one colour and outlined 1 pixel wide in the window's face
// colour. It reports a press of any mouse button.

#include <QColor>
#include <QWidget>

namespace kv::ui {

class TShape : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Circle, Rectangle };

    explicit TShape(QWidget* parent = nullptr);

    Kind Shape() const { return kind_; }
    void SetShape(Kind kind);
    void ToggleShape();
    QColor BrushColor() const { return brush_; }
    void SetBrushColor(const QColor& colour);
    QColor PenColor() const { return pen_; }
    void SetPenColor(const QColor& colour);

  signals:
    // Any button; the button, the modifiers and the position are not passed on.
    void MouseDown(kv::ui::TShape* sender);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    Kind kind_ = Kind::Circle;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
};

}  // namespace kv::ui
