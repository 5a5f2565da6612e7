// The results exchange over FTP and its settings window.
#include "app/ui/Kvelli99_U1.h"

namespace kv::ui {

void TForm1::CreateExchange() {}
void TForm1::DestroyExchange() {}
void TForm1::N7Click() {}
void TForm1::N9Click() {}
void TForm1::N10Click() {}

}  // namespace kv::ui
