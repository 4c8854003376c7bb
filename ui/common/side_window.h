// The shape every side window shares: a 200 x 479 borderless window beside the main window
// with its background picture, print, time-basis and exit buttons and one list or chart in a
// black well. Each window brings its own SideWindowKind (its rectangles, its toolbar button),
// draws its list and prints its page; everything else is here once.
#pragma once

#include <QFont>
#include <QWidget>

#include <cstdint>

#include "core/calendar.h"
#include "ui/common/accessibility.h"
#include "ui/common/layout.h"
#include "ui/common/observation.h"
#include "ui/common/settings.h"
#include "ui/common/side_window_host.h"
#include "ui/common/side_window_kind.h"

namespace kelvra {

class ClickArea;
class ImageView;
class WindowMenu;

// Given: the screen's logical pixels per inch.
// Returns: the side windows' list font, Arial 8 points at 96 pixels per inch and 7 points
// otherwise, drawn without smoothing so that pixels are exact and colours stay pure.
QFont ListFont(double logicalDpi);

class SideWindowForm : public QWidget {
  Q_OBJECT
 public:
  // False when the background picture could not be loaded: the window never shows.
  bool isUsable() const { return usable_; }
  void setVisible(bool visible) override;

  // Draws the main window's month afresh into the list, with the time basis on its button.
  void redraw();

  // What the window is: its layout, its toolbar button, its name for the scripts.
  const SideWindowKind& kind() const { return kind_; }

  // The list or chart as last drawn.
  const QImage& listImage() const;

  // The month the print button prints: the main window's, unless the window keeps a month of
  // its own.
  virtual ListMonth listMonth() const;

  // The window's actions (print, time basis, close, and any of its own) and its right-click
  // menu; their keys work while the window is active.
  WindowMenu& menu() const { return *menu_; }

 public slots:
  // Switches the list between Universal Time and local time, saves the setting, redraws.
  void imgTimeClick();
  // Prints the main window's month.
  void lblPrintClick();
  // Takes the window off the main window's side and hides it.
  void exitClick();

 protected:
  // The components' object names, as each window's own.
  struct Names {
    const char* window;
    const char* background;
    const char* exit;
    const char* list;
  };
  // Creates the window hidden and loads its background (Kelvra7.dat), which may fail.
  // `localTime` is the window's own time-basis setting in the host's ConfigRecord; null for a
  // window that keeps its basis elsewhere (it then overrides localTime and storeLocalTime).
  SideWindowForm(const SideWindowLinks& links, const SideWindowKind& kind, const Names& names,
                 bool ConfigRecord::*localTime, QWidget* parent);

  SideWindowHost& host() const { return links_.host; }
  // What the main window shows, as it is now.
  const Observation& observation() const;
  ObservationOwner& observationOwner() const { return links_.observation; }
  SettingsStore& settings() const { return links_.settings; }

  // The observation changed (`what`; for the instant, `why`), told once to every side window,
  // shown or not. By default a window that is shown draws the main window's month again when
  // the user or an animation frame took it to another month, or the clock's zone changed; real
  // time's tick and a jump leave it until it is drawn again (activated). A window drawn for
  // more (the view, the site) or that follows the instant itself overrides this.
  virtual void observationChanged(ObservationChanges what, InstantChange why);

  virtual bool localTime() const;
  // The clock the list and the page read: localTime() with the main window's zone.
  TimeBasis timeBasis() const;
  // Keeps the new time basis across runs.
  virtual void storeLocalTime(bool local);
  // The list's picture component, for a window whose list takes the mouse.
  ImageView& listView() const { return *list_; }
  // The list font: Arial 8 points at 96 pixels per inch and 7 points otherwise.
  const QFont& listFont() const { return listFont_; }

  // Draws the main window's month into `list`, already cleared to black.
  virtual void drawList(QImage& list) = 0;
  // The list or chart as a screen reader reads it, as last drawn; asked whenever one does.
  // Unless a window says more: a chart named by its toolbar button, its month and its time
  // basis, "Satellite tracks, May 2026, Universal Time".
  virtual SpokenPicture spokenList() const;
  // Prints `month` (1..12) of `year` on the default printer.
  virtual void print(std::uint16_t month, std::uint16_t year) = 0;

  bool event(QEvent* event) override;
  // A press anywhere on the window brings it forward: without a window manager nothing else
  // would, and a side window may lie under the others of its side.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addActions();
  void showTimeBasis();
  void bringForward();

  SideWindowLinks links_;
  const SideWindowKind& kind_;
  bool ConfigRecord::*localTime_;
  bool usable_ = false;
  QFont listFont_;
  ImageView* background_;
  ClickArea* lblPrint_;
  ImageView* imgTime_;
  ImageView* list_;
  ImageView* imgLocalTime_;  // hidden holders of the two button faces
  ImageView* imgUTTime_;
  ClickArea* exit_;
  WindowMenu* menu_;
};

}  // namespace kelvra
