#include "ui/cli/command_lists.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/event_export.h"
#include "core/grs_prediction.h"
#include "core/moon_event_list.h"
#include "ui/cli/command_output.h"
#include "ui/common/clock.h"
#include "ui/common/site_settings.h"
#include "ui/events/moon_events_export.h"
#include "ui/events/moon_events_list.h"
#include "ui/events/moon_events_model.h"
#include "ui/events/moon_events_sky.h"
#include "ui/events/moon_events_window.h"
#include "ui/grs/grs_drift_settings.h"
#include "ui/grs/grs_page.h"

namespace kelvra {
namespace {

// A month, or a day, as the command line names it.
struct CommandDate {
  int year;
  int month;
  std::optional<int> day;
};

enum class ListFormat { Text, Csv, ICalendar };

// The options both subcommands take.
struct CommonOptions {
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QString()};
  QCommandLineOption utc{QStringLiteral("utc"), QString()};
  QCommandLineOption local{QStringLiteral("local"), QString()};
  QCommandLineOption format{QStringLiteral("format"), QString(), QStringLiteral("FORMAT")};
  QCommandLineOption output{QStringLiteral("output"), QString(), QStringLiteral("FILE")};
};

// What was parsed, once the arguments were sound.
struct CommonChoices {
  CommandDate date;
  std::optional<bool> localTime;  // none: the window's stored clock
  ListFormat format = ListFormat::Text;
  QString output;  // empty: standard output
};

std::optional<CommandDate> ParseDate(const QString& text, bool dayAllowed) {
  static const QRegularExpression pattern(
      QStringLiteral("^([0-9]{1,5})-([0-9]{1,2})(?:-([0-9]{1,2}))?$"));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch() || (!dayAllowed && !match.captured(3).isEmpty())) {
    CommandFault(SeeHelpText(
        (dayAllowed
             ? QCoreApplication::translate("kelvra::CommandLists",
                                           "'%1' is not a month YYYY-MM nor a day YYYY-MM-DD")
             : QCoreApplication::translate("kelvra::CommandLists", "'%1' is not a month YYYY-MM"))
            .arg(text)));
    return std::nullopt;
  }
  const int year = match.captured(1).toInt();
  const int month = match.captured(2).toInt();
  if (year > 9999) {
    CommandFault(OutsideRangeText(QCoreApplication::translate("kelvra::CommandLists", "year"),
                                  match.captured(1), WholeRangeText(0, 9999)));
    return std::nullopt;
  }
  if (month < 1 || month > 12) {
    CommandFault(OutsideRangeText(QCoreApplication::translate("kelvra::CommandLists", "month"),
                                  match.captured(2), WholeRangeText(1, 12)));
    return std::nullopt;
  }
  CommandDate date{year, month, std::nullopt};
  if (!match.captured(3).isEmpty()) {
    const int day = match.captured(3).toInt();
    const int last =
        DaysInMonth(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year));
    if (day < 1 || day > last) {
      CommandFault(OutsideRangeText(QCoreApplication::translate("kelvra::CommandLists", "day"),
                                    match.captured(3), WholeRangeText(1, last)));
      return std::nullopt;
    }
    date.day = day;
  }
  return date;
}

// A decimal with a point, within the key's range.
std::optional<double> ParseDecimal(const QString& text, const QString& what, const NumberKey& key) {
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  if (!ok || !std::isfinite(value)) {
    //: "latitude 'x' is not a number from -90 to 90 (...)": the value's name, the text, the range.
    CommandFault(QCoreApplication::translate("kelvra::CommandLists",
                                             "%1 '%2' is not a number from %3 (a point as the "
                                             "decimal separator)")
                     .arg(what, text, key.rangeText()));
    return std::nullopt;
  }
  if (value < key.least || value > key.greatest) {
    CommandFault(OutsideRangeText(what, text, key.rangeText()));
    return std::nullopt;
  }
  return value;
}

std::optional<ObserverSite> ParseSite(const QString& text) {
  const QStringList parts = text.split(u',');
  if (parts.size() < 2 || parts.size() > 3) {
    CommandFault(
        SeeHelpText(QCoreApplication::translate("kelvra::CommandLists",
                                                "site '%1' is not LAT,LON or LAT,LON,HEIGHT")
                        .arg(text)));
    return std::nullopt;
  }
  const auto latitude = ParseDecimal(
      parts[0], QCoreApplication::translate("kelvra::CommandLists", "latitude"), kSiteLatitudeKey);
  if (!latitude) return std::nullopt;
  const auto longitude =
      ParseDecimal(parts[1], QCoreApplication::translate("kelvra::CommandLists", "longitude"),
                   kSiteLongitudeKey);
  if (!longitude) return std::nullopt;
  std::optional<double> height = 0;
  if (parts.size() == 3) {
    height = ParseDecimal(parts[2], QCoreApplication::translate("kelvra::CommandLists", "height"),
                          kSiteHeightKey);
  }
  if (!height) return std::nullopt;
  return ObserverSite{*latitude, *longitude, *height};
}

