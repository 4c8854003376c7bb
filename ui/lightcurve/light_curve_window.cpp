#include "ui/lightcurve/light_curve_window.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QSettings>

#include <cmath>

#include "core/moon_event_list.h"
#include "ui/common/export_file.h"
#include "ui/common/messages.h"
#include "ui/common/page_layout.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/common/window_menu.h"
#include "ui/lightcurve/light_curve_plot.h"
#include "ui/lightcurve/lightcurve_kind.h"

namespace kelvra {
namespace {

// The folder a curve was last exported to; before a first export, the PDFs' folder.
const FolderKey kCurveFolderKey{"LightCurve/ExportFolder", &kLastFolderKey};

constexpr int kPlotHeight = 236;  // list pixels: the chart, its axis labels and times

QString reasonText(CurveReason reason) {
  switch (reason) {
    case CurveReason::Selected:
      //: The event shown is the one selected in the events list
      return TLightCurve::tr("selected");
    case CurveReason::GoingOn:
      //: The event shown is going on now
      return TLightCurve::tr("going on");
    case CurveReason::Next:
      break;
  }
  //: The event shown is the next to come
  return TLightCurve::tr("next");
}

// The event's date on the clock of `basis`: "2026-12-09".
QString dateText(const MutualEvent& event, const TimeBasis& basis) {
  const CivilDateTime d = CalDate(std::round(event.maximum * 1440) / 1440, basis.offset());
  return QStringLiteral("%1-%2-%3")
      .arg(d.year, 4, 10, QChar('0'))
      .arg(d.month, 2, 10, QChar('0'))
      .arg(d.day, 2, 10, QChar('0'));
}

}  // namespace

TLightCurve::TLightCurve(const SideWindowLinks& links, QWidget* parent)
    : SideWindowForm(links, kLightCurveKind,
                     {"LightCurve", "imgLightCurveBack", "btnExit", "imgLightCurve"}, nullptr,
                     parent) {
  QAction* save = MakeAction(this, tr("Export curve\u2026"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
                             [this] { exportCurve(); });
  menu().add(MenuGroup::View, save);
}

bool TLightCurve::localTime() const {
  return kLightCurveLocalTimeKey.read(settings().ini());
}

void TLightCurve::storeLocalTime(bool local) {
  kLightCurveLocalTimeKey.write(settings().ini(), local);
  settings().syncIni();
}

ListMonth TLightCurve::listMonth() const {
  if (!curve()) return SideWindowForm::listMonth();
  const CivilDateTime d = CalDate(curve()->event.maximum, timeBasis().offset());
  return {d.month, d.year};
}

void TLightCurve::observationChanged(ObservationChanges what, InstantChange) {
  if (!isVisible()) return;
  if (what & (ObservationChange::Instant | ObservationChange::Selection | ObservationChange::Site |
              ObservationChange::Zone)) {
    redraw();  // the instant's mark moves even when the curve stays
  }
}

// The lines under the chart, as drawn and as read aloud.
QStringList TLightCurve::shownLines() const {
  //: Two lines in the window, the second under the first
  if (!curve()) return {tr("No mutual event"), tr("within a year")};
  QStringList lines = LightCurveFigures(*curve(), timeBasis());
  const std::optional<SiteSetting>& site = observation().site;
  if (site && !curve()->hidden.empty()) lines << HiddenLegend(site->limits);
  return lines;
}

void TLightCurve::drawList(QImage& list) {
  model_.follow(observation());
  QPainter painter(&list);
  painter.setFont(listFont());
  const int row = QFontMetrics(listFont()).height();
  const int width = layout::kListSize.width();
  int y = 2;
  if (curve()) {
    // "3E2  2026-12-10, next" over "Ganymede eclipses Europa": the name alone fills a row.
    const QString name = LightCurveName(curve()->event);
    const qsizetype space = name.indexOf(' ');
    painter.setPen(QColor(255, 136, 255));
    painter.drawText(QRect(2, y, width - 4, row), Qt::AlignLeft, name.left(space));
    painter.setPen(QColor(0, 255, 255));
    painter.drawText(QRect(30, y, width - 32, row), Qt::AlignLeft,
                     QStringLiteral("%1, %2").arg(dateText(curve()->event, timeBasis()),
                                                  reasonText(curve()->reason)));
    y += row;
    painter.setPen(QColor(255, 136, 255));
    painter.drawText(QRect(2, y, width - 4, row), Qt::AlignLeft, name.mid(space + 1));
    y += row;
    DrawLightCurvePlot(painter, QRect(0, y + 2, width, kPlotHeight), *curve(), timeBasis(),
                       observation().instantUT, ScreenPlotStyle(listFont()));
    y += kPlotHeight + row / 2;
  }
  painter.setPen(QColor(255, 255, 0));
  for (const QString& line : shownLines()) {
    const QRect box = painter.boundingRect(QRect(2, y, width - 4, 4 * row),
                                           Qt::AlignLeft | Qt::TextWordWrap, line);
    painter.drawText(box, Qt::AlignLeft | Qt::TextWordWrap, line);
    y += box.height();
  }
}

SpokenPicture TLightCurve::spokenList() const {
  SpokenPicture spoken;
  spoken.kind = SpokenPicture::Kind::Chart;
  const QString basis = localTime() ? tr("local time") : tr("Universal Time");
  //: %1 the event ("2O1 Europa occults Io"), %2 its date, %3 the time basis
  spoken.name = curve() ? tr("Light curve, %1, %2, %3")
                              .arg(LightCurveName(curve()->event),
                                   dateText(curve()->event, timeBasis()), basis)
                        //: %1 the time basis
                        : tr("Light curve, %1").arg(basis);
  QStringList description;
  if (curve()) description << reasonText(curve()->reason);
  description << shownLines();
  spoken.description = description.join(QStringLiteral("; "));
  return spoken;
}

bool TLightCurve::printCurve() {
  redraw();  // the curve for the observation as it is now
  const LightCurvePageInput input{curve() ? &*curve() : nullptr, timeBasis(), observation().site};
  const ListMonth month = listMonth();
  return PrintOnePage(
      settings(), tr("Light Curve"),
      PdfFileName(QStringLiteral("Light curve"), month.month, month.year),
      [&input](QPainter& painter, QSize page) { DrawLightCurvePage(painter, page, input); });
}

void TLightCurve::exportCurve() {
  redraw();
  if (!curve()) {
    ShowError(tr("There is no mutual event to export within a year."));
    return;
  }
  const CivilDateTime d = CalDate(curve()->event.maximum, 0);
  const QString name = QStringLiteral("Kelvra95 %1 %2-%3-%4.csv")
                           .arg(QString::fromStdString(MutualEventCode(curve()->event)))
                           .arg(d.year, 4, 10, QChar('0'))
                           .arg(d.month, 2, 10, QChar('0'))
                           .arg(d.day, 2, 10, QChar('0'));
  QFileDialog dialog(this, tr("Export the light curve"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({QStringLiteral("CSV (*.csv)")});
  dialog.setDefaultSuffix(QStringLiteral("csv"));
  dialog.setDirectory(kCurveFolderKey.read(settings().ini()));
  dialog.selectFile(name);
  if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().front();
  if (exportTo(path)) {
    kCurveFolderKey.write(settings().ini(), QFileInfo(path).absolutePath());
    settings().syncIni();
  }
}

bool TLightCurve::exportTo(const QString& path) {
  redraw();
  if (!curve()) {
    ShowError(tr("There is no mutual event to export within a year."));
    return false;
  }
  if (!WriteExportFile(path, LightCurveCsv(*curve()))) {
    ShowError(tr("The light curve could not be exported.\nCannot write \"%1\".")
                  .arg(QDir::toNativeSeparators(path)));
    return false;
  }
  return true;
}

}  // namespace kelvra
