#include "ui/main/viewer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <cmath>
#include <filesystem>
#include <optional>

#include "core/data_panel.h"
#include "ui/grs/grs_transits.h"
#include "ui/main/about.h"
#include "ui/main/animation.h"
#include "ui/main/clock.h"
#include "ui/main/entry_field.h"
#include "ui/main/interval.h"
#include "ui/main/jpeg_loader.h"
#include "ui/main/krthread.h"
#include "ui/main/messages.h"
#include "ui/main/pictures.h"
#include "ui/main/satellite_view.h"
#include "ui/main/widgets.h"
#include "ui/tracks/sat_tracks.h"

namespace kelvra {
namespace {

constexpr QSize kClientSize{638, 479};  // pixels
const QColor kTeal{0, 128, 128};
const QColor kEntryBackground{255, 255, 181};  // the combo boxes, like the number fields

QFont arial(int pixelSize, bool bold = false) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QString twoDigits(std::uint16_t value) {
  return QStringLiteral("%1").arg(value, 2, 10, QChar('0'));
}

// QLineEdit repaints on every setText, even of the text it holds, and an animation frame
// changes one or two of the five fields: the others are left alone.
void showInField(QLineEdit* field, const QString& text) {
  if (field->text() != text) field->setText(text);
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

void setTextColour(QLabel* label, Rgb colour) {
  const QColor wanted(colour.red, colour.green, colour.blue);
  if (label->palette().color(QPalette::WindowText) == wanted) return;
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, wanted);
  label->setPalette(palette);
}

// Shows a panel value (Latin-1 text). Most labels keep their text from one frame to the
// next; comparing first spares them a QString made only to be thrown away.
void showInLabel(QLabel* label, const std::string& text) {
  const QLatin1StringView latin1(text.data(), static_cast<qsizetype>(text.size()));
  if (label->text() != latin1) label->setText(latin1);
}

}  // namespace

TViewer::TViewer(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Viewer"));
  FormCreate();
}

TViewer::~TViewer() {
  if (AnimationThread != nullptr) AnimationThread->end();
}

void TViewer::FormCreate() {
  TimeZoneOffset = TimeZoneOffsetAt(Now());
  config_ = ReadSettings(ProgramDirectory());

  setFixedSize(kClientSize);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kTeal);
  setPalette(palette);
  setAutoFillBackground(true);

  if (!loadSkins()) return;  // the program ends; nothing may be computed or drawn

  buildLayout();
  connect(&ButtonActions::instance(), &ButtonActions::aboutToAct, this, &TViewer::commitTypedEntry);
  AnimationThread = new KRthread([this] { AnimationStep(); }, this);
  cmbView->setCurrentIndex(0);
  DisplayCompassDirections();
  imgJupiter = jupiterPictures_[0][0];

  const QRect screen = this->screen()->geometry();
  move(screen.left() + (screen.width() - width()) / 2,
       screen.top() + (screen.height() - height()) / 2);
  readLocalClock();
  startedUp_ = true;
}

bool TViewer::loadSkins() {
  struct Skin {
    ImageView** target;
    const char* name;
    const char* file;
    QPoint at;
  };
  const Skin skins[] = {
      {&imgTopBar, "imgTopBar", "Kelvra1.dat", {20, 0}},
      {&imgMiddleBar, "imgMiddleBar", "Kelvra2.dat", {20, 155}},
      {&imgBottomBar, "imgBottomBar", "Kelvra3.dat", {20, 457}},
      {&imgCentre, "imgCentre", "Kelvra4.dat", {20, 182}},
      {&imgLeft, "imgLeft", "Kelvra5.dat", {0, 0}},
      {&imgRight, "imgRight", "Kelvra6.dat", {616, 0}},
  };
  for (const Skin& skin : skins) {
    *skin.target = new ImageView(this, skin.name);
    (*skin.target)->move(skin.at);
    if (!LoadJpegAsset(**skin.target, QString::fromLatin1(skin.file))) return false;
  }
  return true;
}

