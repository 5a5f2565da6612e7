#pragma once
// The messages about a records file that can't be read, and the texts of the player's name.

#include <QString>

namespace kv::ui {

// Lines of the messages are separated by LF CR, as the texts were written; the message box gets
// them as plain line breaks (MessageForDisplay), so the CR shows no mark.
inline const QString kLineBreak = QStringLiteral("\n\r");
QString StartupMessage(const QString& recDir);
QString DirectoryMessage(const QString& recDir);
QString MessageForDisplay(const QString& text);

inline const QString kNameTitle = QStringLiteral("Ваше имя ?");
inline const QString kNamePrompt = QStringLiteral("Введите пожалуйста Ваше имя.");
inline const QString kPlayerPart = QStringLiteral("      Игрок : ");
inline const QString kNoPlayerPart = QStringLiteral("      Игрок : (без имени) ");
constexpr int kNameMaxLength = 255;

}  // namespace kv::ui
