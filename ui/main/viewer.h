// The main window: the eyepiece and plan views, date and time entry, the data panel, real
// time and animation, and the placement of the side windows beside it.
#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>

#include "core/calendar.h"
#include "core/ephemeris.h"
#include "core/moon_events.h"
#include "core/view.h"
#include "ui/main/placement.h"
#include "ui/main/settings.h"
#include "ui/main/side_window_host.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace kelvra {

class ClickArea;
class ImageView;
class KRthread;
class TAboutWin;
class TGRSTransits;
class TInterval;
class TSatTracks;

class TViewer : public QWidget, public SideWindowHost {
  Q_OBJECT

 public:
  // Creation (FormCreate): time zone, settings, the six skins, the start state, the clock.
  explicit TViewer(QWidget* parent = nullptr);
  ~TViewer() override;

  // False when a skin picture could not be loaded: the program must end without computing.
  bool startedUp() const { return startedUp_; }

  // The windows created after this one, in the order of creation.
  void setOtherWindows(TSatTracks* tracks, TInterval* interval, TAboutWin* about,
                       TGRSTransits* grs);

  // SideWindowHost
  std::uint16_t displayedMonth() const override { return Month; }
  std::uint16_t displayedYear() const override { return Year; }
  ViewKind selectedView() const override;
  bool northernHemisphere() const override { return NorthernHemisphere; }
  std::int32_t eastWestSign() const override { return EastWestSign; }
  ConfigRecord& config() override { return config_; }
  void saveSettings() override;
  void sideWindowClosing(QWidget& window) override;

  // The displayed instant, local civil time.
  std::uint16_t Day = 1, Month = 1, Year = 2000, Hour = 0, Minute = 0, Second = 0;

  // View state.
  bool NorthernHemisphere = true;
  double Magnification = 1.0;       // 1.0 .. 3.0 in steps of 0.5
  std::int32_t EastWestSign = -1;   // +1 or -1
  std::int32_t NorthSouthSign = 1;  // +1 or -1
  std::array<std::int32_t, 5> DrawOrder{0, 1, 2, 3, 4};

  // Animation.
  std::uint16_t AnimationInterval = 0;  // minutes per frame, 0 .. 999; 0: no animation
  JulianDay AnimationJulianDay = 0;     // days, the instant of the next frame

  // Dragging the window by its handle.
  bool Dragging = false;
  std::int32_t DragStartX = 0, DragStartY = 0;  // pixels, relative to the handle

  // The windows beside the main window on each side, 0..2.
  int LeftDockCount() const { return desk().count(DockSide::Left); }
  int RightDockCount() const { return desk().count(DockSide::Right); }

  JupiterState& state() { return state_; }

  // The recompute path and its parts.
  void SatelliteCalculations(std::uint16_t day, std::uint16_t month, std::uint16_t year,
                             std::uint16_t hour, std::uint16_t minute, std::uint16_t second);
  void CalculatePositionNow(JulianDay jd);
  void PlotSatellites();
  void DisplayCompassDirections();
  void ChangeMagnification(double magnification);
  void ShowDateAndTime();
  void ValidateDate();

  // Starts (or restarts from the instant shown) the animation with AnimationInterval, as the
  // Animate button does once the interval dialog has closed. Nothing happens for 0.
  void StartAnimation();
  // One animation frame; runs on this (the main) thread.
  void AnimationStep();
  bool animationRunning() const;

  // Placement of the side windows.
  void PositionForm(QWidget& form);
  void MoveForm(QWidget& form, int dx, int dy);

  // Handlers, named after component and event.
  void cmbViewClick();
  void lblMagnifyClick();
  void lblReduceClick();
  void imgHemisphereClick();
  void txtDayExit();
  void txtYearExit();
  void txtHourExit();
  void txtMinuteExit();
  void txtSecondExit();
  void cmbMonthClick();
  void cmbMonthChange();
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
  void lblTracksClick();
  void lblGRSClick();
  void lblAboutClick();
  void lblHelpClick();

  // Components that tests and the side windows look at.
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
  QImage imgJupiter;  // the Jupiter picture in use, copied from one of the fifteen

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

  void FormCreate();
  void FormActivate();
  bool loadSkins();
  void buildLayout();
  void buildToolbar();
  void buildEntryFields();
  void buildDataPanel();
  QLabel* addLabel(const char* name, QPoint at, int width, const QString& text, bool bold,
                   int pixelSize = 12);
  QLineEdit* addEntryField(const char* name, QRect geometry, int maxLength);
  void setEntryEnabled(bool enabled);
  void recompute();
  void redrawSideWindows();
  void readLocalClock();
  bool keyPressInField(QLineEdit* field, QKeyEvent* event);
  void leaveField(QLineEdit* field);
  void commitTypedEntry();
  std::uint16_t fieldValue(QLineEdit* field);
  std::uint16_t timeFieldValue(QLineEdit* field, std::uint16_t highest, const QString& name);
  void showSideWindow(QWidget& window, bool usable);
  Desk desk() const;
  void applyDesk(const Desk& next);
  QWidget* sideWindow(SideWindow which) const;
  void moveToScreenPosition(QWidget& window, QPoint topLeft);

  bool startedUp_ = false;
  ConfigRecord config_;
  JupiterState state_;
  // The moons' shadows at the instant of state_, from the modern theory.
  std::array<MoonShadow, 5> shadows_{};
  std::array<DockSide, 2> docked_{};  // where the tracks and GRS windows are counted

  ImageView* imgTopBar = nullptr;
  ImageView* imgMiddleBar = nullptr;
  ImageView* imgBottomBar = nullptr;
  ImageView* imgCentre = nullptr;
  ImageView* imgLeft = nullptr;
  ImageView* imgRight = nullptr;
  QLabel* lblSystem1 = nullptr;
  QLabel* lblSystem2 = nullptr;
  std::array<PanelRow, 4> panelRows_{};

  // Hidden picture holders.
  std::array<std::array<QImage, 5>, 3> jupiterPictures_;  // [view][magnification step]
  QImage imgJupiterPole;
  std::array<QImage, 4> compassPictures_;  // CompassRose order
  QImage imgNorthHemisphere, imgSouthHemisphere, imgNowUp, imgNowDown, imgNowDisabled;

  KRthread* AnimationThread = nullptr;
  // The frames are counted from a start, so that each frame's instant is one sum.
  JulianDay animationStart_ = 0;     // days, the instant of frame 0
  std::int64_t animationFrame_ = 0;  // the number of the frame in AnimationJulianDay
  std::uint16_t animationStep_ = 0;  // minutes per frame of this count
  TSatTracks* tracks_ = nullptr;
  TInterval* interval_ = nullptr;
  TAboutWin* about_ = nullptr;
  TGRSTransits* grs_ = nullptr;
};

}  // namespace kelvra
