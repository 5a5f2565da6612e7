// The main window: its layout, menu, start-up and close, the painting of the board, and the
// wiring of the menu to the subsystems' controllers.
#include "app/ui/Kvelli99_U1.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <memory>
#include <optional>

#include "app/ui/AboutController.h"
#include "app/ui/FormStorage.h"
#include "app/ui/UReclama.h"
#include "game/Proof.h"
#include "game/UFunc.h"
#include "game/ui/Board.h"
#include "game/ui/BoardKeys.h"
#include "game/ui/GameController.h"
#include "game/ui/GameFiles.h"
#include "game/ui/Hint.h"
#include "net/ResultsConfig.h"
#include "net/ui/Exchange.h"
#include "net/ui/ExchangeController.h"
#include "records/Html.h"
#include "records/PlayerSettings.h"
#include "records/Proofs.h"
#include "records/RecFile.h"
#include "records/ui/RecordsController.h"
#include "records/ui/RecordsUi.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/Scale.h"
#include "ui/TShadowLabel.h"
#include "ui/TextFit.h"
#include "ui/Translations.h"

// The pictures live in a static library; this keeps the linker from dropping them.
static void InitKvelliResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(kvelli);
        return true;
    }();
    (void)done;
}

namespace kv::ui {

namespace {

constexpr int kClientWidth = 491, kClientHeight = 531, kHeaderHeight = 40;
// The status line across the top of the header.
constexpr int kStatusHeight = 16;

// The header picture bears the words "Счет" and "Осталось"; a translation with a drawing of its
// own (header-<language>.gif, drawn by scripts/make-assets.py) shows that one.
QString HeaderPicture(const QString& language, bool twice) {
    const QString ending = twice ? QStringLiteral("@2x.gif") : QStringLiteral(".gif");
    const QString own = QStringLiteral(":/kvelli/header-") + language + ending;
    if (language != kSourceLanguage && QFile::exists(own)) return own;
    return QStringLiteral(":/kvelli/header") + ending;
}

// A finished game's proof as the records keep it; none when the game is unproven, or its proof
// can't be written (beyond its bounds), which leaves the result unproven rather than lost.
std::optional<std::string> ProofText(const std::optional<kv::GameProof>& proof) {
    if (!proof || !WithinProofBounds(*proof)) return std::nullopt;
    try {
        return FormatProof(*proof);
    } catch (const ProofError&) {
        return std::nullopt;
    }
}

}  // namespace

QIcon ProgramIcon() {
    // Decoded once for the application and the window; loaded as PNG outright, which spares
    // the start the probing of every image-format plugin.
    // Never destroyed: its pixmaps must not outlive the application.
    static const QIcon* icon = new QIcon([] {
        InitKvelliResources();
        QIcon made;
        for (const char* name :
             {"icon-16.png", "icon-32.png", "icon-64.png", "icon-128.png", "icon-256.png"}) {
            QPixmap pixmap;
            if (pixmap.load(QStringLiteral(":/kvelli/") + QLatin1String(name), "PNG")) made.addPixmap(pixmap);
        }
        return made;
    }());
    return *icon;
}

TForm1::TForm1(kv::Game& game, kv::RecordsState& records, kv::Settings settings, QWidget* parent)
    : QMainWindow(parent), records_(records), settings_(std::move(settings)) {
    InitKvelliResources();
    setObjectName(QStringLiteral("Form1"));
    gameCtl_ = new TGameController(game, this);
    boardKeys_ = new TBoardKeys(*gameCtl_, this);
    gameFiles_ = new TGameFiles(*this, *gameCtl_, this);
    hint_ = new THint(*gameCtl_, this);
    recordsCtl_ = new TRecordsController(*this, records_, this);
    TExchangeController::Records exchangeRecords{
        [this] { return records_.RecDir; },
        [this](const std::string& localPath, const std::string& netPath) {
            MergeRecFiles(records_.MatrInt, localPath, netPath);
        },
        [](const std::string& netPath, const std::string& pagePath) { WriteHtmlTable(netPath, pagePath); },
        [](const std::string& netPath) { return ProofsPathFor(netPath); },
    };
    exchangeCtl_ =
        new TExchangeController(*this, std::move(exchangeRecords), ResultsConfigOf(settings_.servers), this);
    aboutCtl_ = new TAboutController(this);
    BuildLayout();
    BuildMenu();
    ConnectGame();
    FormStorage1 = new TFormStorage(this, {N4, N5});
    // Fix the size now, so that the window is centred and stored with its real size.
    layout()->activate();
    Guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
    Guarded([this] { exchangeCtl_->DestroyExchange(); });
}

void TForm1::BuildLayout() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ProgramCaption.Text() + kNoPlayerPart.Text());
    setWindowIcon(ProgramIcon());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 14));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(Edge(kClientWidth), Edge(kClientHeight));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Panel3 = new QWidget(client);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(PxRect(0, 0, kClientWidth, kHeaderHeight));

    Image1 = new QLabel(Panel3);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Panel3->rect());
    Image1->setScaledContents(true);
    // The picture at twice the size keeps the letters sharp on a screen with more pixels.
    QPixmap header;
    const QString language = LanguageInForce();
    if (devicePixelRatioF() > 1.0 && header.load(HeaderPicture(language, true)))
        header.setDevicePixelRatio(2.0);
    else
        header.load(HeaderPicture(language, false));
    Image1->setPixmap(header);

    auto makeCounter = [this](const char* name, QRect place) {
        auto* label = new TShadowLabel(Panel3);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(place);
        label->setFont(ScaledFont(QStringLiteral("Times New Roman"), 40, true));
        label->SetTextColor(QColor(0xFF, 0xFF, 0x00));
        label->SetShadowColor(Qt::black);
        label->SetShadowSize(Px(3));
        label->setAlignment(Qt::AlignCenter);
        label->setText(QStringLiteral("0"));
        return label;
    };
    RxLabel3 = makeCounter("RxLabel3", PxRect(136, 0, 81, 40));
    RxLabel4 = makeCounter("RxLabel4", PxRect(280, 0, 75, 40));
    // The words of the header picture, for a player who does not see it.
    RxLabel3->SetAccessibleCaption(QCoreApplication::translate("kv::ui::TForm1", "Счет"));
    RxLabel4->SetAccessibleCaption(QCoreApplication::translate("kv::ui::TForm1", "Осталось"));

    FTPState = new QLabel(Panel3);
    FTPState->setObjectName(QStringLiteral("FTPState"));
    FTPState->setGeometry(PxRect(0, 0, kClientWidth, kStatusHeight));
    FTPState->setFont(ScaledFont(QStringLiteral("MS Sans Serif"), 10));
    FTPState->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Panel1 = new TBoard(client);
    Panel1->setGeometry(0, Edge(kHeaderHeight), Edge(kClientWidth),
                        Edge(kClientHeight) - Edge(kHeaderHeight));
}

