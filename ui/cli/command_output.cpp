#include "ui/cli/command_output.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "ui/common/jpeg_loader.h"
#include "ui/common/messages.h"
#include "ui/common/settings_place.h"
#include "ui/events/moon_events_export.h"

namespace kelvra {
namespace {

void PrintLine(const QString& text) {
  std::fprintf(stderr, "kelvra95: %s\n", text.toLocal8Bit().constData());
}

QString Shown(const std::filesystem::path& file) {
  return QString::fromStdString(file.string());
}

QString NotRegularText(const QString& file) {
  return QCoreApplication::translate("kelvra::CommandOutput",
                                     "%1 is not a regular file; the defaults are used")
      .arg(file);
}

}  // namespace

QString CommandHelpText() {
  //: The whole --help text. Keep the command and option names, the YYYY-MM forms, the format
  //: names and the examples as they are; keep the columns aligned and lines under 80 characters.
  return QCoreApplication::translate(
      "kelvra::CommandOutput",
      "Usage: kelvra95 [options]\n"
      "       kelvra95 events YYYY-MM[-DD] [--utc | --local] [--site LAT,LON[,HEIGHT]]\n"
      "                       [--visible] [--format text|csv|ics] [--output FILE]\n"
      "       kelvra95 grs YYYY-MM [--longitude L] [--utc | --local] [--format text|csv]\n"
      "                    [--output FILE]\n"
      "\n"
      "Without a subcommand Kelvra95 opens its windows: Jupiter's four large moons as the\n"
      "observer's instrument shows them. Qt's own options (-platform, -style, ...) apply.\n"
      "\n"
      "Options:\n"
      "  -h, --help       this text\n"
      "  -v, --version    the program's version\n"
      "\n"
      "Subcommands (no window, no display; the settings are read, never written):\n"
      "  events           the month's moon events and mutual events as the events window\n"
      "                   lists them; with a day, that night's (noon to noon on the clock)\n"
      "  grs              the month's Red Spot transits as the GRS window lists them, with\n"
      "                   the stored drift\n"
      "  --utc, --local   the clock; by default the one the window keeps\n"
      "  --site LAT,LON[,HEIGHT]\n"
      "                   the observer's site in degrees (north, east positive) and metres,\n"
      "                   points as decimal separators; by default the stored site, if any\n"
      "  --visible        only the events visible from the site\n"
      "  --longitude L    the Red Spot's System II longitude, 0 to 359 degrees; by default\n"
      "                   the stored one\n"
      "  --format F       text (the default), csv, or ics (events): the files the events\n"
      "                   window exports\n"
      "  --output FILE    writes FILE whole, or leaves it as it was\n"
      "\n"
      "Examples:\n"
      "  kelvra95 events 2026-12-08 --local --visible\n"
      "  kelvra95 events 2026-12 --format ics --output jupiter-2026-12.ics\n"
      "  kelvra95 grs 2026-12 --format csv\n"
      "\n"
      "Exit status: 0 done, 1 the file could not be written, 2 an option or value it cannot\n"
      "take (said on standard error).\n");
}

int CommandFault(const QString& text, int status) {
  PrintLine(text);
  return status;
}

QString SeeHelpText(const QString& text) {
  //: A fault on the command line, pointing to the help; keep "kelvra95 --help".
  return QCoreApplication::translate("kelvra::CommandOutput", "%1; see kelvra95 --help").arg(text);
}

QString ParserFaultText(const QString& errorText) {
  return errorText.endsWith(u'.') ? errorText.chopped(1) : errorText;
}

QString OutsideRangeText(const QString& what, const QString& value, const QString& range) {
  //: "month 13 is outside 1 to 12": the value's name, the value, its range.
  return QCoreApplication::translate("kelvra::CommandOutput", "%1 %2 is outside %3")
      .arg(what, value, range);
}

QString WholeRangeText(int least, int greatest) {
  //: A range of values: "1 to 12".
  return QCoreApplication::translate("kelvra::CommandOutput", "%1 to %2").arg(least).arg(greatest);
}

StoredSettings::StoredSettings() {
  // No box in a script's run: what a window would show in one is said on standard error.
  SetMessageRecorder([](MessageKind, const QString& text) {
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) PrintLine(line.trimmed());
  });
  const std::filesystem::path program = ProgramDirectory();
  const std::filesystem::path user = UserSettingsFolder();
  const std::filesystem::path iniFile = SettingsFileToRead(program, user, kIniFileName);
  if (SettingsFileUsable(iniFile)) {
    // Read only: QSettings writes a file back only when a value of it was changed.
    ini_ = std::make_unique<QSettings>(Shown(iniFile), QSettings::IniFormat);
  } else {
    PrintLine(NotRegularText(Shown(iniFile)));
    ini_ = std::make_unique<QSettings>(QString(), QSettings::IniFormat);
  }
  const std::filesystem::path configFile = SettingsFileToRead(program, user, kSettingsFileName);
  const SettingsFileBytes record = ReadSettingsFile(configFile, kConfigRecordSize);
  if (!record.usable) {
    PrintLine(NotRegularText(Shown(configFile)));
  }
  config_ = DecodeConfigRecord(record.bytes);
}

QString ClockText(bool localTime, std::int32_t offset) {
  const std::int32_t east = -offset;  // minutes ahead of UT
  const QChar sign = east < 0 ? u'-' : u'+';
  const QString zone = QStringLiteral("UTC%1%2:%3")
                           .arg(sign)
                           .arg(std::abs(east) / 60, 2, 10, QChar(u'0'))
                           .arg(std::abs(east) % 60, 2, 10, QChar(u'0'));
  return localTime
             ? QCoreApplication::translate("kelvra::CommandOutput", "local time (%1)").arg(zone)
             : QCoreApplication::translate("kelvra::CommandOutput", "Universal Time (%1)")
                   .arg(zone);
}

int DeliverList(const std::string& bytes, const QString& output) {
  if (output.isEmpty()) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
                         std::fflush(stdout) == 0;
    if (written) return kCommandDone;
    return CommandFault(
        QCoreApplication::translate("kelvra::CommandOutput", "cannot write to standard output"),
        kCommandFileFailed);
  }
  if (WriteExportFile(output, bytes)) return kCommandDone;
  return CommandFault(QCoreApplication::translate("kelvra::CommandOutput",
                                                  "cannot write \"%1\"; nothing was written")
                          .arg(QDir::toNativeSeparators(output)),
                      kCommandFileFailed);
}

}  // namespace kelvra
