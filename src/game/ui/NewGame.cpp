// New game and saved games.
#include "game/ui/NewGame.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include "base/AtomicFile.h"
#include "game/SaveGame.h"
#include "game/UFunc.h"
#include "game/ui/GameController.h"
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

bool ConfirmReplace(QWidget* parent, const QString& title, const QString& path) {
    // The chooser's own question, in the words of Qt's translation.
    const QString question =
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
            .arg(QFileInfo(path).fileName());
    return Ui().Message(parent, title, question, MsgIcon::Warning, MsgButtons::YesNo) == MsgResult::Yes;
}

QStringList ChooserFilters(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString mask = parts[i + 1];
        if (mask == QLatin1String("*.*")) mask = QStringLiteral("*");
        out << parts[i] + QStringLiteral(" (") + mask.replace(QLatin1Char(';'), QLatin1Char(' ')) +
                   QStringLiteral(")");
    }
    return out;
}

void TGameController::MnuNewClick() {
    Guarded(
        [this] {
            if (MoveInProgress()) return;
            view_.ShowAdvertisement();
            kv::Game& g = game_;
            g.DealBoard();
            // A ball chosen before is let go: the next click starts a move.
            g.FirstChosen = false;
            view_.ShowBoard();
            view_.SetMovableLabel(g.MovableCount);
            view_.SetScoreLabel(0);
            view_.DialogParent()->repaint();
        },
        view_.DialogParent());
}

void TGameController::MnuSaveClick() {
    Guarded(
        [this] {
            if (MoveInProgress()) return;
            FileChooser chooser;
            chooser.title = QStringLiteral("Сохранить игру");
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
                WriteSavedGame(game_, path);
            } catch (const SaveGameWriteError&) {
                Tell(view_.DialogParent(),
                     QStringLiteral("Не удалось сохранить игру в файл ") + Guillemets(shown) +
                         QStringLiteral(
                             ".\nПроверьте, можно ли писать в эту папку и есть ли место на диске.") +
                         (existed ? QStringLiteral("\nПрежний файл с этим именем не изменён.") : QString()));
            }
        },
        view_.DialogParent());
}

void TGameController::MnuLoadClick() {
    Guarded(
        [this] {
            if (MoveInProgress()) return;
            FileChooser chooser;
            chooser.title = QStringLiteral("Загрузить игру");
            chooser.filters = ChooserFilters(kOpenDialogFilter);
            chooser.initialName = kSaveDialogInitialName;
            chooser.confirmOverwrite = false;
            QString chosen;
            if (Ui().OpenFile(view_.DialogParent(), chooser, chosen)) {
                LoadGame(chosen);
                return;
            }
            view_.ShowBoard();
            view_.SetScoreLabel(game_.Score);
            view_.SetMovableLabel(game_.MovableCount);
        },
        view_.DialogParent());
}

void TGameController::LoadGame(const QString& path) {
    Guarded(
        [this, &path] {
            if (MoveInProgress()) return;
            QString failure;
            kv::Game& g = game_;
            const QString named = Guillemets(path);
            try {
                // Read and checked whole before the game takes any of it.
                LoadSavedGame(g, QFile::encodeName(path).toStdString());
                g.FirstChosen = false;
            } catch (const SaveGameReadError&) {
                failure = QStringLiteral("Не удалось прочитать файл ") + named + QStringLiteral(".");
            } catch (const SaveGameFormatError& e) {
                failure =
                    QStringLiteral("Файл ") + named +
                    QStringLiteral(" не является сохранённой игрой (ошибка в строке %1).").arg(e.Line());
            }
            view_.ShowBoard();
            view_.SetScoreLabel(g.Score);
            view_.SetMovableLabel(g.MovableCount);
            if (!failure.isEmpty())
                Tell(view_.DialogParent(), failure + QStringLiteral("\nИгра не изменилась."));
        },
        view_.DialogParent());
}

}  // namespace kv::ui