void TForm1::ConnectGame() {
    connect(Panel1, &TBoard::Pressed, this,
            [this](kv::Cell cell) { Guarded([this, cell] { boardKeys_->MousePress(cell); }, this); });
    connect(gameCtl_, &TGameController::boardChanged, this, &TForm1::ShowBoard);
    connect(gameCtl_, &TGameController::selectionChanged, this, &TForm1::ShowBoard);
    connect(gameCtl_, &TGameController::scoreChanged, this,
            [this](int score) { RxLabel3->setText(QString::number(score)); });
    connect(gameCtl_, &TGameController::movableChanged, this,
            [this](int count) { RxLabel4->setText(QString::number(count)); });
    connect(gameCtl_, &TGameController::gameOver, this, &TForm1::EndOfGame);
    connect(hint_, &THint::marked, Panel1, &TBoard::ShowHint);
    connect(boardKeys_, &TBoardKeys::cursorChanged, Panel1, &TBoard::ShowCursor);
    // Presses on the board wait, as during a move, while an exchange waits on the network.
    connect(exchangeCtl_, &TExchangeController::runningChanged, gameCtl_,
            &TGameController::SetExchangeRunning);
}

void TForm1::Connect(QAction* item, void (TForm1::*handler)(), bool changesBoard) {
    connect(item, &QAction::triggered, this, [this, handler, changesBoard] {
        // A move being played out, its end waiting, or an exchange takes no command that changes
        // or writes the board.
        if (changesBoard && !gameCtl_->MayAct()) return;
        Guarded([this, handler] { (this->*handler)(); }, this);
    });
}

