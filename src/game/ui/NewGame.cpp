// New game, saved games and the advertisement window.
#include "app/ui/Kvelli99_U1.h"

namespace kv::ui {

void TForm1::CreateReclamaWindow() {}
void TForm1::MnuNewClick() {}
void TForm1::MnuSaveClick() {}
void TForm1::MnuLoadClick() {}

}  // namespace kv::ui
