// Building the main window: its skins, components and the pictures it holds.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include <utility>

#include "core/moons.h"
#include "ui/common/clock.h"
#include "ui/common/entry_field.h"
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
  imgPlanView->setAccessibleName(QStringLiteral("Plan view"));
  imgPlanView->setAccessibleDescription(
      QStringLiteral("The four orbits seen from above Jupiter's north pole, the Earth below"));
  imgCompass->setAccessibleName(QStringLiteral("Compass"));

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

QLineEdit* TViewer::addEntryField(const char* name, QRect geometry, int maxLength) {
  QLineEdit* field = MakeNumberField(this, name, geometry, maxLength);
  field->installEventFilter(this);
  return field;
}

void TViewer::buildEntryFields() {
  addLabel("lblDate", {24, 190}, 34, QStringLiteral("Date:"), true);
  addLabel("lblTime", {24, 218}, 34, QStringLiteral("Time:"), true);
  QLabel* viewLabel = addLabel("lblView", {24, 247}, 34, QStringLiteral("View:"), true);
  addLabel("lblColon1", {82, 218}, 6, QStringLiteral(":"), true);
  addLabel("lblColon2", {110, 218}, 6, QStringLiteral(":"), true);

  txtDay = addEntryField("txtDay", Main::day, 2);
  cmbMonth = new FocusFramedComboBox(this);
  cmbMonth->setObjectName(QStringLiteral("cmbMonth"));
  cmbMonth->setGeometry(Main::month);
  cmbMonth->installEventFilter(this);  // Enter moves on to the year
  const QLocale locale = QLocale::system();
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
  cmbView->addItems({QStringLiteral("Astro Scope"), QStringLiteral("Binoculars"),
                     QStringLiteral("Star Diagonal")});
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
  const std::pair<QWidget*, const char*> names[] = {
      {txtDay, "Day"},       {cmbMonth, "Month"},   {txtYear, "Year"}, {txtHour, "Hour"},
      {txtMinute, "Minute"}, {txtSecond, "Second"}, {cmbView, "View"}};
  for (const auto& [widget, name] : names) widget->setAccessibleName(QString::fromLatin1(name));
  cmbView->setAccessibleDescription(QStringLiteral("The instrument the views are drawn for"));
  // Under X11 Qt names a drop-down list by the label pointing to it, not by its own name; the
  // month's has none on the window, so a hidden one.
  viewLabel->setBuddy(cmbView);
  auto* monthLabel = new QLabel(QStringLiteral("Month"), this);
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
      addLabel("lblPositions", {84, 293}, 52, QStringLiteral("Modern positions"), true, 11);
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
    const QString satellite = QString::fromLatin1(kMoons[static_cast<std::size_t>(i) + 1].name);
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
