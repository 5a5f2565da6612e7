// On a screen that doubles pixels (QT_SCALE_FACTOR=2, the ctest case app_ui_scale2): the header
// picture comes at twice its size, and the balls are drawn at the screen's pixels, not enlarged.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "MainWindowFixture.h"
#include "app/ui/Kvelli99_U1.h"
#include "ui/TShape.h"

namespace kv::ui {
namespace {

class HiDpi : public test::MainWindowFixture {};

TEST_F(HiDpi, PictureAndBallsUseEveryPixel) {
    if (Form().devicePixelRatioF() < 2) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    const QPixmap header = Child<QLabel>("Image1")->pixmap();
    EXPECT_EQ(header.devicePixelRatio(), 2.0);
    EXPECT_EQ(header.size(), QSize(1000, 80));

    // Across the middle of a ball: background, one blended pixel at most, then the ball's
    // colour. A ball drawn at half the pixels and enlarged would blur or step over two.
    TShape* ball = Shape(4, 4);
    const QImage shot = ball->grab().toImage();
    ASSERT_EQ(shot.width(), 2 * ball->width());
    const int y = shot.height() / 2;
    const QRgb outside = shot.pixel(0, 0), inside = shot.pixel(shot.width() / 2, y);
    ASSERT_NE(outside, inside);
    int x = 0;
    while (x < shot.width() / 2 && shot.pixel(x, y) == outside)
        ++x;
    int blended = 0;
    // The outline is 1 logical pixel, 2 here, drawn in the pen's colour: skip it.
    while (x < shot.width() / 2 && shot.pixel(x, y) != inside) {
        const QRgb c = shot.pixel(x, y);
        if (c != outside && c != inside && c != qRgb(0, 0, 0)) ++blended;
        ++x;
    }
    EXPECT_LE(blended, 2) << "the ball's edge is soft";
    EXPECT_LT(x, shot.width() / 2) << "no ball colour in the middle row";
}

}  // namespace
}  // namespace kv::ui
