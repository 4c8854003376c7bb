#include "ui/main/viewer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include <filesystem>
#include <optional>

#include "core/data_panel.h"
#include "ui/common/clock.h"
#include "ui/common/entry_field.h"
#include "ui/common/jpeg_loader.h"
#include "ui/common/messages.h"
#include "ui/common/open_document.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window.h"
#include "ui/common/widgets.h"
#include "ui/main/about.h"
#include "ui/main/animation.h"
#include "ui/main/date_rules.h"
#include "ui/main/interval.h"
#include "ui/main/krthread.h"
#include "ui/main/main_pictures.h"
#include "ui/main/positions_setting.h"
#include "ui/main/satellite_view.h"

namespace kelvra {
namespace {

QString twoDigits(std::uint16_t value) {
  return QStringLiteral("%1").arg(value, 2, 10, QChar('0'));
}

// QLineEdit repaints on every setText, even of the text it holds, and an animation frame
// changes one or two of the five fields: the others are left alone. A field holding an edit
// the user has not yet left keeps it: the edit is checked and taken when the field is left.
void showInField(QLineEdit* field, const QString& text) {
  if (!field->isModified() && field->text() != text) field->setText(text);
}

// The user's decimal separator, read from the system locale the first time it is needed.
char decimalSeparator() {
  static const char separator = QLocale::system().decimalPoint().at(0).toLatin1();
  return separator;
}

CompassRose compassFor(ViewKind view, bool northern) {
  switch (view) {
    case ViewKind::AstroScope:
      return northern ? CompassRose::AstroScope : CompassRose::Other;
    case ViewKind::Binoculars:
      return northern ? CompassRose::Binoculars : CompassRose::StarDiagonal;
    case ViewKind::StarDiagonal:
      return northern ? CompassRose::StarDiagonal : CompassRose::Binoculars;
  }
  return CompassRose::AstroScope;
}

// Shows a panel value (Latin-1 text). Most labels keep their text from one frame to the
// next; comparing first spares them a QString made only to be thrown away.
void showInLabel(QLabel* label, const std::string& text) {
  const QLatin1StringView latin1(text.data(), static_cast<qsizetype>(text.size()));
  if (label->text() != latin1) label->setText(latin1);
}

// The displayed instant is read on the main window's clock, whose offset takes it to UT.
JulianDay julianDayOf(const CivilDateTime& t, std::int32_t offset) {
  return JulianDayFromDate(t.day, t.month, t.year, t.hour, t.minute, t.second, offset);
}

}  // namespace

void TViewer::setOtherWindows(TInterval* interval, TAboutWin* about) {
  interval_ = interval;
  about_ = about;
}

ViewKind TViewer::selectedView() const {
  return static_cast<ViewKind>(cmbView->currentIndex());
}

void TViewer::saveSettings() {
  settings_.writeConfig(config_);
}

void TViewer::setSite(const std::optional<SiteSetting>& site) {
  PutSite(settings_.ini(), site);
  settings_.syncIni();
  Observation next = observation_.value();
  next.site = site;
  observation_.set(next);
}

// --- The displayed instant and the one recompute path -------------------------------------

void TViewer::setInstant(const CivilDateTime& shown, InstantChange why) {
  showInstant(shown, julianDayOf(shown, zoneOffset_), why);
}

void TViewer::showInstant(const CivilDateTime& shown, JulianDay jd, InstantChange why) {
  instant_ = shown;
  for (QLineEdit* field : {txtDay, txtYear, txtHour, txtMinute, txtSecond}) {
    field->setModified(false);  // replaced by the new instant
  }
  recompute(jd, why);
}

void TViewer::recompute(InstantChange why) {
  recompute(julianDayOf(instant_, zoneOffset_), why);
}

void TViewer::recompute(JulianDay jd, InstantChange why) {
  showDateAndTime();
  if (positions_ == PositionTheory::Modern) {
    const ModernScene scene = ModernPositionsAt(jd);
    state_ = scene.state;
    shadows_ = scene.shadows;
  } else {
    c(jd, state_);
    shadows_ = MoonShadowsAt(jd);
  }
  mutual_ = mutualEvents_.at(jd);
  showDataPanel();
  speakViews();
  plotSatellites();
  observation_.set(shown(), why);
}

Observation TViewer::shown() const {
  Observation next = observation_.value();
  next.instantUT = julianDayOf(instant_, zoneOffset_);
  next.zoneOffset = zoneOffset_;
  next.view = selectedView();
  next.northernHemisphere = NorthernHemisphere;
  next.positions = positions_;
  return next;
}

void TViewer::jumpToInstant(JulianDay ut) {
  if (animationRunning()) AnimationThread->suspendAnimation();
  if (Timer1->isActive()) {
    Timer1->stop();
    setEntryEnabled(true);
  }
  setInstant(CalDate(ut, zoneOffset_), InstantChange::Jump);
}

void TViewer::showDateAndTime() {
  showInField(txtDay, twoDigits(instant_.day));
  if (cmbMonth->currentIndex() != instant_.month - 1) cmbMonth->setCurrentIndex(instant_.month - 1);
  showInField(txtYear, QString::number(instant_.year));
  showInField(txtHour, twoDigits(instant_.hour));
  showInField(txtMinute, twoDigits(instant_.minute));
  showInField(txtSecond, twoDigits(instant_.second));
}

void TViewer::showDataPanel() {
  const DataPanelText panel = FormatDataPanel(state_, decimalSeparator());
  const double scale = SideViewScaleFor(Magnification);  // pixels per radius
  showInLabel(lblSystem1, panel.systemI);
  showInLabel(lblSystem2, panel.systemII);
  for (std::size_t i = 0; i < 4; ++i) {
    const SatelliteRowText& text = panel.satellites[i];
    const PanelRow& row = panelRows_[i];
    showInLabel(row.northSouth, text.northSouth);
    showInLabel(row.northSouthFlag, text.northSouthFlag);
    showInLabel(row.eastWest, text.eastWest);
    showInLabel(row.eastWestFlag, text.eastWestFlag);
    showInLabel(row.angle, text.angle);
    const int satellite = static_cast<int>(i) + 1;
    const QColor colour =
        DataPanelColour(state_.X[satellite], state_.Y[satellite], state_.U[satellite], scale);
    for (QLabel* label : {row.northSouth, row.northSouthFlag, row.eastWest, row.eastWestFlag,
                          row.angle, row.degree}) {
      SetTextColour(*label, colour);
    }
  }
}

void TViewer::plotSatellites() {
  // The window came to a screen of another pixel ratio: so do Jupiter's pictures.
  if (imgJupiter.devicePixelRatio() != imgSideView->canvas().devicePixelRatio())
    pickJupiterPictures();
  DrawPlanView(imgPlanView->canvas(), state_, signs_.EastWestSign, imgJupiterPole);
  std::array<std::int32_t, 5> order = SortSatellites(state_.U);
  for (const auto& [active, passive] : mutual_.occultations) {
    DrawActiveOverPassive(order, active, passive);
  }
  DrawSideView(imgSideView->canvas(), state_, shadows_, order, SideViewScaleFor(Magnification),
               signs_.EastWestSign, signs_.NorthSouthSign, imgJupiter, mutual_.lightLost);
  imgPlanView->update();
  imgSideView->update();
}

// --- View, hemisphere, magnification --------------------------------------------------------

void TViewer::displayCompassDirections() {
  if (cmbView->currentIndex() < 0) return;
  signs_ = SignsFor(selectedView(), NorthernHemisphere);
  imgCompass->setPicture([rose = compassFor(selectedView(), NorthernHemisphere)](double ratio) {
    return CompassPicture(rose, ratio);
  });
}

void TViewer::changeMagnification(double magnification) {
  Magnification = magnification;
  pickJupiterPictures();
  recompute(InstantChange::Redraw);
}

void TViewer::lblMagnifyClick() {
  if (Magnification < 3) changeMagnification(Magnification + 0.5);
}

void TViewer::lblReduceClick() {
  if (Magnification > 1) changeMagnification(Magnification - 0.5);
}

void TViewer::cmbViewClick() {
  displayCompassDirections();
  changeMagnification(Magnification);
}

void TViewer::togglePositions() {
  positions_ = modernPositions() ? PositionTheory::Classic : PositionTheory::Modern;
  kPositionsKey.write(settings_.ini(), positions_);
  settings_.syncIni();
  lblPositions->setVisible(modernPositions());
  recompute(InstantChange::Redraw);
}

void TViewer::imgHemisphereClick() {
  NorthernHemisphere = !NorthernHemisphere;
  showHemisphere();
  displayCompassDirections();
  recompute(InstantChange::Redraw);
}

// --- Date and time entry --------------------------------------------------------------------

// The date as the fields hold it must exist; else the error box says why and the day, the
// field the box is about, is corrected.
void TViewer::checkDate() {
  const DateCheck check = CheckDate(NumberFieldValue(txtDay->text()).value_or(0),
                                    static_cast<std::uint16_t>(cmbMonth->currentIndex() + 1),
                                    NumberFieldValue(txtYear->text()).value_or(0));
  if (check.message.isEmpty()) return;
  ReportFieldError(*txtDay, check.message);
  instant_.day = check.day;
}

// A field whose text is no number (pasted) has been reported; it then counts as empty.
std::uint16_t TViewer::fieldValue(QLineEdit* field) {
  const std::optional<std::uint16_t> value = ReadNumberField(*field);
  if (value) return *value;
  field->setText(QStringLiteral("0"));
  return 0;
}

void TViewer::txtDayExit() {
  instant_.day = fieldValue(txtDay);
  checkDate();
  recompute(InstantChange::Set);
}

void TViewer::txtYearExit() {
  instant_.year = fieldValue(txtYear);
  checkDate();
  recompute(InstantChange::Set);
}

// A time field's value, reported and cut to `highest` when it lies above it.
std::uint16_t TViewer::timeFieldValue(QLineEdit* field, std::uint16_t highest) {
  const std::uint16_t value = fieldValue(field);
  if (value <= highest) return value;
  // Whole sentences, so that each language words them its own way.
  if (field == txtHour) {
    ReportFieldError(*field, tr("Hour must lie between 0 and %1").arg(highest));
  } else if (field == txtMinute) {
    ReportFieldError(*field, tr("Minute must lie between 0 and %1").arg(highest));
  } else {
    ReportFieldError(*field, tr("Second must lie between 0 and %1").arg(highest));
  }
  return highest;
}

void TViewer::txtHourExit() {
  instant_.hour = timeFieldValue(txtHour, 23);
  recompute(InstantChange::Set);
}

void TViewer::txtMinuteExit() {
  instant_.minute = timeFieldValue(txtMinute, 59);
  recompute(InstantChange::Set);
}

void TViewer::txtSecondExit() {
  instant_.second = timeFieldValue(txtSecond, 59);
  recompute(InstantChange::Set);
}

void TViewer::leaveField(QLineEdit* field) {
  field->setModified(false);  // checked: an edit left for good is no longer pending
  if (field == txtDay) txtDayExit();
  if (field == txtYear) txtYearExit();
  if (field == txtHour) txtHourExit();
  if (field == txtMinute) txtMinuteExit();
  if (field == txtSecond) txtSecondExit();
}

// The toolbar and window buttons take no focus: one that acts on the instant first checks and
// takes a field's unchecked edit, as if the focus had left the field.
void TViewer::commitTypedEntry() {
  for (QLineEdit* field : {txtDay, txtYear, txtHour, txtMinute, txtSecond}) {
    if (field->isModified()) leaveField(field);
  }
}

bool TViewer::keyPressInField(QLineEdit* field, QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    QWidget* next = field == txtDay      ? static_cast<QWidget*>(cmbMonth)
                    : field == txtYear   ? static_cast<QWidget*>(txtHour)
                    : field == txtHour   ? static_cast<QWidget*>(txtMinute)
                    : field == txtMinute ? static_cast<QWidget*>(txtSecond)
                                         : static_cast<QWidget*>(cmbView);
    next->setFocus(Qt::TabFocusReason);
    return true;
  }
  return RefuseKey(*field, *event, DiscardedInNumberField(*event));
}

