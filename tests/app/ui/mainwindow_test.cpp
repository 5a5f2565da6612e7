// The main window: layout, painting, menu, stored window state, close, and the error report.
#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <filesystem>
#include <fstream>

#include "MainWindowFixture.h"
#include "app/ui/Kvelli99_U1.h"
#include "game/UFunc.h"
#include "ui/ErrorReport.h"
#include "ui/Scale.h"
#include "ui/TShadowLabel.h"
#include "ui/TShape.h"

namespace kv::test {
namespace {

using ui::TShape;

class MainWindow : public MainWindowFixture {
  protected:
    std::string StoragePath() const { return ConfigHome() + "/software/quorvane/kvelli/storage.ini"; }
    void WriteStorage(const std::string& text) const {
        std::filesystem::create_directories(std::filesystem::path(StoragePath()).parent_path());
        std::ofstream(StoragePath()) << text;
    }
    std::string ReadStorage() const {
        std::ifstream in(StoragePath());
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    QPoint Centred() const {
        const QRect area = Form().screen()->availableGeometry();
        const QSize size = Form().frameGeometry().size();
        return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2};
    }
};

class MainWindowAt120 : public MainWindow {
    void BeforeForm() override { ui::SetDpiOverride(120); }
};
class MainWindowAt96 : public MainWindow {
    void BeforeForm() override { ui::SetDpiOverride(96); }
};

TEST_F(MainWindow, StartsWithTheCaptionAndASettledBoard) {
    EXPECT_EQ(Caption(), QStringLiteral("Квелли 99 Internet version      Игрок : (без имени) "));
    EXPECT_EQ(ScoreText(), "0");
    EXPECT_EQ(MovableText(), QString::number(game.MovableCount));
    EXPECT_EQ(game.Score, 0);
    for (const auto& row : Board())
        EXPECT_EQ(row.find_first_not_of("12345678"), std::string::npos) << row;
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowAt120, LaysOutTheDesignedPixels) {
    ui::TForm1& f = Form();
    EXPECT_EQ(f.centralWidget()->size(), QSize(491, 531));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());  // fixed size
    EXPECT_EQ(Child("Panel3")->geometry(), QRect(0, 0, 491, 40));
    EXPECT_EQ(Child("Panel1")->geometry(), QRect(0, 40, 491, 491));
    EXPECT_EQ(Child<QLabel>("Image1")->geometry(), QRect(0, 0, 491, 40));
    EXPECT_EQ(Child<kv::ui::TShadowLabel>("RxLabel3")->geometry(), QRect(136, 0, 81, 40));
    EXPECT_EQ(Child<kv::ui::TShadowLabel>("RxLabel4")->geometry(), QRect(280, 0, 75, 40));
    EXPECT_EQ(Child<QLabel>("FTPState")->geometry(), QRect(0, 0, 491, 16));
    EXPECT_TRUE(Child<QLabel>("FTPState")->text().isEmpty());

    // Drawing order, as the player sees it: the status line over the score, the score over the
    // picture.
    QWidget* header = Child("Panel3");
    EXPECT_EQ(header->childAt(140, 5), Child<QLabel>("FTPState"));
    EXPECT_EQ(header->childAt(140, 30), Child<kv::ui::TShadowLabel>("RxLabel3"));
    EXPECT_EQ(header->childAt(290, 30), Child<kv::ui::TShadowLabel>("RxLabel4"));
    EXPECT_EQ(header->childAt(60, 30), Child<QLabel>("Image1"));
    const QPixmap picture = Child<QLabel>("Image1")->pixmap();
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(500, 40));
    EXPECT_TRUE(Child<QLabel>("Image1")->hasScaledContents());

