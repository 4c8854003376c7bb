// The events window with an observer's site: greying, the filter, the passages row, the sky in
// the tooltips, the page's subtitle and the export. Without a site nothing of it shows.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>

#include "core/calendar.h"
#include "core/sky.h"
#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/common/window_menu.h"
#include "ui/events/moon_events_export.h"
#include "ui/events/moon_events_page.h"
#include "ui/events/moon_events_sky.h"
#include "ui/events/moon_events_window.h"

namespace kelvra {
namespace {

const SiteSetting kBerlin{{52.52, 13.40, 34}, {}};

class MoonEventsSiteTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::InstallProgramFiles(); }
  MoonEventsSiteTest() {
    host.observation.set({.instantUT = JulianDayFromDate(15, 12, 2026, 12, 0, 0, 0)});
    window = std::make_unique<TMoonEvents>(host.links());
    window->show();
    window->redraw();
  }
  // The main window's site set to `site`.
  void setSite(const std::optional<SiteSetting>& site) {
    Observation next = host.observation.value();
    next.site = site;
    host.observation.set(next);
  }
  QVariant ini(const char* key) const {
    return QSettings(QString::fromStdString((host.directory() / kIniFileName).string()),
                     QSettings::IniFormat)
        .value(QString::fromLatin1(key));
  }
  bool listed(JulianDay instant) const {
    for (const MoonEventLine& line : window->lines()) {
      if (std::abs(line.instant - instant) < 1e-6) return true;
    }
    return false;
  }
  QWidget& button() { return *window->findChild<QWidget*>("imgVisibleOnly"); }
  // The menu's entry `text`, as the keys and the right-click menu trigger it.
  QAction& action(const QString& text) {
    for (QAction* entry : window->menu().actions()) {
      if (entry->text() == text) return *entry;
    }
    ADD_FAILURE() << "no entry " << text.toStdString();
    return *window->menu().actions().front();
  }
  void toggle() { action("Visible only").trigger(); }

  testing::MessageLog messages;
  testing::FakeHost host;
  std::unique_ptr<TMoonEvents> window;
};

TEST_F(MoonEventsSiteTest, NoSiteNoButtonNoGreyNoFilter) {
  EXPECT_EQ(action("Visible only").shortcut(), QKeySequence("Ctrl+Shift+V"));
  EXPECT_EQ(action("Export\u2026").shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_FALSE(action("Visible only").isEnabled());
  const std::size_t all = window->lines().size();
  ASSERT_GT(all, 60u);
  EXPECT_TRUE(button().isHidden());
  EXPECT_TRUE(window->view().passages.isEmpty());
  toggle();
  EXPECT_FALSE(ini(kEventsVisibleOnlyKey.name).isValid());  // the toggle did nothing
  for (const bool greyed : window->view().greyed) EXPECT_FALSE(greyed);

  // A filter left on from a site since cleared filters nothing.
  setSite(kBerlin);
  toggle();
  EXPECT_LT(window->lines().size(), all);
  setSite(std::nullopt);
  EXPECT_TRUE(ini(kEventsVisibleOnlyKey.name).toBool());
  EXPECT_EQ(window->lines().size(), all);
  EXPECT_TRUE(button().isHidden());
  EXPECT_TRUE(window->view().passages.isEmpty());
}

// A line whose Jupiter stands exactly at the least altitude and whose Sun exactly at the
// greatest counts as visible; a hair higher a limit and it is filtered out.
TEST_F(MoonEventsSiteTest, FiltersAtTheExactLimitsAndGreysTheRest) {
  setSite(kBerlin);
  EXPECT_FALSE(button().isHidden());
  const std::vector<MoonEventLine> all = window->lines();
  const auto& greyed = window->view().greyed;
  ASSERT_EQ(greyed.size(), all.size());
  std::size_t visible = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(greyed[i], !SkyAt(all[i].instant, kBerlin.place, kBerlin.limits).visible);
    if (!greyed[i]) visible = i;
  }
  ASSERT_GT(visible, 0u);
  ASSERT_NE(std::count(greyed.begin(), greyed.end(), true), 0);

  const JulianDay instant = all[visible].instant;
  const SkyAtInstant sky = SkyAt(instant, kBerlin.place, kBerlin.limits);
  SiteSetting edge = kBerlin;
  edge.limits = {sky.jupiterAltitudeDeg, sky.sunAltitudeDeg};
  setSite(edge);
  QTest::mouseClick(&button(), Qt::LeftButton);  // the button is the toggle's
  EXPECT_TRUE(ini(kEventsVisibleOnlyKey.name).toBool());
  EXPECT_TRUE(listed(instant));
  for (const bool g : window->view().greyed) EXPECT_FALSE(g);

  edge.limits.minJupiterAltitudeDeg = std::nextafter(sky.jupiterAltitudeDeg, 90.0);
  setSite(edge);
  EXPECT_FALSE(listed(instant));
  edge.limits = {sky.jupiterAltitudeDeg, std::nextafter(sky.sunAltitudeDeg, -90.0)};
  setSite(edge);
  EXPECT_FALSE(listed(instant));

  // Off again: every line back.
  toggle();
  EXPECT_FALSE(ini(kEventsVisibleOnlyKey.name).toBool());
  EXPECT_EQ(window->lines().size(), all.size());
}

