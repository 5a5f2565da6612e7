// Kvelli 99: builds the application and runs it. The command line may name one saved game to
// load (the desktop opens a .sav file so); nothing else on it is read.
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLocale>
#include <QStringList>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "app/ui/Kvelli99_U1.h"
#include "game/UFunc.h"
#include "records/PlayerSettings.h"
#include "records/RecFile.h"
#include "ui/ErrorReport.h"
#include "ui/Fonts.h"
#include "ui/Translations.h"

namespace {

// For scripts/measure-startup.sh: prints the wall-clock time (ns since the epoch) at which the
// main window finished its first painting, and the CPU time the process had used by then (ns),
// when KVELLI_REPORT_FIRST_PAINT is set.
class FirstPaintProbe : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // After the paint event: once the frame has gone to the window system.
            QTimer::singleShot(0, this, [] {
                timespec ts{}, cpu{};
                clock_gettime(CLOCK_REALTIME, &ts);
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::fprintf(stderr, "first-paint %lld %lld\n",
                             static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec,
                             static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
                std::fflush(stderr);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    // A write past a file-size limit then fails with an error the player is shown, the old file
    // intact, instead of ending the program and the game in play.
    std::signal(SIGXFSZ, SIG_IGN);
    kv::ui::GuardedApplication app(argc, argv);
    // The application title "Kvelli '99" titles the message boxes (kv::ui::kAppTitle). It is not
    // made the display name: Qt would append that to the main window's caption.
    // The application's name is its id: the window's class (X11) and app id (Wayland) then name
    // the desktop entry, so the desktop finds its icon and entry. The settings file keeps the
    // executable's name.
    QApplication::setApplicationName(kv::ui::kAppId);
    QGuiApplication::setDesktopFileName(kv::ui::kAppId);
    QApplication::setWindowIcon(kv::ui::ProgramIcon());
    kv::ui::InstallFontSubstitutes();
    // The player's language: the settings file's key, or else the desktop's list of languages.
    // The settings are read once, here, and handed to the window, which writes them back.
    kv::Settings settings = kv::ReadSettings();
    kv::ui::InstallTranslations(kv::ui::ChooseLanguage(kv::ui::LanguageSetting(settings.data),
                                                       QLocale::system().uiLanguages(),
                                                       kv::ui::AvailableLanguages()));

    // The state of the run, owned here and passed to the window that works on it.
    kv::Game game;
    kv::RecordsState records;
    // Without a session bus (a bare X server, Xvfb, ssh -X) the first label's text makes Qt look
    // for the accessibility bus, and libdbus starts "dbus-launch --autolaunch" for it: a child
    // process and a daemon left running, for a bus nobody listens on. Kept from that while the
    // window is built; programs started later (the browser) get the environment as it was.
    const bool noSessionBus = !std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (noSessionBus) ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    kv::ui::TForm1 form(game, records, std::move(settings));
    if (noSessionBus) ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    FirstPaintProbe probe;
    if (std::getenv("KVELLI_REPORT_FIRST_PAINT")) form.installEventFilter(&probe);
    form.show();
    // Once the window is up, so that a message about a bad file has the board behind it.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        QTimer::singleShot(0, &form, [&form, path = args.at(1)] { form.OpenSavedGame(path); });
    return QApplication::exec();
}
