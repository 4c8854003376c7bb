// Writes the month as the events window exports it, for tests/events/read_export.py, which
// reads the files with a real iCalendar parser and Python's CSV reader.
// Usage: kelvra_events_export_writer FOLDER. Exits 1 when a file could not be written.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/settings_place.h"
#include "ui/common/window_menu.h"
#include "ui/events/event_reminders.h"
#include "ui/events/moon_events_window.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  using namespace kelvra;
  testing::InstallProgramFiles();
  testing::MessageLog messages;
  testing::FakeHost host;
  const JulianDay december = testing::MidMonth(12, 2026);  // the 15th, 12:00 UT
  host.observation.set({.instantUT = december});
  TMoonEvents window(host.links());
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(folder.path());
  bool written = true;
  const auto write = [&](const char* name, ExportFormat format) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile::remove(path);
    written = window.exportTo(path, format) && written;
  };
  write("nosite.csv", ExportFormat::Csv);
  write("nosite.ics", ExportFormat::ICalendar);
  // Reminders on: each event carries its alarm.
  window.reminders().setLead(kReminderLeadMax);
  write("alarm.ics", ExportFormat::ICalendar);
  window.reminders().setLead(0);
  const SiteSetting berlin{{52.52, 13.40, 34}, {}};
  host.observation.set({.instantUT = december, .site = berlin});
  write("all.csv", ExportFormat::Csv);
  write("all.ics", ExportFormat::ICalendar);
  window.setVisibleOnly(true);
  write("visible.csv", ExportFormat::Csv);
  write("visible.ics", ExportFormat::ICalendar);
  // Local time in Tokyo: the list's clock nine hours ahead of UT.
  window.setVisibleOnly(false);
  host.observation.set({.instantUT = december, .zoneOffset = -540, .site = berlin});
  for (QAction* action : window.menu().actions()) {
    if (action->text() == QStringLiteral("Local time")) action->trigger();
  }
  write("tokyo.csv", ExportFormat::Csv);
  for (const QString& error : messages.errors) std::fprintf(stderr, "%s\n", qPrintable(error));
  return written && messages.errors.isEmpty() ? 0 : 1;
}
