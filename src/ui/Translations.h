#pragma once
// The player's language. The Russian texts are the source texts, marked in the code; the program's
// own translations (kvelli99_<lang>.qm, made from translations/*.ts) are embedded under
// kTranslationsDir, and Qt's own texts (the choosers', the boxes' buttons) come from the
// catalogues Qt installs (Debian's qt6-translations-l10n) for the same language.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <exception>
#include <string>

#include "base/Settings.h"

namespace kv::ui {

inline const QString kTranslationsDir = QStringLiteral(":/i18n");
// The language of the source texts, which needs no translation.
inline const QString kSourceLanguage = QStringLiteral("ru");
// The language of every locale without a translation.
inline const QString kFallbackLanguage = QStringLiteral("en");

// A text named once and used in several places, kept as its source and translated each time it
// is used, so that it follows the translation installed by then.
struct TrText {
    const char* context;
    const char* source;
    QString Text() const { return QCoreApplication::translate(context, source); }
    operator QString() const { return Text(); }  // NOLINT: used wherever a QString is
};

// A core's text, marked with KV_TRANSLATE_NOOP(kv::kTextContext, ...), in the player's language.
QString CoreText(const std::string& utf8);

// The languages with a translation in `dir`, and the source language.
QStringList AvailableLanguages(const QString& dir = kTranslationsDir);

// The language to speak: that of `setting` (the settings file's key) when it is given, else the
// first of `uiLanguages` (the desktop's list, most wanted first) that `available` has. "C" and
// "POSIX" mean the source language; a language without a translation, given or found, means
// the fallback. Tags may be "de", "de-AT", "de_AT.UTF-8", "de_AT@euro" or "zh-Hant-HK"; a
// regional catalogue serves its region only ("pt_BR"), but Chinese by its script: zh_TW for the
// traditional one (Taiwan, Hong Kong, Macao), zh_CN for the simplified one and a bare "zh".
QString ChooseLanguage(const QString& setting, const QStringList& uiLanguages, const QStringList& available);

// The settings' language key (section "Data", key "Language"), trimmed; empty when missing.
QString LanguageSetting(const kv::SettingsData& data);

// Puts the application's texts into `language`: the program's translation from `dir` and Qt's
// catalogue for the same language, in place of any installed before, and the windows' layout
// direction that the catalogues give (Qt's "QT_LAYOUT_DIRECTION": right to left for ar, fa, he). A
// translation that is missing or damaged leaves the source texts, with Qt's catalogue of the source language.
// Call after the QApplication exists and before the first window. Returns the language in force.
QString InstallTranslations(const QString& language, const QString& dir = kTranslationsDir);

// The language of the program's texts now: that of the installed translation, else the source.
QString LanguageInForce();

// Whether Qt's own catalogue for the language in force was found (false for English, which Qt
// needs none for, and when none is installed).
bool QtCatalogueLoaded();

}  // namespace kv::ui
