// Kelvra95: where Jupiter's four large moons stand, as the observer's instrument shows them.
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

#include "ui/cli/command_line.h"
#include "ui/common/jpeg_loader.h"
#include "ui/common/languages.h"
#include "ui/common/observation.h"
#include "ui/common/pictures.h"
#include "ui/common/settings_place.h"
#include "ui/events/moon_events_window.h"
#include "ui/events/observing_log_store.h"
#include "ui/grs/grs_transits.h"
#include "ui/lightcurve/light_curve_window.h"
#include "ui/main/about.h"
#include "ui/main/interval.h"
#include "ui/main/viewer.h"
#include "ui/radio/radio_window.h"
#include "ui/tracks/sat_tracks.h"
#include "ui/windows/side_windows.h"

namespace {

// Start-up timing (tools/bench): at the main window's first paint, prints the monotonic clock
// in nanoseconds and ends the program.
class ExitAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    watched->removeEventFilter(this);
    // Queued, so that the paint is finished and on the screen first.
    QMetaObject::invokeMethod(
        qApp,
        [] {
          const auto now = std::chrono::steady_clock::now().time_since_epoch();
          std::printf("first-paint %lld\n", static_cast<long long>(now.count()));
          std::fflush(stdout);
          QApplication::exit(0);
        },
        Qt::QueuedConnection);
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  // --help, --version and the lists without a window end here, before anything needs a display.
  if (const std::optional<int> status = kelvra::RunCommandLine(argc, argv)) return *status;
  // Wayland does not let a program place its own windows, and the side windows dock beside
  // the main window; X (XWayland under Wayland) does, so it comes first. Without an X server
  // Wayland itself serves, the windows where the compositor puts them. A platform the user
  // chose (QT_QPA_PLATFORM or -platform) wins.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  QApplication application(argc, argv);
  kelvra::NameApplication();  // before the settings look for the user's config folder
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setWindowIcon(kelvra::ProgramIcon());
  // The main window alone decides when the program ends (its exit button or its closing).
  QApplication::setQuitOnLastWindowClosed(false);

  // The one settings store and the one observation every window is handed.
  kelvra::SettingsStore settings(kelvra::ProgramDirectory(), kelvra::UserSettingsFolder());
  // The words' language before the first window lays out its words.
  kelvra::InstallTranslations(kelvra::kLanguageKey.read(settings.ini()),
                              kelvra::ProgramDirectory());
  kelvra::ObservationOwner observation;
  // The observing log beside the settings, opened at its first use; it outlives the windows.
  kelvra::ObservingLog log({kelvra::ProgramDirectory(), kelvra::UserSettingsFolder()});
  kelvra::TViewer viewer(observation, settings, kelvra::SideWindowKinds());
  if (!viewer.startedUp()) return 1;  // a skin is missing: its message has been shown
  const kelvra::SideWindowLinks links{viewer, observation, settings};
  // Each window reports a missing picture as it is created, in this order. A side window's kind
  // brings its place, its button and the key that opens it: one line each.
  viewer.addSideWindow(std::make_unique<kelvra::TSatTracks>(links));
  kelvra::TInterval interval(viewer.animationInterval());
  kelvra::TAboutWin about;
  viewer.addSideWindow(std::make_unique<kelvra::TGRSTransits>(links));
  auto& events = viewer.addSideWindow(std::make_unique<kelvra::TMoonEvents>(links));
  events.setObservingLog(log);
  viewer.addProgramAction(kelvra::MenuGroup::Time, events.stampAction());  // F9 in every window
  viewer.addSideWindow(std::make_unique<kelvra::TLightCurve>(links));
  viewer.addSideWindow(std::make_unique<kelvra::TRadio>(links));
  viewer.setOtherWindows(&interval, &about);
  viewer.addProgramAction(kelvra::MenuGroup::View, kelvra::MakeLanguageAction(viewer, settings));

  ExitAfterFirstPaint firstPaintProbe;
  if (qEnvironmentVariableIsSet("KELVRA_EXIT_AFTER_FIRST_PAINT"))
    viewer.installEventFilter(&firstPaintProbe);
  viewer.show();
  viewer.activateWindow();
  return QApplication::exec();
}
