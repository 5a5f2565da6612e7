// A ball control as a player sees it (framed and chosen told apart) and as assistive technology
// reads it (name, role, states, press action), and the header counters' spoken names.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/TShadowLabel.h"
#include "ui/TShape.h"

namespace kv::ui {
namespace {

QColor Face() {
    return QWidget().palette().color(QPalette::Button);
}

// A ball of one colour in a cell of the size the board has at 96 dpi.
struct Ball {
    QWidget panel;
    TShape* shape = new TShape(&panel);
    TShape::Look look;
    explicit Ball(const QColor& colour, const QString& word = QStringLiteral("синий"), int w = 50,
                  int h = 49) {
        panel.resize(w, h);
        shape->setGeometry(0, 0, w, h);
        look = {colour, word};
        shape->SetBall(look, false);
    }
    QImage Render(bool chosen, bool framed, qreal ratio, bool hint = false) {
        shape->SetBall(look, chosen);
        shape->SetCursorFrame(framed);
        shape->SetHint(hint ? QStringLiteral("подсказка") : QString());
        QImage img(shape->size() * ratio, QImage::Format_RGB32);
        img.setDevicePixelRatio(ratio);
        img.fill(Face());
        shape->render(&img);
        return img;
    }
};

// The pixels of `a` that differ visibly from `base`.
std::vector<bool> Changed(const QImage& a, const QImage& base) {
    std::vector<bool> out(size_t(a.width()) * a.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = base.pixel(x, y);
            out[size_t(y) * a.width() + x] = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                                                 std::abs(qBlue(p) - qBlue(q)) >
                                             60;
        }
    return out;
}
double Share(const std::vector<bool>& m) {
    return double(std::count(m.begin(), m.end(), true)) / double(m.size());
}
// Intersection over union: 1 when two marks change the same pixels, 0 when they share none.
double Overlap(const std::vector<bool>& a, const std::vector<bool>& b) {
    size_t both = 0, either = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        both += a[i] && b[i];
        either += a[i] || b[i];
    }
    return either ? double(both) / double(either) : 0.0;
}
double Luminance(QRgb c) {
    auto lin = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}
// The strongest contrast against `ball` among the changed pixels.
double BestContrast(const QImage& img, const std::vector<bool>& changed, QRgb ball) {
    double best = 1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (changed[size_t(y) * img.width() + x]) {
                const double a = Luminance(img.pixel(x, y)), b = Luminance(ball);
                best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
            }
    return best;
}

TEST(BallLook, FramedAndChosenAreUnlikeOnEveryColourAtBothScalesWithAndWithoutSymbols) {
    for (QRgb rgb : {0x0000FFu, 0xFFFF00u, 0x000000u, 0x808080u, 0x00FFFFu}) {
        for (TShape::Mark mark : {TShape::Mark::None, TShape::Mark::Star}) {
            for (qreal ratio : {1.0, 2.0}) {
                const QColor colour = QColor::fromRgb(rgb);
                Ball b(colour);
                b.look.symbol = mark;
                const QImage plain = b.Render(false, false, ratio);
                const QImage framed = b.Render(false, true, ratio);
                const QImage chosen = b.Render(true, false, ratio);
                const QImage both = b.Render(true, true, ratio);
                const auto byFrame = Changed(framed, plain), byChoice = Changed(chosen, plain);
                const QString at = QStringLiteral("colour #%1, symbol %2, ratio %3")
                                       .arg(rgb, 6, 16, QLatin1Char('0'))
                                       .arg(int(mark))
                                       .arg(ratio);
                // Each mark is plain to see, and the two change different parts of the cell.
                EXPECT_GT(Share(byFrame), 0.08) << at.toStdString();
                EXPECT_GT(Share(byChoice), 0.08) << at.toStdString();
                EXPECT_LT(Overlap(byFrame, byChoice), 0.05) << at.toStdString();
                // The frame keeps the ball round: its corners stay the panel's.
                const int e = int(2 * ratio);
                for (QPoint corner :
                     {QPoint(e, e), QPoint(framed.width() - 1 - e, framed.height() - 1 - e)}) {
                    EXPECT_EQ(framed.pixel(corner), Face().rgb()) << at.toStdString();
                    EXPECT_EQ(chosen.pixel(corner), colour.rgb()) << at.toStdString();
                }
                // The frame stands out from the ball itself, and still shows on a chosen ball.
                EXPECT_GE(BestContrast(framed, byFrame, colour.rgb()), 4.5) << at.toStdString();
                EXPECT_GT(Share(Changed(both, chosen)), 0.08) << at.toStdString();
                // The hint: a third look, apart from the frame's, shown on a chosen ball as well.
                const QImage hinted = b.Render(false, false, ratio, true);
                const auto byHint = Changed(hinted, plain);
                EXPECT_GT(Share(byHint), 0.04) << at.toStdString();
                EXPECT_LT(Overlap(byHint, byFrame), 0.1) << at.toStdString();
                EXPECT_GE(BestContrast(hinted, byHint, colour.rgb()), 4.5) << at.toStdString();
                EXPECT_GT(Share(Changed(b.Render(true, false, ratio, true), chosen)), 0.04)
                    << at.toStdString();
            }
        }
    }
}

QAccessibleInterface* Acc(QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    EXPECT_NE(i, nullptr);
    return i;
}

TEST(BallAccessibility, NameRoleStatesAndPress) {
    Ball b(QColor(0x00, 0x00, 0xFF));
    b.shape->SetBoardCell({3, 5});
    QAccessibleInterface* a = Acc(b.shape);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("синий шар, ряд 3, столбец 5"));
    EXPECT_FALSE(a->state().checked);
    EXPECT_FALSE(a->state().focused);

