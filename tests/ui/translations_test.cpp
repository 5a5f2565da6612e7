// The player's language: which one is chosen, what the program's and Qt's own texts then read,
// and that a missing or damaged catalogue leaves the Russian texts.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "base/Exception.h"
#include "records/PlayerSettings.h"
#include "records/RecFile.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/Translations.h"

namespace kv::ui {
namespace {

// Puts the source language back after a test, whatever it installed.
struct RussianAfter {
    ~RussianAfter() { InstallTranslations(kSourceLanguage); }
};

// The texts of the buttons and labels of the modal dialog that `open` shows, read as soon as it
// is up; the dialog is then cancelled.
std::set<std::string> TextsOf(const std::function<void()>& open) {
    std::set<std::string> texts;
    bool seen = false;
    std::function<void()> look = [&] {
        QWidget* w = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QDialog*>(w);
        if (!dialog) {
            QTimer::singleShot(10, look);  // not up yet
            return;
        }
        seen = true;
        for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
            if (b->isVisibleTo(dialog)) texts.insert(b->text().remove(u'&').toStdString());
        for (const QLabel* l : dialog->findChildren<QLabel*>())
            if (l->isVisibleTo(dialog)) texts.insert(l->text().remove(u'&').toStdString());
        dialog->reject();
    };
    QTimer::singleShot(0, look);
    open();
    EXPECT_TRUE(seen) << "no dialog came up";
    return texts;
}

// The save chooser's, the input box's and the question's texts.
struct DialogTexts {
    std::set<std::string> chooser, input, question;
};

DialogTexts RealDialogs() {
    SetUi(nullptr);
    test::TempDir dir;
    DialogTexts out;
    FileChooser save;
    save.title = QStringLiteral("Сохранить игру");
    save.filters = {QStringLiteral("Сохраненные игры (*.sav)")};
    save.initialDir = QString::fromStdString(dir.path());
    QString path;
    out.chooser = TextsOf([&] { EXPECT_FALSE(Ui().SaveFile(nullptr, save, path)); });
    QString name = QStringLiteral("Игрок");
    out.input = TextsOf([&] {
        EXPECT_FALSE(Ui().InputQuery(nullptr, QStringLiteral("Ваше имя"), QStringLiteral("Имя"), name, 15));
    });
    out.question = TextsOf([&] {
        Ui().Message(nullptr, QStringLiteral("Kvelli '99"), QStringLiteral("m0.sav"), MsgIcon::Question,
                     MsgButtons::YesNo);
    });
    return out;
}

TEST(QtTranslations, RealDialogsSpeakThePlayersLanguage) {
    RussianAfter restore;
    ASSERT_EQ(InstallTranslations(QStringLiteral("ru")), "ru");
    ASSERT_TRUE(QtCatalogueLoaded()) << "qtbase_ru not found: is qt6-translations-l10n installed?";
    DialogTexts ru = RealDialogs();
    EXPECT_TRUE(ru.chooser.count("Сохранить")) << "chooser's Save";
    EXPECT_TRUE(ru.chooser.count("Отмена")) << "chooser's Cancel";
    for (const char* english : {"Save", "Cancel", "Look in:", "File name:", "Files of type:"})
        EXPECT_FALSE(ru.chooser.count(english)) << english;
    EXPECT_TRUE(ru.input.count("Отмена")) << "input box's Cancel";
    EXPECT_FALSE(ru.input.count("Cancel"));
    EXPECT_TRUE(ru.question.count("Да")) << "Yes";
    EXPECT_TRUE(ru.question.count("Нет")) << "No";

    // English: Qt's own texts with no Russian left over from before.
    ASSERT_EQ(InstallTranslations(QStringLiteral("en")), "en");
    EXPECT_FALSE(QtCatalogueLoaded());
    DialogTexts en = RealDialogs();
    EXPECT_TRUE(en.chooser.count("Save") && en.chooser.count("Cancel")) << "chooser";
    EXPECT_TRUE(en.input.count("Cancel")) << "input box";
    EXPECT_TRUE(en.question.count("Yes") && en.question.count("No")) << "question";
    for (const auto* texts : {&en.chooser, &en.input, &en.question})
        for (const char* russian : {"Сохранить", "Отмена", "Да", "Нет"})
            EXPECT_FALSE(texts->count(russian)) << russian;
}

TEST(Language, ChosenFromTheSettingOrTheDesktopsList) {
    const QStringList available{QStringLiteral("ru"), QStringLiteral("en"), QStringLiteral("pt_BR")};
    auto choose = [&](const char* setting, QStringList desktop) {
        return ChooseLanguage(QString::fromUtf8(setting), desktop, available).toStdString();
    };
    // The desktop's list, most wanted first, as Qt gives it.
    EXPECT_EQ(choose("", {"ru-RU", "ru"}), "ru");
    EXPECT_EQ(choose("", {"en-US", "en"}), "en");
    EXPECT_EQ(choose("", {"de-DE", "de"}), "en") << "a language without a translation";
    EXPECT_EQ(choose("", {"de-DE", "de", "ru-RU", "ru"}), "ru") << "LANGUAGE=de:ru";
    EXPECT_EQ(choose("", {"C"}), "ru");
    EXPECT_EQ(choose("", {"POSIX"}), "ru");
    EXPECT_EQ(choose("", {"C.UTF-8"}), "ru");
    EXPECT_EQ(choose("", {}), "en");
    EXPECT_EQ(choose("", {"pt-BR"}), "pt_BR");
    EXPECT_EQ(choose("", {"pt-PT", "pt"}), "en") << "only Brazil's Portuguese has one";
    // Chinese by its script, whatever the region.
    const QStringList chinese{QStringLiteral("ru"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW")};
    for (const auto& [tag, want] : std::vector<std::pair<const char*, const char*>>{{"zh-Hant-TW", "zh_TW"},
                                                                                    {"zh-HK", "zh_TW"},
                                                                                    {"zh_MO.UTF-8", "zh_TW"},
                                                                                    {"zh-Hant", "zh_TW"},
                                                                                    {"zh-Hans-CN", "zh_CN"},
                                                                                    {"zh-SG", "zh_CN"},
                                                                                    {"zh", "zh_CN"},
                                                                                    {"zh-Hans-HK", "zh_CN"}})
        EXPECT_EQ(ChooseLanguage({}, {QString::fromLatin1(tag)}, chinese), want) << tag;
    // The key overrides the desktop, also towards Russian; a language without a translation
    // gives English, whatever the desktop says.
    EXPECT_EQ(choose("en", {"ru-RU", "ru"}), "en");
    EXPECT_EQ(choose("ru", {"en-US", "en"}), "ru");
    EXPECT_EQ(choose(" ru_RU.UTF-8 ", {"en-US"}), "ru");
    EXPECT_EQ(choose("en_GB", {"ru"}), "en");
    EXPECT_EQ(choose("de", {"ru-RU", "ru"}), "en");
    EXPECT_EQ(choose("klingon", {"ru"}), "en");
    EXPECT_EQ(choose("C", {"en"}), "ru");
    EXPECT_EQ(choose("   ", {"ru"}), "ru") << "a blank key is no choice";

    // Qt's own lists for the desktop's locales.
    const QStringList ours = AvailableLanguages();
    EXPECT_TRUE(ours.contains(QStringLiteral("ru")) && ours.contains(QStringLiteral("en")))
        << ours.join(' ').toStdString();
    auto desktop = [&](const char* locale) {
        return ChooseLanguage({}, QLocale(QString::fromLatin1(locale)).uiLanguages(), ours).toStdString();
    };
    EXPECT_EQ(desktop("ru_RU"), "ru");
    EXPECT_EQ(desktop("en_US"), "en");
    EXPECT_EQ(desktop("de_DE"), "de");
    EXPECT_EQ(desktop("el_GR"), "en") << "a language Qt's dialogs do not speak";
    EXPECT_EQ(ChooseLanguage({}, QLocale::c().uiLanguages(), ours), "ru");
}

// Every language Qt's own dialogs speak has a catalogue of ours.
TEST(Language, EveryLanguageOfQtsDialogs) {
    const QStringList ours = AvailableLanguages();
    const QStringList qts = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                                .entryList({QStringLiteral("qtbase_*.qm")}, QDir::Files);
    ASSERT_GE(qts.size(), 2) << "is qt6-translations-l10n installed?";
    for (const QString& file : qts) {
        const QString language = file.mid(7).chopped(3);
        EXPECT_TRUE(ours.contains(language))
            << language.toStdString() << " has no translations/kvelli99_" << language.toStdString() << ".ts";
    }
}

// In each language of ours: the desktop's locale of that language chooses it, its catalogue and
// Qt's load, a text of each comes out translated, and the windows' direction is the language's.
class EveryLanguage : public ::testing::TestWithParam<QString> {};

TEST_P(EveryLanguage, ChosenLoadedAndTranslated) {
    RussianAfter restore;
    const QString language = GetParam();
    const std::string name = language.toStdString();
    const QString locale = language.contains(u'_') ? language : QLocale(language).name();
    EXPECT_EQ(ChooseLanguage({}, QLocale(locale).uiLanguages(), AvailableLanguages()), language)
        << locale.toStdString();
    ASSERT_EQ(InstallTranslations(language), language);
    EXPECT_EQ(LanguageInForce(), language);
    const QString records = TrText{"kv::ui::TForm2", "Рекорды"};
    EXPECT_FALSE(records.isEmpty() || records == QStringLiteral("Рекорды")) << name;
    // A text of Qt's chooser, and the standard buttons (which Slovak has under Qt 5's context only).
    for (const auto& [context, source] : std::vector<std::pair<const char*, const char*>>{
             {"QFileDialog", "Look in:"}, {"QPlatformTheme", "Cancel"}, {"QPlatformTheme", "&Yes"}}) {
        const QString qt = QCoreApplication::translate(context, source);
        if (language == QLatin1String("en"))
            EXPECT_EQ(qt, source);
        else
            EXPECT_NE(qt, source) << name << ": " << context << " " << source;
    }
    if (language != QLatin1String("en")) {
        EXPECT_TRUE(QtCatalogueLoaded()) << "no qtbase_" << name << ".qm";
    }
    const bool rtl =
        language == QLatin1String("ar") || language == QLatin1String("fa") || language == QLatin1String("he");
    EXPECT_EQ(QGuiApplication::layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight) << name;
}

INSTANTIATE_TEST_SUITE_P(Language, EveryLanguage, ::testing::ValuesIn([] {
                             QStringList languages = AvailableLanguages();
                             languages.removeAll(kSourceLanguage);
                             return std::vector<QString>(languages.begin(), languages.end());
                         }()),
                         [](const auto& info) { return info.param.toStdString(); });

TEST(Language, SettingsKeyRead) {
    test::TempDir dir;
    const std::string path = dir.path() + "/kvelli99.INI";
    auto read = [](const std::string& p) { return LanguageSetting(ReadSettingsData(p)); };
    EXPECT_EQ(read(path), "") << "no file";
    std::ofstream(path) << "[Data]\r\nName=Игрок\r\nLanguage = en \r\n";
    EXPECT_EQ(read(path), "en");
    std::ofstream(path) << "[Other]\nLanguage=en\n[Data]\nName=x\n";
    EXPECT_EQ(read(path), "") << "another section's key";
    EXPECT_EQ(read(dir.path()), "") << "a directory";
    // The program's own rewrite at close keeps the player's key.
    std::ofstream(path) << "[Data]\nLanguage=en\n";
    SettingsData data = ReadSettingsData(path);
    data.Name = "Игрок";
    WriteSettings(path, data);
    EXPECT_EQ(read(path), "en");
}

TEST(Language, EnglishTextsAndPatternedErrors) {
    RussianAfter restore;
    const TrText title{"kv::ui::TForm2", "Рекорды"};
    const Exception error(KV_TRANSLATE_NOOP("kv::Text", "Не удалось прочитать файл %1."), {"\"%1.sav\""});
    EXPECT_EQ(QString(title), "Рекорды");
    EXPECT_EQ(ErrorText(error), "Не удалось прочитать файл \"%1.sav\".");
    ASSERT_EQ(InstallTranslations(QStringLiteral("en")), "en");
    EXPECT_EQ(QString(title), "Records");
    EXPECT_EQ(ErrorText(error), "Could not read the file \"%1.sav\".");
    EXPECT_EQ(CoreText("Запись прошла успешно."), "Written successfully.");
    EXPECT_EQ(ErrorText(Exception("Connection Failed")), "Connection Failed") << "no pattern: as it is";
    EXPECT_EQ(ErrorText(std::runtime_error("x")), "x");
}

TEST(Language, MissingOrDamagedCatalogueLeavesRussian) {
    RussianAfter restore;
    test::TempDir dir;
    const QString d = QString::fromStdString(dir.path());
    const TrText title{"kv::ui::TForm2", "Рекорды"};
    auto russianEverywhere = [&](const char* what) {
        EXPECT_EQ(QString(title), "Рекорды") << what;
        EXPECT_TRUE(QtCatalogueLoaded()) << what << ": Qt's texts in Russian too";
    };
    EXPECT_EQ(InstallTranslations(QStringLiteral("en"), d), "ru") << "missing";
    russianEverywhere("missing");

    // Garbage, an empty file, and the real catalogue cut short.
    QFile real(kTranslationsDir + QStringLiteral("/kvelli99_en.qm"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray bytes = real.readAll();
    auto write = [&](const QByteArray& data) {
        QFile f(d + QStringLiteral("/kvelli99_en.qm"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(data);
    };
    for (const QByteArray& damaged : {QByteArray("not a catalogue at all"), QByteArray(), bytes.left(20)}) {
        write(damaged);
        EXPECT_EQ(InstallTranslations(QStringLiteral("en"), d), "ru") << damaged.size() << " bytes";
        russianEverywhere("damaged");
    }
    // Cut in the middle of its tables: loaded or not, each text is one language's, whole.
    write(bytes.left(bytes.size() / 2));
    const QString got = InstallTranslations(QStringLiteral("en"), d);
    EXPECT_TRUE(QString(title) == "Рекорды" || QString(title) == "Records") << got.toStdString();
    write(bytes);
    EXPECT_EQ(InstallTranslations(QStringLiteral("en"), d), "en") << "the same bytes whole";
    EXPECT_EQ(QString(title), "Records");
    // A language with no catalogue in the program's folder, given as the key would.
    EXPECT_EQ(InstallTranslations(QStringLiteral("xx"), d), "ru");
    russianEverywhere("unknown");
}

}  // namespace
}  // namespace kv::ui