// Parses `arguments` (the subcommand's name first) for one date and the common options, the
// subcommand's own already added. Returns: the choices; none when a fault was said or the help
// was printed (`status` then holds the exit status).
std::optional<CommonChoices> ParseCommon(QCommandLineParser& parser, const CommonOptions& common,
                                         const QStringList& arguments, bool dayAllowed,
                                         const QStringList& formats, int& status) {
  const QString name = arguments.value(0);
  status = kCommandBadInput;
  parser.addOptions({common.help, common.utc, common.local, common.format, common.output});
  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      const QString dashes =
          unknown.front().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
      CommandFault(SeeHelpText(
          QCoreApplication::translate("kelvra::CommandLists", "%1: unknown option '%2%3'")
              .arg(name, dashes, unknown.front())));
    } else {
      CommandFault(SeeHelpText(name + QStringLiteral(": ") + ParserFaultText(parser.errorText())));
    }
    return std::nullopt;
  }
  if (parser.isSet(common.help)) {
    const QByteArray help = CommandHelpText().toUtf8();
    std::fwrite(help.constData(), 1, static_cast<std::size_t>(help.size()), stdout);
    status = kCommandDone;
    return std::nullopt;
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.isEmpty()) {
    CommandFault(SeeHelpText(
        (dayAllowed
             ? QCoreApplication::translate("kelvra::CommandLists",
                                           "%1: the month is missing (YYYY-MM or YYYY-MM-DD)")
             : QCoreApplication::translate("kelvra::CommandLists",
                                           "%1: the month is missing (YYYY-MM)"))
            .arg(name)));
    return std::nullopt;
  }
  if (positional.size() > 1) {
    CommandFault(
        SeeHelpText(QCoreApplication::translate("kelvra::CommandLists", "%1: stray argument '%2'")
                        .arg(name, positional[1])));
    return std::nullopt;
  }
  CommonChoices choices;
  const std::optional<CommandDate> date = ParseDate(positional[0], dayAllowed);
  if (!date) return std::nullopt;
  choices.date = *date;
  if (parser.isSet(common.utc) && parser.isSet(common.local)) {
    CommandFault(SeeHelpText(QCoreApplication::translate("kelvra::CommandLists",
                                                         "%1: --utc and --local exclude each other")
                                 .arg(name)));
    return std::nullopt;
  }
  if (parser.isSet(common.utc)) choices.localTime = false;
  if (parser.isSet(common.local)) choices.localTime = true;
  if (parser.isSet(common.format)) {
    const QString format = parser.value(common.format);
    if (!formats.contains(format)) {
      CommandFault(
          QCoreApplication::translate("kelvra::CommandLists", "format '%1' is not one of %2")
              .arg(format, formats.join(", ")));
      return std::nullopt;
    }
    choices.format = format == QLatin1String("csv")   ? ListFormat::Csv
                     : format == QLatin1String("ics") ? ListFormat::ICalendar
                                                      : ListFormat::Text;
  }
  if (parser.isSet(common.output) && parser.value(common.output).isEmpty()) {
    CommandFault(QCoreApplication::translate("kelvra::CommandLists", "--output needs a file name"));
    return std::nullopt;
  }
  choices.output = parser.value(common.output);
  return choices;
}

JulianDay StampNow() {
  return JulianDayFromUnixTime(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000);
}

