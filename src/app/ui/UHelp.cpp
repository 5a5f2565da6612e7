#include "app/ui/UHelp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "ui/ErrorReport.h"
#include "ui/Scale.h"
#include "ui/TextFit.h"

namespace kv::ui {

namespace {

// This window is laid out at 96 dpi.
constexpr int kDpi = 96;

const QColor kGreen(0x00, 0x80, 0x00);

void SetColour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

// Each text one block with its lines, so that a translator sees whole sentences; the lines keep
// their blanks.
const char* const kRules = QT_TRANSLATE_NOOP("kv::ui::THelpForm",
                                             "В эту игру играть достаточно просто.\n"
                                             "\n"
                                             "Дано поле, заполненное разноцветными шарами . \n"
                                             "  \n"
                                             "Необходимо поменять местами квелли так, чтобы по вертикали \n"
                                             "или по  горизонтали рядом было не менее трех шаров одного \n"
                                             "цвета, при этом переставлять шар можно только один раз.\n"
                                             "  \n"
                                             "Игра заканчивается только тогда, когда ни один шар нельзя \n"
                                             "больше переместить.\n"
                                             "\n"
                                             "Желаю удачи ! ! ! ");

const char* const kKeyboard = QT_TRANSLATE_NOOP("kv::ui::THelpForm",
                                                "Играть можно и с клавиатуры: стрелки показывают\n"
                                                "на поле рамку и двигают её, а пробел или Enter\n"
                                                "действуют как щелчок по шару в рамке.\n"
                                                "Щелчок мышью прячет рамку.\n"
                                                "\n"
                                                "Пункт «Значки на шарах» в меню «?» рисует на шарах\n"
                                                "каждого цвета свой значок: так цвета различимы\n"
                                                "и без цветового зрения.");

const char* const kHint = QT_TRANSLATE_NOOP("kv::ui::THelpForm",
                                            "Клавиша H или пункт «Подсказка» в меню «?» отмечают\n"
                                            "шар, у которого есть ход, и соседа, с которым его\n"
                                            "поменять; рамка встаёт на этот шар.\n"
                                            "\n"
                                            "Программа экранного доступа читает шар в рамке:\n"
                                            "его цвет, ряд и столбец.");

QStringList Lines(const char* text) {
    return QCoreApplication::translate("kv::ui::THelpForm", text).split(u'\n');
}

}  // namespace

QStringList RulesLines() {
    return Lines(kRules);
}

QStringList KeyboardLines() {
    return QStringList{QString()} + Lines(kKeyboard) + QStringList{QString()} + Lines(kHint);
}

THelpForm::THelpForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QCoreApplication::translate("kv::ui::THelpForm", "Правила игры"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(Px(449, kDpi), Px(329, kDpi));
    SetColour(this, QPalette::Window, kGreen);
    setAutoFillBackground(true);

    RxLabel1 = new QLabel(QCoreApplication::translate("kv::ui::THelpForm", "игра   К В Е Л Л И "), this);
    RxLabel1->setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 27, false, kDpi));
    SetColour(RxLabel1, QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    RxLabel1->move(Px(98, kDpi), Px(12, kDpi));
    RxLabel1->adjustSize();
    KeepLineInside(RxLabel1);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setGeometry(PxRect(8, 56, 433, 233, kDpi));
    RichEdit1->setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 13, false, kDpi));
    SetColour(RichEdit1, QPalette::Base, kGreen);
    SetColour(RichEdit1, QPalette::Text, QColor(0xFF, 0xFF, 0x00));
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setPlainText((RulesLines() + KeyboardLines()).join(u'\n'));
    for (QTextBlock b = RichEdit1->document()->begin(); b.isValid(); b = b.next()) {
        QTextCursor c(b);
        QTextBlockFormat f = b.blockFormat();
        f.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(f);
    }
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Only to be read: no focus, no selection, no typing. It stays enabled so that its scroll
    // bar still scrolls and its colours are not greyed.
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::NoTextInteraction);
    RichEdit1->setFocusPolicy(Qt::NoFocus);
    RichEdit1->viewport()->setFocusPolicy(Qt::NoFocus);
    RichEdit1->verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    RichEdit1->viewport()->setCursor(Qt::ArrowCursor);

    SpeedButton1 = new QPushButton(QCoreApplication::translate("kv::ui::THelpForm", "Закрыть"), this);
    SpeedButton1->setFlat(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setAutoDefault(false);
    SpeedButton1->setGeometry(PxRect(46, 294, 368, 32, kDpi));
    SpeedButton1->setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 13, true, kDpi));
    SetColour(SpeedButton1, QPalette::ButtonText, QColor(0x00, 0xFF, 0x00));
    connect(SpeedButton1, &QPushButton::clicked, this,
            [this] { Guarded([this] { SpeedButton1Click(); }, this); });

    if (auto* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void THelpForm::SpeedButton1Click() {
    reject();
}

}  // namespace kv::ui