void TViewer::buildLayout() {
  for (int view = 0; view < 3; ++view) {
    for (int step = 0; step < 5; ++step) {
      jupiterPictures_[view][step] = JupiterDisc(static_cast<ViewKind>(view), step);
    }
  }
  imgJupiterPole = JupiterPole();
  for (int rose = 0; rose < 4; ++rose) {
    compassPictures_[rose] = CompassPicture(static_cast<CompassRose>(rose));
  }
  imgNorthHemisphere = HemispherePicture(true);
  imgSouthHemisphere = HemispherePicture(false);
  imgNowUp = NowButtonFace(false);
  imgNowDown = NowButtonFace(true);
  imgNowDisabled = NowButtonDisabledFace();

  imgSideView = new ImageView(this, "imgSideView");
  imgSideView->setGeometry(20, 56, 597, 99);
  imgSideView->setImage(QImage(597, 99, QImage::Format_RGB32));
  imgPlanView = new ImageView(this, "imgPlanView");
  imgPlanView->setGeometry(339, 182, 278, 275);
  imgPlanView->setImage(QImage(278, 275, QImage::Format_RGB32));
  // Each view's picture covers the whole view, so a frame need not paint what lies beneath.
  for (ImageView* view : {imgSideView, imgPlanView}) view->setAttribute(Qt::WA_OpaquePaintEvent);
  imgCompass = new ImageView(this, "imgCompass");
  imgCompass->setGeometry(39, 293, 40, 40);

  buildEntryFields();
  buildDataPanel();
  buildToolbar();

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TViewer::Timer1Timer);
}

QLabel* TViewer::addLabel(const char* name, QPoint at, int width, const QString& text, bool bold,
                          int pixelSize) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(arial(pixelSize, bold));
  label->setGeometry(at.x(), at.y(), width, pixelSize + 4);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

QLineEdit* TViewer::addEntryField(const char* name, QRect geometry, int maxLength) {
  QLineEdit* field = MakeNumberField(this, name, geometry, maxLength);
  field->installEventFilter(this);
  return field;
}

void TViewer::buildEntryFields() {
  addLabel("lblDate", {24, 190}, 34, QStringLiteral("Date:"), true);
  addLabel("lblTime", {24, 218}, 34, QStringLiteral("Time:"), true);
  addLabel("lblView", {24, 247}, 34, QStringLiteral("View:"), true);
  addLabel("lblColon1", {82, 218}, 6, QStringLiteral(":"), true);
  addLabel("lblColon2", {110, 218}, 6, QStringLiteral(":"), true);

  txtDay = addEntryField("txtDay", {60, 187, 21, 23}, 2);
  cmbMonth = new FocusFramedComboBox(this);
  cmbMonth->setObjectName(QStringLiteral("cmbMonth"));
  cmbMonth->setGeometry(85, 187, 58, 23);
  const QLocale locale = QLocale::system();
  for (int month = 1; month <= 12; ++month) {
    cmbMonth->addItem(locale.monthName(month, QLocale::ShortFormat));
  }
  txtYear = addEntryField("txtYear", {148, 187, 37, 23}, 4);
  txtHour = addEntryField("txtHour", {60, 215, 21, 23}, 2);
  txtMinute = addEntryField("txtMinute", {88, 215, 21, 23}, 2);
  txtSecond = addEntryField("txtSecond", {116, 215, 21, 23}, 2);
  cmbView = new FocusFramedComboBox(this);
  cmbView->setObjectName(QStringLiteral("cmbView"));
  cmbView->setGeometry(60, 244, 125, 23);
  cmbView->addItems({QStringLiteral("Astro Scope"), QStringLiteral("Binoculars"),
                     QStringLiteral("Star Diagonal")});
  for (QComboBox* box : {cmbMonth, cmbView}) {
    box->setFont(arial(12));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, kEntryBackground);
    palette.setColor(QPalette::Button, kEntryBackground);
    box->setPalette(palette);
  }
  connect(cmbMonth, &QComboBox::activated, this, &TViewer::cmbMonthClick);
  connect(cmbView, &QComboBox::activated, this, &TViewer::cmbViewClick);

  imgNowButton = new ImageView(this, "imgNowButton");
  imgNowButton->setGeometry(142, 215, 43, 23);
  imgNowButton->setImage(imgNowUp);
  imgNowButton->setAnnouncesClicks(false);  // it replaces the fields anyway
  connect(imgNowButton, &ImageView::pressed, this, [this] { imgNowButton->setImage(imgNowDown); });
  connect(imgNowButton, &ImageView::released, this, [this] { imgNowButton->setImage(imgNowUp); });
  connect(imgNowButton, &ImageView::clicked, this, &TViewer::imgNowButtonClick);

  setTabOrder(txtDay, cmbMonth);
  setTabOrder(cmbMonth, txtYear);
  setTabOrder(txtYear, txtHour);
  setTabOrder(txtHour, txtMinute);
  setTabOrder(txtMinute, txtSecond);
  setTabOrder(txtSecond, cmbView);
}

