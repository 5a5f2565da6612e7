#include "ui/ErrorReport.h"

#include "ui/Dialogs.h"

namespace kv::ui {

QString ErrorText(const std::exception& e) {
    if (const auto* own = dynamic_cast<const Exception*>(&e); own && own->Pattern()) {
        const QString pattern = QCoreApplication::translate(kTextContext, own->Pattern());
        return QString::fromStdString(FillPattern(pattern.toStdString(), own->Args()));
    }
    return QString::fromUtf8(e.what());
}

QString WithFullStop(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
    return message;
}

void ShowError(const QString& message, QWidget* parent) {
    Ui().Message(parent, kAppTitle, WithFullStop(message), MsgIcon::Error, MsgButtons::Ok);
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    Guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

}  // namespace kv::ui
