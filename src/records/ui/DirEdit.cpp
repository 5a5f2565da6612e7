#include "records/ui/DirEdit.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "ui/Dialogs.h"

namespace kv::ui {

TDirEdit::TDirEdit(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DirEdt"));
    hide();
}

QString TDirEdit::StartFolder() const {
    QString start = LastPicked.isEmpty() ? InitialDir : LastPicked;
    if (start.isEmpty() || !QFileInfo(start).isDir()) start = QStringLiteral("/");
    return start;
}

bool TDirEdit::Execute(QWidget* parent, QString& folder) {
    const QString start = StartFolder();
    QString picked = start;
    if (Ui().BrowseFolder(parent, QCoreApplication::translate("kv::ui::TDirEdit", "Каталог файла рекордов"),
                          start, picked) &&
        !picked.isEmpty()) {
        folder = picked;
        LastPicked = picked;
        return true;
    }
    folder = start;
    return false;
}

}  // namespace kv::ui