void TViewer::buildDataPanel() {
  addLabel("Label7", {214, 191}, 93, QStringLiteral("Central Meridian"), true);
  addLabel("Label9", {207, 225}, 52, QStringLiteral("System I:"), true);
  addLabel("Label8", {207, 248}, 55, QStringLiteral("System II:"), true);
  addLabel("Label11", {139, 291}, 57, QStringLiteral("Distances"), true);
  QLabel* angleCaption = addLabel("Label10", {242, 291}, 77,
                                  QStringLiteral("Angle from Inferior Conj. (degrees)"), true);
  angleCaption->setWordWrap(true);
  angleCaption->setFixedHeight(48);
  angleCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  addLabel("Label12", {119, 322}, 26, QStringLiteral("N - S"), true);
  addLabel("Label13", {188, 322}, 29, QStringLiteral("E - W"), true);

  const auto value = [this](const QString& name, QPoint at, int width) {
    QLabel* label = addLabel(name.toLatin1().constData(), at, width, QStringLiteral("0.00"), false);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColour(label, kAqua);
    return label;
  };
  const auto degree = [this](const char* name, QPoint at) {
    QLabel* label = addLabel(name, at, 6, QStringLiteral("\u00B0"), false, 15);
    setTextColour(label, kAqua);
    return label;
  };
  lblSystem1 = value(QStringLiteral("lblSystem1"), {265, 225}, 44);
  degree("Label1", {310, 225});
  lblSystem2 = value(QStringLiteral("lblSystem2"), {265, 248}, 44);
  degree("Label14", {310, 248});

  const char* names[] = {"Io", "Europa", "Ganymede", "Callisto"};
  const char* nameLabels[] = {"Label18", "Label19", "Label20", "Label21"};
  const int tops[] = {349, 377, 404, 432};
  for (int i = 0; i < 4; ++i) {
    const QString satellite = QString::fromLatin1(names[i]);
    const int top = tops[i];
    addLabel(nameLabels[i], {45, top}, 60, satellite, true)->adjustSize();
    PanelRow& row = panelRows_[i];
    row.northSouth = value(QStringLiteral("lbl%1NS").arg(satellite), {99, top}, 37);
    row.northSouthFlag = value(QStringLiteral("lbl%1NSF").arg(satellite), {141, top}, 20);
    row.eastWest = value(QStringLiteral("lbl%1EW").arg(satellite), {167, top}, 41);
    row.eastWestFlag = value(QStringLiteral("lbl%1EWF").arg(satellite), {212, top}, 20);
    row.angle = value(QStringLiteral("lbl%1IC").arg(satellite), {243, top}, 52);
    row.degree =
        degree(QStringLiteral("lbl%1Deg").arg(satellite).toLatin1().constData(), {296, top});
    row.northSouthFlag->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row.eastWestFlag->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
}

void TViewer::buildToolbar() {
  const auto area = [this](const char* name, QRect geometry, void (TViewer::*handler)(),
                           const QString& hint) {
    auto* clickArea = new ClickArea(this, name, geometry, hint);
    connect(clickArea, &ClickArea::clicked, this, handler);
    return clickArea;
  };
  area("lblMagnify", {20, 12, 19, 19}, &TViewer::lblMagnifyClick, QStringLiteral("Magnify"));
  area("lblReduce", {46, 12, 19, 19}, &TViewer::lblReduceClick, QStringLiteral("Reduce"));
  area("lblAnimate", {90, 12, 19, 19}, &TViewer::lblAnimateClick, QStringLiteral("Animate"));
  area("lblStop", {116, 12, 19, 19}, &TViewer::lblStopClick, QStringLiteral("Stop"));
  area("lblRealtime", {142, 12, 19, 19}, &TViewer::lblRealtimeClick, QStringLiteral("Real time"));
  area("lblTracks", {192, 12, 21, 18}, &TViewer::lblTracksClick,
       QStringLiteral("Satellite tracks"));
  area("lblGRS", {226, 13, 17, 16}, &TViewer::lblGRSClick,
       QStringLiteral("Great Red Spot transits"));
  area("lblHelp", {506, 12, 25, 21}, &TViewer::lblHelpClick, QStringLiteral("Help"));
  area("lblAbout", {540, 10, 15, 21}, &TViewer::lblAboutClick, QStringLiteral("About"));
  area("btnMinimise", {588, 11, 19, 16}, &TViewer::btnMinimiseClick, QStringLiteral("Minimise"))
      ->setAnnouncesClicks(false);
  area("btnExit", {609, 9, 19, 16}, &TViewer::btnExitClick, QStringLiteral("Exit"))
      ->setAnnouncesClicks(false);

  auto* handle = new ClickArea(this, "lblKelvra95", {279, 6, 80, 27});
  connect(handle, &ClickArea::pressed, this, &TViewer::lblKelvra95MouseDown);
  connect(handle, &ClickArea::moved, this, &TViewer::lblKelvra95MouseMove);
  connect(handle, &ClickArea::released, this, &TViewer::lblKelvra95MouseUp);

  imgHemisphere = new ImageView(this, "imgHemisphere");
  imgHemisphere->setGeometry(473, 12, 24, 22);
  imgHemisphere->setImage(imgNorthHemisphere);
  imgHemisphere->setToolTip(QStringLiteral("Hemisphere"));
  connect(imgHemisphere, &ImageView::clicked, this, &TViewer::imgHemisphereClick);
}

void TViewer::setOtherWindows(TSatTracks* tracks, TInterval* interval, TAboutWin* about,
                              TGRSTransits* grs) {
  tracks_ = tracks;
  interval_ = interval;
  about_ = about;
  grs_ = grs;
}

ViewKind TViewer::selectedView() const {
  const int index = cmbView != nullptr ? cmbView->currentIndex() : 0;
  return static_cast<ViewKind>(index < 0 ? 0 : index);
}

void TViewer::saveSettings() {
  WriteSettings(ProgramDirectory(), config_);
}

// --- The recompute path ---------------------------------------------------------------------

void TViewer::SatelliteCalculations(std::uint16_t day, std::uint16_t month, std::uint16_t year,
                                    std::uint16_t hour, std::uint16_t minute,
                                    std::uint16_t second) {
  ShowDateAndTime();
  CalculatePositionNow(JulianDayFromDate(day, month, year, hour, minute, second));
  PlotSatellites();
}

void TViewer::recompute() {
  SatelliteCalculations(Day, Month, Year, Hour, Minute, Second);
}

void TViewer::CalculatePositionNow(JulianDay jd) {
  c(jd, state_);
  shadows_ = MoonShadowsAt(jd);
  const DataPanelText panel =
      FormatDataPanel(state_, SideViewScaleFor(Magnification), decimalSeparator());
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
    for (QLabel* label : {row.northSouth, row.northSouthFlag, row.eastWest, row.eastWestFlag,
                          row.angle, row.degree}) {
      setTextColour(label, text.colour);
    }
  }
}

