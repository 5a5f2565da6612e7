#pragma once
// The settings window of the results exchange: host, user and password typed by hand for one
// run. Made hidden at start-up and kept until the end, so that the fields keep what was typed.

#include <QDialog>
#include <QString>

#include "ui/Translations.h"

class QLineEdit;
class QPushButton;

namespace kv::ui {

inline const TrText kSetFormCaption{"kv::ui::TSetForm", QT_TRANSLATE_NOOP("kv::ui::TSetForm", "Настройка")};

class TSetForm : public QDialog {
    Q_OBJECT
  public:
    explicit TSetForm(QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;  // host, or host:port
    QLineEdit* Edit2 = nullptr;  // user ID
    QLineEdit* Edit3 = nullptr;  // password, shown as typed
    QPushButton* Button1 = nullptr;

    void Button1Click();
};

}  // namespace kv::ui
