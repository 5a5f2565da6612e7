#pragma once
// The "?" menu: the rules window and the About window, made anew at each opening.

#include <QObject>
#include <QWidget>

namespace kv::ui {

class TAboutController : public QObject {
  public:
    explicit TAboutController(QWidget* parent) : QObject(parent), parent_(parent) {}
    void MnuHelpClick();
    void MnuAboutClick();

  private:
    QWidget* parent_;
};

}  // namespace kv::ui