TEST_F(MoonEventsSiteTest, PassagesRowFollowsTheDayAndTooltipsGiveTheSky) {
  setSite(kBerlin);
  const JulianDay day = JulianDayFromDate(15, 12, 2026, 0, 0, 0, 0);
  EXPECT_EQ(window->view().passages,
            RiseTransitSetText(JupiterRiseTransitSet(day, kBerlin.place), 0, false));
  EXPECT_TRUE(window->view().passages.startsWith("Rise "));
  host.show(host.observation.value().instantUT + 1, InstantChange::Tick);
  EXPECT_EQ(window->view().passages,
            RiseTransitSetText(JupiterRiseTransitSet(day + 1, kBerlin.place), 0, false));

  // The row is no line: a click on it jumps nowhere; the row under it is the list's top line.
  const int row = MoonEventRowHeight(ListFont(96));
  auto& list = *window->findChild<ImageView*>("imgEvents");
  QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(40, 2));
  EXPECT_EQ(host.jumps, 0);
  const MoonEventLine top = window->lines()[window->view().top];
  EXPECT_EQ(window->toolTipAt(QPoint(40, row + 2)),
            MoonEventsSkyText(SkyAt(top.instant, kBerlin.place, kBerlin.limits), kBerlin.limits));
  QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(40, row + 2));
  EXPECT_EQ(host.jumps, 1);

  // At the month's end the list scrolls so that its last line shows under the row.
  host.show(JulianDayFromDate(31, 12, 2026, 23, 0, 0, 0));
  setSite(std::nullopt);
  setSite(kBerlin);
  const std::size_t rows = static_cast<std::size_t>((403 - row) / row);
  EXPECT_EQ(window->view().top, window->lines().size() - rows);

  // The widest row fits beside the scroll bar at either screen's font.
  for (const double dpi : {96.0, 100.0}) {
    EXPECT_LE(QFontMetrics(ListFont(dpi)).horizontalAdvance("Rise 20:08 Tr 00:08 Set 00:08"),
              160 - 3 - 4);
  }
  // Near the poles Jupiter (declination +17°) neither rises nor sets in December 2026: up all
  // day in the north, down all day in the south, which two dashes could not tell apart.
  const std::pair<double, QString> poles[] = {{89, "Up all day, Tr "},
                                              {-89, "Below the horizon all day"}};
  for (const auto& [latitude, text] : poles) {
    setSite(SiteSetting{{latitude, 0, 0}, {}});
    EXPECT_TRUE(window->view().passages.startsWith(text)) << window->view().passages.toStdString();
  }
}

// Relative luminance and contrast ratio as WCAG 2 defines them.
double luminance(QColor colour) {
  const auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}
