// The player, the records directory, the records window and the end of a game.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "records/PlayerSettings.h"
#include "records/RecFile.h"
#include "records/ui/DirEdit.h"
#include "records/ui/Kvel_Rec_U.h"
#include "records/ui/RecordsController.h"
#include "records/ui/RecordsUi.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/MainView.h"

namespace kv::ui {

namespace {

QString Text(const char* source) {
    return QCoreApplication::translate("kv::ui::TRecordsController", source);
}

// The directory goes in with arg(): a "%" in its name is no place for another.
QString CheckDir() {
    return Text(QT_TRANSLATE_NOOP("kv::ui::TRecordsController", "Проверте правильность указания каталога"));
}

QString FromPath(const std::string& path) {
    return QString::fromStdString(path);
}

void ShowPlain(QWidget* parent, const QString& text) {
    Ui().Message(parent, kAppTitle, MessageForDisplay(text), MsgIcon::None, MsgButtons::Ok);
}

// Reads the records file of the records directory; says so if it can't. Matr keeps what was read
// before a bad line.
void ReadRecordsOrSay(QWidget* parent, RecordsState& records, QString (*message)(const QString&)) {
    try {
        ReadRecFile(records.RecPath(kRecFileName), records.Matr);
    } catch (const std::exception&) {
        ShowPlain(parent, message(FromPath(records.RecDir)));
    }
}

}  // namespace

QString StartupMessage(const QString& recDir) {
    return Text(QT_TRANSLATE_NOOP("kv::ui::TRecordsController",
                                  "Не могу найти файл рекордов в каталоге : %1!"))
               .arg(recDir) +
           kLineBreak + CheckDir() + kLineBreak +
           Text(QT_TRANSLATE_NOOP("kv::ui::TRecordsController", " в меню: \"Игра|Файл рекордов\""));
}

QString DirectoryMessage(const QString& recDir) {
    return Text(QT_TRANSLATE_NOOP("kv::ui::TRecordsController",
                                  "Не могу найти файл рекордов в каталоге : %1 !"))
               .arg(recDir) +
           kLineBreak + kLineBreak + CheckDir() + kLineBreak +
           Text(QT_TRANSLATE_NOOP("kv::ui::TRecordsController", " в меню: \"Игра | Файл рекордов\""));
}

QString MessageForDisplay(const QString& text) {
    QString shown = text;
    shown.replace(kLineBreak, QStringLiteral("\n"));
    return shown;
}

TRecordsController::TRecordsController(TMainView& view, RecordsState& records, QObject* parent)
    : QObject(parent), view_(view), records_(records) {}

std::string TRecordsController::RecFilePath() const {
    return records_.RecPath(kRecFileName);
}

void TRecordsController::RecordsStartup(const SettingsData& settings) {
    ApplyPlayerSettings(settings, CurrentDirectory(), records_);
    ReadRecordsOrSay(view_.DialogParent(), records_, StartupMessage);
    view_.SetCaption(ProgramCaption.Text() + kNoPlayerPart.Text());
}

void TRecordsController::CreateRecordsWindow() {
    if (!Form2) Form2 = new TForm2(records_.Matr, view_.DialogParent());
}

void TRecordsController::MnuRecClick() {
    Guarded(
        [this] {
            ReadRecFile(RecFilePath(), records_.Matr);
            CreateRecordsWindow();
            Form2->setWindowTitle(kRecordsTitle);
            Form2->SB1->setText(FromPath(records_.RecDir));
            Ui().ShowModal(Form2);
        },
        view_.DialogParent());
}

void TRecordsController::N4Click() {
    // This machine's table: the working directory's, else the data directory's of the first start.
    records_.RecDir = LocalRecordsDirectory(CurrentDirectory());
    ReadRecordsOrSay(view_.DialogParent(), records_, DirectoryMessage);
}

void TRecordsController::N5Click() {
    if (!DirEdt) DirEdt = new TDirEdit(view_.DialogParent());
    DirEdtBeforeDialog();
    QString folder;
    DirEdt->Execute(view_.DialogParent(), folder);
    DirEdtAfterDialog(folder);
}

void TRecordsController::DirEdtBeforeDialog() {
    DirEdt->InitialDir = FromPath(records_.RecDir);
}

void TRecordsController::DirEdtAfterDialog(const QString& folder) {
    // The picked folder, or after Cancel the one the chooser opened at.
    records_.RecDir = folder.toStdString();
    ReadRecordsOrSay(view_.DialogParent(), records_, DirectoryMessage);
}

void TRecordsController::AskPlayerName() {
    QString name = QString::fromStdString(records_.PlayerName);
    if (Ui().InputQuery(view_.DialogParent(), kNameTitle, kNamePrompt, name, kNameMaxLength))
        records_.PlayerName = name.toStdString();
    view_.SetCaption(ProgramCaption.Text() + kPlayerPart.Text() +
                     QString::fromStdString(records_.PlayerName));
}

void TRecordsController::StoreResult(int score, const std::optional<std::string>& proof) {
    kv::StoreResult(records_.Matr, RecFilePath(), records_.PlayerName, score, proof);
}

void TRecordsController::ShowResult(int score) {
    CreateRecordsWindow();
    Form2->setWindowTitle(kResultTitle + QString::number(score));
    Ui().ShowModal(Form2);
}

}  // namespace kv::ui
