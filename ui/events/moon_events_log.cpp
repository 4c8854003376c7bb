// The events window's part in the observing log: the stamp, the contacts it is timed against
// (the list's own lines) and the log's dialog over the window.
#include <QAction>
#include <QDateTime>
#include <QInputDialog>

#include "core/observing_log.h"
#include "ui/common/page_layout.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/events/event_reminders.h"
#include "ui/events/moon_events_sky.h"
#include "ui/events/moon_events_window.h"
#include "ui/events/observing_log_dialog.h"
#include "ui/events/observing_log_store.h"

namespace kelvra {

std::vector<MoonEventLine> TMoonEvents::linesAround(JulianDay ut) const {
  const TimeBasis basis = timeBasis();
  const CivilDateTime at = CalDate(ut, basis.offset());
  const std::optional<MoonEventMonth> month =
      MonthOfMoonEvents(at.year, at.month, basis.localTime, basis.zoneOffset);
  if (!month) return {};
  const std::vector<MoonEventLine> lines = MoonEventLinesAround(*month);
  const std::optional<SiteSetting>& site = observation().site;
  return ShowMoonEvents(lines, SkyOfLines(lines, site), site && visibleOnly()).lines;
}

void TMoonEvents::stamp() {
  if (log_ == nullptr) return;
  // Read first, so that nothing below delays the instant; from the system clock itself, as the
  // program's clock (Now) gives whole seconds and a timing wants the tenth.
  const std::int64_t tenths = (QDateTime::currentMSecsSinceEpoch() + 50) / 100;
  std::optional<ObserverSite> site;
  if (observation().site) site = observation().site->place;
  const std::optional<std::int64_t> id = log_->stamp(tenths, site);  // committed
  if (id) {
    const JulianDay ut = LogInstantDays(tenths);
    const std::vector<MoonEventLine> lines = linesAround(ut);
    if (const std::optional<std::size_t> nearest = NearestContact(lines, ut)) {
      const LogContact contact = ContactOfLine(lines[*nearest]);
      LogEntry entry{*id, {tenths, contact.code, contact.phase, contact.predicted, site, {}}};
      log_->update(entry);
    }
  }
  if (logDialog_ != nullptr) logDialog_->refresh();
}

void TMoonEvents::showLog() {
  if (log_ == nullptr) return;
  if (logDialog_ == nullptr) {
    logDialog_ = new ObservingLogDialog(
        *log_, [this](JulianDay ut) { return linesAround(ut); },
        [this] { return kLastFolderKey.read(settings_.ini()); }, this);
    logDialog_->setWindowFlag(Qt::Dialog);
  }
  logDialog_->refresh();
  logDialog_->show();
  logDialog_->raise();
  logDialog_->activateWindow();
}

void TMoonEvents::askReminders() {
  QInputDialog dialog(this);
  dialog.setObjectName(QStringLiteral("ReminderDialog"));
  dialog.setWindowTitle(tr("Kelvra95 \u2013 Reminders"));
  dialog.setInputMode(QInputDialog::IntInput);
  dialog.setIntRange(0, kReminderLeadMax);
  dialog.setIntValue(reminders_->lead());
  dialog.setLabelText(tr("Minutes before each event (0: no reminders):"));
  if (RunModal(dialog) == QDialog::Accepted) reminders_->setLead(dialog.intValue());
}

}  // namespace kelvra
