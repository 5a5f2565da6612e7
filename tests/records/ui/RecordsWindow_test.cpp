// The records window on its own: its layout, the listing, the painting of its lists, its keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScreen>

#include "ScriptedDialogs.h"
#include "base/Cp1251.h"
#include "records/RecFile.h"
#include "records/ui/Kvel_Rec_U.h"
#include "ui/Scale.h"

namespace kv::ui {
namespace {

class RecordsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDpiOverride(120);
        records.Matr.fill(RecEntry{});
    }
    void TearDown() override { SetDpiOverride(0); }
    RecordsState records;
};

QStringList Items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void Press(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

TEST_F(RecordsWindowTest, LayoutAt120AndScaled) {
    TForm2 form(records.Matr);
    EXPECT_EQ(form.objectName(), "Form2");
    EXPECT_EQ(form.windowTitle(), "Рекорды");
    EXPECT_EQ(form.size(), QSize(304, 516));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(form.Panel1->geometry(), QRect(0, 0, 304, 516));
    EXPECT_EQ(form.ListBox1->geometry(), QRect(2, 2, 180, 493));
    EXPECT_EQ(form.ListBox2->geometry(), QRect(182, 2, 120, 493));
    EXPECT_EQ(form.SB1->geometry(), QRect(2, 495, 300, 19));
    for (auto* list : {form.ListBox1, form.ListBox2}) {
        EXPECT_FALSE(list->isEnabled());
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::NoSelection);
        EXPECT_EQ(list->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(list->font().family(), "Times New Roman");
        EXPECT_EQ(list->font().pixelSize(), 20);
        EXPECT_TRUE(list->font().bold());
        EXPECT_EQ(list->RowHeight(), 18);
    }

    // Centred on the screen, at every showing.
    for (int i = 0; i < 2; ++i) {
        form.show();
        const QPoint centre = form.screen()->availableGeometry().center();
        EXPECT_LE((form.frameGeometry().center() - centre).manhattanLength(), 2);
        form.move(0, 0);
        form.hide();
    }

    SetDpiOverride(96);
    TForm2 small(records.Matr);
    EXPECT_EQ(small.size(), QSize(243, 413));
    EXPECT_EQ(small.ListBox1->font().pixelSize(), 16);
    // Edges, not sizes, are scaled: the lists abut and stay inside the bevels.
    EXPECT_EQ(small.ListBox1->geometry().right() + 1, small.ListBox2->geometry().left());
    EXPECT_LT(small.ListBox2->geometry().right(), small.width() - 1);
}

TEST_F(RecordsWindowTest, ListingRanksAndRunsOnCreateShowAndActivate) {
    records.Matr[0] = {"low", 10};
    records.Matr[1] = {"high", 30};
    records.Matr[2] = {"mid", 20};
    records.Matr[4] = {"after gap", 5};
    TForm2 form(records.Matr);
    EXPECT_EQ(Items(form.ListBox1), (QStringList{"high", "mid", "low", "after gap"}));
    EXPECT_EQ(Items(form.ListBox2), (QStringList{"30", "20", "10", "5"}));

    // Windows-1251 names; a table changed since is listed again when the window is shown.
    records.Matr.fill(RecEntry{});
    records.Matr[0] = {Utf8ToCp1251("Ёжик"), 7};
    form.show();
    EXPECT_EQ(Items(form.ListBox1), (QStringList{"Ёжик"}));
    EXPECT_EQ(Items(form.ListBox2), (QStringList{"7"}));
    // ... and when it becomes the active window.
    records.Matr.fill(RecEntry{});
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activate);
    EXPECT_EQ(form.ListBox1->count(), 0);
    EXPECT_EQ(form.ListBox2->count(), 0);
    form.hide();
}

TEST_F(RecordsWindowTest, RowsArePaintedYellowOnBlueThoughDisabled) {
    records.Matr[0] = {"WWWWWWWW", 88888};
    TForm2 form(records.Matr);
    form.show();
    QCoreApplication::processEvents();
    QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);

    auto count = [&](QRect r, auto pred) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += pred(QColor(shot.pixel(x, y)));
        return n;
    };
    auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 80; };
    auto blue = [](QColor c) { return c == QColor(0, 0, 255); };
    auto grey = [](QColor c) {
        return c.red() == c.green() && c.green() == c.blue() && c.red() > 40 && c.red() < 230;
    };
    for (auto* list : {form.ListBox1, form.ListBox2}) {
        QRect area = list->geometry();
        QRect row1(area.left(), area.top(), area.width(), 18);
        EXPECT_GT(count(row1, yellow), 20) << list->objectName().toStdString();
        EXPECT_EQ(count(area, grey), 0) << list->objectName().toStdString();
        // Text begins 2 pixels into the row: the first columns stay blue.
        EXPECT_EQ(count(QRect(area.left(), area.top(), 2, 18), blue), 2 * 18);
        // Empty rows below are blue all over.
        QRect rest(area.left(), area.top() + 18, area.width(), area.height() - 18);
        EXPECT_EQ(count(rest, blue), rest.width() * rest.height());
    }
    form.hide();
}

TEST_F(RecordsWindowTest, EscapeClosesNoOtherKeyDoes) {
    test::ScriptedDialogs dialogs;
    TForm2 form(records.Matr);
    bool openAfterKeys = false, closedByEscape = false;
    dialogs.modalActions.push_back([&](QDialog* w) {
        Press(w, Qt::Key_A, "a");
        Press(w, Qt::Key_Return, "\r");
        Press(w, Qt::Key_Space, " ");
        Press(w, Qt::Key_F4);
        openAfterKeys = w->isVisible();
        Press(w, Qt::Key_Escape, "\x1B");
        closedByEscape = !w->isVisible();
        if (w->isVisible()) w->done(99);
    });
    Ui().ShowModal(&form);
    EXPECT_TRUE(openAfterKeys);
    EXPECT_TRUE(closedByEscape);
    EXPECT_EQ(dialogs.modalShown, (std::vector<QString>{"Form2"}));
}

}  // namespace
}  // namespace kv::ui
