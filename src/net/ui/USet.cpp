#include "net/ui/USet.h"

#include <QLineEdit>
#include <QPushButton>

#include "ui/ErrorReport.h"
#include "ui/Scale.h"

namespace kv::ui {

namespace {

// Design pixels at 120 dpi.
constexpr int kWidth = 193, kHeight = 140;
constexpr int kMargin = 8, kEditHeight = 25, kEditStep = 33;
constexpr int kButtonWidth = 75, kButtonHeight = 27, kButtonTop = 105;

}  // namespace

TSetForm::TSetForm(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("SetForm"));
    setWindowTitle(kSetFormCaption);
    setModal(true);
    setFixedSize(Px(kWidth), Px(kHeight));
    setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 14));

    auto edit = [this](const char* name, const char* text, int row) {
        auto* e = new QLineEdit(QString::fromLatin1(text), this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(PxRect(kMargin, kMargin + row * kEditStep, kWidth - 2 * kMargin, kEditHeight));
        return e;
    };
    Edit1 = edit("Edit1", "EHost", 0);
    Edit2 = edit("Edit2", "EUser", 1);
    Edit3 = edit("Edit3", "EPass", 2);

    Button1 = new QPushButton(QStringLiteral("Connect"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(PxRect((kWidth - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }, this); });
}

void TSetForm::Button1Click() {
    accept();
}

}  // namespace kv::ui
