#include "ui/Dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <memory>

namespace kv::ui {

namespace {
Dialogs g_real;
Dialogs* g_current = &g_real;
}  // namespace

Dialogs& Ui() {
    return *g_current;
}
void SetUi(Dialogs* dialogs) {
    g_current = dialogs ? dialogs : &g_real;
}

MsgResult Dialogs::Message(QWidget* parent, const QString& title, const QString& text, MsgIcon icon,
                           MsgButtons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Ok:
            return MsgResult::Ok;
        case QMessageBox::Yes:
            return MsgResult::Yes;
        case QMessageBox::No:
            return MsgResult::No;
        default:
            return MsgResult::Cancel;
    }
}

bool Dialogs::InputQuery(QWidget* parent, const QString& title, const QString& prompt, QString& value,
                         int maxLength) {
    QInputDialog dlg(parent);
    dlg.setWindowTitle(title);
    dlg.setLabelText(prompt);
    dlg.setTextValue(value);
    dlg.setInputMode(QInputDialog::TextInput);
    if (auto* edit = dlg.findChild<QLineEdit*>()) {
        edit->setMaxLength(maxLength);
        edit->selectAll();
    }
    if (dlg.exec() != QDialog::Accepted) return false;
    value = dlg.textValue();
    return true;
}

namespace {

// The widest modification time the chooser's model can show (it writes them in the system's short
// format): a two-digit day and hour, in the month with the longest name.
int DateRoom(const QFontMetrics& fm) {
    int widest = 0;
    for (int month = 1; month <= 12; ++month)
        widest = std::max(widest,
                          fm.horizontalAdvance(QLocale::system().toString(
                              QDateTime(QDate(2000, month, 28), QTime(23, 59, 59)), QLocale::ShortFormat)));
    return widest + 2 * fm.averageCharWidth();
}

// Qt's own chooser opens narrow, its name column cutting a saved game's name and its type column
// cutting the type: the name column takes what is left of a wider window, the others their texts.
// Measured when the chooser is first shown: only then is the view laid out at its real width,
// while the folder is still being read, so the other columns get room for their widest texts.
class ColumnWidener : public QObject {
  public:
    ColumnWidener(QFileDialog& dlg, QTreeView& view) : QObject(&dlg), view_(view) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            Widen(*static_cast<QFileDialog*>(watched));
        }
        return false;
    }

  private:
    void Widen(QFileDialog& dlg) {
        QHeaderView* header = view_.header();
        // Room for a name of 40 average characters beside the size, a type of 28 and the date.
        const QFontMetrics fm(view_.font());
        const int name = fm.averageCharWidth() * 40 + view_.iconSize().width();
        int others = 0;
        for (int c = 1; c < header->count(); ++c)
            others += std::max(header->sectionSizeHint(c), c == 1   ? fm.averageCharWidth() * 10
                                                           : c == 2 ? fm.averageCharWidth() * 28
                                                                    : DateRoom(fm));
        const int wanted = dlg.width() + std::max(0, name + others - view_.viewport()->width());
        dlg.resize(std::max(dlg.width(), wanted), std::max(dlg.height(), fm.height() * 24));
    }

    QTreeView& view_;  // a child of the chooser, which owns this too
};

void WidenColumns(QFileDialog& dlg) {
    auto* view = dlg.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view) return;  // the desktop's own chooser
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    dlg.installEventFilter(new ColumnWidener(dlg, *view));
}

}  // namespace

std::unique_ptr<QFileDialog> MakeFileChooser(QWidget* parent, const FileChooser& chooser, bool save) {
    auto dlg = std::make_unique<QFileDialog>(parent, chooser.title, chooser.initialDir);
    dlg->setNameFilters(chooser.filters);
    dlg->setOption(QFileDialog::DontUseNativeDialog, false);
    if (!chooser.initialName.isEmpty() && !chooser.initialName.contains('*'))
        dlg->selectFile(chooser.initialName);
    dlg->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) dlg->setOption(QFileDialog::DontConfirmOverwrite, !chooser.confirmOverwrite);
    WidenColumns(*dlg);
    return dlg;
}

bool Dialogs::OpenFile(QWidget* parent, const FileChooser& chooser, QString& path) {
    std::unique_ptr<QFileDialog> dlg = MakeFileChooser(parent, chooser, false);
    if (dlg->exec() != QDialog::Accepted || dlg->selectedFiles().isEmpty()) return false;
    path = dlg->selectedFiles().first();
    return true;
}

bool Dialogs::SaveFile(QWidget* parent, const FileChooser& chooser, QString& path) {
    std::unique_ptr<QFileDialog> dlg = MakeFileChooser(parent, chooser, true);
    if (dlg->exec() != QDialog::Accepted || dlg->selectedFiles().isEmpty()) return false;
    path = dlg->selectedFiles().first();
    return true;
}

bool Dialogs::BrowseFolder(QWidget* parent, const QString& title, const QString& start, QString& path) {
    QString dir = QFileDialog::getExistingDirectory(parent, title, start);
    if (dir.isEmpty()) return false;
    path = dir;
    return true;
}

int Dialogs::ShowModal(QDialog* window) {
    return window->exec();
}

void Dialogs::Beep() {
    QApplication::beep();
}

void Dialogs::OpenUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

}  // namespace kv::ui
