// The player, the records directory, the records window and the end of a game.
#include "app/ui/Kvelli99_U1.h"
#include "game/UFunc.h"

namespace kv::ui {

void TForm1::RecordsStartup() {
    setWindowTitle(QStringLiteral("Квелли 99 Internet version") +
                   QStringLiteral("      Игрок : (без имени) "));
}
void TForm1::WritePlayerSettings() {}
void TForm1::CreateRecordsWindow() {}
void TForm1::MnuRecClick() {}
void TForm1::N4Click() {}
void TForm1::N5Click() {}
void TForm1::AskPlayerName() {}

bool TForm1::EndOfGame() {
    // Until the records are built: a new deal keeps the game playable.
    TheGame().DealBoard();
    SetScoreLabel(0);
    SetMovableLabel(TheGame().MovableCount);
    return true;
}

}  // namespace kv::ui