    // A colour and a place of their own; the name follows the ball.
    const TShape::Look magenta{QColor(0xFF, 0x00, 0xFF), QStringLiteral("пурпурный")};
    b.shape->SetBall(magenta, false);
    b.shape->SetBoardCell({8, 1});
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("пурпурный шар, ряд 8, столбец 1"));

    // Chosen: said in the name and in the state.
    b.shape->SetBall(magenta, true);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("пурпурный шар, ряд 8, столбец 1, выбран"));
    EXPECT_TRUE(a->state().checked);
    b.shape->SetBall(magenta, false);
    EXPECT_FALSE(a->state().checked);

    // The hint is said too.
    b.shape->SetHint(QStringLiteral("подсказка, ход вверх"));
    EXPECT_EQ(a->text(QAccessible::Name),
              QStringLiteral("пурпурный шар, ряд 8, столбец 1, подсказка, ход вверх"));
    b.shape->SetHint(QString());
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("пурпурный шар, ряд 8, столбец 1"));

    // Framed: focused, as long as the frame is there.
    b.shape->SetCursorFrame(true);
    EXPECT_TRUE(a->state().focused);
    b.shape->SetCursorFrame(false);
    EXPECT_FALSE(a->state().focused);

    // An empty cell is not a ball, whatever colour the window's face has.
    b.shape->SetBall(std::nullopt, false);
    EXPECT_EQ(b.shape->BrushColor(), Face());
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("пустая клетка, ряд 8, столбец 1"));

    // The press action presses the ball as a click does, once the caller has its answer.
    int presses = 0;
    QObject::connect(b.shape, &TShape::Pressed, [&](kv::Cell cell) {
        EXPECT_EQ(cell, (kv::Cell{8, 1}));
        ++presses;
    });
    QAccessibleActionInterface* act = a->actionInterface();
    ASSERT_NE(act, nullptr);
    ASSERT_TRUE(act->actionNames().contains(QAccessibleActionInterface::pressAction()));
    act->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(presses, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(presses, 1);

    // Not behind a modal window, which keeps the mouse away too: a game's end asking for the
    // name must not have a move (and a second end of the game) played under it.
    QDialog modal;
    modal.setModal(true);
    modal.show();
    act->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(presses, 1);
    act->doAction(QAccessibleActionInterface::pressAction());  // the window closes before its turn
    modal.hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(presses, 2);
}

TEST(CounterAccessibility, TheWordThenTheNumber) {
    QWidget panel;
    auto* label = new TShadowLabel(&panel);
    label->setText(QStringLiteral("35"));
    QAccessibleInterface* a = Acc(label);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("35"));
    label->SetAccessibleCaption(QStringLiteral("Счет"));
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Счет: 35"));
    label->setText(QStringLiteral("1250"));
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Счет: 1250"));
}

}  // namespace
}  // namespace kv::ui
