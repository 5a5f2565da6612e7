#pragma once
// The records window: the ranked table as two columns, names and scores, yellow on blue. Created
// hidden at start-up and shown modally; it lists the table each time it is shown or activated.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QListWidget>

#include "records/RecFile.h"
#include "ui/TextFit.h"
#include "ui/Translations.h"

class QPainter;

namespace kv::ui {

inline const TrText kRecordsTitle{"kv::ui::TForm2", QT_TRANSLATE_NOOP("kv::ui::TForm2", "Рекорды")};
inline const TrText kResultTitle{"kv::ui::TForm2",
                                 QT_TRANSLATE_NOOP("kv::ui::TForm2", "Рекорды.  Ваш результат: ")};

// A panel framed by a lowered outer and a lowered inner bevel.
class TBevelPanel : public QFrame {
    Q_OBJECT
  public:
    explicit TBevelPanel(QWidget* parent = nullptr);
    static constexpr int kBevels = 2;  // pixels at 120 dpi: outer and inner bevel

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A list that can't be selected, focused or scrolled, whose rows the window paints itself:
// yellow text on blue also while disabled.
class TRecListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit TRecListBox(QWidget* parent = nullptr);
    static inline const QColor kBack{0x00, 0x00, 0xFF};
    static inline const QColor kText{0xFF, 0xFF, 0x00};
    int RowHeight() const;
    // A row's text, on one line, 2 pixels from the left and centred vertically, in the list's
    // font or, for a name too big for the row, a smaller one, so that it shows whole. Draws
    // nothing outside the row, and clips nothing itself.
    static QFont RowFont(const QFont& font, const QRect& row, const QString& text);
    static void PaintRowText(QPainter* p, const QRect& row, const QFont& font, const QString& text);
};

class TForm2 : public QDialog {
    Q_OBJECT
  public:
    // Lists `matr`, the records table of the run, which outlives the window.
    explicit TForm2(RecTable& matr, QWidget* parent = nullptr);

    TBevelPanel* Panel1 = nullptr;
    TRecListBox* ListBox1 = nullptr;  // names
    TRecListBox* ListBox2 = nullptr;  // scores
    TElideLabel* SB1 = nullptr;       // status line: the records directory, elided if too long

    // The listing: ranks the table and fills both lists from its filled rows.
    void FormCreate();

  private:
    RecTable& matr_;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace kv::ui
