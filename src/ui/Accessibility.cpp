#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QMetaObject>

#include "ui/TShadowLabel.h"
#include "ui/TShape.h"

namespace kv::ui {

namespace {

// A ball: a button named by its colour and place, checked while chosen, focused while framed.
class BallAccessible : public QAccessibleWidget {
  public:
    explicit BallAccessible(TShape* ball) : QAccessibleWidget(ball, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Ball()->AccessibleName() : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        // The window keeps the keyboard; the frame is where its keys act.
        s.focusable = true;
        s.focused = Ball()->CursorFrame();
        s.checkable = true;
        s.checked = Ball()->Chosen();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        // Later, from the event loop: a move plays out for a second or more, and the caller
        // (another process, waiting for its answer) must not wait for it.
        QMetaObject::invokeMethod(
            Ball(),
            [ball = Ball()] {
                // A modal window keeps the mouse away from the board, and this press too: under a
                // game's end asking for the name, a press would end the game a second time.
                const QWidget* modal = QApplication::activeModalWidget();
                if (modal && modal != ball->window()) return;
                ball->Press();
            },
            Qt::QueuedConnection);
    }

  private:
    TShape* Ball() const { return static_cast<TShape*>(widget()); }
};

// A counter of the header: its word, then the number it shows.
class CounterAccessible : public QAccessibleWidget {
  public:
    explicit CounterAccessible(TShadowLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* label = static_cast<const TShadowLabel*>(widget());
        if (label->AccessibleCaption().isEmpty()) return label->text();
        return QCoreApplication::translate("kv::ui::TShadowLabel", "%1: %2")
            .arg(label->AccessibleCaption(), label->text());
    }
};

QAccessibleInterface* Describe(const QString& key, QObject* object) {
    if (key == QLatin1String("kv::ui::TShape"))
        if (auto* ball = qobject_cast<TShape*>(object)) return new BallAccessible(ball);
    if (key == QLatin1String("kv::ui::TShadowLabel"))
        if (auto* label = qobject_cast<TShadowLabel*>(object)) return new CounterAccessible(label);
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&Describe);
        return true;
    }();
    (void)installed;
}

}  // namespace kv::ui