void TForm1::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    auto menu = [](QMenu* parent, const char* name, const QString& caption) {
        QMenu* m = parent->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };
    auto item = [this](QMenu* parent, const char* name, const QString& caption, QKeySequence shortcut = {}) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(shortcut);
        parent->addAction(a);
        // Shortcuts work without opening the menu.
        if (!shortcut.isEmpty()) addAction(a);
        return a;
    };
    auto separator = [](QMenu* parent, const char* name) {
        parent->addSeparator()->setObjectName(QLatin1String(name));
    };

    Game = bar->addMenu(QCoreApplication::translate("kv::ui::TForm1", "Игра"));
    Game->setObjectName(QStringLiteral("Game"));
    Game->menuAction()->setObjectName(QStringLiteral("Game"));
    MnuNew = item(Game, "MnuNew", QCoreApplication::translate("kv::ui::TForm1", "Заново"),
                  QKeySequence(Qt::Key_F4));
    MnuSave = item(Game, "MnuSave", QCoreApplication::translate("kv::ui::TForm1", "Сохранить"),
                   QKeySequence(Qt::Key_F2));
    MnuLoad = item(Game, "MnuLoad", QCoreApplication::translate("kv::ui::TForm1", "Загрузить"),
                   QKeySequence(Qt::Key_F3));
    MnuRec = item(Game, "MnuRec", QCoreApplication::translate("kv::ui::TForm1", "Рекорды"),
                  QKeySequence(Qt::Key_F5));
    separator(Game, "N3");
    MnuRecFile = menu(Game, "MnuRecFile", QCoreApplication::translate("kv::ui::TForm1", "Файл рекордов"));
    N4 = item(MnuRecFile, "N4", QCoreApplication::translate("kv::ui::TForm1", "На этой машине"));
    N5 = item(MnuRecFile, "N5", QCoreApplication::translate("kv::ui::TForm1", "По сети"));
    separator(Game, "N1");
    MnuExit = item(Game, "MnuExit", QCoreApplication::translate("kv::ui::TForm1", "Вы&ход"),
                   QKeySequence(Qt::CTRL | Qt::Key_X));

    N8 = bar->addMenu(QCoreApplication::translate("kv::ui::TForm1", "Интернет"));
    N8->setObjectName(QStringLiteral("N8"));
    N8->menuAction()->setObjectName(QStringLiteral("N8"));
    N9 = item(N8, "N9",
              QCoreApplication::translate("kv::ui::TForm1", "Посмотреть общий результат в интернете"));
    separator(N8, "N11");
    N7 = item(N8, "N7",
              QCoreApplication::translate("kv::ui::TForm1", "Отправить свой результат по интернету"));
    N10 = item(N8, "N10", QCoreApplication::translate("kv::ui::TForm1", "Настройка"));
    N10->setVisible(false);

    Hlp = bar->addMenu(QStringLiteral("?"));
    Hlp->setObjectName(QStringLiteral("Hlp"));
    Hlp->menuAction()->setObjectName(QStringLiteral("Hlp"));
    MnuHelp = item(Hlp, "MnuHelp", QCoreApplication::translate("kv::ui::TForm1", "Правила игры"));
    separator(Hlp, "N2");
    MnuAbout = item(Hlp, "MnuAbout", QCoreApplication::translate("kv::ui::TForm1", "О программе"));
    separator(Hlp, "N12");
    MnuMarks = item(Hlp, "MnuMarks", QCoreApplication::translate("kv::ui::TForm1", "Значки на шарах"));
    MnuMarks->setCheckable(true);
    MnuHint = item(Hlp, "MnuHint", QCoreApplication::translate("kv::ui::TForm1", "Подсказка"),
                   QKeySequence(Qt::Key_H));

    Connect(MnuNew, &TForm1::MnuNewClick, true);
    Connect(MnuSave, &TForm1::MnuSaveClick, true);
    Connect(MnuLoad, &TForm1::MnuLoadClick, true);
    Connect(MnuRec, &TForm1::MnuRecClick, false);
    Connect(MnuExit, &TForm1::MnuExitClick, false);
    Connect(N9, &TForm1::N9Click, false);
    Connect(N7, &TForm1::N7Click, false);
    Connect(N10, &TForm1::N10Click, false);
    Connect(MnuHelp, &TForm1::MnuHelpClick, false);
    Connect(MnuAbout, &TForm1::MnuAboutClick, false);
    Connect(MnuMarks, &TForm1::MnuMarksClick, false);
    Connect(MnuHint, &TForm1::MnuHintClick, true);

    // N4 and N5 are one exclusive group whose mark says where the records file is. The menu
    // moves the mark as it is clicked; it is put back at once, and only the handlers move it.
    RecFileGroup = new QActionGroup(this);
    RecFileGroup->setObjectName(QStringLiteral("RecFileGroup"));
    for (QAction* a : {N4, N5}) {
        a->setCheckable(true);
        RecFileGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this] { SetRecFileMark(recFileMark_); });
    }
    Connect(N4, &TForm1::N4Click, true);
    Connect(N5, &TForm1::N5Click, true);
    SetRecFileMark(N4);
}

