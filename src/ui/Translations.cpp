#include "ui/Translations.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "base/AtomicFile.h"
#include "base/Exception.h"
#include "base/Ini.h"

namespace kv::ui {

namespace {

const QString kCatalogue = QStringLiteral("kvelli99_");
// Marks the translators this module installed, so that a second call replaces them.
const QString kOwnTranslator = QStringLiteral("kv_translator");
const QString kQtTranslator = QStringLiteral("kv_qt_translator");
const QString kButtonsTranslator = QStringLiteral("kv_buttons_translator");

// Qt 6 asks the texts of its standard buttons (OK, Cancel, Yes, No, Save, Open) under
// "QPlatformTheme"; a catalogue of Qt's that was kept from Qt 5 (Debian's Slovak one) has them
// under "QDialogButtonBox" only, and the buttons would be English. Asked after Qt's own.
class TButtonsFallback : public QTranslator {
  public:
    TButtonsFallback(QCoreApplication* app, const QTranslator* qt) : QTranslator(app), qt_(qt) {
        setObjectName(kButtonsTranslator);
    }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (!qt_ || qstrcmp(context, "QPlatformTheme") != 0) return {};
        return qt_->translate("QDialogButtonBox", source, disambiguation, n);
    }
    bool isEmpty() const override { return false; }

  private:
    QPointer<const QTranslator> qt_;
};

// "de_AT.UTF-8@euro" and "de-AT" as "de_AT".
QString Tag(QString tag) {
    tag = tag.trimmed();
    tag.replace(u'-', u'_');
    tag = tag.section(u'.', 0, 0).section(u'@', 0, 0);
    return tag;
}

void RemoveOwnTranslators(QCoreApplication* app) {
    for (QTranslator* t : app->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (t->objectName() != kOwnTranslator && t->objectName() != kQtTranslator &&
            t->objectName() != kButtonsTranslator)
            continue;
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

// Loads `file` (a base name, or a path) into a translator owned by the application and installs
// it; false, and nothing installed, if it can't be read or is no catalogue.
bool Install(QCoreApplication* app, const QString& name, const QString& file, const QString& dir) {
    auto* t = new QTranslator(app);
    t->setObjectName(name);
    if (!t->load(file, dir) || !QCoreApplication::installTranslator(t)) {
        delete t;
        return false;
    }
    return true;
}

}  // namespace

QString CoreText(const std::string& utf8) {
    return QCoreApplication::translate(kv::kTextContext, utf8.c_str());
}

QStringList AvailableLanguages(const QString& dir) {
    QStringList languages{kSourceLanguage};
    const QStringList files =
        QDir(dir).entryList({kCatalogue + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& f : files) {
        const QString language = f.mid(kCatalogue.size()).chopped(3);
        if (!language.isEmpty() && !languages.contains(language)) languages << language;
    }
    return languages;
}

namespace {

// The catalogues that may serve `tag` ("zh_Hant_HK"), best first: the tag, its language and
// region without the script, the Chinese catalogue of its script, the language alone.
QStringList Candidates(const QString& tag) {
    const QStringList parts = tag.split(u'_', Qt::SkipEmptyParts);
    const QString language = parts.value(0).toLower();
    QString script, region;
    for (const QString& part : parts.mid(1)) {
        if (part.size() == 4)
            script = part.toLower();
        else
            region = part.toUpper();
    }
    QStringList out{tag};
    if (!region.isEmpty()) out << language + u'_' + region;
    // Chinese has two catalogues, one per script: Hong Kong and Macao write the traditional one.
    if (language == QLatin1String("zh")) {
        const bool traditional = script == QLatin1String("hant") || region == QLatin1String("TW") ||
                                 region == QLatin1String("HK") || region == QLatin1String("MO");
        out << (traditional && script != QLatin1String("hans") ? QStringLiteral("zh_TW")
                                                               : QStringLiteral("zh_CN"));
    }
    out << language;
    return out;
}

}  // namespace

QString ChooseLanguage(const QString& setting, const QStringList& uiLanguages, const QStringList& available) {
    auto pick = [&available](const QString& raw) -> QString {
        const QString tag = Tag(raw);
        if (tag.isEmpty()) return {};
        if (tag == QLatin1String("C") || tag == QLatin1String("POSIX")) return kSourceLanguage;
        for (const QString& candidate : Candidates(tag))
            if (available.contains(candidate)) return candidate;
        return {};
    };
    if (!Tag(setting).isEmpty()) {
        const QString chosen = pick(setting);
        return chosen.isEmpty() ? kFallbackLanguage : chosen;
    }
    for (const QString& tag : uiLanguages) {
        const QString chosen = pick(tag);
        if (!chosen.isEmpty()) return chosen;
    }
    return kFallbackLanguage;
}

QString LanguageSetting(const kv::SettingsData& data) {
    const auto& value = data.Language;
    return value ? QString::fromUtf8(value->data(), static_cast<qsizetype>(value->size())).trimmed()
                 : QString();
}

QString InstallTranslations(const QString& language, const QString& dir) {
    auto* app = QCoreApplication::instance();
    if (!app) return kSourceLanguage;
    RemoveOwnTranslators(app);
    QString inForce = language;
    // The source texts need no catalogue of ours; any other language does, or the source stays.
    if (language != kSourceLanguage && !Install(app, kOwnTranslator, kCatalogue + language, dir))
        inForce = kSourceLanguage;
    // Qt's texts are English in the source: English needs no catalogue.
    if (inForce != QLatin1String("en")) {
        auto* qt = new QTranslator(app);
        qt->setObjectName(kQtTranslator);
        if (qt->load(QStringLiteral("qtbase_") + inForce,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            // The translator installed last is asked first: the fallback after Qt's own.
            QCoreApplication::installTranslator(new TButtonsFallback(app, qt));
            QCoreApplication::installTranslator(qt);
        } else {
            delete qt;
        }
    }
    // The windows' direction follows the catalogues' QT_LAYOUT_DIRECTION (right to left for
    // Arabic, Persian, Hebrew). Set each time: Qt's own detection sets it once, at the first
    // change of language, and keeps it through later ones.
    if (qobject_cast<QGuiApplication*>(app)) {
        const bool rtl =
            QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") == QLatin1String("RTL");
        QGuiApplication::setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    }
    return inForce;
}

QString LanguageInForce() {
    auto* app = QCoreApplication::instance();
    auto* own = app ? app->findChild<QTranslator*>(kOwnTranslator, Qt::FindDirectChildrenOnly) : nullptr;
    return own && !own->language().isEmpty() ? Tag(own->language()) : kSourceLanguage;
}

bool QtCatalogueLoaded() {
    auto* app = QCoreApplication::instance();
    return app && app->findChild<QTranslator*>(kQtTranslator, Qt::FindDirectChildrenOnly);
}

}  // namespace kv::ui
