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

class StillInstant : public InstantHost {
 public:
  JulianDay displayedInstantUT() const override { return ut; }
  void jumpToInstant(JulianDay to) override {
    ut = to;
    ++jumps;
  }
  JulianDay ut = JulianDayFromDate(15, 12, 2026, 12, 0, 0, 0);
  int jumps = 0;
};

const SiteSetting kBerlin{{52.52, 13.40, 34}, {}};

class MoonEventsSiteTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::InstallProgramFiles(); }
  MoonEventsSiteTest() {
    window = std::make_unique<TMoonEvents>(host, instants, store);
    window->redraw();
  }
  void setSite(const std::optional<SiteSetting>& site) {
    host.siteSetting = site;
    window->siteChanged();
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
  StillInstant instants;
  SettingsStore store{host.directory(), host.directory() / "user"};
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
  EXPECT_FALSE(ini(kEventsVisibleOnlyKey).isValid());  // the toggle did nothing
  for (const bool greyed : window->view().greyed) EXPECT_FALSE(greyed);

  // A filter left on from a site since cleared filters nothing.
  setSite(kBerlin);
  toggle();
  EXPECT_LT(window->lines().size(), all);
  setSite(std::nullopt);
  EXPECT_TRUE(ini(kEventsVisibleOnlyKey).toBool());
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
  EXPECT_TRUE(ini(kEventsVisibleOnlyKey).toBool());
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
  EXPECT_FALSE(ini(kEventsVisibleOnlyKey).toBool());
  EXPECT_EQ(window->lines().size(), all.size());
}

TEST_F(MoonEventsSiteTest, PassagesRowFollowsTheDayAndTooltipsGiveTheSky) {
  setSite(kBerlin);
  const JulianDay day = JulianDayFromDate(15, 12, 2026, 0, 0, 0, 0);
  EXPECT_EQ(window->view().passages,
            RiseTransitSetText(JupiterRiseTransitSet(day, kBerlin.place), 0));
  EXPECT_TRUE(window->view().passages.startsWith("Rise "));
  instants.ut += 1;
  window->instantChanged(InstantChange::Tick);
  EXPECT_EQ(window->view().passages,
            RiseTransitSetText(JupiterRiseTransitSet(day + 1, kBerlin.place), 0));

  // The row is no line: a click on it jumps nowhere; the row under it is the list's top line.
  const int row = MoonEventRowHeight(ListFont(96));
  auto& list = *window->findChild<ImageView*>("imgEvents");
  QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(40, 2));
  EXPECT_EQ(instants.jumps, 0);
  const MoonEventLine top = window->lines()[window->view().top];
  EXPECT_EQ(window->toolTipAt(QPoint(40, row + 2)),
            MoonEventsSkyText(SkyAt(top.instant, kBerlin.place, kBerlin.limits)));
  QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(40, row + 2));
  EXPECT_EQ(instants.jumps, 1);

  // At the month's end the list scrolls so that its last line shows under the row.
  instants.ut = JulianDayFromDate(31, 12, 2026, 23, 0, 0, 0);
  window->instantChanged(InstantChange::Set);
  setSite(std::nullopt);
  setSite(kBerlin);
  const std::size_t rows = static_cast<std::size_t>((403 - row) / row);
  EXPECT_EQ(window->view().top, window->lines().size() - rows);

  // The widest row fits beside the scroll bar at either screen's font.
  for (const double dpi : {96.0, 100.0}) {
    EXPECT_LE(QFontMetrics(ListFont(dpi)).horizontalAdvance("Rise 20:08 Tr 00:08 Set 00:08"),
              160 - 3 - 4);
  }
  // Near the pole Jupiter neither rises nor sets in December 2026.
  setSite(SiteSetting{{89, 0, 0}, {}});
  EXPECT_EQ(window->view().passages.count(QChar(0x2014)), 2);
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