void TForm1::SetRecFileMark(QAction* mark) {
    recFileMark_ = mark;
    if (mark)
        mark->setChecked(true);
    else if (QAction* checked = RecFileGroup->checkedAction())
        checked->setChecked(false);
}

void TForm1::FormCreate() {
    // The player and the records are reported on their own; the first deal must still happen,
    // or the game would start on a board of empty cells.
    Guarded([this] { recordsCtl_->RecordsStartup(settings_.data); });
    MnuMarks->setChecked(FlagOn(settings_.data.Marks));
    Panel1->ShowSymbols(MnuMarks->isChecked());
    // Dealt as every later game is, so that its proof starts with it.
    gameCtl_->NewDeal();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    CentreOnScreen();
    Guarded([this] { FormStorage1->RestoreFormPlacement(); }, this);
    // The stored window state may have moved the records file's mark.
    recFileMark_ = RecFileGroup->checkedAction();
}

bool TForm1::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // The hidden windows are made right after the first painting, not before it: the player
    // sees the board sooner, and they still exist before any click can ask for one.
    if (event->type() == QEvent::Paint && hiddenWindowsDue_) {
        hiddenWindowsDue_ = false;
        QTimer::singleShot(0, this, [this] {
            CreateHiddenWindows();
            hiddenWindowsMade_ = true;
        });
    }
    return handled;
}

