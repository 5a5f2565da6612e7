#include "records/ui/Kvel_Rec_U.h"

#include <qdrawutil.h>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>

#include "base/Cp1251.h"
#include "records/RecFile.h"
#include "ui/Scale.h"

namespace kv::ui {

namespace {

// Each row filled with the list's blue and its text on one line, 2 pixels from the left and
// centred vertically; no highlight, no grey for the disabled state.
class RowPainter : public QStyledItemDelegate {
  public:
    explicit RowPainter(QListWidget* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        p->save();
        p->fillRect(option.rect, TRecListBox::kBack);
        p->setPen(TRecListBox::kText);
        TRecListBox::PaintRowText(p, option.rect, option.font, index.data(Qt::DisplayRole).toString());
        p->restore();
    }

    // Rows as wide as the list, so that each is filled edge to edge.
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {list_->viewport()->width(), Px(18)};
    }

  private:
    QListWidget* list_;
};

}  // namespace

TBevelPanel::TBevelPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
}

void TBevelPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    // Lowered: shadow at the top and left, light at the bottom and right; twice, one inside the other.
    const int width = std::max(1, Px(1));
    QRect r = rect();
    for (int bevel = 0; bevel < 2; ++bevel) {
        qDrawShadeRect(&p, r, palette(), true, width, 0);
        r.adjust(width, width, -width, -width);
    }
}

TRecListBox::TRecListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new RowPainter(this));
    setFont(ScaledFont(QStringLiteral("Times New Roman"), 20, true));
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, kBack);
        pal.setColor(group, QPalette::Window, kBack);
        pal.setColor(group, QPalette::Text, kText);
    }
    setPalette(pal);
    setAutoFillBackground(true);
    viewport()->setAutoFillBackground(true);
    setEnabled(false);
}

QFont TRecListBox::RowFont(const QFont& font, const QRect& row, const QString& text) {
    // 2 pixels from the left and as many kept free on the right, before the next column; the
    // letters may fill the row from top to bottom.
    const QRect room = row.adjusted(Px(2), 0, -Px(2), 0);
    QFont f = FitFont(font, room, Qt::AlignLeft | Qt::AlignTop, text, Across(room));
    for (int size = f.pixelSize(); size > 4; --size) {
        if (QFontMetricsF(f).tightBoundingRect(text).height() <= room.height()) break;
        f.setPixelSize(size - 1);
    }
    return f;
}

void TRecListBox::PaintRowText(QPainter* p, const QRect& row, const QFont& font, const QString& text) {
    // Centred by its letters, not by the font's line, which is higher than the row: so that the
    // tails of "у" and "Щ" stay in it.
    const QFont f = RowFont(font, row, text);
    const QRectF ink = QFontMetricsF(f).tightBoundingRect(text);
    p->setFont(f);
    p->drawText(QPointF(row.left() + Px(2), row.top() + (row.height() - ink.height()) / 2 - ink.top()), text);
}

int TRecListBox::RowHeight() const {
    return Px(18);
}

TForm2::TForm2(RecTable& matr, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      matr_(matr) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(kRecordsTitle);
    setModal(true);
    setFixedSize(Px(304), Px(516));
    setSizeGripEnabled(false);

    Panel1 = new TBevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, width(), height());

    const int b = TBevelPanel::kBevels;
    ListBox1 = new TRecListBox(Panel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(PxRect(b, b, 180, 493));
    ListBox2 = new TRecListBox(Panel1);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(PxRect(304 - b - 120, b, 120, 493));

    SB1 = new TElideLabel(Panel1);
    SB1->setObjectName(QStringLiteral("SB1"));
    SB1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SB1->setIndent(Px(2));
    // Scaled with the window: the toolkit's own font does not shrink with the strip.
    SB1->setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 13));
    SB1->setTextFormat(Qt::PlainText);
    SB1->setGeometry(PxRect(b, b + 493, 300, 19));

    FormCreate();
}

void TForm2::FormCreate() {
    ListBox1->clear();
    ListBox2->clear();
    MatrSortir(matr_);
    for (int k = 0; k < FilledRows(matr_); ++k) {
        ListBox1->addItem(QString::fromStdString(Cp1251ToUtf8(matr_[k].name)));
        ListBox2->addItem(QString::number(matr_[k].score));
    }
    // Rows laid out now rather than at the next turn of the event loop, so that any paint shows them.
    ListBox1->doItemsLayout();
    ListBox2->doItemsLayout();
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    // Escape, character 27, closes the window; no other key does anything.
    if (event->key() == Qt::Key_Escape || event->text() == QStringLiteral("\x1B")) {
        reject();
        return;
    }
    event->accept();
}

void TForm2::showEvent(QShowEvent* event) {
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FormCreate();
    QDialog::showEvent(event);
}

bool TForm2::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormCreate();
    return QDialog::event(event);
}

}  // namespace kv::ui
