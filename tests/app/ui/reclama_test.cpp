// The advertisement window: its layout and texts, and that only a key or a click closes it.
#include "app/ui/UReclama.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <functional>

#include "ui/Scale.h"

namespace kv::ui {
namespace {

constexpr int kStillOpen = 42;
constexpr int kTimedOut = -42;

class ReclamaTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDpiOverride(120); }
    void TearDown() override { SetDpiOverride(0); }

    // Shows the window modally and runs `act` inside its loop; a window that does not close is
    // ended after a while so that the test fails instead of hanging.
    static int Run(TReclamaForm& f, const std::function<void()>& act) {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &f, [&f] { f.done(kTimedOut); });
        guard.start(3000);
        QTimer::singleShot(0, &f, act);
        const int r = f.exec();
        guard.stop();
        return r;
    }

    // Runs `act` and reports whether the window was still open afterwards.
    static bool StaysOpen(TReclamaForm& f, const std::function<void()>& act) {
        bool open = false;
        const int r = Run(f, [&] {
            act();
            QCoreApplication::processEvents();
            open = f.isVisible();
            f.done(kStillOpen);
        });
        return open && r == kStillOpen;
    }

    static void Key(QObject* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                    bool repeat = false) {
        QKeyEvent press(QEvent::KeyPress, key, mods, QString(), repeat);
        QCoreApplication::sendEvent(target, &press);
    }
    static void Mouse(QWidget* target, QEvent::Type type, QPoint pos,
                      Qt::MouseButton button = Qt::LeftButton) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent ev(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &ev);
    }
    static void Click(QWidget* target, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
        Mouse(target, QEvent::MouseButtonPress, pos, button);
        Mouse(target, QEvent::MouseButtonRelease, pos, button);
    }
};

int CountColour(const QImage& img, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
    return n;
}

TEST_F(ReclamaTest, LayoutTextsFontsAndColours) {
    TReclamaForm f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Ваша реклама"));
    EXPECT_EQ(f.size(), QSize(544, 305));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    const Qt::WindowFlags flags = f.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(flags &
                 (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                  Qt::WindowSystemMenuHint | Qt::WindowContextHelpButtonHint));
    EXPECT_TRUE(f.autoFillBackground());
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(0x00, 0x80, 0x00));

    EXPECT_EQ(f.RxLabel1->geometry(), QRect(0, 0, 544, 178));
    // The prompt's strip: 19 high or more, as its font's line needs, taken from the middle item.
    EXPECT_GE(f.Label1->height(), 19);
    EXPECT_GE(f.Label1->height(), QFontMetrics(f.Label1->font()).height());
    EXPECT_EQ(f.RxLabel2->geometry(), QRect(0, 178, 544, 305 - 178 - f.Label1->height()));
    EXPECT_EQ(f.Label1->geometry(), QRect(0, 305 - f.Label1->height(), 544, f.Label1->height()));

    EXPECT_EQ(f.RxLabel1->text(), QStringLiteral("А это место\nдля Вашей рекламы"));
    EXPECT_EQ(
        f.RxLabel2->text(),
        QStringLiteral("Свои предложения по размещению рекламы посылать по адресу:\n") + kReclamaAddress);
    EXPECT_TRUE(kReclamaAddress.contains('@'));
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Нажмите любую клавишу"));

    struct Want {
        TReclamaLabel* label;
        int height;
        QColor text, shadow;
        bool wraps;
    };
    const Want wants[] = {
        {f.RxLabel1, 50, QColor(0x80, 0, 0), QColor(0, 0xFF, 0), true},
        {f.RxLabel2, 20, QColor(0xFF, 0xFF, 0), QColor(0x80, 0, 0), true},
        {f.Label1, 17, QColor(0, 0, 0), QColor(), false},
    };
    for (const Want& w : wants) {
        SCOPED_TRACE(w.label->objectName().toStdString());
        EXPECT_EQ(w.label->font().family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(w.label->font().pixelSize(), w.height);
        EXPECT_TRUE(w.label->font().bold());
        EXPECT_EQ(w.label->TextColour(), w.text);
        EXPECT_EQ(w.label->ShadowColour(), w.shadow);
        EXPECT_EQ(w.label->ShadowOffset() > 0, w.shadow.isValid());
        EXPECT_EQ(w.label->wordWrap(), w.wraps);
        EXPECT_TRUE(w.label->alignment() & Qt::AlignHCenter);
        EXPECT_EQ(w.label->cursor().shape(), Qt::PointingHandCursor);
    }
}

TEST_F(ReclamaTest, ScaledOnOtherScreens) {
    SetDpiOverride(96);
    TReclamaForm f;
    EXPECT_EQ(f.size(), QSize(435, 244));
    // The items still cover the whole client area without gaps.
    EXPECT_EQ(f.RxLabel1->geometry().top(), 0);
    EXPECT_EQ(f.RxLabel2->geometry().top(), f.RxLabel1->geometry().bottom() + 1);
    EXPECT_EQ(f.Label1->geometry().top(), f.RxLabel2->geometry().bottom() + 1);
    EXPECT_EQ(f.Label1->geometry().bottom() + 1, f.height());
    EXPECT_EQ(f.RxLabel1->font().pixelSize(), 40);
}