void TViewer::PlotSatellites() {
  DrawPlanView(imgPlanView->canvas(), state_, EastWestSign, imgJupiterPole);
  DrawOrder = SortSatellites(state_.U);
  DrawSideView(imgSideView->canvas(), state_, shadows_, DrawOrder, SideViewScaleFor(Magnification),
               EastWestSign, NorthSouthSign, imgJupiter);
  imgPlanView->update();
  imgSideView->update();
}

// --- View, hemisphere, magnification --------------------------------------------------------

void TViewer::DisplayCompassDirections() {
  if (cmbView->currentIndex() < 0) return;
  const ViewSigns signs = SignsFor(selectedView(), NorthernHemisphere);
  NorthSouthSign = signs.NorthSouthSign;
  EastWestSign = signs.EastWestSign;
  imgCompass->setImage(
      compassPictures_[static_cast<std::size_t>(compassFor(selectedView(), NorthernHemisphere))]);
}

void TViewer::ChangeMagnification(double magnification) {
  Magnification = magnification;
  const int step = static_cast<int>(magnification * 2) - 2;
  if (step >= 0 && step <= 4 && cmbView->currentIndex() >= 0) {
    imgJupiter = jupiterPictures_[static_cast<std::size_t>(selectedView())][step];
  }
  recompute();
}

