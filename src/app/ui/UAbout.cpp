#include "app/ui/UAbout.h"

#include <sys/utsname.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "app/VerInfo.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/Scale.h"
#include "ui/TextFit.h"

namespace kv::ui {

const QColor TAboutForm::kNavy(0x00, 0x00, 0x80);
const QColor TAboutForm::kBlue(0x00, 0x00, 0xFF);

namespace {

const QColor kGreen(0x00, 0x80, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kPurple(0x80, 0x00, 0x80);
const QColor kLime(0x00, 0xFF, 0x00);

// The maker's lines, one text for the translators.
const char* const kMakerText = QT_TRANSLATE_NOOP("kv::ui::TAboutForm",
                                                 "Разработка программ:\n"
                                                 "логические игры,\n"
                                                 "обучающие программы,\n"
                                                 "утилиты для Windows\n"
                                                 "и программы на заказ.");

// The program's name as its version block gives it, for the translators: the window looks the
// block's text up.
[[maybe_unused]] const char* const kOwnName =
    QT_TRANSLATE_NOOP("kv::ui::TAboutForm", "Квелли 99 Internet version");

QStringList MakerLines() {
    return QStringList{QStringLiteral("Quorvane"), QString()} +
           QCoreApplication::translate("kv::ui::TAboutForm", kMakerText).split(u'\n') +
           QStringList{QString(), QStringLiteral("E-mail: info@quorvane.example")};
}

QFont NameFont() {
    return ScaledFont(QStringLiteral("Times New Roman"), 28, true);
}

void SetTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    w->setPalette(p);
}

}  // namespace

QString OwnProgramFile() {
    return QStringLiteral("/proc/self/exe");
}

QString PlatformText() {
    struct utsname u {};
    if (::uname(&u) != 0 || u.sysname[0] == '\0') return {};
    return QStringLiteral("System is ") + QString::fromLocal8Bit(u.sysname) + u'.';
}

QString PlatformFullText() {
    struct utsname u {};
    if (::uname(&u) != 0 || u.sysname[0] == '\0') return {};
    QString text = QStringLiteral("System is ") + QString::fromLocal8Bit(u.sysname);
    if (u.release[0] != '\0') text += u' ' + QString::fromLocal8Bit(u.release);
    return text + u'.';
}

// ---------------------------------------------------------------- TScrollText

TScrollText::TScrollText(QWidget* parent) : QWidget(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
}

void TScrollText::SetLines(const QStringList& lines) {
    qsizetype first = 0;
    while (first < lines.size() && lines[first].trimmed().isEmpty())
        ++first;
    lines_ = lines.mid(first);
    update();
}

int TScrollText::TextHeight() const {
    return static_cast<int>(lines_.size()) * fontMetrics().height();
}

void TScrollText::Restart() {
    top_ = height();
    update();
}

void TScrollText::Step() {
    if (--top_ + TextHeight() <= 0) top_ = height();
    update();
}

void TScrollText::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    const int lineHeight = fontMetrics().height();
    const int margin = Px(2);
    int y = top_;
    for (const QString& line : lines_) {
        if (y + lineHeight > 0 && y < height())
            p.drawText(QRect(margin, y, width() - margin, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       line);
        y += lineHeight;
    }
}

// ---------------------------------------------------------------- TLinkLabel

TLinkLabel::TLinkLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void TLinkLabel::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove();
    QLabel::mouseMoveEvent(event);
}

void TLinkLabel::leaveEvent(QEvent* event) {
    emit MouseLeave();
    QLabel::leaveEvent(event);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit Clicked();
}

// ---------------------------------------------------------------- TAboutForm

