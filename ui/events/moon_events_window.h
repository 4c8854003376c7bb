// The moon events window: the month's phenomena as a scrolling list, the events going on at
// the main window's instant marked, a click or Enter taking the main window to a line.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "core/calendar.h"
#include "core/moon_event_list.h"
#include "ui/common/settings_key.h"
#include "ui/common/side_window.h"
#include "ui/common/side_window_host.h"
#include "ui/events/moon_events_export.h"
#include "ui/events/moon_events_list.h"
#include "ui/events/moon_events_model.h"
#include "ui/events/moon_events_sky.h"

class QAction;

namespace kelvra {

class EventReminders;
class ImageView;
class ObservingLog;
class ObservingLogDialog;
class SettingsStore;

// The window's time basis: true for local time, false for UT.
inline const FlagKey kEventsLocalTimeKey{"Events/LocalTime", false};

class TMoonEvents : public SideWindowForm {
  Q_OBJECT
 public:
  // Creates the window hidden.
  explicit TMoonEvents(const SideWindowLinks& links, QWidget* parent = nullptr);

  // The month the list shows (and prints): it follows the main window's instant, not a jump.
  ListMonth listMonth() const override;

  // The month as last computed, and what the list shows of it.
  const std::vector<MoonEventLine>& lines() const { return model_.lines(); }
  const MoonEventListView& view() const { return view_; }

  // Takes the main window to line `index` of the list (MoonEventJumpInstant) and selects it.
  // The selected line of the shown list is the observation's (Observation::selected).
  void jumpTo(std::size_t index);

  // The tooltip of the list's line under `position` (pixels in the list), empty for none.
  QString toolTipAt(QPoint position) const;

  // Prints the month on one page of the default printer; false when it was not printed.
  bool PrintMoonEvents(std::uint16_t month, std::uint16_t year);

  // With a site, whether only the visible lines are shown (Events/VisibleOnly); the toggle.
  bool visibleOnly() const;
  void setVisibleOnly(bool only);

  // Asks where to save the month as shown and in which format, then exportTo.
  void exportMonth();
  // Writes the month as shown to `path`; a file that cannot be written gets a message.
  // Returns: false when nothing was written.
  bool exportTo(const QString& path, ExportFormat format);

  // The reminders before the events shown (Events/AlertMinutes), running while the program does;
  // askReminders asks for their lead.
  EventReminders& reminders() const { return *reminders_; }
  void askReminders();

  // The observing log (main.cpp's, beside the settings); without one, stamps do nothing.
  void setObservingLog(ObservingLog& log) { log_ = &log; }
  // F9, from every window (main.cpp adds it to the program's keys): the present UT from the
  // system clock, to the nearest tenth of a second, committed to the log before it returns,
  // with the nearest listed contact within kProposedContactMinutes proposed.
  void stamp();
  QAction* stampAction() const { return stamp_; }
  // Opens the log over this window; the dialog, while it is open.
  void showLog();
  ObservingLogDialog* logDialog() const { return logDialog_; }
  // Given: an instant (days, UT). Returns: the lines of its month, widened by a day, as the list
  // shows them: its clock, and with a site its filter.
  std::vector<MoonEventLine> linesAround(JulianDay ut) const;

 protected:
  void drawList(QImage& list) override;
  // The lines as shown, the selected one and those going on marked, with their tooltips.
  SpokenPicture spokenList() const override;
  void print(std::uint16_t month, std::uint16_t year) override { PrintMoonEvents(month, year); }
  bool localTime() const override;
  void storeLocalTime(bool local) override;
  // The marks follow the instant, and the greying, the filter and the passages the site.
  void observationChanged(ObservationChanges what, InstantChange why) override;

  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using MonthKey = MoonEventsModel::Month;
  // The main window's instant changed: the marks follow it. The list shows the instant's month
  // in its own time basis, unless the change was a jump from the list itself (the list stays
  // as it is) or no change at all. Set by the user, the list scrolls to its first marked line
  // when that is out of sight. The list is drawn again only when something of this changed, so
  // animation frames cost one search of the month's lines.
  void instantChanged(InstantChange why);
  // The site or its limits changed.
  void siteChanged();
  // Tells the observation the line selected, none when the list is not shown.
  void tellSelection();
  MonthKey monthOfInstant() const;
  int listTop() const;
  int visibleRows() const;
  void scrollTo(std::size_t top);
  void reveal(std::size_t index);
  void select(std::size_t index);
  void listPressed(QPoint position);
  void updateSiteControls();
  bool followPassages(JulianDay now);
  std::optional<std::size_t> lineAt(QPoint position) const;

  SettingsStore& settings_;
  MonthKey shown_;  // the month the list shows; year -1: the instant's, at the next drawing
  JulianDay seen_ = std::numeric_limits<double>::quiet_NaN();  // days, UT: the instant last
                                                               // followed
  bool revealMarked_ = false;  // the next drawing scrolls to the first marked line
  MoonEventsModel model_;      // the lines shown, of the month model_.month()
  MoonEventListView view_;
  QAction* visibleOnly_ = nullptr;
  ImageView* visibleButton_ = nullptr;
  EventReminders* reminders_ = nullptr;
  ObservingLog* log_ = nullptr;
  ObservingLogDialog* logDialog_ = nullptr;
  QAction* stamp_ = nullptr;
};

}  // namespace kelvra
