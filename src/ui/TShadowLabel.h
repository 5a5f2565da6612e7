#pragma once
// A label that draws its text a second time, offset to the lower right, as its shadow. Its
// background stays transparent, so the header picture shows through.

#include <QColor>
#include <QLabel>

namespace kv::ui {

class TShadowLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TShadowLabel(QWidget* parent = nullptr);

    QColor TextColor() const { return text_; }
    void SetTextColor(const QColor& colour);
    QColor ShadowColor() const { return shadow_; }
    void SetShadowColor(const QColor& colour);
    int ShadowSize() const { return shadowSize_; }  // pixels to the right and down
    void SetShadowSize(int pixels);
    // The font the text is drawn in: the label's own, made smaller for a text too wide for it.
    QFont PaintedFont() const;
    // The word a screen reader says before the text ("Счет" makes "Счет: 35"); none by default.
    QString AccessibleCaption() const { return caption_; }
    void SetAccessibleCaption(const QString& word);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor text_ = Qt::black;
    QColor shadow_ = Qt::black;
    int shadowSize_ = 0;
    QString caption_;
};

}  // namespace kv::ui