    for (ui::TShadowLabel* label :
         {Child<kv::ui::TShadowLabel>("RxLabel3"), Child<kv::ui::TShadowLabel>("RxLabel4")}) {
        EXPECT_EQ(label->font().family(), "Times New Roman");
        EXPECT_EQ(label->font().pixelSize(), 40);
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->TextColor(), QColor(0xFF, 0xFF, 0x00));
        EXPECT_EQ(label->ShadowColor(), QColor(Qt::black));
        EXPECT_EQ(label->ShadowSize(), 3);
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    }
    EXPECT_EQ(Child<QLabel>("FTPState")->font().pixelSize(), 10);
    EXPECT_EQ(f.font().family(), "MS Sans Serif");
    EXPECT_EQ(f.font().pixelSize(), 14);

    // The 64 balls, by name, tile the board as the player sees it: eight columns and rows of
    // cells 61 or 62 pixels wide, without gaps, the last reaching a pixel past the panel.
    EXPECT_EQ(Child("Panel1")->findChildren<TShape*>().size(), 64);
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const QString name = QStringLiteral("s%1%2").arg(c).arg(r);
            TShape* s = Child("Panel1")->findChild<TShape*>(name);
            ASSERT_NE(s, nullptr) << name.toStdString();
            const QRect g = s->geometry();
            EXPECT_EQ(g.x(), c == 1 ? 0 : Shape(c - 1, r)->geometry().right() + 1) << name.toStdString();
            EXPECT_EQ(g.y(), r == 1 ? 0 : Shape(c, r - 1)->geometry().bottom() + 1) << name.toStdString();
            EXPECT_TRUE(g.width() == 61 || g.width() == 62) << name.toStdString();
            EXPECT_TRUE(g.height() == 61 || g.height() == 62) << name.toStdString();
        }
    }
    EXPECT_EQ(Shape(8, 8)->geometry().right(), 491);
    EXPECT_EQ(Shape(8, 8)->geometry().bottom(), 491);

    const Qt::WindowFlags flags = f.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_EQ(f.palette().color(QPalette::Window), f.palette().color(QPalette::Button));
    ASSERT_FALSE(f.windowIcon().isNull());
    EXPECT_TRUE(f.windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST_F(MainWindowAt96, ScalesEdgesSoThatTheCellsTileWithoutGaps) {
    ui::TForm1& f = Form();
    EXPECT_EQ(f.centralWidget()->size(), QSize(393, 425));
    EXPECT_EQ(Child("Panel1")->geometry(), QRect(0, 32, 393, 393));
    EXPECT_EQ(Child<kv::ui::TShadowLabel>("RxLabel3")->font().pixelSize(), 32);
    EXPECT_EQ(Child<kv::ui::TShadowLabel>("RxLabel3")->ShadowSize(), 2);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(Shape(1, i)->y(), i == 1 ? 0 : Shape(1, i - 1)->geometry().bottom() + 1);
        EXPECT_EQ(Shape(i, 1)->x(), i == 1 ? 0 : Shape(i - 1, 1)->geometry().right() + 1);
    }
    EXPECT_GE(Shape(8, 8)->geometry().right(), Child("Panel1")->width() - 1);
    EXPECT_GE(Shape(8, 8)->geometry().bottom(), Child("Panel1")->height() - 1);
}