QString MonthText(int year, int month) {
  return QStringLiteral("%1-%2").arg(year, 4, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0'));
}

// The lines of the night that starts at noon of `day` on the list's clock, to noon of the next.
void TakeNight(const MoonEventsModel& model, int day, bool morning,
               std::vector<MoonEventLine>& lines, std::vector<bool>& greyed) {
  for (std::size_t i = 0; i < model.lines().size(); ++i) {
    const MoonEventLine& line = model.lines()[i];
    if (line.day != day || (line.hour < 12) != morning) continue;
    lines.push_back(line);
    greyed.push_back(i < model.greyed().size() && model.greyed()[i]);
  }
}

std::string EventsText(const QString& title, const std::optional<SiteSetting>& site, bool visible,
                       bool accurate, const std::vector<MoonEventLine>& lines,
                       const std::vector<bool>& greyed) {
  QStringList text{title};
  if (site) {
    text << (visible ? QCoreApplication::translate("kelvra::CommandLists", "Site %1; visible only")
                     : QCoreApplication::translate("kelvra::CommandLists", "Site %1"))
                .arg(MoonEventsSiteText(*site));
  }
  if (!accurate) {
    text << QCoreApplication::translate("kelvra::CommandLists", "Outside 1900-2100: less accurate");
  }
  if (lines.empty()) text << MoonEventsNoneText();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QString line = QString::fromStdString(FormatMoonEventLine(lines[i]).joined());
    //: An event's line, then two spaces and the note.
    text << (greyed[i] ? QCoreApplication::translate("kelvra::CommandLists",
                                                     "%1  not visible from the site")
                             .arg(line)
                       : line);
  }
  return (text.join(u'\n') + u'\n').toStdString();
}

}  // namespace

int RunEventsCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const CommonOptions common;
  const QCommandLineOption siteOption(QStringLiteral("site"), QString(),
                                      QStringLiteral("LAT,LON[,HEIGHT]"));
  const QCommandLineOption visibleOption(QStringLiteral("visible"), QString());
  parser.addOptions({siteOption, visibleOption});
  int status = kCommandBadInput;
  const std::optional<CommonChoices> choices =
      ParseCommon(parser, common, arguments, true,
                  {QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("ics")}, status);
  if (!choices) return status;
  std::optional<ObserverSite> typedSite;
  if (parser.isSet(siteOption)) {
    typedSite = ParseSite(parser.value(siteOption));
    if (!typedSite) return kCommandBadInput;
  }
  const bool visible = parser.isSet(visibleOption);

  StoredSettings stored;
  std::optional<SiteSetting> site = ReadSite(stored.ini());
  if (typedSite) {
    const VisibilityLimits limits =
        site ? site->limits
             : VisibilityLimits{*kSiteMinJupiterKey.read(stored.ini()).value,
                                *kSiteMaxSunKey.read(stored.ini()).value};
    site = SiteSetting{*typedSite, limits};
  }
  if (visible && !site) {
    return CommandFault(SeeHelpText(
        QCoreApplication::translate("kelvra::CommandLists",
                                    "--visible needs a site: give --site LAT,LON[,HEIGHT] "
                                    "or set one in the program")));
  }
  const TimeBasis basis{choices->localTime.value_or(kEventsLocalTimeKey.read(stored.ini())),
                        TimeZoneOffsetAt(Now())};
  const CommandDate& date = choices->date;
  MoonEventsModel model;
  model.show({date.year, date.month, basis}, site, visible);
  const QString clock = ClockText(basis.localTime, basis.offset());
  if (!date.day) {
    if (choices->format != ListFormat::Text) {
      const ExportFormat format =
          choices->format == ListFormat::Csv ? ExportFormat::Csv : ExportFormat::ICalendar;
      return DeliverList(model.exportText(format, StampNow()), choices->output);
    }
    //: The list's first line: the month (2026-12) and the clock.
    const QString title = QCoreApplication::translate("kelvra::CommandLists", "Moon events %1, %2")
                              .arg(MonthText(date.year, date.month), clock);
    return DeliverList(
        EventsText(title, site, visible, model.accurate(), model.lines(), model.greyed()),
        choices->output);
  }
  // The night: from noon of the day to noon of the next, perhaps in the next month's list.
  std::vector<MoonEventLine> night;
  std::vector<bool> greyed;
  TakeNight(model, *date.day, false, night, greyed);
  const int last =
      DaysInMonth(static_cast<std::uint16_t>(date.month), static_cast<std::uint16_t>(date.year));
  if (*date.day < last) {
    TakeNight(model, *date.day + 1, true, night, greyed);
  } else if (date.year < 9999 || date.month < 12) {
    MoonEventsModel next;
    const bool december = date.month == 12;
    next.show({december ? date.year + 1 : date.year, december ? 1 : date.month + 1, basis}, site,
              visible);
    TakeNight(next, 1, true, night, greyed);
  }
  if (choices->format != ListFormat::Text) {
    std::vector<MoonEventLine> around;
    const std::optional<MoonEventMonth> month =
        MonthOfMoonEvents(date.year, date.month, basis.localTime, basis.zoneOffset);
    if (choices->format == ListFormat::ICalendar && month) around = MoonEventLinesAround(*month);
    const ExportFormat format =
        choices->format == ListFormat::Csv ? ExportFormat::Csv : ExportFormat::ICalendar;
    return DeliverList(
        MoonEventsExportText(format, night, around, basis.offset(), site, StampNow()),
        choices->output);
  }
  const QString nightDate = QStringLiteral("%1-%2")
                                .arg(MonthText(date.year, date.month))
                                .arg(*date.day, 2, 10, QChar(u'0'));
  //: The list's first line: the day (2026-12-08) and the clock.
  const QString title =
      QCoreApplication::translate("kelvra::CommandLists",
                                  "Moon events, the night of %1 (noon to noon), %2")
          .arg(nightDate, clock);
  return DeliverList(EventsText(title, site, visible, model.accurate(), night, greyed),
                     choices->output);
}

int RunGrsCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const CommonOptions common;
  const QCommandLineOption longitudeOption(QStringLiteral("longitude"), QString(),
                                           QStringLiteral("L"));
  parser.addOption(longitudeOption);
  int status = kCommandBadInput;
  const std::optional<CommonChoices> choices = ParseCommon(
      parser, common, arguments, false, {QStringLiteral("text"), QStringLiteral("csv")}, status);
  if (!choices) return status;
  std::optional<std::int32_t> typedLongitude;
  if (parser.isSet(longitudeOption)) {
    const QString text = parser.value(longitudeOption);
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) {
      return CommandFault(
          QCoreApplication::translate("kelvra::CommandLists",
                                      "longitude '%1' is not a whole number from 0 to 359")
              .arg(text));
    }
    if (value < 0 || value > 359) {
      return CommandFault(
          OutsideRangeText(QCoreApplication::translate("kelvra::CommandLists", "longitude"), text,
                           WholeRangeText(0, 359)));
    }
    typedLongitude = value;
  }

  StoredSettings stored;
  const TimeBasis basis{choices->localTime.value_or(stored.config().GRSLocalTime),
                        TimeZoneOffsetAt(Now())};
  const std::int32_t longitude = typedLongitude.value_or(stored.config().RSLongitude);
  const RedSpotDrift drift = ReadRedSpotDrift(stored.ini());
  const std::optional<SiteSetting> site = ReadSite(stored.ini());
  const int year = choices->date.year, month = choices->date.month;
  const std::vector<GRSDayTransits> rows =
      PredictGRSTransits(year, month, longitude, drift, basis.localTime, basis.zoneOffset);
  const GRSHidden hidden = GRSTransitsNotVisible(rows, year, month, basis, site);
  const QString spot = QCoreApplication::translate("kelvra::CommandLists",
                                                   "Red Spot at System II longitude %1\u00B0")
                           .arg(longitude);
  if (choices->format == ListFormat::Csv) {
    // The events' spreadsheet columns, one row per transit.
    std::vector<ExportLine> lines;
    for (const GRSDayTransits& row : rows) {
      for (const GRSTime& time : row.times) {
        lines.push_back({GRSTransitInstant(year, month, row.day, time, basis), basis.offset(),
                         "GRS",
                         QCoreApplication::translate("kelvra::CommandLists",
                                                     "Red Spot transit, System II %1\u00B0")
                             .arg(longitude)
                             .toStdString(),
                         std::nullopt});
      }
    }
    return DeliverList(CsvText(lines), choices->output);
  }
  //: The list's first line: the month (2026-12) and the clock.
  QStringList text{QCoreApplication::translate("kelvra::CommandLists", "Red Spot transits %1, %2")
                       .arg(MonthText(year, month), ClockText(basis.localTime, basis.offset())),
                   spot};
  const QString driftLine = GRSDriftLine(drift);
  if (!driftLine.isEmpty()) text << driftLine;
  if (site) {
    text << QCoreApplication::translate("kelvra::CommandLists", "Site %1")
                .arg(MoonEventsSiteText(*site));
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    QStringList times, notSeen;
    for (std::size_t k = 0; k < rows[i].times.size(); ++k) {
      times << QString::fromStdString(rows[i].times[k].text);
      if (i < hidden.size() && k < hidden[i].size() && hidden[i][k]) notSeen << times.back();
    }
    QString line = QString::number(rows[i].day) + u' ' + times.join(u' ');
    if (!notSeen.isEmpty()) {
      //: A day's transits, then two spaces and those not visible.
      line =
          QCoreApplication::translate("kelvra::CommandLists", "%1  not visible from the site: %2")
              .arg(line, notSeen.join(", "));
    }
    text << line.trimmed();
  }
  return DeliverList((text.join(u'\n') + u'\n').toStdString(), choices->output);
}

}  // namespace kelvra