bool TViewer::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the month list moves on to the year, as Enter does in the fields; the list itself
  // ignores it, and the year's digits typed next would go to the list and be lost.
  if (watched == cmbMonth && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      txtYear->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    return keyPressInField(field, static_cast<QKeyEvent*>(event));
  }
  if (event->type() == QEvent::FocusOut) {
    // Only a move of the focus within the window leaves the field; a message box or another
    // window taking the focus does not.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      leaveField(field);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TViewer::cmbMonthClick() {
  instant_.month = static_cast<std::uint16_t>(cmbMonth->currentIndex() + 1);
  checkDate();
  recompute(InstantChange::Set);
}

void TViewer::imgNowButtonClick() {
  setInstant(LocalCivilTime(Now()));
}

// --- Real time and animation ----------------------------------------------------------------

void TViewer::setEntryEnabled(bool enabled) {
  for (QWidget* widget : std::initializer_list<QWidget*>{txtDay, cmbMonth, txtYear, txtHour,
                                                         txtMinute, txtSecond, imgNowButton}) {
    widget->setEnabled(enabled);
  }
  nowAction_->setEnabled(enabled);  // its key and menu entry too
  // The button is a picture: its face shows whether it can be used.
  imgNowButton->setPicture([enabled](double ratio) {
    return enabled ? NowButtonFace(false, ratio) : NowButtonDisabledFace(ratio);
  });
}