TEST_F(MainWindowAt120, PaintsBallsMarksAndEmptyCellsInTheirColours) {
    game.At(1, 1) = 2;   // red
    game.At(1, 2) = 0;   // empty
    game.At(1, 3) = 10;  // lime
    game.At(1, 4) = 42;  // from an edited file
    Form().GameController().ShowAll();
    const QColor face = Form().palette().color(QPalette::Button);
    auto pixel = [&](const QImage& img, int col, int dx, int dy) {
        const QRect cell = Shape(col, 1)->geometry();
        return img.pixelColor(cell.x() + dx, cell.y() + dy);
    };
    QImage img = Child("Panel1")->grab().toImage();
    EXPECT_EQ(pixel(img, 1, 31, 31), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(pixel(img, 1, 3, 3), face);  // outside the circle
    EXPECT_EQ(pixel(img, 2, 31, 31), face);
    EXPECT_EQ(pixel(img, 3, 31, 31), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(pixel(img, 4, 31, 31), QColor(0x40, 0x40, 0x40));

    Click(1, 1);  // the mark fills the whole cell, inside a 1-pixel outline in the face colour
    img = Child("Panel1")->grab().toImage();
    EXPECT_EQ(pixel(img, 1, 3, 3), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(pixel(img, 1, 1, 1), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(pixel(img, 1, 0, 0), face);

    Form().GameController().ShowAll();  // painting keeps the mark of a chosen ball
    img = Child("Panel1")->grab().toImage();
    EXPECT_EQ(pixel(img, 1, 3, 3), QColor(0xFF, 0x00, 0x00));
    Click(1, 1);  // let go
    img = Child("Panel1")->grab().toImage();
    EXPECT_EQ(pixel(img, 1, 3, 3), face);
}

TEST_F(MainWindowAt120, TheCountersAreYellowWithABlackShadow) {
    auto count = [&](auto&& test) {
        const QImage img = Child("Panel3")->grab().toImage();
        const QRect r = Child<ui::TShadowLabel>("RxLabel3")->geometry();
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += test(img.pixelColor(x, y)) ? 1 : 0;
        return n;
    };
    auto yellow = [](QColor c) { return c.red() > 240 && c.green() > 240 && c.blue() < 60; };
    auto black = [](QColor c) { return c.red() < 30 && c.green() < 30 && c.blue() < 30; };
    SetCounters(888, game.MovableCount);
    EXPECT_EQ(Child<ui::TShadowLabel>("RxLabel3")->text(), "888");
    EXPECT_GT(count(yellow), 100);
    EXPECT_GT(count(black), 100);
    Child<ui::TShadowLabel>("RxLabel3")->setText(QString());  // the header picture alone has neither
    EXPECT_EQ(count(yellow), 0);
    EXPECT_EQ(count(black), 0);
}

TEST_F(MainWindow, ABallNamedAfterItsCellPaintsAndPressesThatCell) {
    game.At(5, 3) = 2;
    game.At(3, 5) = 1;
    Form().GameController().ShowAll();
    EXPECT_EQ(Form().findChild<TShape*>("s35")->BrushColor(), QColor(0xFF, 0, 0));
    EXPECT_EQ(Form().findChild<TShape*>("s53")->BrushColor(), QColor(0, 0, 0xFF));
    Click(3, 5);
    EXPECT_EQ(game.FirstCell, (kv::Cell{5, 3}));
}

struct Item {
    const char* name;
    const char* caption;  // nullptr: a separator
    QKeySequence shortcut;
};

void ExpectItems(QMenu* menu, const std::vector<Item>& items) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size())) << menu->objectName().toStdString();
    for (size_t i = 0; i < items.size(); ++i) {
        QAction* a = actions[static_cast<qsizetype>(i)];
        EXPECT_EQ(a->objectName(), items[i].name);
        EXPECT_EQ(a->isSeparator(), items[i].caption == nullptr) << items[i].name;
        if (items[i].caption) {
            EXPECT_EQ(a->text(), QString::fromUtf8(items[i].caption)) << items[i].name;
        }
        EXPECT_EQ(a->shortcut(), items[i].shortcut) << items[i].name;
        // Qt disables what it hides: N10 is the one item that is hidden.
        const bool hidden = std::string(items[i].name) == "N10";
        EXPECT_EQ(a->isVisible(), !hidden) << items[i].name;
        EXPECT_EQ(a->isEnabled(), !hidden) << items[i].name;
    }
}

TEST_F(MainWindow, TheMenuIsCompleteWithItsShortcutsAndRadioGroup) {
    ui::TForm1& f = Form();
    const QList<QAction*> top = f.menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), "Игра");
    EXPECT_EQ(top[1]->text(), "Интернет");
    EXPECT_EQ(top[2]->text(), "?");
    EXPECT_EQ(top[0]->menu(), Child<QMenu>("Game"));
    EXPECT_EQ(top[1]->menu(), Child<QMenu>("N8"));
    EXPECT_EQ(top[2]->menu(), Child<QMenu>("Hlp"));
    ExpectItems(Child<QMenu>("Game"), {{"MnuNew", "Заново", QKeySequence(Qt::Key_F4)},
                                       {"MnuSave", "Сохранить", QKeySequence(Qt::Key_F2)},
                                       {"MnuLoad", "Загрузить", QKeySequence(Qt::Key_F3)},
                                       {"MnuRec", "Рекорды", QKeySequence(Qt::Key_F5)},
                                       {"N3", nullptr, {}},
                                       {"MnuRecFile", "Файл рекордов", {}},
                                       {"N1", nullptr, {}},
                                       {"MnuExit", "Вы&ход", QKeySequence(Qt::CTRL | Qt::Key_X)}});
    EXPECT_EQ(Child<QMenu>("Game")->actions()[5]->menu(), Child<QMenu>("MnuRecFile"));
    ExpectItems(Child<QMenu>("MnuRecFile"), {{"N4", "На этой машине", {}}, {"N5", "По сети", {}}});
    ExpectItems(Child<QMenu>("N8"), {{"N9", "Посмотреть общий результат в интернете", {}},
                                     {"N11", nullptr, {}},
                                     {"N7", "Отправить свой результат по интернету", {}},
                                     {"N10", "Настройка", {}}});
    // The design's items, then the option of marked balls, off on a first run, then the hint.
    ExpectItems(Child<QMenu>("Hlp"), {{"MnuHelp", "Правила игры", {}},
                                      {"N2", nullptr, {}},
                                      {"MnuAbout", "О программе", {}},
                                      {"N12", nullptr, {}},
                                      {"MnuMarks", "Значки на шарах", {}},
                                      {"MnuHint", "Подсказка", QKeySequence(Qt::Key_H)}});
    EXPECT_TRUE(Action("MnuMarks")->isCheckable());
    EXPECT_FALSE(Action("MnuMarks")->isChecked());

    ASSERT_NE(Action("N4")->actionGroup(), nullptr);
    EXPECT_EQ(Action("N4")->actionGroup(), Action("N5")->actionGroup());
    EXPECT_TRUE(Action("N4")->actionGroup()->isExclusive());
    EXPECT_TRUE(Action("N4")->isCheckable());
    EXPECT_TRUE(Action("N4")->isChecked());
    EXPECT_FALSE(Action("N5")->isChecked());
    // A handler moving the mark: the group keeps at most one checked.
    Action("N5")->setChecked(true);
    EXPECT_FALSE(Action("N4")->isChecked());
}

