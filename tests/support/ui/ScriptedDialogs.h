#pragma once
// The dialog seam for tests: every call is recorded, and answers come from queues that the test
// fills beforehand. A call with no scripted answer fails the test and answers Cancel.

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/Dialogs.h"

namespace kv::test {

struct MessageCall {
    QString title;
    QString text;
    ui::MsgIcon icon;
    ui::MsgButtons buttons;
};

class ScriptedDialogs : public ui::Dialogs {
  public:
    ScriptedDialogs();            // installs itself
    ~ScriptedDialogs() override;  // restores the real dialogs

    // Answers, consumed in order. Message boxes answer Ok (or Yes) unless scripted.
    std::deque<ui::MsgResult> messageAnswers;
    struct Input {
        bool ok;
        QString value;
    };
    std::deque<Input> inputAnswers;
    std::deque<std::optional<QString>> openAnswers;  // nullopt = Cancel
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    // Run on the modal window once it is shown (e.g. send it a key); by default it is closed.
    std::deque<std::function<void(QDialog*)>> modalActions;
    // Runs while a message box is up, as the events a real box's own loop handles would.
    std::function<void()> whileMessageShown;

    std::vector<MessageCall> messages;
    std::vector<QString> inputTitles, inputPrompts;
    std::vector<QString> inputInitial;
    std::vector<ui::FileChooser> openCalls, saveCalls;
    std::vector<QString> folderTitles, folderStarts;
    std::vector<QString> modalShown;  // object names (or class names) of windows shown modally
    std::vector<QString> urls;
    int beeps = 0;

    ui::MsgResult Message(QWidget* parent, const QString& title, const QString& text, ui::MsgIcon icon,
                          ui::MsgButtons buttons) override;
    bool InputQuery(QWidget* parent, const QString& title, const QString& prompt, QString& value,
                    int maxLength) override;
    bool OpenFile(QWidget* parent, const ui::FileChooser& chooser, QString& path) override;
    bool SaveFile(QWidget* parent, const ui::FileChooser& chooser, QString& path) override;
    bool BrowseFolder(QWidget* parent, const QString& title, const QString& start, QString& path) override;
    int ShowModal(QDialog* window) override;
    void Beep() override;
    void OpenUrl(const QString& url) override;

    // Texts of the message boxes shown so far, in order.
    std::vector<QString> MessageTexts() const;
};

}  // namespace kv::test
