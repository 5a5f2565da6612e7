#pragma once
// What a subsystem's controller must ask of the main window, and nothing more: a parent for its
// dialogs, the status line and the caption. The window implements it; the controllers never see
// the window's class. Everything else goes the other way: controllers say what changed through
// signals or return values, and the window, which owns them, connects and composes them.

#include <QString>

#include "ui/Translations.h"

class QWidget;

namespace kv::ui {

// The first part of the main window's caption; the player's part follows it.
inline const TrText ProgramCaption{"kv::ui::TMainView",
                                   QT_TRANSLATE_NOOP("kv::ui::TMainView", "Квелли 99 Internet version")};

class TMainView {
  public:
    virtual QWidget* DialogParent() = 0;
    // The status line of the results exchange (FTPState); an empty text clears it.
    virtual void SetStatus(const QString& text) = 0;
    virtual void SetCaption(const QString& caption) = 0;

  protected:
    ~TMainView() = default;
};

}  // namespace kv::ui
