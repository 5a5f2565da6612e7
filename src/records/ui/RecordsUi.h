#pragma once
// The records directory's chooser and the messages about a records file that can't be read.

#include <QString>
#include <QWidget>

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

// The hidden folder chooser of the main window. It remembers, for the rest of the run, the folder
// last picked through it.
class TDirEdit : public QWidget {
    Q_OBJECT
  public:
    explicit TDirEdit(QWidget* parent = nullptr);

    QString InitialDir;  // set just before the chooser opens
    QString LastPicked;  // empty until a folder is picked

    // The folder picked last, else InitialDir; the root "/" if that is empty or no folder.
    QString StartFolder() const;
    // Opens the chooser. Returns true with the picked folder, or false with the folder it opened
    // at (after Cancel).
    bool Execute(QWidget* parent, QString& folder);
};

}  // namespace kv::ui
