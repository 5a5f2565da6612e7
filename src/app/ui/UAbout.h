#pragma once
// The About window: the program's name, version and rights line from its own version block, the
// system it runs on, and a panel of text about the maker that scrolls without end.

#include <QDialog>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "ui/TextFit.h"

class QFrame;
class QPushButton;

namespace kv {
class TVerInfoRes;
}

namespace kv::ui {

// The maker's web page, which a click on the rights line opens.
inline const QString kMakerUrl = QStringLiteral("http://www.quorvane.example/");

// The program's own file, the one whose version block the About window shows.
QString OwnProgramFile();

// The platform line: "System is " and the kernel's name from uname, as the design's family
// names ("System is Linux."); empty if the system does not say. The full text adds the release.
QString PlatformText();
QString PlatformFullText();

// A panel whose lines move up one pixel per tick: they enter at the lower edge, leave at the
// upper one, and start again from the lower edge.
class TScrollText : public QWidget {
    Q_OBJECT
  public:
    explicit TScrollText(QWidget* parent = nullptr);

    // Empty lines at the head are dropped: they would only scroll blank space past.
    void SetLines(const QStringList& lines);
    QStringList Lines() const { return lines_; }
    void SetInterval(int ms) { timer_.setInterval(ms); }
    int Interval() const { return timer_.interval(); }
    void Start() { timer_.start(); }
    void Stop() { timer_.stop(); }
    bool Running() const { return timer_.isActive(); }
    // Puts the text back at the lower edge.
    void Restart();
    // One tick: up one pixel, or back to the start once the text has left.
    void Step();
    // The top of the text relative to the panel's top; the panel's height at the start.
    int TextTop() const { return top_; }
    int TextHeight() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList lines_;
    QTimer timer_;
    int top_ = 0;
};

// The rights line: it reports the pointer moving over it, leaving it, and clicks.
class TLinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TLinkLabel(QWidget* parent = nullptr);
  signals:
    void MouseMove();
    void MouseLeave();
    void Clicked();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

class TAboutForm : public QDialog {
    Q_OBJECT
  public:
    // Reads the version block of `programFile`; a failure goes to the general error report and
    // the window then shows the texts of a block without keys.
    explicit TAboutForm(QWidget* parent = nullptr, const QString& programFile = OwnProgramFile());
    ~TAboutForm() override;

    QLabel* LName = nullptr;
    QLabel* LVersion = nullptr;
    TLinkLabel* LCopy = nullptr;
    QFrame* Bevel1 = nullptr;
    TScrollText* SP = nullptr;
    QFrame* Bevel2 = nullptr;
    TElideLabel* LOs = nullptr;
    TElideLabel* LSystem = nullptr;
    QPushButton* SpeedButton1 = nullptr;

    const TVerInfoRes* VerInfo() const { return verInfo_.get(); }

    void FormCreate();
    void FormShow();
    void FormClose();
    void FormDestroy();
    void SpeedButton1Click();
    void LCopyClick();
    void LCopyMouseMove();
    void LCopyMouseLeave();
    // Lays out the line of `LOs` and `LSystem` again after either text changed.
    void PlaceSystemLine();

    static const QColor kNavy;
    static const QColor kBlue;

  public slots:
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetLinkColour(const QColor& colour);
    QString programFile_;
    std::unique_ptr<TVerInfoRes> verInfo_;
};

}  // namespace kv::ui
