#pragma once
// The messages about a records file that can't be read, and the texts of the player's name.

#include <QString>

#include "ui/Translations.h"

namespace kv::ui {

// Lines of the messages are separated by LF CR, as the texts were written; the message box gets
// them as plain line breaks (MessageForDisplay), so the CR shows no mark.
inline const QString kLineBreak = QStringLiteral("\n\r");
QString StartupMessage(const QString& recDir);
QString DirectoryMessage(const QString& recDir);
QString MessageForDisplay(const QString& text);

inline const TrText kNameTitle{"kv::ui::TRecordsController",
                               QT_TRANSLATE_NOOP("kv::ui::TRecordsController", "Ваше имя ?")};
inline const TrText kNamePrompt{
    "kv::ui::TRecordsController",
    QT_TRANSLATE_NOOP("kv::ui::TRecordsController", "Введите пожалуйста Ваше имя.")};
inline const TrText kPlayerPart{"kv::ui::TRecordsController",
                                QT_TRANSLATE_NOOP("kv::ui::TRecordsController", "      Игрок : ")};
inline const TrText kNoPlayerPart{
    "kv::ui::TRecordsController",
    QT_TRANSLATE_NOOP("kv::ui::TRecordsController", "      Игрок : (без имени) ")};
constexpr int kNameMaxLength = 255;

}  // namespace kv::ui