TAboutForm::TAboutForm(QWidget* parent, const QString& programFile)
    : QDialog(parent), programFile_(programFile) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QCoreApplication::translate("kv::ui::TAboutForm", "О программе"));
    // A title bar without buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(Px(353), Px(315));
    setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 14));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kGreen);
    setPalette(pal);
    setAutoFillBackground(true);

    LName = new QLabel(QStringLiteral("Internal Name"), this);
    LName->setGeometry(PxRect(124, 10, 224, 64));
    LName->setFont(NameFont());
    LName->setAlignment(Qt::AlignCenter);
    LName->setWordWrap(true);
    SetTextColour(LName, kYellow);

    LVersion = new QLabel(QStringLiteral("Product Version"), this);
    LVersion->setGeometry(PxRect(165, 74, 149, 20));
    LVersion->setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 17, true));
    LVersion->setAlignment(Qt::AlignCenter);
    SetTextColour(LVersion, kPurple);

    // Between the version and the separator, centred under the name.
    LCopy = new TLinkLabel(this);
    LCopy->setText(QStringLiteral("Legal Copyright"));
    LCopy->setGeometry(PxRect(124, 98, 224, 20));
    LCopy->setAlignment(Qt::AlignCenter);
    LCopy->setCursor(Qt::PointingHandCursor);
    SetTextColour(LCopy, kNavy);
    connect(LCopy, &TLinkLabel::MouseMove, this, [this] { Guarded([this] { LCopyMouseMove(); }, this); });
    connect(LCopy, &TLinkLabel::MouseLeave, this, [this] { Guarded([this] { LCopyMouseLeave(); }, this); });
    connect(LCopy, &TLinkLabel::Clicked, this, [this] { Guarded([this] { LCopyClick(); }, this); });

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(PxRect(0, 123, 350, 3));

    SP = new TScrollText(this);
    SP->setGeometry(PxRect(0, 128, 353, 117));
    SP->setFont(ScaledFont(QStringLiteral("Times New Roman"), 17, true));
    QPalette sp = SP->palette();
    sp.setColor(QPalette::Window, kGreen);
    sp.setColor(QPalette::WindowText, kYellow);
    SP->setPalette(sp);
    SP->SetLines(MakerLines());
    SP->Restart();

    Bevel2 = new QFrame(this);
    Bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel2->setGeometry(PxRect(4, 244, 349, 2));

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    LOs = new TElideLabel(this);
    LOs->setText(QStringLiteral("LOS"));
    LOs->setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 15));
    SetTextColour(LOs, windowText);

    LSystem = new TElideLabel(this);
    LSystem->setText(QStringLiteral("LSystem"));
    LSystem->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetTextColour(LSystem, windowText);
    PlaceSystemLine();

    SpeedButton1 = new QPushButton(QCoreApplication::translate("kv::ui::TAboutForm", "Закрыть"), this);
    SpeedButton1->setFlat(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setAutoDefault(false);
    SpeedButton1->setCursor(Qt::PointingHandCursor);
    SpeedButton1->setGeometry(PxRect(0, 276, 352, 40));
    SpeedButton1->setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 15, true));
    SetTextColour(SpeedButton1, kLime);
    connect(SpeedButton1, &QPushButton::clicked, this,
            [this] { Guarded([this] { SpeedButton1Click(); }, this); });

    if (auto* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    Guarded([this] { FormCreate(); }, this);
}

TAboutForm::~TAboutForm() {
    FormDestroy();
}

void TAboutForm::FormCreate() {
    SP->SetInterval(60);
    SP->Start();
    verInfo_ = std::make_unique<TVerInfoRes>(QFile::encodeName(programFile_).toStdString());
}

void TAboutForm::FormShow() {
    const QString system = PlatformText();
    if (!system.isEmpty()) {
        LSystem->setText(system);
        // The kernel's release, too long for the line beside the design's text, on demand.
        const QString full = PlatformFullText();
        LSystem->setToolTip(full != system ? full : QString());
    }
    auto text = [this](VersionKey key) {
        return verInfo_ ? QString::fromStdString(verInfo_->GetVersionText(key)) : QString();
    };
    // The block's own name, in the player's language where a translation has it.
    LName->setText(QCoreApplication::translate("kv::ui::TAboutForm",
                                               text(VersionKey::InternalName).toUtf8().constData()));
    FitLabel(LName, NameFont(), Qt::AlignCenter);
    LVersion->setText(QStringLiteral("Version ") + text(VersionKey::ProductVersion));
    LCopy->setText(QStringLiteral("(c) ") + text(VersionKey::LegalCopyright));
    LOs->setText(verInfo_ ? QString::fromStdString(verInfo_->GetFileOsText()) : QString());
    PlaceSystemLine();
    // Each opening shows the panel from its start.
    SP->Restart();
    if (!SP->Running()) SP->Start();
}

void TAboutForm::PlaceSystemLine() {
    // Both texts share one line, from x = 4 to 347, and never touch: each keeps its own width
    // while both fit; otherwise the longer gives way, down to half the line, and is elided.
    const int left = Px(4), right = Px(347), gap = Px(8), top = Px(246);
    const int room = right - left - gap;
    LOs->adjustSize();
    LSystem->adjustSize();
    int os = LOs->width(), system = LSystem->width();
    if (os + system > room) {
        const int half = room / 2;
        if (os <= half)
            system = room - os;
        else if (system <= half)
            os = room - system;
        else
            os = system = half;
    }
    LOs->setGeometry(left, top, os, LOs->height());
    LSystem->setGeometry(right - system, top, system, LSystem->height());
}

void TAboutForm::FormClose() {
    SP->Stop();
}

void TAboutForm::FormDestroy() {
    verInfo_.reset();
}

void TAboutForm::SpeedButton1Click() {
    reject();
}

void TAboutForm::LCopyClick() {
    // The browser opens on its own; this window keeps the focus and does not wait.
    Ui().OpenUrl(kMakerUrl);
}

void TAboutForm::LCopyMouseMove() {
    SetLinkColour(kBlue);
}

void TAboutForm::LCopyMouseLeave() {
    SetLinkColour(kNavy);
}

void TAboutForm::SetLinkColour(const QColor& colour) {
    if (LCopy->palette().color(QPalette::WindowText) != colour) SetTextColour(LCopy, colour);
}

void TAboutForm::done(int result) {
    Guarded([this] { FormClose(); }, this);
    QDialog::done(result);
}

void TAboutForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) Guarded([this] { FormShow(); }, this);
}

}  // namespace kv::ui
