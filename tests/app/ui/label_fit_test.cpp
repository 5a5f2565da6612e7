// Every text of every window shows whole at 96, 100, 120 and 144 dpi (and, through the ctest case
// app_ui_scale2, on a screen that doubles pixels), with the faces that stand in for the ones the
// windows ask for and the longest texts each place can hold: nothing cut by its label, its row or
// its window, and no two texts touching.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QTextEdit>
#include <algorithm>
#include <climits>
#include <cmath>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "MainWindowFixture.h"
#include "app/ui/Kvelli99_U1.h"
#include "app/ui/UAbout.h"
#include "app/ui/UHelp.h"
#include "app/ui/UReclama.h"
#include "base/Cp1251.h"
#include "game/ui/NewGame.h"
#include "net/ResultsExchange.h"
#include "net/ui/USet.h"
#include "records/RecFile.h"
#include "records/ui/DirEdit.h"
#include "records/ui/Kvel_Rec_U.h"
#include "records/ui/RecordsUi.h"
#include "ui/Scale.h"
#include "ui/TShadowLabel.h"
#include "ui/TextFit.h"
#include "ui/Translations.h"

namespace kv::ui {
namespace {

std::string Box(const QRect& r) {
    return std::to_string(r.left()) + "," + std::to_string(r.top()) + ".." + std::to_string(r.right()) + "," +
           std::to_string(r.bottom());
}

// The bounds of what `draw` paints about `place`, found by drawing unclipped on a canvas that
// reaches far beyond it, at the screen's pixels: a screen that doubles them places glyphs
// differently.
QRect InkOf(const QRect& place, qreal ratio, const std::function<void(QPainter&)>& draw) {
    constexpr int kPad = 300;
    const QRect canvasRect = place.adjusted(-kPad, -kPad, kPad, kPad);
    QImage canvas((QSizeF(canvasRect.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.translate(-canvasRect.topLeft());
        p.setPen(Qt::black);
        draw(p);
    }
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            // The faintest fringe of smoothing is no letter; a thin tail is (an eighth of full ink).
            if (qAlpha(row[x]) < 32) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    // In logical pixels, rounded outwards.
    auto logical = [ratio](int px) { return static_cast<int>(std::floor(px / ratio)); };
    return QRect(QPoint(logical(left), logical(top)), QPoint(logical(right), logical(bottom)))
        .translated(canvasRect.topLeft());
}

// `text` drawn into `place` with `flags`, and once more `shadow` pixels to the lower right.
QRect InkOf(const QFont& font, const QRect& place, int flags, const QString& text, int shadow, qreal ratio) {
    return InkOf(place, ratio, [&](QPainter& p) {
        p.setFont(font);
        p.drawText(place, flags | Qt::TextDontClip, text);
        if (shadow > 0) p.drawText(place.translated(shadow, shadow), flags | Qt::TextDontClip, text);
    });
}

// What `label` paints, as its paint does it (font, place, alignment, wrapping, shadow, elision),
// in the label's coordinates.
QRect Ink(const QLabel* label) {
    QRect place = label->contentsRect();
    QFont font = label->font();
    QString text = label->text();
    int shadow = 0;
    if (auto* shadowed = qobject_cast<const TShadowLabel*>(label)) {
        font = shadowed->PaintedFont();
        shadow = shadowed->ShadowSize();
        place.adjust(0, 0, -shadow, -shadow);
    } else if (auto* reclama = qobject_cast<const TReclamaLabel*>(label)) {
        if (reclama->ShadowColour().isValid()) shadow = reclama->ShadowOffset();
    } else if (auto* elide = qobject_cast<const TElideLabel*>(label)) {
        place = elide->TextRect();
        text = elide->ShownText();
    } else if (label->indent() > 0) {
        // The indent is on the side the text stands, which a right-to-left window mirrors.
        const Qt::Alignment side = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        if (side & Qt::AlignLeft) place.adjust(label->indent(), 0, 0, 0);
        if (side & Qt::AlignRight) place.adjust(0, 0, -label->indent(), 0);
    }
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return InkOf(font, place, flags, text, shadow, label->devicePixelRatioF());
}

// A text that shows: its name for the messages, its letters in window coordinates.
struct Shown {
    std::string what;
    QRect ink;
};

// Checks one label: its letters inside its contents, the label inside its parent. Returns what
// it shows, if anything.
std::vector<Shown> CheckLabel(const QLabel* label, const std::string& context) {
    if (label->text().isEmpty() || !label->isVisibleTo(label->window())) return {};
    const std::string what = label->objectName().toStdString() + " \"" + label->text().toStdString() + "\"";
    const QRect ink = Ink(label);
    EXPECT_FALSE(ink.isEmpty()) << context << ": " << what << " draws nothing";
    EXPECT_TRUE(label->contentsRect().contains(ink))
        << context << ": " << what << " ink " << Box(ink) << " beyond " << Box(label->contentsRect());
    // The label itself must lie inside its parent, or the parent cuts it.
    if (const QWidget* parent = label->parentWidget()) {
        EXPECT_TRUE(parent->rect().contains(label->geometry()))
            << context << ": " << what << " placed " << Box(label->geometry()) << " beyond its parent's "
            << Box(parent->rect());
    }
    return {{what, ink.translated(label->mapTo(label->window(), QPoint(0, 0)))}};
}

// Checks the rows of a records list: each text drawn as the list paints it stays in its row,
// and each row in the list.
std::vector<Shown> CheckRows(const TRecListBox* list, const std::string& context) {
    std::vector<Shown> out;
    const QWidget* viewport = list->viewport();
    for (int i = 0; i < list->count(); ++i) {
        const QString text = list->item(i)->text();
        const QRect row = list->visualItemRect(list->item(i));
        const std::string what = list->objectName().toStdString() + " row " + std::to_string(i + 1) + " \"" +
                                 text.toStdString() + "\"";
        const QRect ink = InkOf(row, list->devicePixelRatioF(),
                                [&](QPainter& p) { TRecListBox::PaintRowText(&p, row, list->font(), text); });
        EXPECT_FALSE(ink.isEmpty()) << context << ": " << what << " draws nothing";
        EXPECT_TRUE(row.contains(ink))
            << context << ": " << what << " ink " << Box(ink) << " beyond " << Box(row);
        EXPECT_TRUE(viewport->rect().contains(row))
            << context << ": " << what << " row " << Box(row) << " beyond " << Box(viewport->rect());
        out.push_back({what, ink.translated(viewport->mapTo(list->window(), QPoint(0, 0)))});
    }
    return out;
}

// Every text of `window` whole, and no two touching. Windows of their own are checked by
// themselves.
void ExpectAllFit(const QWidget& window, const std::string& context, bool hasTexts = true) {
    std::vector<Shown> shown;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->window() != &window) continue;
        for (Shown& s : CheckLabel(label, context))
            shown.push_back(std::move(s));
    }
    for (const TRecListBox* list : window.findChildren<TRecListBox*>()) {
        for (Shown& s : CheckRows(list, context))
            shown.push_back(std::move(s));
    }
    if (hasTexts) {
        EXPECT_FALSE(shown.empty()) << context << " shows no texts to check";
    }
    // The main window's status line lies across the top of its header, over the counters, as
    // the window is designed; while an exchange shows a status there, the two may touch.
    auto designed = [](const Shown& a, const Shown& b) {
        auto is = [](const Shown& s, const char* name) { return s.what.rfind(name, 0) == 0; };
        return (is(a, "FTPState ") && is(b, "RxLabel")) || (is(b, "FTPState ") && is(a, "RxLabel"));
    };
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j)
            if (!designed(shown[i], shown[j])) {
                EXPECT_FALSE(shown[i].ink.intersects(shown[j].ink))
                    << context << ": " << shown[i].what << " " << Box(shown[i].ink) << " overlaps "
                    << shown[j].what << " " << Box(shown[j].ink);
            }
}

// 15 bytes of the Windows-1251 letter that is widest in `font`, or the tallest and the deepest
// letters followed by the widest: the names that need most room.
std::vector<std::string> WidestNames(const QFont& font) {
    const QFontMetricsF fm(font);
    char widest = 'W', tallest = 'W', deepest = 'W';
    qreal width = 0, top = 0, bottom = 0;
    for (int b = 0x21; b <= 0xFF; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const QString letter = QString::fromStdString(Cp1251ToUtf8(byte));
        if (letter.isEmpty() || !letter[0].isPrint()) continue;
        const QRectF ink = fm.tightBoundingRect(letter);
        if (fm.horizontalAdvance(letter) > width) width = fm.horizontalAdvance(letter), widest = byte[0];
        if (ink.top() < top) top = ink.top(), tallest = byte[0];
        if (ink.bottom() > bottom) bottom = ink.bottom(), deepest = byte[0];
    }
    return {std::string(15, widest), std::string(15, 'W'), Utf8ToCp1251("ЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩ"),
            std::string{tallest, deepest} + std::string(13, widest)};
}

// The letters that show a Russian text in `language`: any Cyrillic one, or in a language written
// in Cyrillic those it does not have.
QRegularExpression RussianLetters(const std::string& language) {
    return QRegularExpression(language == "uk" || language == "bg" ? QStringLiteral("[ыэёЫЭЁ]")
                                                                   : QStringLiteral("[\\x{0400}-\\x{04FF}]"));
}

// The languages of the program: Russian and every translation.
std::vector<std::string> Languages() {
    std::vector<std::string> out;
    for (const QString& language : AvailableLanguages())
        out.push_back(language.toStdString());
    return out;
}

// In a language other than Russian, no Russian letter in the window's title, labels, buttons,
// text boxes and menus; `except` names a label that shows the player's data.
void ExpectNoRussian(const QWidget& window, const std::string& context, const std::string& language,
                     const char* except = "") {
    const QRegularExpression russian = RussianLetters(language);
    auto check = [&](const QString& text, const std::string& what) {
        EXPECT_FALSE(text.contains(russian))
            << context << ": " << what << " \"" << text.toStdString() << "\"";
    };
    check(window.windowTitle(), "title");
    // Windows of their own are checked by themselves.
    for (const QLabel* l : window.findChildren<QLabel*>())
        if (l->window() == &window && l->objectName() != QLatin1String(except))
            check(l->text(), l->objectName().toStdString());
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (b->window() == &window) check(b->text(), b->objectName().toStdString());
    for (const QTextEdit* e : window.findChildren<QTextEdit*>())
        check(e->toPlainText(), e->objectName().toStdString());
    for (const TScrollText* t : window.findChildren<TScrollText*>())
        check(t->Lines().join(u'\n'), "scrolling text");
    for (const QAction* a : window.findChildren<QAction*>())
        check(a->text(), "menu item " + a->objectName().toStdString());
}

TEST(LabelFitCheck, SeesWhatIsCutAndWhatTouches) {
    QWidget window;
    window.resize(200, 100);
    QLabel label(QStringLiteral("Квелли 99"), &window);
    label.setFont(ScaledFont(QStringLiteral("Times New Roman"), 20));
    label.setAlignment(Qt::AlignCenter);
    label.setGeometry(0, 0, 200, 40);
    EXPECT_EQ(CheckLabel(&label, "fits").size(), 1u);
    for (const QRect& bad : {QRect(0, 0, 40, 40),      // too narrow: cut on both sides
                             QRect(0, 0, 200, 8),      // too low
                             QRect(150, 0, 200, 40)})  // wide enough, but past the window's edge
    {
        label.setGeometry(bad);
        EXPECT_NONFATAL_FAILURE(CheckLabel(&label, "cut"), "beyond");
    }
    label.setGeometry(0, 0, 200, 40);
    QLabel other(QStringLiteral("99"), &window);
    other.setFont(label.font());
    other.setGeometry(0, 0, 200, 40);
    other.setAlignment(Qt::AlignCenter);
    EXPECT_NONFATAL_FAILURE(ExpectAllFit(window, "two on one line"), "overlaps");
    other.move(0, 50);
    ExpectAllFit(window, "one above the other");

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
    EXPECT_EQ(CheckLabel(&counter, "counter").size(), 1u);

    // An eliding label shows what fits, and the check measures what it shows.
    TElideLabel line(&window);
    line.setGeometry(0, 60, 80, 20);
    line.setText(QStringLiteral("System is Linux 6.18.44-generic-with-a-long-tail."));
    EXPECT_TRUE(line.Elided());
    EXPECT_TRUE(line.ShownText().endsWith(QChar(0x2026))) << line.ShownText().toStdString();
    EXPECT_EQ(CheckLabel(&line, "elided").size(), 1u);
    line.setText(QStringLiteral("Linux."));
    EXPECT_FALSE(line.Elided());
}

// At each resolution, in Russian and in every language the program has a translation for.
class LabelsFit : public test::MainWindowFixture,
                  public ::testing::WithParamInterface<std::tuple<int, std::string>> {
  protected:
    void BeforeForm() override {
        SetDpiOverride(std::get<0>(GetParam()));
        const QString language = QString::fromStdString(std::get<1>(GetParam()));
        ASSERT_EQ(InstallTranslations(language), language);
    }
    void TearDown() override {
        test::MainWindowFixture::TearDown();
        InstallTranslations(kSourceLanguage);
    }
};

TEST_P(LabelsFit, InEveryWindowWithTheLongestTexts) {
    const std::string dpi =
        " at " + std::to_string(std::get<0>(GetParam())) + " dpi in " + std::get<1>(GetParam());
    TForm1& f = Form();
    ExpectAllFit(f, "main window" + dpi);
    // The counters with the widest numbers they can show, and every status text of an exchange.
    for (int score : {0, 15, 995, 4'995, 99'995, 999'995, INT_MAX, INT_MIN}) {
        SetCounters(score, 64);
        ExpectAllFit(f, "main window, score " + std::to_string(score) + dpi);
    }
    std::vector<QString> statuses;
    for (const char* own : {"Идет подключение ...", "Соединение прошло успешно."})
        statuses.push_back(QCoreApplication::translate("kv::ui::TExchangeController", own));
    for (const std::string& core :
         {kExchangeReading, kExchangeWritingRecords, kExchangeWritingTable, kExchangeWritten})
        statuses.push_back(CoreText(core));
    for (const QString& status : statuses) {
        f.SetStatus(status);
        ExpectAllFit(f, "main window, status " + status.toStdString() + dpi);
    }

    // The records window with the widest names and scores a records file can hold, and a
    // records directory too long for the status line.
    // Every row filled: negative scores, which only an edited file holds, rank below empty rows.
    TForm2& records = *f.RecordsController().Form2;
    const std::vector<std::string> names = WidestNames(records.ListBox1->font());
    for (int i = 0; i < kMatrRows; ++i)
        this->records.Matr[i] = RecEntry{names[i % names.size()], i < 18    ? INT_MAX - i
                                                                  : i == 18 ? -999'999'995
                                                                            : INT_MIN};
    records.FormCreate();
    ASSERT_EQ(records.ListBox1->count(), kMatrRows);
    records.SB1->setText(QStringLiteral("/home/player/shared/records/") + QString(40, u'Ш'));
    ExpectAllFit(records, "records window" + dpi);

    ExpectAllFit(*Child<TReclamaForm>("ReclamaForm"), "advertisement window" + dpi);
    ExpectAllFit(*f.ExchangeController().SetForm, "results-server settings" + dpi, false);
    THelpForm rules;
    ExpectAllFit(rules, "rules window" + dpi);

    // The About window with the program's own block, then with a long system text and with the
    // longest system text of any block beside it.
    TAboutForm about(nullptr, KV_EXECUTABLE);
    about.FormShow();
    ASSERT_EQ(about.LOs->text(), "Designed for 32-bit Windows");
    ExpectAllFit(about, "About window" + dpi);
    about.LSystem->setText(QStringLiteral("System is ") + QString(64, u'W') + u'.');  // uname's longest
    about.PlaceSystemLine();
    ExpectAllFit(about, "About window, long system" + dpi);
    about.LOs->setText(QStringLiteral("Designed for Win32 API, running on Windows/NT"));
    about.PlaceSystemLine();
    ExpectAllFit(about, "About window, both long" + dpi);

    // The words of the header picture are in the language in force too.
    const QPixmap header = Child<QLabel>("Image1")->pixmap();
    const QString language = QString::fromStdString(std::get<1>(GetParam()));
    const QString drawing = QStringLiteral(":/kvelli/header") +
                            (language == kSourceLanguage ? QString() : u'-' + language) +
                            (header.devicePixelRatio() > 1 ? "@2x.gif" : ".gif");
    const QImage expected(drawing);
    ASSERT_FALSE(expected.isNull()) << drawing.toStdString()
                                    << " is missing: scripts/make-assets.py draws it";
    EXPECT_EQ(header.toImage().convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32))
        << "the header picture is not " << drawing.toStdString() << dpi;

    const std::string& lang = std::get<1>(GetParam());
    if (lang == "ru") {
        // The Russian texts fill the places laid out for them at the sizes they were drawn with.
        EXPECT_EQ(about.LName->font().pixelSize(),
                  ScaledFont(QStringLiteral("Times New Roman"), 28, true).pixelSize());
        EXPECT_EQ(Child<QLabel>("FTPState")->font().pixelSize(),
                  ScaledFont(QStringLiteral("MS Sans Serif"), 10).pixelSize());
        EXPECT_EQ(rules.RxLabel1->indent(), -1);
    }
    if (lang != "ru") {
        if (lang == "en") {
            ASSERT_EQ(Action("MnuNew")->text(), "New");
        }
        ASSERT_NE(Action("MnuNew")->text(), "Заново");
        ExpectNoRussian(f, "main window" + dpi, lang);
        ExpectNoRussian(records, "records window" + dpi, lang, "SB1");
        ExpectNoRussian(*Child<TReclamaForm>("ReclamaForm"), "advertisement window" + dpi, lang);
        ExpectNoRussian(*f.ExchangeController().SetForm, "results-server settings" + dpi, lang);
        ExpectNoRussian(rules, "rules window" + dpi, lang);
        TAboutForm fresh(nullptr, KV_EXECUTABLE);
        fresh.FormShow();
        ExpectNoRussian(fresh, "About window" + dpi, lang);
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, LabelsFit,
                         ::testing::Combine(::testing::Values(96, 100, 120, 144),
                                            ::testing::ValuesIn(Languages())),
                         [](const auto& info) {
                             return std::to_string(std::get<0>(info.param)) + "dpi_" +
                                    std::get<1>(info.param);
                         });

// The caption, and the prompt, choosers and boxes the main window opens, in the language in force:
// in Russian the texts as they always were, in any other no Russian letter.
class DialogTexts : public test::MainWindowFixture, public ::testing::WithParamInterface<std::string> {
  protected:
    void BeforeForm() override {
        const QString language = QString::fromStdString(GetParam());
        ASSERT_EQ(InstallTranslations(language), language);
    }
    void TearDown() override {
        test::MainWindowFixture::TearDown();
        InstallTranslations(kSourceLanguage);
    }
};

TEST_P(DialogTexts, CaptionPromptChoosersAndBoxes) {
    const QString caption = Caption();
    dialogs.inputAnswers.push_back({false, ""});
    Form().RecordsController().AskPlayerName();
    dialogs.saveAnswers.push_back(std::nullopt);
    Action("MnuSave")->trigger();
    const std::string notAGame = Dir().File("letter.sav");
    std::ofstream(notAGame) << "Dear player,\n";
    dialogs.openAnswers.push_back(QString::fromStdString(notAGame));
    Action("MnuLoad")->trigger();
    ASSERT_EQ(dialogs.inputTitles.size(), 1u);
    ASSERT_EQ(dialogs.saveCalls.size(), 1u);
    ASSERT_EQ(dialogs.openCalls.size(), 1u);
    const std::vector<QString> boxes = dialogs.MessageTexts();
    ASSERT_EQ(boxes.size(), 1u);
    dialogs.folderAnswers.push_back(std::nullopt);
    Action("N5")->trigger();
    ASSERT_EQ(dialogs.folderTitles.size(), 1u);
    // A "%" in the directory's name stays as it is.
    const QString dir = QStringLiteral("/srv/100%1 records");
    const std::vector<std::pair<std::string, QString>> texts = {
        {"caption", caption},
        {"name title", dialogs.inputTitles[0]},
        {"name prompt", dialogs.inputPrompts[0]},
        {"save title", dialogs.saveCalls[0].title},
        {"save filters", dialogs.saveCalls[0].filters.join(u'\n')},
        {"load title", dialogs.openCalls[0].title},
        {"load filters", dialogs.openCalls[0].filters.join(u'\n')},
        {"load box", boxes[0]},
        {"records folder", dialogs.folderTitles[0]},
        {"records at start", StartupMessage(dir)},
        {"records in the chosen folder", DirectoryMessage(dir)},
    };
    if (GetParam() == "ru") {
        const QString badLoad =
            QStringLiteral("Файл «") + QString::fromStdString(notAGame) +
            QStringLiteral("» не является сохранённой игрой (ошибка в строке 1).\nИгра не изменилась.");
        const std::vector<QString> russian = {
            QStringLiteral("Квелли 99 Internet version      Игрок : (без имени) "),
            QStringLiteral("Ваше имя ?"),
            QStringLiteral("Введите пожалуйста Ваше имя."),
            QStringLiteral("Сохранить игру"),
            ChooserFilters(QStringLiteral("Сохраненные игры|*.sav|Все файлы |*.*")).join(u'\n'),
            QStringLiteral("Загрузить игру"),
            ChooserFilters(QStringLiteral("Сохраненные игры|*.sav|Все файлы|*.*")).join(u'\n'),
            badLoad,
            QStringLiteral("Каталог файла рекордов"),
            QStringLiteral(
                "Не могу найти файл рекордов в каталоге : /srv/100%1 records!\n\rПроверте правильность "
                "указания каталога\n\r в меню: \"Игра|Файл рекордов\""),
            QStringLiteral("Не могу найти файл рекордов в каталоге : /srv/100%1 records !\n\r\n\rПроверте "
                           "правильность указания каталога\n\r в меню: \"Игра | Файл рекордов\""),
        };
        ASSERT_EQ(texts.size(), russian.size());
        for (size_t i = 0; i < texts.size(); ++i)
            EXPECT_EQ(texts[i].second, russian[i]) << texts[i].first;
        return;
    }
    const QRegularExpression cyrillic = RussianLetters(GetParam());
    for (const auto& [what, text] : texts) {
        EXPECT_FALSE(text.trimmed().isEmpty()) << what;
        EXPECT_FALSE(text.contains(cyrillic)) << what << ": " << text.toStdString();
    }
    EXPECT_TRUE(boxes[0].contains(QString::fromStdString(notAGame))) << boxes[0].toStdString();
    EXPECT_TRUE(StartupMessage(dir).contains(dir));
    EXPECT_TRUE(DirectoryMessage(dir).contains(dir));
}

INSTANTIATE_TEST_SUITE_P(Language, DialogTexts, ::testing::ValuesIn(Languages()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace kv::ui
