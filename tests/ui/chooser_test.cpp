// The real file chooser, shown on a folder of saved games: every column's text fits its column.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeView>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "ui/Dialogs.h"

namespace kv::ui {
namespace {

TEST(FileChooser, NamesTypesSizesAndDatesAreReadInFullForOpeningAndSaving) {
    test::TempDir dir;
    const std::string names[] = {"Партия 9 декабря, вечер.sav", "Kvelli game of the 12th.sav", "notes.txt"};
    for (const std::string& n : names)
        std::ofstream(dir.File(n), std::ios::binary) << std::string(70000, '1');
    std::filesystem::create_directories(dir.File("Старые игры"));
    // Saved late on the 28th, whatever today is: the widest day and hour the date column shows.
    std::tm late{};
    late.tm_year = 2025 - 1900, late.tm_mon = 11, late.tm_mday = 28, late.tm_hour = 23, late.tm_min = 59;
    late.tm_isdst = -1;
    const timespec times[2] = {{std::mktime(&late), 0}, {std::mktime(&late), 0}};
    for (const std::string& n : {names[0], names[1], names[2], std::string("Старые игры")})
        ASSERT_EQ(::utimensat(AT_FDCWD, dir.File(n).c_str(), times, 0), 0) << n;

    for (bool save : {false, true}) {
        SCOPED_TRACE(save ? "save" : "open");
        FileChooser chooser;
        chooser.title = QStringLiteral("Загрузить игру");
        chooser.filters = {QStringLiteral("Все файлы (*)")};
        chooser.initialDir = QString::fromStdString(dir.path());
        std::unique_ptr<QFileDialog> dlg = MakeFileChooser(nullptr, chooser, save);
        auto* view = dlg->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(view, nullptr) << "not Qt's own chooser";
        auto* model = qobject_cast<QFileSystemModel*>(view->model());
        ASSERT_NE(model, nullptr);
        dlg->setViewMode(QFileDialog::Detail);
        dlg->show();
        // The folder is read on a thread of the model's own: wait (bounded) for its four entries.
        const QModelIndex root = view->rootIndex();
        QElapsedTimer t;
        t.start();
        while (model->rowCount(root) < 4 && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ASSERT_EQ(model->rowCount(root), 4);
        QCoreApplication::processEvents();

        const QFontMetrics fm(view->font());
        QHeaderView* header = view->header();
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < header->count(); ++col) {
                const QModelIndex i = model->index(row, col, root);
                const QString text = i.data().toString();
                if (text.isEmpty()) continue;
                // The text itself, after the icon in the name column.
                const int need = fm.horizontalAdvance(text) + (col == 0 ? view->iconSize().width() : 0);
                EXPECT_LE(need, header->sectionSize(col)) << "column " << col << ": " << text.toStdString();
            }
        }
        dlg->hide();
    }
}

}  // namespace
}  // namespace kv::ui
