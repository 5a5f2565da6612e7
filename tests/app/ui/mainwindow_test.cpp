// The main window: layout, painting, menu, window state, close, and the error report.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "app/ui/Kvelli99_U1.h"
#include "app/ui/TShape.h"
#include "game/UFunc.h"

namespace kv::test {
namespace {

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, StartsWithTheCaptionAndASettledBoard) {
    EXPECT_EQ(Caption(), QStringLiteral("Квелли 99 Internet version      Игрок : (без имени) "));
    EXPECT_EQ(ScoreText(), "0");
    EXPECT_EQ(MovableText(), QString::number(kv::TheGame().MovableCount));
}

}  // namespace
}  // namespace kv::test