void TForm1::CentreOnScreen() {
    if (!TFormStorage::CanPlaceWindows()) return;
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    const QSize size = frameGeometry().size();
    move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void TForm1::CreateHiddenWindows() {
    // Each window on its own: one that fails to build does not keep the others away.
    Guarded([this] { recordsCtl_->CreateRecordsWindow(); }, this);
    Guarded([this] { CreateReclamaWindow(); }, this);
    Guarded(
        [this] {
            exchangeCtl_->CreateExchange();
            N10->setVisible(AdminMode());
        },
        this);
}

bool TForm1::FormCloseQuery() {
    // If the settings file cannot be written the player is told, and the program still ends:
    // refusing to close would trap the player in a window that can never be closed.
    Guarded([this] { SaveSettings(); }, this);
    return true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    // Nothing runs on after the close: neither a move being played out nor an exchange. Stopped
    // first: the close query may report a failure, and its message box would let them go on
    // (a move could even end the game in the middle of the close). The query always agrees.
    gameCtl_->Stop();
    exchangeCtl_->Stop();
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    closing_ = true;
    Guarded([this] { FormStorage1->SaveFormPlacement(); }, this);
    event->accept();
}

void TForm1::MnuExitClick() {
    close();
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // Only unmodified keys: the menu's shortcuts and access keys stay as they were.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    bool handled = false;
    if (plain) Guarded([&] { handled = boardKeys_->BoardKey(event->key(), event->isAutoRepeat()); }, this);
    if (!handled) QMainWindow::keyPressEvent(event);
}

void TForm1::MnuHintClick() {
    // Nothing during a move or with no move; the score and the board stay as they are.
    if (const std::optional<kv::Hint> hint = hint_->Show()) boardKeys_->PutCursor(hint->ball);
}

void TForm1::MnuMarksClick() {
    // The mark already moved with the click; the board follows it whether or not it is stored.
    // Only the symbols change: a ball chosen for a move keeps its mark.
    Panel1->ShowSymbols(MnuMarks->isChecked());
    // Kept in the player's settings file at once, with the name and the records directory.
    SetFlag(settings_.data.Marks, MnuMarks->isChecked());
    SaveSettings();
}

void TForm1::SaveSettings() {
    // The player and the records directory as they are now, with the window's own option.
    StorePlayerSettings(records_, settings_.data);
    kv::WriteSettings(settings_.file, settings_.data);
}

void TForm1::ShowBoard() {
    Panel1->ShowBalls(gameCtl_->State().Board, gameCtl_->MarkedCell());
}

void TForm1::SetStatus(const QString& text) {
    // An accent over a capital ("É", "Č") or a mark over an Arabic letter reaches above the
    // font's line: the line then moves down in the strip.
    FTPState->setText(text);
    // It lies over the header's counters anyway, and may reach further down for that.
    FTPState->setGeometry(PxRect(0, 0, kClientWidth, kStatusHeight));
    FitLabel(FTPState, ScaledFont(QStringLiteral("MS Sans Serif"), 10), Qt::AlignHCenter | Qt::AlignTop, 0,
             Px(kHeaderHeight - kStatusHeight));
}

void TForm1::SetCaption(const QString& caption) {
    setWindowTitle(caption);
}

void TForm1::CreateReclamaWindow() {
    if (ReclamaForm) return;
    // Owned by the main window: it lives, hidden between showings, until the program ends.
    ReclamaForm = new TReclamaForm(this);
    ReclamaForm->hide();
}

void TForm1::ShowAdvertisement() {
    CreateReclamaWindow();
    Ui().ShowModal(ReclamaForm);
}

void TForm1::EndOfGame() {
    // A failure stops the sequence where it happens: no window, no new deal.
    Guarded(
        [this] {
            const int score = gameCtl_->State().Score;
            const std::optional<std::string> proof = ProofText(gameCtl_->Proof());
            recordsCtl_->AskPlayerName();
            recordsCtl_->StoreResult(score, proof);
            recordsCtl_->ShowResult(score);
            if (ReclamaForm) Ui().ShowModal(ReclamaForm);
            gameCtl_->NewDeal();
        },
        this);
}

// The design's handlers, one line each: the controllers carry them out.
void TForm1::MnuNewClick() {
    ShowAdvertisement();
    gameCtl_->NewDeal();
    repaint();
}
void TForm1::MnuSaveClick() {
    gameFiles_->MnuSaveClick();
}
void TForm1::MnuLoadClick() {
    gameFiles_->MnuLoadClick();
}
void TForm1::OpenSavedGame(const QString& path) {
    gameFiles_->LoadGame(path);
}
void TForm1::MnuRecClick() {
    recordsCtl_->MnuRecClick();
}
void TForm1::N4Click() {
    SetRecFileMark(N4);
    recordsCtl_->N4Click();
}
void TForm1::N5Click() {
    // Checked whatever happens in the chooser.
    SetRecFileMark(N5);
    recordsCtl_->N5Click();
}
void TForm1::N7Click() {
    exchangeCtl_->N7Click();
}
void TForm1::N9Click() {
    exchangeCtl_->N9Click();
}
void TForm1::N10Click() {
    exchangeCtl_->N10Click();
}
void TForm1::MnuHelpClick() {
    aboutCtl_->MnuHelpClick();
}
void TForm1::MnuAboutClick() {
    aboutCtl_->MnuAboutClick();
}

}  // namespace kv::ui
