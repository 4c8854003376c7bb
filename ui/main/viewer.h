// The main window: the eyepiece and plan views, date and time entry, the data panel, real
// time and animation, and the placement of the side windows beside it.
#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "core/calendar.h"
#include "core/ephemeris.h"
#include "core/modern_positions.h"
#include "core/moon_events.h"
#include "core/view.h"
#include "ui/common/observation.h"
#include "ui/common/open_document.h"
#include "ui/common/placement.h"
#include "ui/common/settings.h"
#include "ui/common/side_window.h"
#include "ui/common/side_window_host.h"
#include "ui/common/side_window_kind.h"
#include "ui/common/window_menu.h"
#include "ui/main/satellite_view.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace kelvra {

class ClickArea;
class ImageView;
class KRthread;
class SettingsStore;
class TAboutWin;
class TInterval;

class TViewer : public QWidget, public SideWindowHost {
  Q_OBJECT

 public:
  // Creation (FormCreate): time zone, settings, the six skins, the start state, the clock, a
  // toolbar button for each kind of side window in `sideWindows` (their order is the order
  // they are visited in, SideWindow numbers). The window writes what it shows into
  // `observation` and keeps its settings in `settings`; both outlive it.
  TViewer(ObservationOwner& observation, SettingsStore& settings,
          std::span<const SideWindowKind* const> sideWindows = {}, QWidget* parent = nullptr);
  ~TViewer() override;

  // False when a skin picture could not be loaded: the program must end without computing.
  bool startedUp() const { return startedUp_; }

  // The dialogs created after this one (main.cpp wires them); either may be null.
  void setOtherWindows(TInterval* interval, TAboutWin* about);

  // Takes a side window into the place of its kind, which its toolbar button then shows; the
  // window lives until this one ends. A window of a kind not given at creation, or of one whose
  // place is taken, is kept but never shown. Returns the window.
  // Its opener, one action, is the toolbar button, an entry of the menu's Windows group and
  // its kind's key (SideWindowKind::openKey) from every window not blocked by a modal one; it
  // shows the window or brings it forward.
  template <class Window>
  Window& addSideWindow(std::unique_ptr<Window> window) {
    Window& added = *window;
    adoptSideWindow(std::move(window));
    addSideWindowOpener(added);
    return added;
  }

  // Adds an action of the whole program to the main window (main.cpp adds any beyond the
  // toolbar's): its keys work from every window not blocked by a modal one, its entry stands in
  // `group` of the main window's menu, and the toolbar button named `button`, if any, triggers
  // it and names its key. A toggle passes `checked`, its state.
  void addProgramAction(MenuGroup group, QAction* action, const char* button = nullptr,
                        std::function<bool()> checked = {});
  WindowMenu& menu() { return *menu_; }

  // SideWindowHost
  ConfigRecord& config() override { return config_; }
  void saveSettings() override;
  void sideWindowClosing(QWidget& window) override;
  void jumpToInstant(JulianDay ut) override;

  // Keeps the observer's site (none: clears it) in Kelvra95.ini and in the observation, which
  // tells every window.
  void setSite(const std::optional<SiteSetting>& site);

  // The displayed instant, local civil time.
  const CivilDateTime& instant() const { return instant_; }
  // The one way the displayed instant changes from outside the fields: every field shows it
  // (a pending edit is replaced), and the views and the data panel are computed for it. `why`
  // goes with it into the observation (a list scrolls only for the user's own).
  void setInstant(const CivilDateTime& shown, InstantChange why = InstantChange::Set);

  double magnification() const { return Magnification; }  // 1.0 .. 3.0 in steps of 0.5
  std::int32_t northSouthSign() const { return signs_.NorthSouthSign; }
  const QImage& jupiterPicture() const { return imgJupiter; }  // the disc in use

  // The minutes per frame the interval dialog edits, 0 .. 999; 0: no animation.
  std::uint16_t& animationInterval() { return AnimationInterval; }
  // The instant of the next animation frame, days.
  JulianDay animationJulianDay() const { return AnimationJulianDay; }
  void setAnimationJulianDay(JulianDay jd) { AnimationJulianDay = jd; }
  // Starts (or restarts from the instant shown) the animation with the interval, as the
  // Animate button does once the interval dialog has closed. Nothing happens for 0.
  void StartAnimation();
  // One animation frame; runs on this (the main) thread.
  void AnimationStep();
  bool animationRunning() const;

