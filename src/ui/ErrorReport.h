#pragma once
// The general error report: what no operation handles itself ends here, in a message box with
// the error icon titled with the application title, and the program goes on with the next event.

#include <QApplication>
#include <QString>
#include <exception>
#include <string>

#include "base/Exception.h"

class QWidget;

namespace kv::ui {

inline const QString kAppTitle = QStringLiteral("Kvelli '99");

// The message of a failure in the player's language: a kv::Exception made from a marked pattern
// shows the pattern's translation with the same arguments; any other message as it is.
QString ErrorText(const std::exception& e);

// A full stop is added when the last character's code is greater than '.'.
QString WithFullStop(const QString& message);

void ShowError(const QString& message, QWidget* parent = nullptr);

// Runs an event handler; whatever escapes it goes to the general error report, never into Qt's
// event loop. Returns false if the handler failed.
template <class F>
bool Guarded(F&& handler, QWidget* parent = nullptr) {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        ShowError(ErrorText(e), parent);
    } catch (...) {
        ShowError(QCoreApplication::translate("kv::ui::ErrorReport", "Unknown error"), parent);
    }
    return false;
}

// The last resort: an event whose handler was not guarded still ends in the error report
// rather than unwinding through Qt's event loop.
class GuardedApplication : public QApplication {
  public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace kv::ui
