// New game, saved games and the advertisement window.
#include "game/ui/NewGame.h"

#include <QFile>

#include "app/ui/Kvelli99_U1.h"
#include "app/ui/UReclama.h"
#include "base/AtomicFile.h"
#include "game/SaveGame.h"
#include "game/UFunc.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"

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

void TForm1::CreateReclamaWindow() {
    if (ReclamaForm) return;
    // Owned by the main window: it lives, hidden between showings, until the program ends.
    ReclamaForm = new TReclamaForm(this);
    ReclamaForm->hide();
}

void TForm1::MnuNewClick() {
    Guarded(
        [this] {
            if (MoveInProgress()) return;
            CreateReclamaWindow();
            Ui().ShowModal(ReclamaForm);
            kv::Game& g = TheGame();
            g.DealBoard();
            // A ball chosen before is let go: the next click starts a move.
            g.FirstChosen = false;
            ShowBoard();
            SetMovableLabel(g.MovableCount);
            SetScoreLabel(0);
            repaint();
        },
        this);
}

void TForm1::MnuSaveClick() {
    Guarded(
        [this] {
            if (MoveInProgress()) return;
            FileChooser chooser;
            chooser.title = QStringLiteral("Сохранить игру");
            chooser.filters = ChooserFilters(kSaveDialogFilter);
            chooser.initialName = SaveDialogName;
            chooser.confirmOverwrite = true;
            QString chosen;
            if (!Ui().SaveFile(this, chooser, chosen)) return;

            const std::string path = SaveFileName(QFile::encodeName(chosen).toStdString());
            const QString shown = QFile::decodeName(QByteArray::fromStdString(path));
            SaveDialogName = shown;
            const bool existed = FileExists(path);
            try {
                WriteSavedGame(TheGame(), path);
            } catch (const SaveGameWriteError&) {
                Tell(this,
                     QStringLiteral("Не удалось сохранить игру в файл ") + Guillemets(shown) +
                         QStringLiteral(
                             ".\nПроверьте, можно ли писать в эту папку и есть ли место на диске.") +
                         (existed ? QStringLiteral("\nПрежний файл с этим именем не изменён.") : QString()));
            }
        },
        this);
}

void TForm1::MnuLoadClick() {
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
            kv::Game& g = TheGame();
            if (Ui().OpenFile(this, chooser, chosen)) {
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
            ShowBoard();
            SetScoreLabel(g.Score);
            SetMovableLabel(g.MovableCount);
            if (!failure.isEmpty()) Tell(this, failure + QStringLiteral("\nИгра не изменилась."));
        },
        this);
}

}  // namespace kv::ui