void TViewer::lblRealtimeClick() {
  if (Timer1->isActive()) {
    Timer1->stop();
  } else {
    Timer1->start();
  }
  setEntryEnabled(!Timer1->isActive());
}

void TViewer::Timer1Timer() {
  setInstant(LocalCivilTime(Now()), InstantChange::Tick);
}

void TViewer::lblAnimateClick() {
  if (interval_ == nullptr) return;
  interval_->move(IntervalDialogPlace(geometry()));
  RunModal(*interval_);
  StartAnimation();
}

void TViewer::StartAnimation() {
  if (AnimationInterval == 0) return;
  Timer1->stop();
  AnimationJulianDay = julianDayOf(instant_, zoneOffset_);
  AnimationThread->resumeAnimation();
}

void TViewer::lblStopClick() {
  AnimationThread->suspendAnimation();
  recompute(InstantChange::Redraw);
}

bool TViewer::animationRunning() const {
  return AnimationThread != nullptr && AnimationThread->animating();
}

void TViewer::AnimationStep() {
  showInstant(CalDate(AnimationJulianDay, zoneOffset_), AnimationJulianDay, InstantChange::Frame);
  // A count starts wherever the instant or the interval was set from outside it: Animate,
  // or the interval dialog closed with 0 while frames run, which holds them where they are.
  if (AnimationJulianDay !=
          AnimationFrameJulianDay(animationStart_, animationFrame_, animationStep_) ||
      AnimationInterval != animationStep_) {
    animationStart_ = AnimationJulianDay;
    animationFrame_ = 0;
    animationStep_ = AnimationInterval;
  }
  ++animationFrame_;
  AnimationJulianDay = AnimationFrameJulianDay(animationStart_, animationFrame_, animationStep_);
}