void TViewer::lblMagnifyClick() {
  if (Magnification < 3) ChangeMagnification(Magnification + 0.5);
}

void TViewer::lblReduceClick() {
  if (Magnification > 1) ChangeMagnification(Magnification - 0.5);
}

void TViewer::cmbViewClick() {
  DisplayCompassDirections();
  ChangeMagnification(Magnification);
  if (tracks_ != nullptr && tracks_->isVisible()) tracks_->DrawTracks();
}

void TViewer::imgHemisphereClick() {
  const JulianDay jd = JulianDayFromDate(Day, Month, Year, Hour, Minute, Second);
  NorthernHemisphere = !NorthernHemisphere;
  imgHemisphere->setImage(NorthernHemisphere ? imgNorthHemisphere : imgSouthHemisphere);
  DisplayCompassDirections();
  CalculatePositionNow(jd);
  PlotSatellites();
  if (tracks_ != nullptr && tracks_->isVisible()) tracks_->DrawTracks();
}

// --- Date and time entry --------------------------------------------------------------------

void TViewer::ShowDateAndTime() {
  showInField(txtDay, twoDigits(Day));
  if (cmbMonth->currentIndex() != Month - 1) {
    cmbMonth->setCurrentIndex(Month - 1);
    cmbMonthChange();
  }
  showInField(txtYear, QString::number(Year));
  showInField(txtHour, twoDigits(Hour));
  showInField(txtMinute, twoDigits(Minute));
  showInField(txtSecond, twoDigits(Second));
}

void TViewer::ValidateDate() {
  const std::uint16_t year = NumberFieldValue(txtYear->text()).value_or(0);
  const auto month = static_cast<std::uint16_t>(cmbMonth->currentIndex() + 1);
  const std::uint16_t day = NumberFieldValue(txtDay->text()).value_or(0);
  if (year == 1582 && month == 10 && day >= 5 && day <= 14) {
    ShowError(QStringLiteral(
        "Invalid Date: Following the conversion from the Julian\n\rCalendar to the Gregorian "
        "Calendar, the date following\n\r4 October 1582 was 15 October 1582. Any date "
        "between \n\rthese has no meaning."));
    Day = 4;
  }
  const std::uint8_t daysInMonth = DaysInMonth(month, year);
  if (day == 0 || day > daysInMonth) {
    ShowError(QStringLiteral("Date must lie between 1 and %1").arg(daysInMonth));
    Day = day == 0 ? 1 : daysInMonth;
  }
}

// A field whose text is no number (pasted) has been reported; it then counts as empty.
std::uint16_t TViewer::fieldValue(QLineEdit* field) {
  const std::optional<std::uint16_t> value = ReadNumberField(*field);
  if (value) return *value;
  field->setText(QStringLiteral("0"));
  return 0;
}

void TViewer::txtDayExit() {
  Day = fieldValue(txtDay);
  ValidateDate();
  recompute();
}

