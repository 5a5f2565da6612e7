#include "game/ui/NewGame.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "ui/Dialogs.h"

namespace kv::ui {

bool ConfirmReplace(QWidget* parent, const QString& title, const QString& path) {
    // The chooser's own question, in the words of Qt's translation.
    const QString question =
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
            .arg(QFileInfo(path).fileName());
    return Ui().Message(parent, title, question, MsgIcon::Warning, MsgButtons::YesNo) == MsgResult::Yes;
}

QStringList ChooserFilters(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString mask = parts[i + 1];
        if (mask == QLatin1String("*.*")) mask = QStringLiteral("*");
        out << parts[i] + QStringLiteral(" (") + mask.replace(QLatin1Char(';'), QLatin1Char(' ')) +
                   QStringLiteral(")");
    }
    return out;
}

}  // namespace kv::ui
