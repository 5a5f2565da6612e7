// The rules window and the About window, made anew at each opening and destroyed after it.
#include <QPointer>

#include "app/ui/Kvelli99_U1.h"
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

void TForm1::MnuHelpClick() {
    Guarded([this] { ShowOnce<THelpForm>(this); }, this);
}

void TForm1::MnuAboutClick() {
    Guarded([this] { ShowOnce<TAboutForm>(this); }, this);
}

}  // namespace kv::ui