void TViewer::txtYearExit() {
  Year = fieldValue(txtYear);
  ValidateDate();
  recompute();
  redrawSideWindows();
}

// A time field's value, reported and cut to `highest` when it lies above it.
std::uint16_t TViewer::timeFieldValue(QLineEdit* field, std::uint16_t highest,
                                      const QString& name) {
  const std::uint16_t value = fieldValue(field);
  if (value <= highest) return value;
  ShowError(QStringLiteral("%1 must lie between 0 and %2").arg(name).arg(highest));
  return highest;
}

void TViewer::txtHourExit() {
  Hour = timeFieldValue(txtHour, 23, QStringLiteral("Hour"));
  recompute();
}

void TViewer::txtMinuteExit() {
  Minute = timeFieldValue(txtMinute, 59, QStringLiteral("Minute"));
  recompute();
}

void TViewer::txtSecondExit() {
  Second = timeFieldValue(txtSecond, 59, QStringLiteral("Second"));
  recompute();
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
  return DiscardedInNumberField(*event);
}

bool TViewer::eventFilter(QObject* watched, QEvent* event) {
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
  Month = static_cast<std::uint16_t>(cmbMonth->currentIndex() + 1);
  ValidateDate();
  recompute();
  redrawSideWindows();
}

void TViewer::cmbMonthChange() {
  if (animationRunning()) redrawSideWindows();
}

void TViewer::readLocalClock() {
  const CivilDateTime now = LocalCivilTime(Now());
  Year = now.year;
  Month = now.month;
  Day = now.day;
  Hour = now.hour;
  Minute = now.minute;
  Second = now.second;
}

void TViewer::imgNowButtonClick() {
  readLocalClock();
  recompute();
  redrawSideWindows();
}

void TViewer::redrawSideWindows() {
  if (tracks_ != nullptr && tracks_->isVisible()) tracks_->DrawTracks();
  if (grs_ != nullptr && grs_->isVisible()) grs_->CalcGRS(false);
}

// --- Real time and animation ----------------------------------------------------------------

void TViewer::setEntryEnabled(bool enabled) {
  for (QWidget* widget : std::initializer_list<QWidget*>{txtDay, cmbMonth, txtYear, txtHour,
                                                         txtMinute, txtSecond, imgNowButton}) {
    widget->setEnabled(enabled);
  }
  // The button is a picture: its face shows whether it can be used.
  imgNowButton->setImage(enabled ? imgNowUp : imgNowDisabled);
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
  readLocalClock();
  recompute();
}

void TViewer::lblAnimateClick() {
  if (interval_ == nullptr) return;
  interval_->move(IntervalDialogPlace(geometry()));
  interval_->exec();
  StartAnimation();
}

void TViewer::StartAnimation() {
  if (AnimationInterval == 0) return;
  Timer1->stop();
  AnimationJulianDay = JulianDayFromDate(Day, Month, Year, Hour, Minute, Second);
  AnimationThread->resumeAnimation();
}

void TViewer::lblStopClick() {
  AnimationThread->suspendAnimation();
  recompute();
}

bool TViewer::animationRunning() const {
  return AnimationThread != nullptr && AnimationThread->animating();
}

void TViewer::AnimationStep() {
  CalculatePositionNow(AnimationJulianDay);
  PlotSatellites();
  const CivilDateTime shown = CalDate(AnimationJulianDay);
  Year = shown.year;
  Month = shown.month;
  Day = shown.day;
  Hour = shown.hour;
  Minute = shown.minute;
  Second = shown.second;
  ShowDateAndTime();
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
  if (event->type() == QEvent::WindowActivate && startedUp_) FormActivate();
  return QWidget::event(event);
}

void TViewer::FormActivate() {
  recompute();
}

void TViewer::closeEvent(QCloseEvent* event) {
  if (tracks_ != nullptr && tracks_->isVisible()) tracks_->close();
  if (grs_ != nullptr && grs_->isVisible()) grs_->close();
  if (AnimationThread != nullptr) AnimationThread->end();
  event->accept();
  QApplication::quit();
}