  // The windows beside the main window on each side, 0 .. the number of side windows.
  int LeftDockCount() const { return desk().count(DockSide::Left); }
  int RightDockCount() const { return desk().count(DockSide::Right); }

  // Handlers, named after component and event.
  void cmbViewClick();
  void lblMagnifyClick();
  void lblReduceClick();
  void imgHemisphereClick();
  void cmbMonthClick();
  void imgNowButtonClick();
  void lblRealtimeClick();
  void Timer1Timer();
  void lblAnimateClick();
  void lblStopClick();
  void lblKelvra95MouseDown(QPoint position);
  void lblKelvra95MouseMove(QPoint position);
  void lblKelvra95MouseUp();
  void btnMinimiseClick();
  void btnExitClick();
  void lblAboutClick();
  void lblHelpClick();
  // Switches between the classic and the modern positions, keeps the choice in Kelvra95.ini
  // (View/Positions) and redraws every view with it.
  void togglePositions();

  // Components that tests look at.
  QLineEdit* txtDay = nullptr;
  QComboBox* cmbMonth = nullptr;
  QLineEdit* txtYear = nullptr;
  QLineEdit* txtHour = nullptr;
  QLineEdit* txtMinute = nullptr;
  QLineEdit* txtSecond = nullptr;
  QComboBox* cmbView = nullptr;
  ImageView* imgSideView = nullptr;
  ImageView* imgPlanView = nullptr;
  ImageView* imgCompass = nullptr;
  ImageView* imgHemisphere = nullptr;
  ImageView* imgNowButton = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct PanelRow {
    QLabel* northSouth;
    QLabel* northSouthFlag;
    QLabel* eastWest;
    QLabel* eastWestFlag;
    QLabel* angle;
    QLabel* degree;
  };

  // Building the window (viewer_build.cpp).
  void FormCreate();
  bool loadSkins();
  void buildLayout();
  void buildToolbar();
  void buildEntryFields();
  void buildDataPanel();
  void buildActions();
  void pickJupiterPictures();
  void showHemisphere();
  bool realTimeOn() const;
  ViewKind selectedView() const;
  bool southernHemisphere() const;
  bool modernPositions() const { return positions_ == PositionTheory::Modern; }
  QLabel* addLabel(const char* name, QPoint at, int width, const QString& text, bool bold,
                   int pixelSize = 12);
  // A bold caption of `english` in the user's language; a longer translation may take the room
  // from `left` to `right`, window pixels.
  QLabel* addCaption(const char* name, QPoint at, int width, const char* english, int left,
                     int right);
  QLineEdit* addEntryField(const char* name, QRect geometry, int maxLength);

  // The one recompute path: the fields without a pending edit show the stored instant, the
  // data panel and both views are computed for `jd` (days, the same instant), and the
  // observation takes what the window now shows.
  void recompute(InstantChange why);
  void recompute(JulianDay jd, InstantChange why);
  // The observation as this window shows it; the site and the list's selection as they are.
  Observation shown() const;
  void showInstant(const CivilDateTime& shown, JulianDay jd, InstantChange why);
  void showDateAndTime();
  void showDataPanel();
  // What the data panel's values, the compass and the hemisphere button say to a screen reader
  // (viewer_spoken.cpp); keeps the state for the eyepiece's words before the depth sort
  // reorders it.
  void speakViews();
  // The eyepiece view in words, each moon where it stands, as a reader asks for it.
  SpokenPicture spokenEyepiece() const;
  void plotSatellites();
  void displayCompassDirections();
  void changeMagnification(double magnification);

  // Date and time entry.
  void txtDayExit();
  void txtYearExit();
  void txtHourExit();
  void txtMinuteExit();
  void txtSecondExit();
  void checkDate();
  bool keyPressInField(QLineEdit* field, QKeyEvent* event);
  void leaveField(QLineEdit* field);
  void commitTypedEntry();
  std::uint16_t fieldValue(QLineEdit* field);
  std::uint16_t timeFieldValue(QLineEdit* field, std::uint16_t highest);
  void setEntryEnabled(bool enabled);