double contrast(QColor a, QColor b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A line not visible from the site stays readable on every band it can stand on (black, the
// grey day band, the lit band of what is going on), is dimmer than any visible line, and a
// mutual line keeps a trace of its pink: the grey was 1.7:1 on the lit band.
TEST_F(MoonEventsSiteTest, GreyedLinesAreReadableOnEveryBandAndDimmerThanVisibleOnes) {
  const std::vector<MoonEventLine>& lines = window->lines();
  const QFont font = ListFont(96);
  const int row = MoonEventRowHeight(font);
  const std::size_t rows = 403 / row;
  ASSERT_GT(lines.size(), rows);
  // Start at the first mutual line so that one is drawn; light every third line.
  MoonEventListView view;
  while (view.top < lines.size() - rows && !lines[view.top].mutual) ++view.top;
  view.selected = lines.size();
  for (std::size_t i = view.top; i < view.top + rows; i += 3) view.marked.push_back(i);
  const auto drawn = [&](bool greyed) {
    view.greyed.assign(lines.size(), greyed);
    QImage list(160, 403, QImage::Format_RGB32);
    DrawMoonEventList(list, font, lines, view);
    return list;
  };
  const QImage visible = drawn(false), grey = drawn(true);
  // The text colours of row r, apart from its background (the pixel left of the day).
  const auto inks = [&](const QImage& list, std::size_t r, QColor& background) {
    std::set<QRgb> found;
    const int y = static_cast<int>(r) * row;
    background = list.pixelColor(1, y + row / 2);
    for (int v = y; v < y + row; ++v)
      for (int x = 0; x < 160 - 4; ++x)
        if (list.pixel(x, v) != background.rgb()) found.insert(list.pixel(x, v));
    return found;
  };
  std::set<QRgb> backgrounds;
  int dimmestVisible = 255, mutualRows = 0;
  for (std::size_t r = 0; r < rows; ++r) {
    QColor background;
    for (const QRgb ink : inks(visible, r, background))
      dimmestVisible = std::min(dimmestVisible, QColor(ink).value());
    const std::set<QRgb> greyInks = inks(grey, r, background);
    ASSERT_FALSE(greyInks.empty());
    backgrounds.insert(background.rgb());
    for (const QRgb ink : greyInks) {
      EXPECT_GE(contrast(QColor(ink), background), 4.5)
          << "row " << r << " ink " << QColor(ink).name().toStdString() << " on "
          << background.name().toStdString();
      EXPECT_LT(QColor(ink).value(), dimmestVisible - 16) << "row " << r;
      const bool pink = QColor(ink).red() > QColor(ink).green();
      EXPECT_EQ(pink, lines[view.top + r].mutual.has_value()) << "row " << r;
    }
    mutualRows += lines[view.top + r].mutual.has_value();
  }
  EXPECT_EQ(backgrounds.size(), 3u);  // black, the day band and the lit band all met
  EXPECT_GT(mutualRows, 0);
}

TEST_F(MoonEventsSiteTest, AFileThatCannotBeWrittenIsNamed) {
  const QString path = QStringLiteral("/proc/version/events.ics");  // under a file, even as root
  EXPECT_FALSE(window->exportTo(path, ExportFormat::ICalendar));
  EXPECT_EQ(messages.errors, QStringList{ExportFailedText(path)});
  EXPECT_TRUE(messages.errors.value(0).contains(path));
}

// A typed .csv or .ics decides the format whatever the file type shown (name.csv typed under
// iCalendar was written as iCalendar); any other name gets the type's extension.
TEST(ExportTargetOf, ATypedExtensionDecidesTheFormatElseTheTypeAddsItsOwn) {
  constexpr auto kIcs = ExportFormat::ICalendar;
  constexpr auto kCsv = ExportFormat::Csv;
  struct Case {
    const char* typed;
    ExportFormat chosen;
    const char* path;
    ExportFormat format;
  };
  const Case cases[] = {
      {"name.csv", kIcs, "name.csv", kCsv},
      {"NAME.CSV", kIcs, "NAME.CSV", kCsv},
      {"name.ics", kCsv, "name.ics", kIcs},
      {"name.Ics", kIcs, "name.Ics", kIcs},
      {"a", kIcs, "a.ics", kIcs},
      {"dir.v2/a", kCsv, "dir.v2/a.csv", kCsv},
      {"a.txt", kCsv, "a.txt.csv", kCsv},
      {"a.csv.bak", kIcs, "a.csv.bak.ics", kIcs},
      {"Events 2026-12", kCsv, "Events 2026-12.csv", kCsv},
  };
  for (const Case& c : cases) {
    const ExportTarget target = ExportTargetOf(QString::fromUtf8(c.typed), c.chosen);
    EXPECT_EQ(target.path, QString::fromUtf8(c.path)) << c.typed;
    EXPECT_EQ(target.format, c.format) << c.typed;
  }
}

TEST(MoonEventsSitePage, SubtitleNamesTheSiteItsLimitsAndTheFilter) {
  MoonEventsPageInput input{12, 2026, {false, 0}};
  EXPECT_EQ(MoonEventsSubtitle(input), "[Universal Time]");
  input.site = kBerlin;
  EXPECT_EQ(MoonEventsSubtitle(input),
            "[Universal Time]  52.52\u00B0N 13.40\u00B0E, Jupiter \u2265 5\u00B0, Sun \u2264 "
            "\u22126\u00B0");
  input.basis = {true, 300};
  input.site = SiteSetting{{-33.8688, -151.2093, 0}, {7.5, -12}};
  input.visibleOnly = true;
  EXPECT_EQ(MoonEventsSubtitle(input),
            "[Local Time, UTC-5:00]  33.87\u00B0S 151.21\u00B0W, Jupiter \u2265 7.5\u00B0, Sun "
            "\u2264 \u221212\u00B0, visible events only");
}

}  // namespace
}  // namespace kelvra