TEST_F(MainWindow, FunctionKeysWorkWithoutOpeningTheMenuAndCtrlXClosesWithoutAQuestion) {
    dialogs.saveAnswers.push_back(std::nullopt);
    dialogs.openAnswers.push_back(std::nullopt);
    std::map<QString, int> fired;
    for (QAction* a :
         {Action("MnuNew"), Action("MnuSave"), Action("MnuLoad"), Action("MnuRec"), Action("MnuExit")})
        QObject::connect(a, &QAction::triggered, &Form(), [&fired, a] { ++fired[a->objectName()]; });
    SendKey(Qt::Key_F2);
    SendKey(Qt::Key_F3);
    SendKey(Qt::Key_F4);
    SendKey(Qt::Key_F5);
    EXPECT_EQ(fired["MnuSave"], 1);
    EXPECT_EQ(fired["MnuLoad"], 1);
    EXPECT_EQ(fired["MnuNew"], 1);
    EXPECT_EQ(fired["MnuRec"], 1);
    EXPECT_EQ(dialogs.saveCalls.size(), 1u);
    EXPECT_EQ(dialogs.openCalls.size(), 1u);
    const size_t messagesBefore = dialogs.messages.size();
    ASSERT_TRUE(Form().isVisible());
    SendKey(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(fired["MnuExit"], 1);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_EQ(dialogs.messages.size(), messagesBefore);
}

TEST_F(MainWindow, AFirstRunIsCentredWithTheLocalRecordsChecked) {
    EXPECT_EQ(Form().pos(), Centred());
    EXPECT_TRUE(Action("N4")->isChecked());
    EXPECT_FALSE(Action("N5")->isChecked());
    EXPECT_FALSE(std::filesystem::exists(StoragePath()));  // nothing is written before the close
}

TEST_F(MainWindow, ThePlacementAndTheMenuStateSurviveARestart) {
    Action("N5")->setChecked(true);
    Form().move(37, 51);
    const QSize size = Form().frameGeometry().size();
    ASSERT_TRUE(CloseForm());
    const std::string dpi = std::to_string(ui::ScreenDpi());
    EXPECT_EQ(ReadStorage(),
              "[MainForm]\nFormVersion=0\nFlags=0\nShowCmd=1\nPixelsPerInch=" + dpi +
                  "\nMinMaxPos=-1,-1,-1,-1\nNormPos=37,51," + std::to_string(37 + size.width()) + "," +
                  std::to_string(51 + size.height()) + "\nVisible=0\nN4_Checked=False\nN5_Checked=True\n");

    RecreateForm();
    EXPECT_EQ(Form().pos(), QPoint(37, 51));
    EXPECT_TRUE(Action("N5")->isChecked());
    EXPECT_FALSE(Action("N4")->isChecked());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, APlacementStoredAtAnotherResolutionIsIgnored) {
    WriteStorage("[MainForm]\nPixelsPerInch=" + std::to_string(ui::ScreenDpi() + 24) +
                 "\nNormPos=5,6,400,500\nN4_Checked=False\nN5_Checked=True\n");
    RecreateForm();
    EXPECT_EQ(Form().pos(), Centred());
    EXPECT_TRUE(Action("N5")->isChecked());
}

TEST_F(MainWindow, MalformedStoredValuesAreIgnoredOneByOne) {
    WriteStorage("[MainForm]\nNormPos=abc,77\nN4_Checked=maybe\nN5_Checked=\nShowCmd=x\n");
    RecreateForm();
    EXPECT_EQ(Form().pos(), QPoint(Centred().x(), 77));
    EXPECT_TRUE(Action("N4")->isChecked());
    EXPECT_FALSE(Action("N5")->isChecked());
    EXPECT_FALSE(Form().isMinimized());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, AMinimisedStateIsRestoredAndStored) {
    WriteStorage("[MainForm]\nShowCmd=7\n");
    RecreateForm();
    EXPECT_TRUE(Form().isMinimized());
    ASSERT_TRUE(CloseForm());
    EXPECT_NE(ReadStorage().find("\nShowCmd=2\n"), std::string::npos) << ReadStorage();
}

TEST_F(MainWindow, AStorageFileThatCannotBeUsedIsReportedAndTheWindowGoesOn) {
    std::filesystem::create_directories(StoragePath());  // a directory where the file belongs
    RecreateForm();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, ui::MsgIcon::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QString::fromStdString(StoragePath())));
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(Form().pos(), Centred());

    EXPECT_TRUE(CloseForm());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.startsWith("Unable to write to "));
    EXPECT_FALSE(Form().isVisible());
}

