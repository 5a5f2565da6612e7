// In a language written right to left the window lays out right to left as Qt does (the menu
// bar), but the board, its rows and columns, the keyboard's frame and the header's two counters
// keep the places they have in Russian.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QRect>
#include <QString>
#include <utility>
#include <vector>

#include "MainWindowFixture.h"
#include "ui/TShape.h"
#include "ui/Translations.h"

namespace kv::ui {
namespace {

class RightToLeft : public test::MainWindowFixture, public ::testing::WithParamInterface<const char*> {
  protected:
    void TearDown() override {
        test::MainWindowFixture::TearDown();
        InstallTranslations(kSourceLanguage);
    }

    // Where each ball and the header's picture and counters stand in the window.
    std::vector<QRect> Places() const {
        std::vector<QRect> out;
        auto place = [this](const QWidget* w) { return QRect(w->mapTo(&Form(), QPoint(0, 0)), w->size()); };
        for (int row = 1; row <= 8; ++row)
            for (int col = 1; col <= 8; ++col)
                out.push_back(place(Shape(col, row)));
        for (const char* name : {"Image1", "RxLabel3", "RxLabel4"})
            out.push_back(place(Child(QString::fromLatin1(name))));
        return out;
    }

    // The cells the keyboard's frame goes through under a walk of arrows.
    std::vector<std::pair<int, int>> Walk() {
        std::vector<std::pair<int, int>> out;
        for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Down,
                        Qt::Key_Right, Qt::Key_Up}) {
            SendKey(key);
            for (int row = 1; row <= 8; ++row)
                for (int col = 1; col <= 8; ++col)
                    if (Shape(col, row)->CursorFrame()) out.emplace_back(col, row);
        }
        return out;
    }
};

TEST_P(RightToLeft, BoardCountersAndArrowsKeepTheirPlaces) {
    ASSERT_FALSE(Form().isRightToLeft());
    const std::vector<QRect> russian = Places();
    const std::vector<std::pair<int, int>> walk = Walk();
    ASSERT_EQ(walk.back(), (std::pair{3, 2}));

    ASSERT_EQ(InstallTranslations(QString::fromLatin1(GetParam())), GetParam());
    RecreateForm();
    EXPECT_TRUE(Form().isRightToLeft());
    EXPECT_TRUE(Form().menuBar()->isRightToLeft()) << "the menu runs from the right";
    EXPECT_EQ(Places(), russian);
    EXPECT_EQ(Walk(), walk);
}

INSTANTIATE_TEST_SUITE_P(Language, RightToLeft, ::testing::Values("ar", "fa", "he"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace kv::ui