TEST_F(ReclamaTest, PaintsTextsAndShadowsOnGreen) {
    TReclamaForm f;
    const QImage img = f.grab().toImage();
    const QRect top = f.RxLabel1->geometry(), middle = f.RxLabel2->geometry(), bottom = f.Label1->geometry();
    EXPECT_GT(CountColour(img, top, qRgb(0, 0x80, 0)), top.width() * top.height() / 2);
    EXPECT_GT(CountColour(img, top, qRgb(0x80, 0, 0)), 200);  // the maroon headline
    EXPECT_GT(CountColour(img, top, qRgb(0, 0xFF, 0)), 50);   // its lime shadow
    EXPECT_GT(CountColour(img, middle, qRgb(0xFF, 0xFF, 0)), 100);
    EXPECT_GT(CountColour(img, middle, qRgb(0x80, 0, 0)), 20);  // the maroon shadow
    EXPECT_GT(CountColour(img, bottom, qRgb(0, 0, 0)), 20);
    EXPECT_EQ(CountColour(img, bottom, qRgb(0, 0xFF, 0)), 0);
}

TEST_F(ReclamaTest, AnyKeyClosesItAgainAndAgain) {
    TReclamaForm f;
    const int keys[] = {Qt::Key_Space,   Qt::Key_F4,  Qt::Key_F1,      Qt::Key_F12,    Qt::Key_Shift,
                        Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta,    Qt::Key_Escape, Qt::Key_Return,
                        Qt::Key_Tab,     Qt::Key_A,   Qt::Key_CapsLock};
    for (int key : keys) {
        SCOPED_TRACE(key);
        EXPECT_EQ(Run(f, [&] { Key(&f, key); }), QDialog::Accepted);
        EXPECT_FALSE(f.isVisible());
    }
    // A key with modifiers, and a key that reaches one of the items first.
    EXPECT_EQ(Run(f, [&] { Key(&f, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier); }), QDialog::Accepted);
    EXPECT_EQ(Run(f, [&] { Key(f.RxLabel2, Qt::Key_Space); }), QDialog::Accepted);
    EXPECT_EQ(Run(f, [&] { Key(f.Label1, Qt::Key_F2); }), QDialog::Accepted);
    // Nothing in it changes between showings.
    EXPECT_EQ(f.Label1->text(), kReclamaPrompt);
}

TEST_F(ReclamaTest, ItClaimsShortcutKeysSoNoMenuCommandRuns) {
    TReclamaForm f;
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F4, Qt::NoModifier);
    override.ignore();
    QCoreApplication::sendEvent(f.RxLabel1, &override);
    EXPECT_TRUE(override.isAccepted());
}

TEST_F(ReclamaTest, AClickOnAnyItemClosesIt) {
    TReclamaForm f;
    for (TReclamaLabel* item : {f.RxLabel1, f.RxLabel2, f.Label1}) {
        SCOPED_TRACE(item->objectName().toStdString());
        EXPECT_EQ(Run(f, [&] { Click(item, item->rect().center()); }), QDialog::Accepted);
        EXPECT_EQ(Run(f, [&] { Click(item, QPoint(1, 1), Qt::RightButton); }), QDialog::Accepted);
    }
    // The corners of the window belong to items too.
    EXPECT_EQ(Run(f, [&] { Click(f.Label1, QPoint(f.Label1->width() - 1, f.Label1->height() - 1)); }),
              QDialog::Accepted);
}

TEST_F(ReclamaTest, NothingElseClosesIt) {
    TReclamaForm f;
    EXPECT_TRUE(StaysOpen(f, [&] {
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(f.RxLabel1, &move);
    }));
    EXPECT_TRUE(StaysOpen(f, [&] {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f.RxLabel2, &wheel);
    }));
    // A press alone is not a click, nor a release whose press went elsewhere or that ends outside.
    EXPECT_TRUE(StaysOpen(f, [&] { Mouse(f.RxLabel1, QEvent::MouseButtonPress, QPoint(5, 5)); }));
    EXPECT_TRUE(StaysOpen(f, [&] { Mouse(f.RxLabel1, QEvent::MouseButtonRelease, QPoint(5, 5)); }));
    EXPECT_TRUE(StaysOpen(f, [&] {
        Mouse(f.RxLabel1, QEvent::MouseButtonPress, QPoint(5, 5));
        Mouse(f.RxLabel1, QEvent::MouseButtonRelease, QPoint(5, f.RxLabel1->height() + 30));
    }));
    // Key releases and the repeats of a key held down since before it was shown.
    EXPECT_TRUE(StaysOpen(f, [&] {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_F4, Qt::NoModifier);
        QCoreApplication::sendEvent(&f, &release);
    }));
    EXPECT_TRUE(StaysOpen(f, [&] { Key(&f, Qt::Key_F4, Qt::NoModifier, true); }));
    // The window manager's close request: there is no close box.
    EXPECT_TRUE(StaysOpen(f, [&] {
        ASSERT_TRUE(f.windowHandle());
        QCloseEvent close;
        QCoreApplication::sendEvent(f.windowHandle(), &close);
    }));
    // A press released over the same item still closes it after all that.
    EXPECT_EQ(Run(f, [&] { Click(f.RxLabel1, QPoint(5, 5)); }), QDialog::Accepted);
}

TEST_F(ReclamaTest, CentredOnTheDesktop) {
    TReclamaForm f;
    QPoint centre;
    Run(f, [&] {
        centre = f.frameGeometry().center();
        f.accept();
    });
    const QPoint screen = f.screen()->availableGeometry().center();
    EXPECT_LE((centre - screen).manhattanLength(), 4);
}

}  // namespace
}  // namespace kv::ui
