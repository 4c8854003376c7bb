#include "ui/common/side_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include "ui/common/jpeg_loader.h"
#include "ui/common/pictures.h"
#include "ui/common/side_window_host.h"
#include "ui/common/widgets.h"
#include "ui/common/window_menu.h"

namespace kelvra {
namespace {

// Below this screen width the cleared list is shown at once, before the month is computed.
constexpr int kSlowScreenWidth = 1024;  // pixels

QScreen* screenOf(const QWidget& widget) {
  QScreen* screen = widget.screen();
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

ImageView* placedImage(QWidget* parent, const char* name, QRect geometry) {
  auto* image = new ImageView(parent, name);
  image->setGeometry(geometry);
  return image;
}

// The hidden holders of the time-basis faces, window pixels.
constexpr QRect kLocalTimeHolder{88, 35, 20, 20};
constexpr QRect kUTTimeHolder{110, 35, 20, 20};

}  // namespace

QFont ListFont(double logicalDpi) {
  QFont font(QStringLiteral("Arial"), logicalDpi == 96 ? 8 : 7);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

SideWindowForm::SideWindowForm(const SideWindowLinks& links, const SideWindowKind& kind,
                               const Names& names, bool ConfigRecord::*localTime, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      links_(links),
      kind_(kind),
      localTime_(localTime),
      background_(placedImage(this, names.background, QRect(QPoint(0, 0), kind.layout.size))),
      lblPrint_(new ClickArea(this, "lblPrint", kind.layout.print)),
      imgTime_(placedImage(this, "imgTime", kind.layout.timeBasis)),
      list_(placedImage(this, names.list, kind.layout.list)),
      imgLocalTime_(placedImage(this, "imgLocalTime", kLocalTimeHolder)),
      imgUTTime_(placedImage(this, "imgUTTime", kUTTimeHolder)),
      exit_(new ClickArea(this, names.exit, kind.layout.exit)),
      menu_(new WindowMenu(*this, Qt::WindowShortcut)) {
  setObjectName(QString::fromLatin1(names.window));
  setWindowTitle(
      WindowTitle(SideWindowKindText(kind.title != nullptr ? kind.title : kind.buttonHint)));
  setFixedSize(kind.layout.size);
  setPalette(PanelPalette());
  imgLocalTime_->setPicture([](double ratio) { return TimeBasisButton(true, ratio); });
  imgUTTime_->setPicture([](double ratio) { return TimeBasisButton(false, ratio); });
  imgLocalTime_->hide();
  imgUTTime_->hide();
  addActions();

  usable_ = LoadJpegAsset(*background_, QStringLiteral("Kelvra7.dat"));
  const double dpi = screenOf(*this)->logicalDotsPerInch();  // pixels per inch
  listFont_ = ListFont(dpi);
  // The list's point sizes are those of the screen it is shown on.
  QImage list(kind.layout.list.size(), QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
  list.setDotsPerMeterX(dotsPerMetre);
  list.setDotsPerMeterY(dotsPerMetre);
  list.fill(Qt::black);
  list_->setImage(list);
  // On a screen of another pixel ratio the list is drawn afresh at that ratio.
  connect(list_, &ImageView::pixelRatioChanged, this, &SideWindowForm::redraw,
          Qt::QueuedConnection);
  connect(&links.observation, &ObservationOwner::changed, this,
          [this](ObservationChanges what, InstantChange why) { observationChanged(what, why); });
  list_->setSpoken([this] { return spokenList(); });
}

void SideWindowForm::addActions() {
  QAction* print = MakeAction(this, QCoreApplication::translate("kelvra::SideWindowForm", "Print"),
                              {QKeySequence(Qt::CTRL | Qt::Key_P)}, [this] { lblPrintClick(); });
  //: The menu entry that switches the window between local time and Universal Time.
  QAction* time =
      MakeAction(this, QCoreApplication::translate("kelvra::SideWindowForm", "Local time"),
                 {QKeySequence(Qt::CTRL | Qt::Key_L)}, [this] { imgTimeClick(); });
  time->setToolTip(
      QCoreApplication::translate("kelvra::SideWindowForm", "Universal or local time"));
  // Closing the window reads no instant.
  QAction* close = MakeAction(
      this, QCoreApplication::translate("kelvra::SideWindowForm", "Close"),
      {QKeySequence(Qt::Key_Escape)}, [this] { exitClick(); }, Announce::No);
  menu_->add(MenuGroup::Time, time, [this] { return localTime(); });
  menu_->add(MenuGroup::View, print);
  menu_->add(MenuGroup::Leave, close);
  imgTime_->setAction(time);
  lblPrint_->setAction(print);
  exit_->setAction(close);
}

void SideWindowForm::setVisible(bool visible) {
  // Without its background the window stays hidden.
  QWidget::setVisible(visible && usable_);
  // Every component, a derived window's too, passes its presses by eventFilter first (not a
  // dialog of the window's own: it must stay above it). Installing a filter again moves it,
  // it never doubles it.
  if (isVisible()) {
    for (QWidget* child : findChildren<QWidget*>()) {
      if (!child->isWindow()) child->installEventFilter(this);
    }
  }
}

bool SideWindowForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) redraw();
  if (event->type() == QEvent::MouseButtonPress) bringForward();
  return QWidget::event(event);
}

bool SideWindowForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) bringForward();
  return QWidget::eventFilter(watched, event);
}

void SideWindowForm::bringForward() {
  raise();
  activateWindow();
}

SpokenPicture SideWindowForm::spokenList() const {
  const ListMonth month = listMonth();
  //: The list's accessible name: the window, the month's name, the year.
  const QString name =
      (localTime()
           ? QCoreApplication::translate("kelvra::SideWindowForm", "%1, %2 %3, local time")
           : QCoreApplication::translate("kelvra::SideWindowForm", "%1, %2 %3, Universal Time"))
          .arg(SideWindowKindText(kind_.buttonHint), QLocale().standaloneMonthName(month.month))
          .arg(month.year);
  return {SpokenPicture::Kind::Chart, name, {}, {}};
}

const QImage& SideWindowForm::listImage() const {
  return list_->image();
}

const Observation& SideWindowForm::observation() const {
  return links_.observation.value();
}

void SideWindowForm::observationChanged(ObservationChanges what, InstantChange why) {
  const bool monthSet = what.testFlag(ObservationChange::Month) &&
                        (why == InstantChange::Set || why == InstantChange::Frame);
  if (isVisible() && (monthSet || what.testFlag(ObservationChange::Zone))) redraw();
}

bool SideWindowForm::localTime() const {
  return host().config().*localTime_;
}

TimeBasis SideWindowForm::timeBasis() const {
  return {localTime(), observation().zoneOffset};
}

void SideWindowForm::showTimeBasis() {
  imgTime_->setPicture((localTime() ? imgLocalTime_ : imgUTTime_)->picture());
}

void SideWindowForm::redraw() {
  showTimeBasis();
  list_->canvas().fill(Qt::black);
  list_->update();
  if (screenOf(*this)->geometry().width() < kSlowScreenWidth) repaint();
  drawList(list_->canvas());
  list_->update();
  TellPictureRedrawn(*list_);
}

void SideWindowForm::storeLocalTime(bool local) {
  host().config().*localTime_ = local;
  host().saveSettings();
}

void SideWindowForm::imgTimeClick() {
  storeLocalTime(!localTime());
  showTimeBasis();
  redraw();
}

ListMonth SideWindowForm::listMonth() const {
  return observation().month();
}

void SideWindowForm::lblPrintClick() {
  const ListMonth month = listMonth();
  print(month.month, month.year);
}

void SideWindowForm::exitClick() {
  host().sideWindowClosing(*this);
  hide();
}

}  // namespace kelvra
