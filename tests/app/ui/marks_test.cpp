// Balls marked with a symbol per colour: told apart under simulated colour blindness, the
// board unchanged when the option is off, and the option kept in the settings file.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>

#include "MainWindowFixture.h"
#include "app/ui/Kvelli99_U1.h"
#include "ui/Scale.h"
#include "ui/TShape.h"

namespace kv::test {
namespace {

using ui::TShape;

// Each of the eight colours on its own diagonals, so every colour is on the board.
const std::vector<std::string> kAllColours = {
    "12345678", "45678123", "78123456", "23456781", "56781234", "81234567", "34567812", "67812345",
};

using Matrix = std::array<std::array<double, 3>, 3>;
// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear RGB.
constexpr Matrix kDeuteranopia = {
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kProtanopia = {
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};

// Told apart at a glance: a mean CIE76 difference over the ball's middle of at least this. Red
// and green under protanopia come to 10, so colour alone falls short of it.
constexpr double kVisible = 20.0;

struct Lab {
    double l, a, b;
};

// The colour as a viewer with the deficiency sees it, in CIE L*a*b* (D65).
Lab Seen(QRgb rgb, const Matrix& m) {
    auto lin = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double in[3] = {lin(qRed(rgb)), lin(qGreen(rgb)), lin(qBlue(rgb))};
    double s[3];
    for (int i = 0; i < 3; ++i)
        s[i] = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0.0, 1.0);
    const double x = (0.4124 * s[0] + 0.3576 * s[1] + 0.1805 * s[2]) / 0.95047;
    const double y = 0.2126 * s[0] + 0.7152 * s[1] + 0.0722 * s[2];
    const double z = (0.0193 * s[0] + 0.1192 * s[1] + 0.9505 * s[2]) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

class ColourMarks : public MainWindowFixture {
  protected:
    // The smallest balls a desktop shows: 96 dpi.
    void BeforeForm() override { ui::SetDpiOverride(96); }
    void SetUp() override {
        MainWindowFixture::SetUp();
        SetBoard(kAllColours);
    }
    void SetMarks(bool on) {
        if (Action("MnuMarks")->isChecked() != on) Action("MnuMarks")->trigger();
        ASSERT_EQ(Action("MnuMarks")->isChecked(), on);
    }
    std::string SettingsFile() const { return ConfigHome() + "/kvelli99/kvelli99.INI"; }
    std::string ReadSettings() const {
        std::ifstream in(SettingsFile(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // The ball of cell (col, row) as it is painted at `ratio` device pixels per pixel.
    QImage Ball(int col, int row, qreal ratio) const {
        TShape* s = Shape(col, row);
        QImage img(s->size() * ratio, QImage::Format_RGB32);
        img.setDevicePixelRatio(ratio);
        img.fill(Form().palette().color(QPalette::Button));
        s->render(&img);
        return img;
    }
    // A cell of the first row holding `colour`.
    static int ColumnOf(int colour) { return kAllColours[0].find(static_cast<char>('0' + colour)) + 1; }

    // The mean difference over the middle of two balls (the symbol's square) as seen through `m`.
    static double Difference(const QImage& a, const QImage& b, const Matrix& m) {
        const int side = std::min({a.width(), a.height(), b.width(), b.height()}) / 2;
        double sum = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const auto pa = Seen(a.pixel((a.width() - side) / 2 + x, (a.height() - side) / 2 + y), m);
                const auto pb = Seen(b.pixel((b.width() - side) / 2 + x, (b.height() - side) / 2 + y), m);
                sum += std::sqrt((pa.l - pb.l) * (pa.l - pb.l) + (pa.a - pb.a) * (pa.a - pb.a) +
                                 (pa.b - pb.b) * (pa.b - pb.b));
            }
        return sum / (side * side);
    }
    // The smallest difference between two colours of the board, through either deficiency.
    double WorstPair(qreal ratio, std::string* which) const {
        double worst = 1e9;
        for (const auto* m : {&kDeuteranopia, &kProtanopia})
            for (int a = 1; a <= 8; ++a)
                for (int b = a + 1; b <= 8; ++b) {
                    const double d = Difference(Ball(ColumnOf(a), 1, ratio), Ball(ColumnOf(b), 1, ratio), *m);
                    if (d < worst) {
                        worst = d;
                        *which = std::to_string(a) + " and " + std::to_string(b) +
                                 (m == &kProtanopia ? " (protanopia)" : " (deuteranopia)");
                    }
                }
        return worst;
    }
};

TEST_F(ColourMarks, EveryTwoColoursDifferVisiblyWithoutTheirHuesAtEitherScale) {
    std::string which;
    // The measure is one that colour alone does not pass.
    EXPECT_LT(WorstPair(1, &which), kVisible) << which;
    SetMarks(true);
    for (qreal ratio : {1.0, 2.0}) {
        const double worst = WorstPair(ratio, &which);
        EXPECT_GE(worst, kVisible) << which << " at a ratio of " << ratio;
    }
    // Every colour its own symbol; an empty cell none.
    std::set<TShape::Mark> marks;
    for (int c = 1; c <= 8; ++c)
        marks.insert(Shape(c, 1)->Symbol());
    EXPECT_EQ(marks.size(), 8u);
    EXPECT_FALSE(marks.count(TShape::Mark::None));
    SetCell(1, 1, 0);
    EXPECT_EQ(Shape(1, 1)->Symbol(), TShape::Mark::None);
}

TEST_F(ColourMarks, OffTheBoardIsPaintedAsBeforePixelForPixel) {
    const QImage untouched = Child("Panel1")->grab().toImage();
    SetMarks(true);
    EXPECT_NE(Child("Panel1")->grab().toImage(), untouched);
    SetMarks(false);
    EXPECT_EQ(Child("Panel1")->grab().toImage(), untouched);
}

TEST_F(ColourMarks, SwitchingKeepsTheMarkedBallAndTheOptionIsRemembered) {
    std::filesystem::create_directories(ConfigHome() + "/kvelli99");
    std::ofstream(SettingsFile(), std::ios::binary) << "[Data]\nName=Ann\nDirectory=" << Dir().path() << "\n";
    RecreateForm();  // reads it
    // A player who never switched it finds no new key in the file.
    ASSERT_TRUE(CloseForm());
    EXPECT_EQ(ReadSettings().find("Marks"), std::string::npos) << ReadSettings();
    RecreateForm();
    SetBoard(kAllColours);
    Click(2, 2);
    SetMarks(true);
    EXPECT_EQ(Shape(2, 2)->Shape(), TShape::Kind::Rectangle);
    EXPECT_TRUE(game.FirstChosen);
    const std::string text = ReadSettings();
    EXPECT_NE(text.find("Marks=1"), std::string::npos) << text;
    EXPECT_NE(text.find("Name=Ann"), std::string::npos) << text;

    // Closing rewrites the file with the player's keys and keeps this one.
    ASSERT_TRUE(CloseForm());
    EXPECT_NE(ReadSettings().find("Marks=1"), std::string::npos);
    RecreateForm();
    EXPECT_TRUE(Action("MnuMarks")->isChecked());
    EXPECT_NE(Shape(1, 1)->Symbol(), TShape::Mark::None);
    SetMarks(false);
    RecreateForm();
    EXPECT_FALSE(Action("MnuMarks")->isChecked());
    EXPECT_EQ(Shape(1, 1)->Symbol(), TShape::Mark::None);
}

TEST_F(ColourMarks, ASettingsFileThatCannotBeReadIsNotReplaced) {
    // A directory where the file should be: reading fails, and the option is not written over it.
    std::filesystem::create_directories(SettingsFile());
    const size_t before = dialogs.messages.size();
    SetMarks(true);
    ASSERT_EQ(dialogs.messages.size(), before + 1);
    EXPECT_NE(dialogs.messages.back().text.indexOf("kvelli99.INI"), -1);
    EXPECT_TRUE(std::filesystem::is_directory(SettingsFile()));
    EXPECT_NE(Shape(1, 1)->Symbol(), TShape::Mark::None);  // on for this run all the same
}

}  // namespace
}  // namespace kv::test
