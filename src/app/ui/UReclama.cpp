#include "app/ui/UReclama.h"

#include <QChildEvent>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "ui/ErrorReport.h"
#include "ui/Scale.h"
#include "ui/TextFit.h"

namespace kv::ui {

namespace {

const QColor kGreen(0x00, 0x80, 0x00);
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kLime(0x00, 0xFF, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kBlack(0x00, 0x00, 0x00);
const QString kFontFamily = QStringLiteral("Times New Roman");

// Design pixels at 120 dpi.
constexpr int kWidth = 544;
constexpr int kHeight = 305;
constexpr int kTopHeight = 178;
constexpr int kBottomHeight = 19;
constexpr int kPromptFont = 17;
constexpr int kShadow = 2;

}  // namespace

TReclamaLabel::TReclamaLabel(QWidget* parent) : QLabel(parent) {}

void TReclamaLabel::SetColours(const QColor& text, const QColor& shadow) {
    text_ = text;
    shadow_ = shadow;
    update();
}

void TReclamaLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QRect r = contentsRect();
    if (shadow_.isValid() && shadowOffset_ > 0) {
        p.setPen(shadow_);
        p.drawText(r.translated(shadowOffset_, shadowOffset_), flags, text());
    }
    p.setPen(text_);
    p.drawText(r, flags, text());
}

TReclamaForm::TReclamaForm(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("ReclamaForm"));
    setWindowTitle(kReclamaCaption);
    setModal(true);
    setFixedSize(Px(kWidth), Px(kHeight));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kGreen);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);

    // Scale the edges, not the heights, so that the three items tile the window exactly. The
    // prompt's strip is at least as high as its font's line and a pixel each side, or the tails
    // of "у" and "ю" fall off the window's lower edge; the middle item, which has room, gives way.
    const QFontMetricsF prompt(ScaledFont(kFontFamily, kPromptFont, true));
    const int promptHeight =
        std::max(Px(kBottomHeight), static_cast<int>(std::ceil(prompt.ascent() + prompt.descent())) + 2);
    const int top = Px(kTopHeight);
    const int bottom = Px(kHeight) - promptHeight;
    const int width = Px(kWidth);
    const int shadow = std::max(1, Px(kShadow));

    auto make = [&](const char* name, int y0, int y1, int fontHeight, const QColor& text, const QColor& shade,
                    const QString& caption) {
        auto* label = new TReclamaLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(0, y0, width, y1 - y0);
        label->setFont(ScaledFont(kFontFamily, fontHeight, true));
        label->SetColours(text, shade);
        label->SetShadowOffset(shade.isValid() ? shadow : 0);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setText(caption);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        return label;
    };
    RxLabel1 = make("RxLabel1", 0, top, 50, kMaroon, kLime, kReclamaHeadline);
    RxLabel1->setWordWrap(true);
    RxLabel2 = make("RxLabel2", top, bottom, 20, kYellow, kMaroon, ReclamaOffer());
    RxLabel2->setWordWrap(true);
    Label1 = make("Label1", bottom, Px(kHeight), kPromptFont, kBlack, QColor(), kReclamaPrompt);
    // One line in a strip barely higher than its letters: centred, its descenders stay inside.
    Label1->setAlignment(Qt::AlignCenter);
    // A translation keeps to the places laid out for the Russian texts, in a smaller font if need be.
    for (TReclamaLabel* label : {RxLabel1, RxLabel2}) {
        const int shadow = label->ShadowColour().isValid() ? label->ShadowOffset() : 0;
        FitLabel(label, label->font(), label->alignment(), shadow);
    }
    FitLabel(Label1, Label1->font(), Label1->alignment());
}

void TReclamaForm::FormKeyDown() {
    accept();
}

void TReclamaForm::RxLabel1Click() {
    accept();
}

bool TReclamaForm::HandleInput(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Claim every key, so that no shortcut takes it before the window sees it.
            event->accept();
            return true;
        case QEvent::KeyPress: {
            // A key held down since before the window came up must not close it unseen.
            if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) Guarded([this] { FormKeyDown(); }, this);
            return true;
        }
        case QEvent::KeyRelease:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (watched != this) pressed_ = watched;
            return true;
        case QEvent::MouseButtonRelease: {
            // A click: pressed and released on the same item.
            auto* w = qobject_cast<QWidget*>(watched);
            const bool click =
                w && watched == pressed_ && w->rect().contains(static_cast<QMouseEvent*>(event)->pos());
            pressed_ = nullptr;
            if (click) Guarded([this] { RxLabel1Click(); }, this);
            return true;
        }
        case QEvent::ChildAdded:
            if (watched == this) {
                if (auto* child = static_cast<QChildEvent*>(event)->child(); child && child->isWidgetType())
                    child->installEventFilter(this);
            }
            return false;
        default:
            return false;
    }
}

bool TReclamaForm::eventFilter(QObject* watched, QEvent* event) {
    if (HandleInput(watched, event)) return true;
    return QDialog::eventFilter(watched, event);
}

void TReclamaForm::keyPressEvent(QKeyEvent* event) {
    // Reached only if the filter was bypassed; QDialog's own handling (Escape, Enter) never runs.
    event->accept();
    if (!event->isAutoRepeat()) Guarded([this] { FormKeyDown(); }, this);
}

void TReclamaForm::closeEvent(QCloseEvent* event) {
    // There is no close box: a request from the window manager is refused. The program itself
    // (closing at the end) may still close the window.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TReclamaForm::showEvent(QShowEvent* event) {
    pressed_ = nullptr;
    QScreen* s = screen();
    if (s) {
        const QRect avail = s->availableGeometry();
        const QRect frame = frameGeometry();
        move(avail.center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    QDialog::showEvent(event);
    setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace kv::ui
