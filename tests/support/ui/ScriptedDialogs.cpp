#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QTimer>

namespace kv::test {

ScriptedDialogs::ScriptedDialogs() {
    ui::SetUi(this);
}
ScriptedDialogs::~ScriptedDialogs() {
    ui::SetUi(nullptr);
}

ui::MsgResult ScriptedDialogs::Message(QWidget*, const QString& title, const QString& text, ui::MsgIcon icon,
                                       ui::MsgButtons buttons) {
    messages.push_back({title, text, icon, buttons});
    if (whileMessageShown) whileMessageShown();
    if (messageAnswers.empty())
        return buttons == ui::MsgButtons::YesNo ? ui::MsgResult::Yes : ui::MsgResult::Ok;
    auto r = messageAnswers.front();
    messageAnswers.pop_front();
    return r;
}

bool ScriptedDialogs::InputQuery(QWidget*, const QString& title, const QString& prompt, QString& value,
                                 int maxLength) {
    inputTitles.push_back(title);
    inputPrompts.push_back(prompt);
    inputInitial.push_back(value);
    if (inputAnswers.empty()) {
        ADD_FAILURE() << "unscripted input box: " << prompt.toStdString();
        return false;
    }
    auto a = inputAnswers.front();
    inputAnswers.pop_front();
    if (a.ok) value = a.value.left(maxLength);
    return a.ok;
}

static bool Take(std::deque<std::optional<QString>>& q, QString& path, const char* what) {
    if (q.empty()) {
        ADD_FAILURE() << "unscripted " << what;
        return false;
    }
    auto a = q.front();
    q.pop_front();
    if (!a) return false;
    path = *a;
    return true;
}

bool ScriptedDialogs::OpenFile(QWidget*, const ui::FileChooser& chooser, QString& path) {
    openCalls.push_back(chooser);
    return Take(openAnswers, path, "open chooser");
}

bool ScriptedDialogs::SaveFile(QWidget*, const ui::FileChooser& chooser, QString& path) {
    saveCalls.push_back(chooser);
    return Take(saveAnswers, path, "save chooser");
}

bool ScriptedDialogs::BrowseFolder(QWidget*, const QString& title, const QString& start, QString& path) {
    folderTitles.push_back(title);
    folderStarts.push_back(start);
    return Take(folderAnswers, path, "folder chooser");
}

int ScriptedDialogs::ShowModal(QDialog* window) {
    modalShown.push_back(window->objectName().isEmpty() ? QString::fromUtf8(window->metaObject()->className())
                                                        : window->objectName());
    std::function<void(QDialog*)> action = [](QDialog* w) { w->reject(); };
    if (!modalActions.empty()) {
        action = modalActions.front();
        modalActions.pop_front();
    }
    // Act once the window runs its own loop, as a player would.
    QTimer::singleShot(0, window, [window, action] { action(window); });
    return window->exec();
}

void ScriptedDialogs::Beep() {
    ++beeps;
}

void ScriptedDialogs::OpenUrl(const QString& url) {
    urls.push_back(url);
}

std::vector<QString> ScriptedDialogs::MessageTexts() const {
    std::vector<QString> out;
    for (const auto& m : messages)
        out.push_back(m.text);
    return out;
}

}  // namespace kv::test
