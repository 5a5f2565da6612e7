#include "app/ui/FormStorage.h"

#include <QAction>
#include <QGuiApplication>
#include <QWidget>

#include "base/Exception.h"
#include "ui/Scale.h"

namespace kv::ui {

TFormStorage::TFormStorage(QWidget* form, QList<QAction*> items)
    : QObject(form), form_(form), items_(std::move(items)) {
    setObjectName(QStringLiteral("FormStorage1"));
}

QString TFormStorage::IniFileName() const {
    return QString::fromStdString(WindowStatePath());
}

bool TFormStorage::CanPlaceWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

WindowPlacement TFormStorage::CurrentPlacement() const {
    WindowPlacement p;
    // Right and bottom lie just outside the rectangle, as in the stored form.
    const QRect r = form_->frameGeometry();
    p.norm[0] = r.left();
    p.norm[1] = r.top();
    p.norm[2] = r.left() + r.width();
    p.norm[3] = r.top() + r.height();
    if (form_->isMinimized())
        p.show = ShowState::Minimized;
    else if (form_->isMaximized())
        p.show = ShowState::Maximized;
    p.pixelsPerInch = ScreenDpi();
    return p;
}

void TFormStorage::RestoreFormPlacement() {
    const IniSection section = LoadSection(WindowStatePath(), kMainFormSection);
    std::vector<std::string> names;
    for (QAction* item : items_)
        names.push_back(item->objectName().toStdString());
    const StoredState state = InterpretMainForm(section, CurrentPlacement(), names);

    for (const auto& m : state.menu)
        for (QAction* item : items_)
            if (item->objectName().toStdString() == m.item) item->setChecked(m.checked);

    if (state.move && CanPlaceWindows()) form_->move(state.left, state.top);
    if (state.show) {
        Qt::WindowStates ws = form_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        if (*state.show == ShowState::Maximized) ws |= Qt::WindowMaximized;
        if (*state.show == ShowState::Minimized) ws |= Qt::WindowMinimized;
        form_->setWindowState(ws);
    }
}

void TFormStorage::SaveFormPlacement() {
    const std::string path = WindowStatePath();
    IniSection section;
    try {
        section = LoadSection(path, kMainFormSection);
    } catch (const Exception&) {
        throw Exception("Unable to write to " + path);
    }
    std::vector<MenuCheck> menu;
    for (QAction* item : items_)
        menu.push_back({item->objectName().toStdString(), item->isChecked()});
    StoreMainForm(section, CurrentPlacement(), menu, CanPlaceWindows());
    SaveSection(path, kMainFormSection, section);
}

}  // namespace kv::ui
