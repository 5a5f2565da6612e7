// Every label of every window shows its whole text at 96 and 120 dpi, with the faces that stand
// in for the ones the windows ask for: nothing cut at an edge, nothing outside its window.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "MainWindowFixture.h"
#include "app/ui/Kvelli99_U1.h"
#include "app/ui/UAbout.h"
#include "app/ui/UHelp.h"
#include "app/ui/UReclama.h"
#include "net/ui/USet.h"
#include "records/ui/Kvel_Rec_U.h"
#include "ui/Scale.h"
#include "ui/TShadowLabel.h"

namespace kv::ui {
namespace {

// The bounds of what `label` paints, found by drawing its text as its paint does (font, place,
// alignment, wrapping, shadow) on a canvas that reaches far beyond the label.
QRect Ink(const QLabel* label) {
    QRect place = label->contentsRect();
    QFont font = label->font();
    int shadow = 0;
    if (auto* shadowed = qobject_cast<const TShadowLabel*>(label)) {
        font = shadowed->PaintedFont();
        shadow = shadowed->ShadowSize();
        place.adjust(0, 0, -shadow, -shadow);
    } else if (auto* reclama = qobject_cast<const TReclamaLabel*>(label)) {
        if (reclama->ShadowColour().isValid()) shadow = reclama->ShadowOffset();
    } else if (label->indent() > 0 && (label->alignment() & Qt::AlignLeft)) {
        place.adjust(label->indent(), 0, 0, 0);
    }
    // Drawn unclipped, so that what the label would cut shows.
    const int flags =
        static_cast<int>(label->alignment()) | Qt::TextDontClip | (label->wordWrap() ? Qt::TextWordWrap : 0);
    // At the screen's pixels: a screen that doubles them places glyphs differently.
    const qreal ratio = label->devicePixelRatioF();
    constexpr int kPad = 300;
    QImage canvas((QSizeF(label->size() + QSize(2 * kPad, 2 * kPad)) * ratio).toSize(),
                  QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setFont(font);
        p.setPen(Qt::black);
        const QRect r = place.translated(kPad, kPad);
        p.drawText(r, flags, label->text());
        if (shadow > 0) p.drawText(r.translated(shadow, shadow), flags, label->text());
    }
    // In logical pixels, rounded outwards.
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(row[x]) < 64) continue;  // a faint fringe of smoothing is no letter
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    auto logical = [ratio](int px) { return static_cast<int>(std::floor(px / ratio)) - kPad; };
    return QRect(QPoint(logical(left), logical(top)), QPoint(logical(right), logical(bottom)));
}

// What of `label`'s text does not show, or "" when all of it does.
std::string Clipped(const QLabel* label) {
    if (label->text().isEmpty() || !label->isVisibleTo(label->window())) return {};
    auto box = [](const QRect& r) {
        return std::to_string(r.left()) + "," + std::to_string(r.top()) + ".." + std::to_string(r.right()) +
               "," + std::to_string(r.bottom());
    };
    std::string why;
    const QRect ink = Ink(label);
    if (ink.isEmpty()) why += " draws nothing";
    if (!label->contentsRect().contains(ink))
        why += " ink " + box(ink) + " beyond " + box(label->contentsRect());
    // The label itself must lie inside its parent, or the parent cuts it.
    const QWidget* parent = label->parentWidget();
    if (parent && !parent->rect().contains(label->geometry()))
        why += " placed " + box(label->geometry()) + " beyond its parent's " + box(parent->rect());
    return why.empty()
               ? why
               : label->objectName().toStdString() + " \"" + label->text().toStdString() + "\":" + why;
}

void ExpectAllFit(const QWidget& window, const char* what, int dpi, bool hasLabels = true) {
    int seen = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->window() != &window) continue;  // a window of its own is checked by itself
        ++seen;
        const std::string why = Clipped(label);
        EXPECT_EQ(why, "") << what << " at " << dpi << " dpi";
    }
    if (hasLabels) {
        EXPECT_GT(seen, 0) << what << " has no labels to check";
    }
}

TEST(LabelFitCheck, SeesWhatIsCut) {
    QWidget window;
    window.resize(200, 100);
    QLabel label(QStringLiteral("Квелли 99"), &window);
    label.setFont(ScaledFont(QStringLiteral("Times New Roman"), 20));
    label.setAlignment(Qt::AlignCenter);
    label.setGeometry(0, 0, 200, 40);
    EXPECT_EQ(Clipped(&label), "");
    label.setGeometry(0, 0, 40, 40);  // too narrow: cut on both sides
    EXPECT_NE(Clipped(&label).find("beyond"), std::string::npos);
    label.setGeometry(0, 0, 200, 8);  // too low
    EXPECT_NE(Clipped(&label).find("beyond"), std::string::npos);
    label.setGeometry(150, 0, 100, 40);  // wide enough, but past the window's edge
    EXPECT_NE(Clipped(&label).find("parent"), std::string::npos);
    // A counter shrinks a number too wide for it instead of cutting it.
    TShadowLabel counter(&window);
    counter.setGeometry(0, 0, 60, 40);
    counter.setFont(ScaledFont(QStringLiteral("Times New Roman"), 40, true));
    counter.SetShadowSize(3);
    counter.setAlignment(Qt::AlignCenter);
    counter.setText(QStringLiteral("7"));
    EXPECT_EQ(counter.PaintedFont().pixelSize(), counter.font().pixelSize());
    counter.setText(QStringLiteral("2147483647"));
    EXPECT_LT(counter.PaintedFont().pixelSize(), counter.font().pixelSize());
    EXPECT_EQ(Clipped(&counter), "");
}

class LabelsFit : public test::MainWindowFixture, public ::testing::WithParamInterface<int> {
  protected:
    void BeforeForm() override { SetDpiOverride(GetParam()); }
};

TEST_P(LabelsFit, InEveryWindowWithTheLongestTexts) {
    const int dpi = GetParam();
    TForm1& f = Form();
    ExpectAllFit(f, "main window", dpi);
    // The counters with the widest numbers they can show, and every status text of an exchange.
    for (int score : {0, 15, 995, 4'995, 99'995, 999'995, INT_MAX}) {
        f.SetScoreLabel(score);
        f.SetMovableLabel(64);
        ExpectAllFit(f, "main window", dpi);
    }
    for (const char* status :
         {"Идет подключение ...", "Соединение прошло успешно.", "Считывание рекордов ...",
          "Запись рекордов ...", "Запись таблицы ...", "Запись прошла успешно."}) {
        f.FTPState->setText(QString::fromUtf8(status));
        ExpectAllFit(f, "main window", dpi);
    }

    ExpectAllFit(*f.RecordsController().Form2, "records window", dpi);
    ExpectAllFit(*f.ReclamaForm, "advertisement window", dpi);
    ExpectAllFit(*f.ExchangeController().SetForm, "results-server settings", dpi, false);
    THelpForm rules;
    ExpectAllFit(rules, "rules window", dpi);
    TAboutForm about(nullptr, KV_EXECUTABLE);
    about.FormShow();
    ASSERT_TRUE(about.LVersion->text().startsWith("Version "));
    ExpectAllFit(about, "About window", dpi);
}

INSTANTIATE_TEST_SUITE_P(Dpi, LabelsFit, ::testing::Values(96, 120),
                         [](const auto& info) { return std::to_string(info.param) + "dpi"; });

}  // namespace
}  // namespace kv::ui
