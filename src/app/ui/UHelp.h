#pragma once
// The rules window: the rules of the game in a green text box that can only be read.

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTextEdit;

namespace kv::ui {

// The rules text in the player's language, line by line, blanks included.
QStringList RulesLines();
// Shown after them, from an empty line on: how to play from the keyboard, and the symbols on the
// balls.
QStringList KeyboardLines();

class THelpForm : public QDialog {
    Q_OBJECT
  public:
    explicit THelpForm(QWidget* parent = nullptr);

    QLabel* RxLabel1 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QPushButton* SpeedButton1 = nullptr;

    void SpeedButton1Click();
};

}  // namespace kv::ui
