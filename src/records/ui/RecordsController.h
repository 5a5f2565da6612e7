#pragma once
// The records' commands in the main window: the player, the records directory, the records
// window and the records part of a game's end (records/ui/RecordsController.cpp).

#include <QObject>
#include <QString>
#include <optional>
#include <string>

namespace kv {
struct RecordsState;
struct SettingsData;
}  // namespace kv

namespace kv::ui {

class TMainView;
class TForm2;
class TDirEdit;

class TRecordsController : public QObject {
  public:
    // `parent` owns the controller (the main window); view and records outlive it.
    TRecordsController(TMainView& view, kv::RecordsState& records, QObject* parent);

    // At start-up: the player and the records directory from the settings, the records file,
    // the caption.
    void RecordsStartup(const kv::SettingsData& settings);
    void CreateRecordsWindow();  // Form2, hidden
    void MnuRecClick();
    void N4Click();
    void N5Click();
    void DirEdtBeforeDialog();
    void DirEdtAfterDialog(const QString& folder);
    void AskPlayerName();
    // The records' parts of a game's end, which the window composes: the result into the records
    // file (throws on failure), then the records window titled with it.
    // `proof`: the finished game's proof text, kept beside the records file; none if unproven.
    void StoreResult(int score, const std::optional<std::string>& proof = std::nullopt);
    void ShowResult(int score);

    TForm2* Form2 = nullptr;     // the records window: made hidden, lives until the end
    TDirEdit* DirEdt = nullptr;  // the hidden folder chooser of N5

  private:
    std::string RecFilePath() const;
    TMainView& view_;
    kv::RecordsState& records_;
};

}  // namespace kv::ui
