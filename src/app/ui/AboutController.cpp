// The rules window and the About window, made anew at each opening and destroyed after it.
#include <QPointer>

#include "app/ui/AboutController.h"
#include "app/ui/UAbout.h"
#include "app/ui/UHelp.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"

namespace kv::ui {

namespace {

// The main window owns the window while it is shown; should the main window go first (the
// program ends inside the modal loop), the pointer tells us it is gone already.
template <class Form>
void ShowOnce(QWidget* owner) {
    QPointer<Form> form = new Form(owner);
    Ui().ShowModal(form);
    delete form.data();
}

}  // namespace

void TAboutController::MnuHelpClick() {
    Guarded([this] { ShowOnce<THelpForm>(parent_); }, parent_);
}

void TAboutController::MnuAboutClick() {
    Guarded([this] { ShowOnce<TAboutForm>(parent_); }, parent_);
}

}  // namespace kv::ui