  // The side windows and their places.
  void adoptSideWindow(std::unique_ptr<SideWindowForm> window);
  void addSideWindowOpener(SideWindowForm& window);
  void showSideWindow(SideWindow which);
  Desk desk() const;
  void applyDesk(const Desk& next);
  SideWindowForm* sideWindow(SideWindow which) const;
  // The number of `window`, none for a window not in a place.
  std::optional<SideWindow> whichSide(const QWidget& window) const;
  // The side windows that exist, in SideWindow order.
  std::vector<SideWindowForm*> sideWindows() const;

  // The one way out: the exit button and the window's closing both end here.
  void endProgram();

  bool startedUp_ = false;
  ObservationOwner& observation_;  // written by this window alone, but for the list's selection
  SettingsStore& settings_;
  ConfigRecord config_;
  JupiterState state_;
  JupiterState spokenState_;  // state_ as the data panel showed it, before the depth sort
  // The moons' shadows at the instant of state_, from the modern theory.
  std::array<MoonShadow, 5> shadows_{};
  // Which theory places the moons (View/Positions in Kelvra95.ini).
  PositionTheory positions_ = PositionTheory::Classic;
  // The mutual events near the instant, and what they show at it.
  MutualEventsNearby mutualEvents_;
  MutualLook mutual_;

  // UI state.
  CivilDateTime instant_{2000, 1, 1, 0, 0, 0};  // the displayed instant, local civil time
  // Minutes, UT = local + offset: the zone taken once at start-up, the clock instant_ is read
  // on; every conversion of the displayed instant uses it, and the side windows read it from
  // the observation.
  std::int32_t zoneOffset_ = 0;
  bool NorthernHemisphere = true;
  double Magnification = 1.0;           // 1.0 .. 3.0 in steps of 0.5
  ViewSigns signs_{1, -1};              // of the selected view and hemisphere
  std::uint16_t AnimationInterval = 0;  // minutes per frame, 0 .. 999; 0: no animation
  JulianDay AnimationJulianDay = 0;     // days, the instant of the next frame
  bool Dragging = false;
  QPoint dragStart_;              // pixels, relative to the handle
  std::vector<DockSide> docked_;  // where each side window is counted (SideWindow order)

  ImageView* imgTopBar = nullptr;
  ImageView* imgMiddleBar = nullptr;
  ImageView* imgBottomBar = nullptr;
  ImageView* imgCentre = nullptr;
  ImageView* imgLeft = nullptr;
  ImageView* imgRight = nullptr;
  QLabel* lblSystem1 = nullptr;
  QLabel* lblSystem2 = nullptr;
  QLabel* lblPositions = nullptr;  // the data panel's caption while the modern positions are on
  std::array<PanelRow, 4> panelRows_{};

  // The pictures the views are drawn with, at the views' pixel ratio.
  QImage imgJupiter;  // the disc of the instrument and magnification in use
  QImage imgJupiterPole;

  WindowMenu* menu_ = nullptr;
  QAction* nowAction_ = nullptr;  // greyed with the Now button in real time

  KRthread* AnimationThread = nullptr;
  // The frames are counted from a start, so that each frame's instant is one sum.
  JulianDay animationStart_ = 0;     // days, the instant of frame 0
  std::int64_t animationFrame_ = 0;  // the number of the frame in AnimationJulianDay
  std::uint16_t animationStep_ = 0;  // minutes per frame of this count
  TInterval* interval_ = nullptr;
  TAboutWin* about_ = nullptr;
  // One place per kind of side window, in SideWindow order; the window once it is added.
  struct SidePlace {
    const SideWindowKind* kind;
    std::unique_ptr<SideWindowForm> window;
  };
  std::vector<SidePlace> sides_;
  std::vector<std::unique_ptr<SideWindowForm>> strays_;    // of a kind not given at creation
  DocumentOpener* helpOpener_ = new DocumentOpener(this);  // one help attempt at a time
};

}  // namespace kelvra
