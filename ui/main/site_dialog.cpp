#include "ui/main/site_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "ui/common/entry_field.h"
#include "ui/common/picture_style.h"
#include "ui/common/widgets.h"

namespace kelvra {
namespace {

struct SiteField {
  const char* name;   // object name
  const char* label;  // as the dialog shows it and its message names it
  const char* unit;
  const NumberKey* key;  // its range is the field's
};

constexpr SiteField kSiteFields[TSiteDialog::kFields] = {
    {"txtLatitude", QT_TRANSLATE_NOOP("kelvra::TSiteDialog", "Latitude"),
     QT_TRANSLATE_NOOP("kelvra::TSiteDialog", "\u00b0 north"), &kSiteLatitudeKey},
    {"txtLongitude", QT_TRANSLATE_NOOP("kelvra::TSiteDialog", "Longitude"),
     QT_TRANSLATE_NOOP("kelvra::TSiteDialog", "\u00b0 east"), &kSiteLongitudeKey},
    {"txtHeight", QT_TRANSLATE_NOOP("kelvra::TSiteDialog", "Height"), "m", &kSiteHeightKey},
    {"txtMinJupiter", QT_TRANSLATE_NOOP("kelvra::TSiteDialog", "Jupiter's least altitude"),
     "\u00b0", &kSiteMinJupiterKey},
    {"txtMaxSun", QT_TRANSLATE_NOOP("kelvra::TSiteDialog", "Sun's greatest altitude"), "\u00b0",
     &kSiteMaxSunKey},
};
enum Field { kLatitude, kLongitude, kHeight, kMinJupiter, kMaxSun };

constexpr QSize kDialogSize{300, 214};         // pixels
constexpr int kFieldLeft = 170, kRowTop = 34;  // pixels
constexpr int kRowStep = 28;                   // pixels
constexpr QSize kFieldSize{64, 23};            // pixels, as tall as the interval field

}  // namespace

// Asked for when shown, not at start-up: the translator comes after the statics.
QString TSiteDialog::title() {
  return tr("Observing site");
}

TSiteDialog::TSiteDialog(std::optional<SiteSetting> current,
                         std::function<void(const std::optional<SiteSetting>&)> store,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      current_(current),
      store_(std::move(store)) {
  setObjectName(QStringLiteral("SiteDialog"));
  setModal(true);
  setFixedSize(kDialogSize);
  setPalette(PanelPalette());
  setWindowTitle(title());
  const QFont font = style::PixelFont(QStringLiteral("Arial"), 12);
  for (int i = 0; i < kFields; ++i) {
    const SiteField& about = kSiteFields[i];
    const int top = kRowTop + i * kRowStep;
    fields[i] = MakeNumberField(this, about.name, {QPoint(kFieldLeft, top), kFieldSize}, 12);
    fields[i]->installEventFilter(this);
    auto* label = new QLabel(tr(about.label), this);
    label->setFont(font);
    label->setGeometry(12, top, kFieldLeft - 18, kFieldSize.height());
    label->setBuddy(fields[i]);
    auto* unit = new QLabel(tr(about.unit), this);
    unit->setFont(font);
    unit->setGeometry(kFieldLeft + kFieldSize.width() + 5, top, 60, kFieldSize.height());
    for (QLabel* text : {label, unit}) {
      QPalette palette = text->palette();
      palette.setColor(QPalette::WindowText, style::kGlyph);
      text->setPalette(palette);
    }
  }
  for (int i = 0; i + 1 < kFields; ++i) setTabOrder(fields[i], fields[i + 1]);
}

void TSiteDialog::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TSiteDialog::FormActivate() {
  const SiteSetting shown = current_.value_or(SiteSetting{});
  const double values[kFields] = {shown.place.latitudeDeg, shown.place.longitudeDeg,
                                  shown.place.heightM, shown.limits.minJupiterAltitudeDeg,
                                  shown.limits.maxSunAltitudeDeg};
  for (int i = 0; i < kFields; ++i) {
    const bool blank = !current_ && (i == kLatitude || i == kLongitude);
    fields[i]->setText(blank ? QString() : DecimalFieldText(values[i]));
    fields[i]->selectAll();
  }
  fields[kLatitude]->setFocus();
}

void TSiteDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), style::PanelGradient(height()));
  style::DrawPixelFrame(painter, rect(), style::kOutline);
  style::DrawBevel(painter, rect().adjusted(1, 1, -1, -1), style::kHighlight, style::kShadow);
  style::DrawText(painter, QRect(12, 6, width() - 24, 20), Qt::AlignLeft | Qt::AlignVCenter,
                  title(), style::PixelFont(QStringLiteral("Arial"), 13, true), style::kAccent);
  const int hintTop = kRowTop + kFields * kRowStep + 2;
  style::DrawText(painter, QRect(12, hintTop, width() - 24, height() - hintTop - 4),
                  Qt::AlignLeft | Qt::AlignTop,
                  tr("Enter keeps, Escape cancels.\nNo site: empty latitude and longitude."),
                  style::PixelFont(QStringLiteral("Arial"), 11), style::kGlyphDim);
}

bool TSiteDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    for (QLineEdit* field : fields) {
      if (watched == field) return fieldKeyPress(*field, *static_cast<QKeyEvent*>(event));
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool TSiteDialog::fieldKeyPress(QLineEdit& field, const QKeyEvent& key) {
  if (DialogFieldKey(*this, fields, field, key, [this] { return storeAll(); })) return true;
  return RefuseKey(field, key, DiscardedInDecimalField(key));
}

bool TSiteDialog::storeAll() {
  // Without latitude and longitude there is no site, and the other fields are not used.
  if (fields[kLatitude]->text().trimmed().isEmpty() &&
      fields[kLongitude]->text().trimmed().isEmpty()) {
    if (current_) store_(std::nullopt);
    return true;
  }
  double values[kFields] = {};
  for (int i = 0; i < kFields; ++i) {
    QLineEdit& field = *fields[i];
    const SiteField& about = kSiteFields[i];
    // An empty height or limit takes its first-start value; latitude and longitude have none.
    const std::optional<double> value =
        field.text().trimmed().isEmpty() ? about.key->fallback : DecimalFieldValue(field.text());
    if (!value || !(*value >= about.key->least && *value <= about.key->greatest)) {
      //: %1 the field's name as the dialog shows it, %2 and %3 the ends of its range.
      ReportFieldError(field, tr("%1 must lie between %2 and %3")
                                  .arg(tr(about.label))
                                  .arg(about.key->least)
                                  .arg(about.key->greatest));
      return false;
    }
    values[i] = *value;
  }
  const SiteSetting site{{values[kLatitude], values[kLongitude], values[kHeight]},
                         {values[kMinJupiter], values[kMaxSun]}};
  if (site != current_) store_(site);
  return true;
}

}  // namespace kelvra
