#pragma once
// The advertisement window: shown modally before every new game the player asks for and at the
// end of every game. It has no close box and no timer; any key or a click on it closes it.

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <QPoint>
#include <QString>

#include "ui/Translations.h"

namespace kv::ui {

inline const TrText kReclamaCaption{"kv::ui::TReclamaForm",
                                    QT_TRANSLATE_NOOP("kv::ui::TReclamaForm", "Ваша реклама")};
inline const TrText kReclamaHeadline{
    "kv::ui::TReclamaForm", QT_TRANSLATE_NOOP("kv::ui::TReclamaForm", "А это место\nдля Вашей рекламы")};
inline const QString kReclamaAddress = QStringLiteral("reklama@quorvane.example");
inline const TrText kReclamaOfferLine{
    "kv::ui::TReclamaForm",
    QT_TRANSLATE_NOOP("kv::ui::TReclamaForm", "Свои предложения по размещению рекламы посылать по адресу:")};
inline const TrText kReclamaPrompt{"kv::ui::TReclamaForm",
                                   QT_TRANSLATE_NOOP("kv::ui::TReclamaForm", "Нажмите любую клавишу")};
// The offer's line and, below it, the address.
inline QString ReclamaOffer() {
    return kReclamaOfferLine.Text() + u'\n' + kReclamaAddress;
}

// A word-wrapped label whose text is drawn once more in the shadow colour, offset to the lower
// right, underneath the text itself.
class TReclamaLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TReclamaLabel(QWidget* parent = nullptr);
    void SetColours(const QColor& text, const QColor& shadow);
    void SetShadowOffset(int pixels) { shadowOffset_ = pixels; }
    QColor TextColour() const { return text_; }
    QColor ShadowColour() const { return shadow_; }
    int ShadowOffset() const { return shadowOffset_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor text_{Qt::black};
    QColor shadow_{};  // invalid: no shadow
    int shadowOffset_ = 0;
};

class TReclamaForm : public QDialog {
    Q_OBJECT
  public:
    explicit TReclamaForm(QWidget* parent = nullptr);

    TReclamaLabel* RxLabel1 = nullptr;  // top: the headline
    TReclamaLabel* RxLabel2 = nullptr;  // middle: where offers go
    TReclamaLabel* Label1 = nullptr;    // bottom: the prompt

    // Any key closes the window.
    void FormKeyDown();
    // The click handler of all three items: a click closes the window.
    void RxLabel1Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool HandleInput(QObject* watched, QEvent* event);
    QObject* pressed_ = nullptr;  // the item a mouse button went down on
};

}  // namespace kv::ui
