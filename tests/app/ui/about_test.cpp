// The About window and the rules window: what they show, the endless panel, the rights line, a
// text that takes no keys, and their making and destroying from the "?" menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "MainWindowFixture.h"
#include "ScriptedDialogs.h"
#include "app/ui/Kvelli99_U1.h"
#include "app/ui/UAbout.h"
#include "app/ui/UHelp.h"
#include "ui/Scale.h"

namespace kv::ui {
namespace {

// Lets the event loop run until `done` holds or `ms` have passed.
bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

QColor TextColour(const QWidget* w, QPalette::ColorRole role = QPalette::WindowText) {
    return w->palette().color(role);
}

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDpiOverride(120); }
    void TearDown() override { SetDpiOverride(0); }
    // Shows `w` modally through the dialog seam and runs `act` once it is up; the window is
    // closed afterwards if `act` left it open.
    void ShowAndRun(QDialog& w, std::function<void(QDialog*)> act) {
        dialogs.modalActions.push_back([act](QDialog* d) {
            act(d);
            if (d->isVisible()) d->reject();
        });
        Ui().ShowModal(&w);
    }
    test::ScriptedDialogs dialogs;
};

using AboutWindow = WindowTest;
using RulesWindow = WindowTest;

TEST_F(AboutWindow, ShowsTheProgramsOwnBlock) {
    TAboutForm f(nullptr, KV_EXECUTABLE);
    EXPECT_EQ(f.windowTitle(), "О программе");
    EXPECT_EQ(f.size(), QSize(353, 315));
    EXPECT_FALSE(f.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
    // Before the first show.
    EXPECT_EQ(f.LName->text(), "Internal Name");
    EXPECT_EQ(f.LVersion->text(), "Product Version");
    EXPECT_EQ(f.LCopy->text(), "Legal Copyright");
    EXPECT_EQ(f.LOs->text(), "LOS");
    EXPECT_EQ(f.LSystem->text(), "LSystem");
    EXPECT_EQ(f.LName->geometry(), QRect(124, 10, 224, 64));
    EXPECT_EQ(f.SP->geometry(), QRect(0, 128, 353, 117));
    EXPECT_EQ(TextColour(f.LName), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(TextColour(f.LVersion), QColor(0x80, 0x00, 0x80));
    EXPECT_EQ(TextColour(f.LCopy), TAboutForm::kNavy);
    EXPECT_EQ(TextColour(&f, QPalette::Window), QColor(0x00, 0x80, 0x00));
    EXPECT_EQ(f.SpeedButton1->text(), "Закрыть");
    EXPECT_EQ(f.SP->Interval(), 60);
    EXPECT_TRUE(f.SP->Running());  // from the window's creation on

    ShowAndRun(f, [&](QDialog*) {
        EXPECT_EQ(f.LName->text(), "Квелли 99 Internet version");
        EXPECT_EQ(f.LVersion->text(), "Version 3.35");
        EXPECT_EQ(f.LCopy->text(), "(c) 1999 Quorvane");
        EXPECT_EQ(f.LOs->text(), "Designed for 32-bit Windows");
        EXPECT_EQ(f.LOs->pos(), QPoint(4, 246));
        EXPECT_TRUE(f.LSystem->text().startsWith("System is ")) << f.LSystem->text().toStdString();
        // The family beside the design's text; the release only in the tooltip.
        EXPECT_EQ(f.LSystem->text(), PlatformText());
        EXPECT_FALSE(f.LSystem->Elided());
        EXPECT_TRUE(f.LSystem->toolTip().startsWith(f.LSystem->text().chopped(1) + u' '))
            << f.LSystem->toolTip().toStdString();
        EXPECT_LT(f.LOs->geometry().right(), f.LSystem->geometry().left());
        EXPECT_EQ(f.LSystem->geometry().right() + 1, 347);
        EXPECT_EQ(f.LSystem->y(), 246);
        f.SpeedButton1->click();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(f.SP->Running());  // closing stops the panel
}

TEST_F(AboutWindow, ScalesWithTheScreen) {
    SetDpiOverride(144);
    TAboutForm f(nullptr, KV_EXECUTABLE);
    EXPECT_EQ(f.size(), QSize(424, 378));
    EXPECT_EQ(f.LName->geometry(), QRect(149, 12, 269, 77));
    EXPECT_EQ(f.LName->font().pixelSize(), 34);
}

TEST_F(AboutWindow, EachOpeningScrollsFromTheStart) {
    for (int opening = 0; opening < 2; ++opening) {
        TAboutForm f(nullptr, KV_EXECUTABLE);
        ShowAndRun(f, [&](QDialog*) {
            const int start = f.SP->height();
            EXPECT_LE(start - f.SP->TextTop(), 2) << "opening " << opening;
            EXPECT_TRUE(WaitFor([&] { return f.SP->TextTop() <= start - 5; }, 5000)) << "it does not scroll";
        });
    }
}

TEST_F(AboutWindow, PanelLeavesAtTheTopAndEntersAgainAtTheBottom) {
    TScrollText sp;
    sp.resize(100, 50);
    sp.SetLines({"", "  ", "Quorvane", "", "mail"});
    EXPECT_EQ(sp.Lines(), (QStringList{"Quorvane", "", "mail"}));  // the leading empty lines go
    sp.Restart();
    const int start = sp.TextTop(), travel = sp.height() + sp.TextHeight();
    ASSERT_EQ(start, 50);
    ASSERT_GT(sp.TextHeight(), 0);
    for (int i = 1; i < travel; ++i) {
        sp.Step();
        ASSERT_EQ(sp.TextTop(), start - i);
    }
    sp.Step();  // the last line has left: back to the lower edge
    EXPECT_EQ(sp.TextTop(), start);
}

TEST_F(AboutWindow, RightsLineFollowsThePointerAndOpensThePage) {
    TAboutForm f(nullptr, KV_EXECUTABLE);
    ShowAndRun(f, [&](QDialog*) {
        QWidget* focusBefore = QApplication::focusWidget();
        const QPoint mid = f.LCopy->rect().center();
        Send(f.LCopy, QEvent::MouseMove, mid);
        EXPECT_EQ(TextColour(f.LCopy), TAboutForm::kBlue);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(f.LCopy, &leave);
        EXPECT_EQ(TextColour(f.LCopy), TAboutForm::kNavy);

        Send(f.LCopy, QEvent::MouseButtonPress, mid, Qt::LeftButton);
        Send(f.LCopy, QEvent::MouseButtonRelease, mid, Qt::LeftButton);
        EXPECT_EQ(dialogs.urls, std::vector<QString>{kMakerUrl});
        EXPECT_FALSE(f.LCopy->hasFocus());
        EXPECT_EQ(QApplication::focusWidget(), focusBefore);
        EXPECT_TRUE(f.isVisible());
        // A press that ends outside the line opens nothing.
        Send(f.LCopy, QEvent::MouseButtonPress, mid, Qt::LeftButton);
        Send(f.LCopy, QEvent::MouseButtonRelease, QPoint(-5, -5), Qt::LeftButton);
        EXPECT_EQ(dialogs.urls.size(), 1u);
    });
}

TEST_F(AboutWindow, ReaderFailureIsReportedAndMissingKeysAreEmpty) {
    {
        TAboutForm f(nullptr, "/nonexistent/kvelli99");
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "No Version Info Available.");
        EXPECT_EQ(dialogs.messages[0].title, "Kvelli '99");
        EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Error);
        ShowAndRun(f, [&](QDialog*) {
            EXPECT_EQ(f.LName->text(), "");
            EXPECT_EQ(f.LVersion->text(), "Version ");
            EXPECT_EQ(f.LCopy->text(), "(c) ");
            EXPECT_EQ(f.LOs->text(), "");
        });
    }
    // A block whose translation has no table: every key is missing.
    TAboutForm f(nullptr, KV_VERINFO_DATA "/otherlang.exe");
    ShowAndRun(f, [&](QDialog*) {
        EXPECT_EQ(f.LVersion->text(), "Version ");
        EXPECT_EQ(f.LCopy->text(), "(c) ");
        EXPECT_EQ(f.LOs->text(), "Designed for Win32 API, running on Windows/NT");
    });
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(RulesWindow, LayoutAndText) {
    SetDpiOverride(96);
    THelpForm f;
    EXPECT_EQ(f.windowTitle(), "Правила игры");
    EXPECT_EQ(f.size(), QSize(449, 329));
    EXPECT_EQ(f.RxLabel1->text(), "игра   К В Е Л Л И ");
    EXPECT_EQ(f.RxLabel1->pos(), QPoint(98, 12));
    EXPECT_EQ(TextColour(f.RxLabel1), QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(f.RichEdit1->geometry(), QRect(8, 56, 433, 233));
    EXPECT_EQ(TextColour(f.RichEdit1, QPalette::Base), QColor(0x00, 0x80, 0x00));
    EXPECT_EQ(TextColour(f.RichEdit1, QPalette::Text), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(f.RichEdit1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(f.SpeedButton1->text(), "Закрыть");

    const QStringList& lines = RulesLines();
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[2], "Дано поле, заполненное разноцветными шарами . ");
    EXPECT_EQ(lines[3], "  ");
    EXPECT_EQ(lines[5], "или по  горизонтали рядом было не менее трех шаров одного ");
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(lines[11], "Желаю удачи ! ! ! ");
    EXPECT_EQ(f.RichEdit1->toPlainText(), lines.join('\n'));  // blanks kept
    int blocks = 0;
    for (QTextBlock b = f.RichEdit1->document()->begin(); b.isValid(); b = b.next(), ++blocks)
        EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << blocks;
    EXPECT_EQ(blocks, 12);

    SetDpiOverride(120);
    THelpForm larger;
    EXPECT_EQ(larger.size(), QSize(561, 411));
}

TEST_F(RulesWindow, TextTakesNoKeysFocusOrSelection) {
    THelpForm f;
    const QString text = f.RichEdit1->toPlainText();
    ShowAndRun(f, [&](QDialog*) {
        // Clicking and dragging over the text neither focuses nor selects it.
        QWidget* vp = f.RichEdit1->viewport();
        Send(vp, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        Send(vp, QEvent::MouseMove, QPoint(200, 100), Qt::LeftButton);
        Send(vp, QEvent::MouseButtonRelease, QPoint(200, 100), Qt::LeftButton);
        EXPECT_FALSE(f.RichEdit1->hasFocus());
        EXPECT_FALSE(f.RichEdit1->textCursor().hasSelection());
        for (QWidget* target : {static_cast<QWidget*>(f.RichEdit1), vp, static_cast<QWidget*>(&f)}) {
            for (auto [key, mods, typed] : {std::tuple{Qt::Key_X, Qt::NoModifier, QString("x")},
                                            {Qt::Key_Backspace, Qt::NoModifier, QString()},
                                            {Qt::Key_Delete, Qt::NoModifier, QString()},
                                            {Qt::Key_Return, Qt::NoModifier, QString("\r")},
                                            {Qt::Key_V, Qt::ControlModifier, QString()},
                                            {Qt::Key_A, Qt::ControlModifier, QString()}}) {
                QKeyEvent press(QEvent::KeyPress, key, mods, typed);
                QCoreApplication::sendEvent(target, &press);
            }
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(&f, &tab);
        }
        EXPECT_EQ(f.RichEdit1->toPlainText(), text);
        EXPECT_FALSE(f.RichEdit1->textCursor().hasSelection());
        EXPECT_FALSE(f.RichEdit1->hasFocus());
        EXPECT_TRUE(f.isVisible());
        f.SpeedButton1->click();
        EXPECT_FALSE(f.isVisible());
    });
}

// ---- from the "?" menu

class HelpMenu : public test::MainWindowFixture {};

TEST_F(HelpMenu, EachCommandMakesItsWindowAnewAndDestroysIt) {
    std::vector<QPointer<QDialog>> seen;
    auto keep = [&](QDialog* d) {
        seen.emplace_back(d);
        d->reject();
    };
    dialogs.modalActions = {keep, keep, keep};
    dialogs.messages.clear();
    Form().MnuAboutClick();
    Form().MnuAboutClick();
    Form().MnuHelpClick();
    EXPECT_EQ(dialogs.modalShown, (std::vector<QString>{"AboutForm", "AboutForm", "HelpForm"}));
    ASSERT_EQ(seen.size(), 3u);
    for (const auto& w : seen)
        EXPECT_TRUE(w.isNull());  // destroyed once closed
    // The tests' own executable carries no version block: both openings report it and go on.
    EXPECT_EQ(dialogs.MessageTexts(),
              (std::vector<QString>{"No Version Info Available.", "No Version Info Available."}));
}

}  // namespace
}  // namespace kv::ui
