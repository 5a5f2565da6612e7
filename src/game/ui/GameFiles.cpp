// Saving and loading a game.
#include "game/ui/GameFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QWidget>

#include "base/AtomicFile.h"
#include "game/ProofFile.h"
#include "game/SaveGame.h"
#include "game/UFunc.h"
#include "game/ui/GameController.h"
#include "game/ui/NewGame.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/MainView.h"

namespace kv::ui {

namespace {

QString Guillemets(const QString& path) {
    return QStringLiteral("«") + path + QStringLiteral("»");
}

void Tell(QWidget* parent, const QString& text) {
    Ui().Message(parent, kAppTitle, text, MsgIcon::Warning, MsgButtons::Ok);
}

}  // namespace

TGameFiles::TGameFiles(TMainView& view, TGameController& game, QObject* parent)
    : QObject(parent), view_(view), game_(game) {}

void TGameFiles::MnuSaveClick() {
    Guarded(
        [this] {
            FileChooser chooser;
            chooser.title = QCoreApplication::translate("kv::ui::TGameFiles", "Сохранить игру");
            chooser.filters = ChooserFilters(kSaveDialogFilter);
            chooser.confirmOverwrite = true;
            std::string path;
            QString shown;
            bool existed = false;
            for (;;) {
                chooser.initialName = SaveDialogName;
                QString chosen;
                if (!Ui().SaveFile(view_.DialogParent(), chooser, chosen)) return;
                path = SaveFileName(QFile::encodeName(chosen).toStdString());
                shown = QFile::decodeName(QByteArray::fromStdString(path));
                SaveDialogName = shown;
                existed = FileExists(path);
                // The chooser asked only about the name as typed; a file the name rule made the
                // name of, which the player did not name, gets the same question. No goes back
                // to the chooser, at that name, as No to the chooser's own question stays in it.
                if (!existed || shown == chosen || ConfirmReplace(view_.DialogParent(), chooser.title, shown))
                    break;
            }
            try {
                // Its proof beside it: a game loaded from it can still be verified.
                WriteSavedGameWithProof(game_.State(), game_.Proof(), path);
            } catch (const SaveGameWriteError&) {
                // The path goes in whole, in one step: a "%" in it is no place for another.
                Tell(view_.DialogParent(),
                     QCoreApplication::translate("kv::ui::TGameFiles",
                                                 "Не удалось сохранить игру в файл %1.\nПроверьте, можно ли "
                                                 "писать в эту папку и есть ли место на диске.")
                             .arg(Guillemets(shown)) +
                         (existed ? QCoreApplication::translate("kv::ui::TGameFiles",
                                                                "\nПрежний файл с этим именем не изменён.")
                                  : QString()));
            }
        },
        view_.DialogParent());
}

void TGameFiles::MnuLoadClick() {
    Guarded(
        [this] {
            FileChooser chooser;
            chooser.title = QCoreApplication::translate("kv::ui::TGameFiles", "Загрузить игру");
            chooser.filters = ChooserFilters(kOpenDialogFilter);
            chooser.initialName = kSaveDialogInitialName;
            chooser.confirmOverwrite = false;
            QString chosen;
            if (Ui().OpenFile(view_.DialogParent(), chooser, chosen))
                LoadGame(chosen);
            else
                game_.ShowAll();
        },
        view_.DialogParent());
}

void TGameFiles::LoadGame(const QString& path) {
    Guarded(
        [this, &path] {
            QString failure;
            const QString named = Guillemets(path);
            try {
                // Read and checked whole before the game takes any of it.
                const std::string file = QFile::encodeName(path).toStdString();
                const SavedGame saved = ReadSavedGame(file);
                // Without a proof that replays to it the game plays as well, only unproven.
                std::optional<GameProof> proof = ReadMatchingProof(file, saved);
                game_.Load(saved, std::move(proof));
                return;
            } catch (const SaveGameReadError&) {
                failure = QCoreApplication::translate("kv::ui::TGameFiles", "Не удалось прочитать файл %1.")
                              .arg(named);
            } catch (const SaveGameFormatError& e) {
                failure =
                    QCoreApplication::translate("kv::ui::TGameFiles",
                                                "Файл %1 не является сохранённой игрой (ошибка в строке %2).")
                        .arg(named, QString::number(e.Line()));
            }
            // The game as it was, shown again.
            game_.ShowAll();
            Tell(view_.DialogParent(),
                 failure + QCoreApplication::translate("kv::ui::TGameFiles", "\nИгра не изменилась."));
        },
        view_.DialogParent());
}

}  // namespace kv::ui
