// Kvelli 99: builds the application and runs it. No command line is read.
#include <QApplication>

#include "app/ui/Kvelli99_U1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kvelli99"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kvelli '99"));
    kv::ui::TForm1 form;
    form.show();
    return QApplication::exec();
}
