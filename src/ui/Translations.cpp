#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kv::ui {

bool InstallQtTranslations() {
    auto* app = QCoreApplication::instance();
    if (!app) return false;
    // Owned by the application, which keeps using it until it ends.
    auto* qt = new QTranslator(app);
    if (!qt->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qt)) {
        delete qt;
        return false;
    }
    return true;
}

}  // namespace kv::ui
