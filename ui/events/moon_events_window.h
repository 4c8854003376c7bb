// The moon events window: the month's phenomena as a scrolling list, the events going on at
// the main window's instant marked, a click or Enter taking the main window to a line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/calendar.h"
#include "core/moon_event_list.h"
#include "ui/common/side_window.h"
#include "ui/common/side_window_host.h"

namespace kelvra {

class SettingsStore;

// The ini key of the window's time basis.
inline constexpr const char* kEventsLocalTimeKey = "Events/LocalTime";

// Given: the list's font. Returns: the height of one line, pixels.
int MoonEventRowHeight(const QFont& font);

// What the screen list shows, apart from the lines themselves.
struct MoonEventListView {
  std::size_t top = 0;                  // the first line shown
  std::size_t selected = 0;             // the keyboard's line
  std::vector<std::size_t> marked;      // lines going on at the main window's instant
  bool accurate = true;                 // false: a first row says the times degrade
};

// Draws `lines` into the screen list (160 x 403): banded by day, days cyan, times yellow,
// codes in the skin's glyph colour, marked lines on a lit band, the selected line framed,
// and a narrow scroll bar inside the right edge when the lines do not fit.
void DrawMoonEventList(QImage& list, const QFont& font, const std::vector<MoonEventLine>& lines,
                       const MoonEventListView& view);

class TMoonEvents : public SideWindowForm {
  Q_OBJECT
 public:
  // Creates the window hidden. `instants` and `settings` outlive the window.
  TMoonEvents(SideWindowHost& host, InstantHost& instants, SettingsStore& settings,
              QWidget* parent = nullptr);

  // The main window's instant changed: the marks follow it. The list is drawn again only when
  // they or the month changed, so animation frames cost one search of the month's lines.
  void markInstant();
  void instantChanged() override { markInstant(); }

  // The month as last computed, and what the list shows of it.
  const std::vector<MoonEventLine>& lines() const { return lines_; }
  const MoonEventListView& view() const { return view_; }

  // Takes the main window to line `index` of the list.
  void jumpTo(std::size_t index);

  // Prints the month on one page of the default printer; false when it was not printed.
  bool PrintMoonEvents(std::uint16_t month, std::uint16_t year);

 protected:
  void drawList(QImage& list) override;
  void print(std::uint16_t month, std::uint16_t year) override { PrintMoonEvents(month, year); }
  bool localTime() const override;
  void storeLocalTime(bool local) override;

  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  struct MonthKey {
    int year = -1;
    int month = -1;
    TimeBasis basis;
    bool operator==(const MonthKey&) const = default;
  };
  MonthKey shownMonth() const;
  int visibleRows() const;
  void scrollTo(std::size_t top);
  void select(std::size_t index);
  void listPressed(QPoint position);

  InstantHost& instants_;
  SettingsStore& settings_;
  MonthKey computed_;
  std::vector<MoonEventLine> lines_;
  MoonEventListView view_;
};

}  // namespace kelvra
