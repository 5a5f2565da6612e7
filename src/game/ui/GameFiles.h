#pragma once
// Saved games in the main window: the file choosers, the writing and the reading. A game read
// whole is handed to the game controller, which puts it in place and shows it.

#include <QObject>
#include <QString>

namespace kv::ui {

class TMainView;
class TGameController;

class TGameFiles : public QObject {
  public:
    // `parent` owns it (the main window); the view and the game controller outlive it.
    TGameFiles(TMainView& view, TGameController& game, QObject* parent);

    void MnuSaveClick();
    void MnuLoadClick();
    // Loads the saved game at `path`, as the load command does once a file is chosen (also the
    // file the program is started with, opened from the desktop).
    void LoadGame(const QString& path);
    QString SaveDialogName = QStringLiteral("*.sav");  // the save chooser's next name

  private:
    TMainView& view_;
    TGameController& game_;
};

}  // namespace kv::ui