// --- Windows --------------------------------------------------------------------------------

bool TViewer::event(QEvent* event) {
  // Back to this window (About closed, a click from a side window): the views are drawn
  // afresh; a date or time typed and not yet left stays in its field. Shown, too: where the
  // window is never activated (a compositor that does not), its first picture is drawn
  // all the same.
  const bool drawn = event->type() == QEvent::WindowActivate || event->type() == QEvent::Show;
  if (drawn && startedUp_) {
    recompute(InstantChange::Redraw);
  }
  return QWidget::event(event);
}

void TViewer::endProgram() {
  for (SideWindowForm* window : sideWindows()) {
    if (window->isVisible()) window->close();
  }
  if (AnimationThread != nullptr) AnimationThread->end();
  QApplication::quit();
}

void TViewer::closeEvent(QCloseEvent* event) {
  endProgram();
  event->accept();
}

void TViewer::btnExitClick() {
  endProgram();
}

void TViewer::btnMinimiseClick() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) window->showMinimized();
  }
}

void TViewer::lblHelpClick() {
  if (helpOpener_->busy()) return;  // the viewer is still starting
  const std::filesystem::path help = ProgramDirectory() / "docs" / "Kelvra95.htm";
  std::error_code error;
  if (!std::filesystem::is_regular_file(help, error)) {
    ShowMessage(tr("Cannot find Help File"));
    return;
  }
  helpOpener_->open(help);
}

void TViewer::lblAboutClick() {
  if (about_ == nullptr) return;
  about_->move(CentredOver(geometry(), about_->size()));
  RunModal(*about_);
}

}  // namespace kelvra
