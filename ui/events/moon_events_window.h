// The moon events window: the month's phenomena as a scrolling list, the events going on at
// the main window's instant marked, a click or Enter taking the main window to a line.
#pragma once

#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "core/calendar.h"
#include "core/moon_event_list.h"
#include "ui/common/side_window.h"
#include "ui/common/side_window_host.h"
#include "ui/events/moon_events_export.h"
#include "ui/events/moon_events_sky.h"

class QAction;

namespace kelvra {

class ImageView;
class SettingsStore;

// The ini key of the window's time basis.
inline constexpr const char* kEventsLocalTimeKey = "Events/LocalTime";

// Given: one line of the list; offset, the list's time basis (minutes, UT = basis + offset).
// Returns: the line's tooltip, empty for a line that has none. A mutual event's: its code and
// what it means with the magnitude (a penumbral eclipse's Q said to be light, not diameter) and
// where the passive moon stands against Jupiter when near it (AgainstJupiterText); its contacts
// and maximum (MutualContactsText: an eclipse's light and umbra, each named); the light lost at
// maximum in per cent (MutualLightLost), the passive moon's for an eclipse, the pair's for an
// occultation.
QString MoonEventToolTip(const MoonEventLine& line, std::int32_t offset);

// Given: the list's font. Returns: the height of one line, pixels.
int MoonEventRowHeight(const QFont& font);

// The notice over a list of a year whose times degrade, in as many rows as it needs to fit
// beside the scroll bar of a list `width` pixels wide (two in the window's 160).
QStringList MoonEventNoticeRows(const QFont& font, int width);

// What the screen list shows, apart from the lines themselves.
struct MoonEventListView {
  std::size_t top = 0;              // the first line shown
  std::size_t selected = 0;         // the keyboard's line
  std::vector<std::size_t> marked;  // lines going on at the main window's instant
  bool accurate = true;             // false: the first rows say the times degrade
  QString passages;                 // with a site, the top row: Jupiter's rise, transit, set
  std::vector<bool> greyed;         // per line, true: drawn grey, not visible from the site
};

// Draws `lines` into the screen list (160 x 403): banded by day, days cyan, times yellow,
// codes in the skin's glyph colour (a mutual event's code and magnitude in pink), marked lines
// on a lit band, the selected line framed, and a narrow scroll bar inside the right edge when
// the lines do not fit. Under the notice, the passages row when there is one; a greyed line
// draws all its fields in one grey.
void DrawMoonEventList(QImage& list, const QFont& font, const std::vector<MoonEventLine>& lines,
                       const MoonEventListView& view);

class TMoonEvents : public SideWindowForm {
  Q_OBJECT
 public:
  // Creates the window hidden. `instants` and `settings` outlive the window.
  TMoonEvents(SideWindowHost& host, InstantHost& instants, SettingsStore& settings,
              QWidget* parent = nullptr);

  // The main window's instant changed: the marks follow it. The list shows the instant's month
  // in its own time basis, unless the change was a jump from the list itself (the list stays
  // as it is) or no change at all. Set by the user, the list scrolls to its first marked line
  // when that is out of sight. The list is drawn again only when something of this changed, so
  // animation frames cost one search of the month's lines.
  void instantChanged(InstantChange why) override;

  // The month the list shows (and prints): it follows the main window's instant, not a jump.
  ListMonth listMonth() const override;

  // The month as last computed, and what the list shows of it.
  const std::vector<MoonEventLine>& lines() const { return lines_; }
  const MoonEventListView& view() const { return view_; }

  // Takes the main window to line `index` of the list (MoonEventJumpInstant) and selects it.
  void jumpTo(std::size_t index);

  // The tooltip of the list's line under `position` (pixels in the list), empty for none.
  QString toolTipAt(QPoint position) const;

  // Prints the month on one page of the default printer; false when it was not printed.
  bool PrintMoonEvents(std::uint16_t month, std::uint16_t year);

  // The site or its limits changed: the greying, the filter and the passages follow.
  void siteChanged() override;

  // With a site, whether only the visible lines are shown (Events/VisibleOnly); the toggle.
  bool visibleOnly() const;
  void setVisibleOnly(bool only);

  // Asks where to save the month as shown and in which format, then exportTo.
  void exportMonth();
  // Writes the month as shown to `path`; a file that cannot be written gets a message.
  // Returns: false when nothing was written.
  bool exportTo(const QString& path, ExportFormat format);

 protected:
  void drawList(QImage& list) override;
  void print(std::uint16_t month, std::uint16_t year) override { PrintMoonEvents(month, year); }
  bool localTime() const override;
  void storeLocalTime(bool local) override;

  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct MonthKey {
    int year = -1;
    int month = -1;
    TimeBasis basis;
    bool operator==(const MonthKey&) const = default;
  };
  MonthKey monthOfInstant() const;
  int listTop() const;
  int visibleRows() const;
  void scrollTo(std::size_t top);
  void reveal(std::size_t index);
  void select(std::size_t index);
  void listPressed(QPoint position);
  void showLines();
  void updateSiteControls();
  bool followPassages(JulianDay now);
  std::optional<std::size_t> lineAt(QPoint position) const;

  InstantHost& instants_;
  SettingsStore& settings_;
  MonthKey shown_;     // the month the list shows; year -1: the instant's, at the next drawing
  MonthKey computed_;  // the month of lines_
  JulianDay seen_ = std::numeric_limits<double>::quiet_NaN();  // days, UT: the instant last
                                                               // followed
  bool revealMarked_ = false;           // the next drawing scrolls to the first marked line
  std::vector<MoonEventLine> month_;    // every line of the month
  std::vector<SkyAtInstant> monthSky_;  // the sky at each, empty without a site
  std::optional<SiteSetting> skySite_;  // the site of monthSky_
  std::vector<MoonEventLine> lines_;    // the lines shown: month_, filtered or not
  std::vector<SkyAtInstant> sky_;       // the sky at each shown line, empty without a site
  bool filtered_ = false;               // lines_ holds only the visible lines
  JulianDay passagesDay_ = std::numeric_limits<double>::quiet_NaN();  // days, UT: the day
                                                                      // start of view_.passages
  MoonEventListView view_;
  QAction* visibleOnly_ = nullptr;
  ImageView* visibleButton_ = nullptr;
};

}  // namespace kelvra