void TViewer::btnExitClick() {
  if (AnimationThread != nullptr) AnimationThread->end();
  QApplication::quit();
}

void TViewer::btnMinimiseClick() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) window->showMinimized();
  }
}

void TViewer::lblHelpClick() {
  const std::filesystem::path help = ProgramDirectory() / "docs" / "Kelvra95.htm";
  std::error_code error;
  if (!std::filesystem::is_regular_file(help, error)) {
    ShowMessage(QStringLiteral("Cannot find Help File"));
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(help.string())));
}

void TViewer::lblAboutClick() {
  if (about_ == nullptr) return;
  about_->move(CentredOver(geometry(), about_->size()));
  about_->exec();
}

void TViewer::lblKelvra95MouseDown(QPoint position) {
  DragStartX = position.x();
  DragStartY = position.y();
  Dragging = true;
}

void TViewer::lblKelvra95MouseMove(QPoint position) {
  if (!Dragging) return;
  const int dx = position.x() - DragStartX;
  const int dy = position.y() - DragStartY;
  move(x() + dx, y() + dy);
  if (tracks_ != nullptr && tracks_->isVisible()) MoveForm(*tracks_, dx, dy);
  if (grs_ != nullptr && grs_->isVisible()) MoveForm(*grs_, dx, dy);
}

void TViewer::lblKelvra95MouseUp() {
  Dragging = false;
}

QWidget* TViewer::sideWindow(SideWindow which) const {
  return which == SideWindow::Tracks ? static_cast<QWidget*>(tracks_) : static_cast<QWidget*>(grs_);
}

Desk TViewer::desk() const {
  Desk desk;
  desk.screenWidth = screen()->geometry().width();
  desk.main = geometry();
  for (SideWindow which : {SideWindow::Tracks, SideWindow::GRS}) {
    const QWidget* window = sideWindow(which);
    if (window != nullptr) desk.box(which) = QRect(window->pos(), window->size());
  }
  desk.docked = docked_;
  return desk;
}

void TViewer::applyDesk(const Desk& next) {
  if (next.main.topLeft() != pos()) {
    move(next.main.topLeft());
    repaint();
  }
  for (SideWindow which : {SideWindow::Tracks, SideWindow::GRS}) {
    QWidget* window = sideWindow(which);
    if (window != nullptr && next.side[static_cast<int>(which)].topLeft() != window->pos()) {
      window->move(next.side[static_cast<int>(which)].topLeft());
    }
  }
  docked_ = next.docked;
}

static SideWindow whichSide(const QWidget& form, const QWidget* tracks) {
  return &form == tracks ? SideWindow::Tracks : SideWindow::GRS;
}

void TViewer::PositionForm(QWidget& form) {
  applyDesk(kelvra::PositionForm(desk(), whichSide(form, tracks_)));
}

void TViewer::MoveForm(QWidget& form, int dx, int dy) {
  applyDesk(kelvra::MoveForm(desk(), whichSide(form, tracks_), QPoint(dx, dy)));
}

void TViewer::sideWindowClosing(QWidget& window) {
  applyDesk(RepositionForms(desk(), whichSide(window, tracks_)));
}

void TViewer::showSideWindow(QWidget& window, bool usable) {
  if (!usable) return;
  if (screen()->geometry().width() > kNarrowScreenWidth) {
    if (!window.isVisible()) {
      window.setWindowModality(Qt::NonModal);
      PositionForm(window);
    }
  } else if (!window.isVisible()) {
    window.move(NarrowScreenPlace(geometry(), window.width()));
    window.setWindowModality(Qt::ApplicationModal);
  }
  window.show();
  window.raise();
  window.activateWindow();
}

void TViewer::lblTracksClick() {
  if (tracks_ != nullptr) showSideWindow(*tracks_, tracks_->isUsable());
}

void TViewer::lblGRSClick() {
  if (grs_ != nullptr) showSideWindow(*grs_, grs_->isUsable());
}

}  // namespace kelvra
