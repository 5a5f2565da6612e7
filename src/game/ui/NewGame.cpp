// New game and saved games.
#include "game/ui/NewGame.h"

#include <QFile>
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
            chooser.initialName = SaveDialogName;
            chooser.confirmOverwrite = true;
            QString chosen;
            if (!Ui().SaveFile(view_.DialogParent(), chooser, chosen)) return;

            const std::string path = SaveFileName(QFile::encodeName(chosen).toStdString());
            const QString shown = QFile::decodeName(QByteArray::fromStdString(path));
            SaveDialogName = shown;
            const bool existed = FileExists(path);
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
            QString failure;
            kv::Game& g = game_;
            if (Ui().OpenFile(view_.DialogParent(), chooser, chosen)) {
                const QString named = Guillemets(chosen);
                try {
                    // Read and checked whole before the game takes any of it.
                    LoadSavedGame(g, QFile::encodeName(chosen).toStdString());
                    g.FirstChosen = false;
                } catch (const SaveGameReadError&) {
                    failure = QStringLiteral("Не удалось прочитать файл ") + named + QStringLiteral(".");
                } catch (const SaveGameFormatError& e) {
                    failure =
                        QStringLiteral("Файл ") + named +
                        QStringLiteral(" не является сохранённой игрой (ошибка в строке %1).").arg(e.Line());
                }
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
