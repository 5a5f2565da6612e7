// Qt's own texts in the real dialogs read in Russian once its translations are loaded: the file
// chooser's, the input box's and the question's buttons, and the chooser's labels.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <set>
#include <string>

#include "TempDir.h"
#include "ui/Dialogs.h"
#include "ui/Translations.h"

namespace kv::ui {
namespace {

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

TEST(QtTranslations, RealDialogsSpeakRussian) {
    ASSERT_TRUE(InstallQtTranslations()) << "qtbase_ru not found: is qt6-translations-l10n installed?";
    SetUi(nullptr);
    test::TempDir dir;

    FileChooser save;
    save.title = QStringLiteral("Сохранить игру");
    save.filters = {QStringLiteral("Сохраненные игры (*.sav)")};
    save.initialDir = QString::fromStdString(dir.path());
    QString path;
    std::set<std::string> texts = TextsOf([&] { EXPECT_FALSE(Ui().SaveFile(nullptr, save, path)); });
    EXPECT_TRUE(texts.count("Сохранить")) << "chooser's Save";
    EXPECT_TRUE(texts.count("Отмена")) << "chooser's Cancel";
    for (const char* english : {"Save", "Cancel", "Look in:", "File name:", "Files of type:"})
        EXPECT_FALSE(texts.count(english)) << english;

    QString name = QStringLiteral("Игрок");
    texts = TextsOf([&] {
        EXPECT_FALSE(Ui().InputQuery(nullptr, QStringLiteral("Ваше имя"), QStringLiteral("Имя"), name, 15));
    });
    EXPECT_TRUE(texts.count("Отмена")) << "input box's Cancel";
    EXPECT_FALSE(texts.count("Cancel"));

    texts = TextsOf([&] {
        Ui().Message(nullptr, QStringLiteral("Kvelli '99"), QStringLiteral("m0.sav"), MsgIcon::Question,
                     MsgButtons::YesNo);
    });
    EXPECT_TRUE(texts.count("Да")) << "Yes";
    EXPECT_TRUE(texts.count("Нет")) << "No";
}

}  // namespace
}  // namespace kv::ui
