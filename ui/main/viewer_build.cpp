// Building the main window: its skins, components and the pictures it holds.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "core/moons.h"
#include "ui/common/clock.h"
#include "ui/common/entry_field.h"
#include "ui/common/event_words.h"
#include "ui/common/jpeg_loader.h"
#include "ui/common/layout.h"
#include "ui/common/pictures.h"
#include "ui/common/settings.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/main/krthread.h"
#include "ui/main/main_pictures.h"
#include "ui/main/positions_setting.h"
#include "ui/main/satellite_view.h"
#include "ui/main/viewer.h"

namespace kelvra {
namespace {

using Main = layout::MainWindow;

const QColor kTeal{0, 128, 128};
const QColor kValueColour = kInReachColour;

QFont arial(int pixelSize, bool bold = false) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace

TViewer::TViewer(ObservationOwner& observation, SettingsStore& settings,
                 std::span<const SideWindowKind* const> sideWindows, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      observation_(observation),
      settings_(settings) {
  setObjectName(QStringLiteral("Viewer"));
  setWindowTitle(WindowTitle());
  for (const SideWindowKind* kind : sideWindows) sides_.push_back({kind, nullptr});
  FormCreate();
}

TViewer::~TViewer() {
  if (AnimationThread != nullptr) AnimationThread->end();
}

void TViewer::FormCreate() {
  zoneOffset_ = TimeZoneOffsetAt(Now());
  config_ = settings_.readConfig();
  positions_ = kPositionsKey.read(settings_.ini());

  setFixedSize(Main::size);
  QPalette palette = PanelPalette();
  palette.setColor(QPalette::Window, kTeal);
  setPalette(palette);
  setAutoFillBackground(true);

  if (!loadSkins()) return;  // the program ends; nothing may be computed or drawn

  buildLayout();
  connect(&ButtonActions::instance(), &ButtonActions::aboutToAct, this, &TViewer::commitTypedEntry);
  AnimationThread = new KRthread([this] { AnimationStep(); }, this);
  cmbView->setCurrentIndex(0);
  displayCompassDirections();
  pickJupiterPictures();

  const QRect screen = this->screen()->geometry();
  move(screen.left() + (screen.width() - width()) / 2,
       screen.top() + (screen.height() - height()) / 2);
  instant_ = LocalCivilTime(Now());
  // What the side windows read from their creation on. The site is read once the program is
  // sure to run.
  Observation first = shown();
  first.site = ReadSite(settings_.ini());
  first.visibleOnly = kEventsVisibleOnlyKey.read(settings_.ini());
  observation_.set(first);
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
      {&imgTopBar, "imgTopBar", "Kelvra1.dat", Main::topBar.topLeft()},
      {&imgMiddleBar, "imgMiddleBar", "Kelvra2.dat", Main::middleBar.topLeft()},
      {&imgBottomBar, "imgBottomBar", "Kelvra3.dat", Main::bottomBar.topLeft()},
      {&imgCentre, "imgCentre", "Kelvra4.dat", Main::centre.topLeft()},
      {&imgLeft, "imgLeft", "Kelvra5.dat", Main::leftEdge.topLeft()},
      {&imgRight, "imgRight", "Kelvra6.dat", Main::rightEdge.topLeft()},
  };
  for (const Skin& skin : skins) {
    *skin.target = new ImageView(this, skin.name);
    (*skin.target)->move(skin.at);
    if (!LoadJpegAsset(**skin.target, QString::fromLatin1(skin.file))) return false;
  }
  return true;
}

void TViewer::buildLayout() {
  imgSideView = new ImageView(this, "imgSideView");
  imgSideView->setGeometry(Main::sideView);
  imgSideView->setImage(QImage(Main::sideView.size(), QImage::Format_RGB32));
  imgPlanView = new ImageView(this, "imgPlanView");
  imgPlanView->setGeometry(Main::planView);
  imgPlanView->setImage(QImage(Main::planView.size(), QImage::Format_RGB32));
  for (ImageView* view : {imgSideView, imgPlanView}) {
    // Each view's picture covers the whole view, so a frame need not paint what lies beneath.
    view->setAttribute(Qt::WA_OpaquePaintEvent);
    // On a screen of another pixel ratio the views are drawn afresh at that ratio.
    connect(view, &ImageView::pixelRatioChanged, this, &TViewer::plotSatellites,
            Qt::QueuedConnection);
  }
  imgCompass = new ImageView(this, "imgCompass");
  imgCompass->setGeometry(Main::compass);
  imgSideView->setSpoken([this] { return spokenEyepiece(); });
  imgPlanView->setAccessibleName(tr("Plan view"));
  imgPlanView->setAccessibleDescription(
      tr("The four orbits seen from above Jupiter's north pole, the Earth below"));
  imgCompass->setAccessibleName(tr("Compass"));

  buildEntryFields();
  buildDataPanel();
  buildToolbar();

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TViewer::Timer1Timer);
  buildActions();
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

// The English captions keep their boxes as they always were, a pixel or two of some clipped;
// a wider translation takes the room beside: to the right up to the window pixel `right`, then
// to the left down to `left`.
QLabel* TViewer::addCaption(const char* name, QPoint at, int width, const char* english, int left,
                            int right) {
  const QString text = tr(english);
  QLabel* label = addLabel(name, at, width, text, true);
  const int wide = label->fontMetrics().horizontalAdvance(text);
  if (text == QString::fromUtf8(english) || wide <= width) return label;
  QRect box = label->geometry();
  box.setRight(std::min(right, box.left() + wide - 1));
  box.setLeft(std::max(left, box.right() - wide + 1));
  label->setGeometry(box);
  return label;
}

QLineEdit* TViewer::addEntryField(const char* name, QRect geometry, int maxLength) {
  QLineEdit* field = MakeNumberField(this, name, geometry, maxLength);
  field->installEventFilter(this);
  return field;
}

void TViewer::buildEntryFields() {
  //: Beside the day, month and year fields: about five letters at most.
  const char* date = QT_TR_NOOP("Date:");
  //: Beside the hour, minute and second fields: about five letters at most.
  const char* time = QT_TR_NOOP("Time:");
  //: Beside the list of instruments (telescope, binoculars, star diagonal): five letters.
  const char* view = QT_TR_NOOP("View:");
  // From the panel's edge on the left, short of the fields on the right.
  const int fieldsLeft = Main::day.left() - 3;
  addCaption("lblDate", {24, 190}, 34, date, 21, fieldsLeft);
  addCaption("lblTime", {24, 218}, 34, time, 21, fieldsLeft);
  QLabel* viewLabel = addCaption("lblView", {24, 247}, 34, view, 21, fieldsLeft);
  addLabel("lblColon1", {82, 218}, 6, QStringLiteral(":"), true);
  addLabel("lblColon2", {110, 218}, 6, QStringLiteral(":"), true);

  txtDay = addEntryField("txtDay", Main::day, 2);
  cmbMonth = new FocusFramedComboBox(this);
  cmbMonth->setObjectName(QStringLiteral("cmbMonth"));
  cmbMonth->setGeometry(Main::month);
  cmbMonth->installEventFilter(this);  // Enter moves on to the year
  const QLocale locale;                // the language's month names
  for (int month = 1; month <= 12; ++month) {
    cmbMonth->addItem(locale.monthName(month, QLocale::ShortFormat));
  }
  txtYear = addEntryField("txtYear", Main::year, 4);
  txtHour = addEntryField("txtHour", Main::hour, 2);
  txtMinute = addEntryField("txtMinute", Main::minute, 2);
  txtSecond = addEntryField("txtSecond", Main::second, 2);
  cmbView = new FocusFramedComboBox(this);
  cmbView->setObjectName(QStringLiteral("cmbView"));
  cmbView->setGeometry(Main::view);
  cmbView->addItems({tr("Astro Scope"), tr("Binoculars"), tr("Star Diagonal")});
  for (QComboBox* box : {cmbMonth, cmbView}) {
    box->setFont(arial(12));
    SetEntryColours(*box);
  }
  connect(cmbMonth, &QComboBox::activated, this, &TViewer::cmbMonthClick);
  connect(cmbView, &QComboBox::activated, this, &TViewer::cmbViewClick);

  imgNowButton = new ImageView(this, "imgNowButton");
  imgNowButton->setGeometry(Main::now);
  const auto nowFace = [this](bool pressed) {
    imgNowButton->setPicture([pressed](double ratio) { return NowButtonFace(pressed, ratio); });
  };
  nowFace(false);
  connect(imgNowButton, &ImageView::pressed, this, [nowFace] { nowFace(true); });
  connect(imgNowButton, &ImageView::released, this, [nowFace] { nowFace(false); });

  // Their labels ("Date:", "Time:") each stand for three fields: each says its own name.
  const std::pair<QWidget*, QString> names[] = {
      {txtDay, tr("Day")},   {cmbMonth, tr("Month")},   {txtYear, tr("Year")},
      {txtHour, tr("Hour")}, {txtMinute, tr("Minute")}, {txtSecond, tr("Second")},
      {cmbView, tr("View")}};
  for (const auto& [widget, name] : names) widget->setAccessibleName(name);
  cmbView->setAccessibleDescription(tr("The instrument the views are drawn for"));
  // Under X11 Qt names a drop-down list by the label pointing to it, not by its own name; the
  // month's has none on the window, so a hidden one.
  viewLabel->setBuddy(cmbView);
  auto* monthLabel = new QLabel(tr("Month"), this);
  monthLabel->hide();
  monthLabel->setBuddy(cmbMonth);

  setTabOrder(txtDay, cmbMonth);
  setTabOrder(cmbMonth, txtYear);
  setTabOrder(txtYear, txtHour);
  setTabOrder(txtHour, txtMinute);
  setTabOrder(txtMinute, txtSecond);
  setTabOrder(txtSecond, cmbView);
}

void TViewer::buildDataPanel() {
  // Up to the panel's edge, short of the values and the captions beside.
  addCaption("Label7", {214, 191}, 93, QT_TR_NOOP("Central Meridian"), 214, 325);
  addCaption("Label9", {207, 225}, 52, QT_TR_NOOP("System I:"), 207, 268);
  addCaption("Label8", {207, 248}, 55, QT_TR_NOOP("System II:"), 207, 268);
  addCaption("Label11", {139, 291}, 57, QT_TR_NOOP("Distances"), 130, 238);
  //: Three short lines, each about 14 letters at most.
  const QString angle = tr("Angle from Inferior Conj. (degrees)");
  // As wide as the panel allows; the English wraps into the same three lines as at 77 pixels.
  QLabel* angleCaption = addLabel("Label10", {242, 291}, 84, angle, true);
  angleCaption->setWordWrap(true);
  angleCaption->setFixedHeight(48);
  angleCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  //: The panel's north-south heading, over the values' N and S marks: keep the letters.
  const QString northSouth = tr("N - S");
  //: The panel's east-west heading, over the values' E and W marks: keep the letters.
  const QString eastWest = tr("E - W");
  addLabel("Label12", {119, 322}, 26, northSouth, true);
  addLabel("Label13", {188, 322}, 29, eastWest, true);

  const auto value = [this](const QString& name, QPoint at, int width) {
    QLabel* label = addLabel(name.toLatin1().constData(), at, width, QStringLiteral("0.00"), false);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetTextColour(*label, kValueColour);
    return label;
  };
  const auto degree = [this](const char* name, QPoint at) {
    QLabel* label = addLabel(name, at, 6, QStringLiteral("\u00B0"), false, 15);
    SetTextColour(*label, kValueColour);
    return label;
  };
  // Said only while the modern positions are on; the classic panel is as it always was.
  // Two lines between the compass and "Distances".
  lblPositions =
      addLabel("lblPositions", {84, 293}, 52,
               tr("Modern positions", "data panel caption: two lines of 8 letters"), true, 11);
  lblPositions->setWordWrap(true);
  lblPositions->setFixedHeight(28);
  lblPositions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblPositions->setVisible(modernPositions());

  lblSystem1 = value(QStringLiteral("lblSystem1"), {265, 225}, 44);
  degree("Label1", {310, 225});
  lblSystem2 = value(QStringLiteral("lblSystem2"), {265, 248}, 44);
  degree("Label14", {310, 248});

  const char* nameLabels[] = {"Label18", "Label19", "Label20", "Label21"};
  const int tops[] = {349, 377, 404, 432};
  for (int i = 0; i < 4; ++i) {
    // The English name: object names stay the same in every language.
    const QString satellite = QString::fromLatin1(kMoons[static_cast<std::size_t>(i) + 1].name);
    const int top = tops[i];
    addLabel(nameLabels[i], {45, top}, 60, MoonNameText(i + 1), true)->adjustSize();
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

// The buttons only; each gets its action, its key and its tooltip from buildActions (or, for a
// side window's button, from main.cpp).
void TViewer::buildToolbar() {
  const auto area = [this](const char* name, QRect geometry) {
    new ClickArea(this, name, geometry);
  };
  area("lblMagnify", Main::magnify);
  area("lblReduce", Main::reduce);
  area("lblAnimate", Main::animate);
  area("lblStop", Main::stop);
  area("lblRealtime", Main::realTime);
  for (const SidePlace& place : sides_) area(place.kind->buttonName, place.kind->button);
  area("lblHelp", Main::help);
  area("lblAbout", Main::about);
  area("btnMinimise", Main::minimise);
  area("btnExit", Main::exit);

  // The drag handle drags with any button and opens no menu.
  auto* handle = new ClickArea(this, "lblKelvra95", Main::namePlate);
  handle->setButtons(Qt::AllButtons);
  handle->setContextMenuPolicy(Qt::PreventContextMenu);
  connect(handle, &ClickArea::pressed, this, &TViewer::lblKelvra95MouseDown);
  connect(handle, &ClickArea::moved, this, &TViewer::lblKelvra95MouseMove);
  connect(handle, &ClickArea::released, this, &TViewer::lblKelvra95MouseUp);

  imgHemisphere = new ImageView(this, "imgHemisphere");
  imgHemisphere->setGeometry(Main::hemisphere);
  showHemisphere();
}

// Jupiter's pictures for the instrument, the magnification and the views' pixel ratio.
void TViewer::pickJupiterPictures() {
  const double ratio = imgSideView->pixelRatio();
  const int step = static_cast<int>(Magnification * 2) - 2;
  if (step >= 0 && step <= 4 && cmbView->currentIndex() >= 0)
    imgJupiter = JupiterDisc(selectedView(), step, ratio);
  imgJupiterPole = JupiterPole(ratio);
}

void TViewer::showHemisphere() {
  imgHemisphere->setPicture(
      [northern = NorthernHemisphere](double ratio) { return HemispherePicture(northern, ratio); });
}

}  // namespace kelvra