TEST_F(MainWindow, ASettingsFileThatCannotBeWrittenIsReportedAndTheProgramStillCloses) {
    // The settings file's place is taken by a directory.
    std::filesystem::create_directories(ConfigHome() + "/kvelli99/kvelli99.INI");
    EXPECT_TRUE(CloseForm());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, ui::MsgIcon::Error);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Unable to write to "))
        << dialogs.messages[0].text.toStdString();
    EXPECT_FALSE(Form().isVisible());
    EXPECT_TRUE(std::filesystem::is_regular_file(StoragePath()));  // the window state is still kept
}

TEST(ErrorReport, AFullStopFollowsALastCharacterAboveTheFullStop) {
    EXPECT_EQ(ui::WithFullStop("Disk full"), "Disk full.");
    EXPECT_EQ(ui::WithFullStop("Ошибка записи"), "Ошибка записи.");
    EXPECT_EQ(ui::WithFullStop("code 5"), "code 5.");
    EXPECT_EQ(ui::WithFullStop("path/"), "path/.");
    EXPECT_EQ(ui::WithFullStop("Done."), "Done.");
    EXPECT_EQ(ui::WithFullStop("Stop!"), "Stop!");
    EXPECT_EQ(ui::WithFullStop("(see above)"), "(see above)");
    EXPECT_EQ(ui::WithFullStop("a, b,"), "a, b,");
    EXPECT_EQ(ui::WithFullStop("x-"), "x-");
    EXPECT_EQ(ui::WithFullStop("trailing "), "trailing ");
    EXPECT_EQ(ui::WithFullStop(""), "");
}

TEST(ErrorReport, WhatEscapesAHandlerIsShownAndTheProgramGoesOn) {
    ScriptedDialogs dialogs;
    EXPECT_FALSE(ui::Guarded([] { throw kv::Exception("Unable to write to /x/y"); }));
    EXPECT_FALSE(ui::Guarded([] { throw std::runtime_error("Bad thing!"); }));
    EXPECT_FALSE(ui::Guarded([] { throw 5; }));
    bool ran = false;
    EXPECT_TRUE(ui::Guarded([&] { ran = true; }));
    EXPECT_TRUE(ran);
    ASSERT_EQ(dialogs.messages.size(), 3u);
    for (const auto& m : dialogs.messages) {
        EXPECT_EQ(m.title, "Kvelli '99");
        EXPECT_EQ(m.icon, ui::MsgIcon::Error);
        EXPECT_EQ(m.buttons, ui::MsgButtons::Ok);
    }
    EXPECT_EQ(dialogs.messages[0].text, "Unable to write to /x/y.");
    EXPECT_EQ(dialogs.messages[1].text, "Bad thing!");
    EXPECT_EQ(dialogs.messages[2].text, "Unknown error.");
}

}  // namespace
}  // namespace kv::test
