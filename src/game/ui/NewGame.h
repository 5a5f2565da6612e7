#pragma once
// The file choosers of saving and loading a game.

#include <QString>
#include <QStringList>

#include "ui/Translations.h"

class QWidget;

namespace kv::ui {

// The filter lists as pairs of "description|mask", the form the game's choosers were made with.
inline const TrText kSaveDialogFilter{
    "kv::ui::TGameFiles", QT_TRANSLATE_NOOP("kv::ui::TGameFiles", "Сохраненные игры|*.sav|Все файлы |*.*")};
inline const TrText kOpenDialogFilter{
    "kv::ui::TGameFiles", QT_TRANSLATE_NOOP("kv::ui::TGameFiles", "Сохраненные игры|*.sav|Все файлы|*.*")};
inline const QString kSaveDialogInitialName = QStringLiteral("*.sav");

// The same list in Qt's form, "description (mask)". The description is kept to the letter; "*.*"
// means every file there, so it becomes "*" here, where names need no dot.
QStringList ChooserFilters(const QString& pairs);

// Asks whether the existing file at `path` is to be replaced, with the chooser's own question.
bool ConfirmReplace(QWidget* parent, const QString& title, const QString& path);

}  // namespace kv::ui
