#pragma once
// The records directory's chooser.

#include <QString>
#include <QWidget>

namespace kv::ui {

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
