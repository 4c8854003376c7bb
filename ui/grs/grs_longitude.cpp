#include "ui/grs/grs_longitude.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <cmath>

#include "ui/common/clock.h"
#include "ui/common/entry_field.h"
#include "ui/common/jpeg_loader.h"
#include "ui/common/messages.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window_host.h"
#include "ui/common/widgets.h"
#include "ui/grs/grs_drift_settings.h"
#include "ui/grs/grs_kind.h"
#include "ui/grs/grs_skin_words.h"

namespace kelvra {
namespace {

constexpr double kSecondsPerDay = 86400;

std::string decimalSeparator() {
  return QLocale().decimalPoint().toStdString();
}

// Whether a key typed into the date field is thrown away: anything printable but digits and "-".
bool discardedInDateField(const QKeyEvent& key) {
  return DiscardedInNumberField(key) && key.text() != QStringLiteral("-");
}

}  // namespace

JulianDay StartOfUTDay(std::time_t instant) {
  const double days = std::floor(static_cast<double>(instant) / kSecondsPerDay);
  return JulianDayFromUnixTime(days * kSecondsPerDay);
}

TGRSLongitude::TGRSLongitude(SideWindowHost& host, QWidget& grsWindow, SettingsStore& store)
    : QDialog(&grsWindow, Qt::Dialog | Qt::FramelessWindowHint),
      host_(host),
      grsWindow_(grsWindow),
      store_(store),
      imgGRSLong(new ImageView(this, "imgGRSLong")),
      txtRSLong(MakeNumberField(this, "txtRSLong", layout::kLongitudeField, 3)),
      txtDrift(MakeNumberField(this, "txtDrift", layout::kDriftField, 5)),
      txtEpoch(MakeNumberField(this, "txtEpoch", layout::kEpochField, 10)) {
  setObjectName(QStringLiteral("GRSLongitude"));
  setWindowTitle(QStringLiteral("GRS Longitude"));
  // The words beside the fields are part of the dialog's picture.
  txtRSLong->setAccessibleName(QStringLiteral("Longitude"));
  txtRSLong->setAccessibleDescription(QStringLiteral("Degrees, System II"));
  txtDrift->setAccessibleName(QStringLiteral("Drift"));
  txtDrift->setAccessibleDescription(QStringLiteral("Degrees a month"));
  txtEpoch->setAccessibleName(QStringLiteral("Date"));
  txtEpoch->setAccessibleDescription(
      QStringLiteral("The day the longitude held on, year-month-day"));
  setModal(true);
  setPalette(PanelPalette());
  for (QLineEdit* field : {txtRSLong, txtDrift, txtEpoch}) field->installEventFilter(this);
  setTabOrder(txtRSLong, txtDrift);
  setTabOrder(txtDrift, txtEpoch);
  FormCreate();
}

void TGRSLongitude::FormCreate() {
  // Without its picture the dialog still opens, bare, so the values can be set.
  LoadSkinAsset(*imgGRSLong, QStringLiteral("Kelvra0.dat"), layout::kLongitudeDialogWords);
  setFixedSize(layout::kLongitudeDialogSize);
}

void TGRSLongitude::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TGRSLongitude::FormActivate() {
  const RedSpotDrift drift = ReadRedSpotDrift(store_.ini());
  txtRSLong->setText(QString::number(host_.config().RSLongitude));
  txtDrift->setText(
      QString::fromStdString(FormatDriftText(drift.degreesPerMonth, decimalSeparator())));
  // Without a stored date the longitude is taken to be today's.
  const JulianDay epoch = drift.epoch != 0 ? drift.epoch : StartOfUTDay(Now());
  txtEpoch->setText(QString::fromStdString(FormatISODate(epoch)));
  for (QLineEdit* field : {txtRSLong, txtDrift, txtEpoch}) field->selectAll();
  txtRSLong->setFocus();
  // Just under the GRS window's globe button.
  move(grsWindow_.x() + 66, grsWindow_.y() + 40);
}

bool TGRSLongitude::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    for (QLineEdit* field : {txtRSLong, txtDrift, txtEpoch}) {
      if (watched == field) return fieldKeyPress(*field, *static_cast<QKeyEvent*>(event));
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool TGRSLongitude::fieldKeyPress(QLineEdit& field, const QKeyEvent& key) {
  QLineEdit* const order[] = {txtRSLong, txtDrift, txtEpoch};
  if (DialogFieldKey(*this, order, field, key, [this] { return storeAll(); })) return true;
  const bool discarded = &field == txtDrift   ? DiscardedInDecimalField(key)
                         : &field == txtEpoch ? discardedInDateField(key)
                                              : DiscardedInNumberField(key);
  return RefuseKey(field, key, discarded);
}

bool TGRSLongitude::storeAll() {
  const std::optional<std::uint16_t> longitude = ReadNumberField(*txtRSLong);
  if (!longitude) {
    txtRSLong->setFocus();
    return false;
  }
  // Read by the one rule of every decimal field, then rounded and limited as a drift.
  const std::optional<QString> plain = PlainDecimalText(txtDrift->text());
  const DriftTextValue drift = plain ? ParseDriftText(plain->toStdString(), ".")
                                     : DriftTextValue{DriftTextStatus::NotANumber, 0.0};
  if (drift.status == DriftTextStatus::NotANumber) {
    ReportFieldError(
        *txtDrift,
        QStringLiteral("'%1' is not a valid floating point value").arg(txtDrift->text()));
    return false;
  }
  if (drift.status != DriftTextStatus::Ok) {
    // Beyond the range or the decimal: the field shows what would be stored, for a second Enter.
    txtDrift->setText(
        QString::fromStdString(FormatDriftText(drift.degreesPerMonth, decimalSeparator())));
    txtDrift->setFocus();
    txtDrift->selectAll();
    return false;
  }
  const std::optional<JulianDay> typedEpoch = ParseISODate(txtEpoch->text().toStdString());
  if (!typedEpoch) {
    ReportFieldError(*txtEpoch, QStringLiteral("'%1' is not a valid date").arg(txtEpoch->text()));
    return false;
  }

  const RedSpotDrift stored = ReadRedSpotDrift(store_.ini());
  const bool changed =
      *longitude != host_.config().RSLongitude || drift.degreesPerMonth != stored.degreesPerMonth;
  RedSpotDrift next{drift.degreesPerMonth, stored.epoch};
  // A date the user typed holds, even the one that was shown.
  if (txtEpoch->isModified()) {
    next.epoch = *typedEpoch;
  } else if (changed || stored.epoch == 0) {
    // A new value typed without a date is today's.
    next.epoch = StartOfUTDay(Now());
  }
  host_.config().RSLongitude = *longitude;
  host_.saveSettings();
  PutRedSpotDrift(store_.ini(), next);
  store_.syncIni();
  return true;
}

}  // namespace kelvra
