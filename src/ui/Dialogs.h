#pragma once
// Every modal window, message box, input box and chooser goes through this seam, so that tests
// can script the answers. The default implementation shows the real Qt dialogs.

#include <QString>
#include <QStringList>

#include <memory>

class QDialog;
class QFileDialog;
class QWidget;

namespace kv::ui {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

struct FileChooser {
    QString title;
    QStringList filters;  // Qt form, e.g. "Сохраненные игры (*.sav)"
    QString initialName;  // file name (or path) the chooser starts with
    QString initialDir;
    bool confirmOverwrite = true;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual MsgResult Message(QWidget* parent, const QString& title, const QString& text, MsgIcon icon,
                              MsgButtons buttons);
    // Returns false on Cancel; `value` is changed only on OK.
    virtual bool InputQuery(QWidget* parent, const QString& title, const QString& prompt, QString& value,
                            int maxLength);
    virtual bool OpenFile(QWidget* parent, const FileChooser& chooser, QString& path);
    virtual bool SaveFile(QWidget* parent, const FileChooser& chooser, QString& path);
    // Returns false on Cancel; `path` then keeps what it was.
    virtual bool BrowseFolder(QWidget* parent, const QString& title, const QString& start, QString& path);
    // Shows a window modally and returns when it is closed.
    virtual int ShowModal(QDialog* window);
    virtual void Beep();
    virtual void OpenUrl(const QString& url);
};

// The chooser the real dialogs show for opening (save false) or saving a file: Qt's own unless
// the desktop brings its own, with columns wide enough to read names, types and dates.
std::unique_ptr<QFileDialog> MakeFileChooser(QWidget* parent, const FileChooser& chooser, bool save);

// The seam in force. Tests install their own; nullptr restores the real dialogs.
Dialogs& Ui();
void SetUi(Dialogs* dialogs);

}  // namespace kv::ui
