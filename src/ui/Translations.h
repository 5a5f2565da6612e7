#pragma once
// Qt's own texts (the file chooser's, the message and input boxes' buttons) in the interface's
// language, Russian, from the translations that Qt installs (Debian's qt6-translations-l10n).

namespace kv::ui {

// Loads Qt's Russian translations into the application. Call once after the QApplication exists
// and before the first window. Returns false, and Qt's texts stay English, if none are installed.
bool InstallQtTranslations();

}  // namespace kv::ui
