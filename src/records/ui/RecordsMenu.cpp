// The player, the records directory, the records window and the end of a game.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/ui/Kvelli99_U1.h"
#include "app/ui/UReclama.h"
#include "game/UFunc.h"
#include "records/PlayerSettings.h"
#include "records/RecFile.h"
#include "records/ui/Kvel_Rec_U.h"
#include "records/ui/RecordsUi.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/TShadowLabel.h"

namespace kv::ui {

namespace {

const QString kNoRecords = QStringLiteral("Не могу найти файл рекордов в каталоге : ");
const QString kCheckDir = QStringLiteral("Проверте правильность указания каталога");

QString FromPath(const std::string& path) {
    return QString::fromStdString(path);
}

// The settings file of this program: its name with ".INI", in the XDG config directory.
std::string SettingsPath() {
    QString program = QCoreApplication::applicationName();
    if (program.isEmpty()) program = QStringLiteral("kvelli99");
    return SettingsFilePath(program.toStdString());
}

void ShowPlain(QWidget* parent, const QString& text) {
    Ui().Message(parent, kAppTitle, MessageForDisplay(text), MsgIcon::None, MsgButtons::Ok);
}

// Reads the records file of RecDir; says so if it can't. Matr keeps what was read before a bad line.
void ReadRecordsOrSay(QWidget* parent, QString (*message)(const QString&)) {
    try {
        ReadRecFile(kRecFileName);
    } catch (const std::exception&) {
        ShowPlain(parent, message(FromPath(RecDir)));
    }
}

}  // namespace

QString StartupMessage(const QString& recDir) {
    return kNoRecords + recDir + u'!' + kLineBreak + kCheckDir + kLineBreak +
           QStringLiteral(" в меню: \"Игра|Файл рекордов\"");
}

QString DirectoryMessage(const QString& recDir) {
    return kNoRecords + recDir + QStringLiteral(" !") + kLineBreak + kLineBreak + kCheckDir + kLineBreak +
           QStringLiteral(" в меню: \"Игра | Файл рекордов\"");
}

QString MessageForDisplay(const QString& text) {
    QString shown = text;
    shown.replace(kLineBreak, QStringLiteral("\n"));
    return shown;
}

TDirEdit::TDirEdit(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DirEdt"));
    hide();
}

QString TDirEdit::StartFolder() const {
    QString start = LastPicked.isEmpty() ? InitialDir : LastPicked;
    if (start.isEmpty() || !QFileInfo(start).isDir()) start = QStringLiteral("/");
    return start;
}

bool TDirEdit::Execute(QWidget* parent, QString& folder) {
    const QString start = StartFolder();
    QString picked = start;
    if (Ui().BrowseFolder(parent, QStringLiteral("Каталог файла рекордов"), start, picked) &&
        !picked.isEmpty()) {
        folder = picked;
        LastPicked = picked;
        return true;
    }
    folder = start;
    return false;
}

void TForm1::RecordsStartup() {
    ReadPlayerSettings(SettingsPath(), CurrentDirectory());
    ReadRecordsOrSay(this, StartupMessage);
    setWindowTitle(ProgramCaption + kNoPlayerPart);
}

void TForm1::WritePlayerSettings() {
    // Throws "Unable to write to <file>"; the close goes on all the same.
    kv::WritePlayerSettings(SettingsPath());
}

void TForm1::CreateRecordsWindow() {
    if (!Form2) Form2 = new TForm2(this);
}

void TForm1::MnuRecClick() {
    Guarded(
        [this] {
            ReadRecFile(kRecFileName);
            CreateRecordsWindow();
            Form2->setWindowTitle(kRecordsTitle);
            Form2->SB1->setText(FromPath(RecDir));
            Ui().ShowModal(Form2);
        },
        this);
}

void TForm1::N4Click() {
    if (MoveInProgress()) return;
    N4->setChecked(true);
    RecDir = CurrentDirectory();
    ReadRecordsOrSay(this, DirectoryMessage);
}

void TForm1::N5Click() {
    if (MoveInProgress()) return;
    // Checked whatever happens in the chooser.
    N5->setChecked(true);
    if (!DirEdt) DirEdt = new TDirEdit(Panel1 ? Panel1 : this);
    DirEdtBeforeDialog();
    QString folder;
    DirEdt->Execute(this, folder);
    DirEdtAfterDialog(folder);
}

void TForm1::DirEdtBeforeDialog() {
    DirEdt->InitialDir = FromPath(RecDir);
}

void TForm1::DirEdtAfterDialog(const QString& folder) {
    // The picked folder, or after Cancel the one the chooser opened at.
    RecDir = folder.toStdString();
    ReadRecordsOrSay(this, DirectoryMessage);
}

void TForm1::AskPlayerName() {
    QString name = QString::fromStdString(PlayerName);
    if (Ui().InputQuery(this, kNameTitle, kNamePrompt, name, kNameMaxLength)) PlayerName = name.toStdString();
    setWindowTitle(ProgramCaption + kPlayerPart + QString::fromStdString(PlayerName));
}

bool TForm1::EndOfGame() {
    // A failure stops the sequence where it happens: no window, no new deal.
    return Guarded(
        [this] {
            kv::Game& game = TheGame();
            AskPlayerName();
            SetMovableLabel(0);
            StoreResult(kRecFileName, game.Score);
            ShowBoard();
            CreateRecordsWindow();
            const QString shown = RxLabel3 ? RxLabel3->text() : QString::number(game.Score);
            Form2->setWindowTitle(kResultTitle + shown);
            Ui().ShowModal(Form2);
            if (ReclamaForm) Ui().ShowModal(ReclamaForm);
            SetScoreLabel(0);
            game.DealBoard();
            SetMovableLabel(game.MovableCount);
        },
        this);
}

}  // namespace kv::ui
