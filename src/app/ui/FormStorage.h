#pragma once
// FormStorage1: keeps the main window's placement and the checked state of the records-file
// menu items from one run to the next, in section "MainForm" of the per-user storage file
// (kv::WindowStatePath()). Read at the first showing, written at close.

#include <QList>
#include <QObject>
#include <QString>

#include "app/WindowState.h"

class QAction;
class QWidget;

namespace kv::ui {

class TFormStorage : public QObject {
    Q_OBJECT
  public:
    // `items`: the checkable menu items kept, by their object names ("N4" gives "N4_Checked").
    TFormStorage(QWidget* form, QList<QAction*> items);

    // The storage file in force: the XDG path, looked up at each use.
    QString IniFileName() const;

    // Apply the stored state (first showing) and store the current one (close). Failures of
    // the file throw kv::Exception; nothing is applied or written then.
    void RestoreFormPlacement();
    void SaveFormPlacement();

    // The window as the storage sees it now: its frame rectangle, state and resolution.
    WindowPlacement CurrentPlacement() const;

    // Wayland lets no program place its own window, nor learn where it stands: there the size
    // and the maximised state are restored and stored, the stored place is left alone.
    static bool CanPlaceWindows();

  private:
    QWidget* form_;
    QList<QAction*> items_;
};

}  // namespace kv::ui
