#include "ui/events/event_reminders.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QSettings>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

#include "ui/common/clock.h"
#include "ui/common/settings_place.h"
#include "ui/events/moon_events_export.h"

namespace kelvra {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr qint64 kLongestWaitMs = 60 * 1000;  // a look at least each minute: a machine that
                                              // slept, a clock set anew, the line's minutes
constexpr int kAnswerWaitMs = 5000;           // a service slower than this counts as none

// The program's one clock (whole seconds are enough for a reminder).
JulianDay realNow() {
  return JulianDayFromUnixTime(static_cast<double>(Now()));
}

// "in 10 min": the whole minutes left until the event, a started minute counted.
QString inMinutes(const Reminder& reminder, JulianDay now) {
  const auto minutes = static_cast<long>(std::ceil((reminder.event - now) * 1440 - 1e-6));
  //: Time left until an event, %1 whole minutes (the reminder's line and notification).
  return EventReminders::tr("in %1 min").arg(std::max(0L, minutes));
}

QDBusMessage call(const QString& method) {
  return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

}  // namespace

EventReminders::EventReminders(SettingsStore& settings, LinesAt lines,
                               std::function<std::int32_t()> offset, QObject* parent)
    : QObject(parent), settings_(settings), lines_(std::move(lines)), offset_(std::move(offset)) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &EventReminders::check);
  // After the program's start-up: a reminder due then is given at once.
  QMetaObject::invokeMethod(this, &EventReminders::check, Qt::QueuedConnection);
}

int EventReminders::lead() const {
  const std::optional<double> minutes = kAlertMinutesKey.read(settings_.ini()).value;
  return minutes ? static_cast<int>(std::lround(*minutes)) : 0;
}

void EventReminders::setLead(int minutes) {
  kAlertMinutesKey.write(settings_.ini(), std::clamp(minutes, 0, kReminderLeadMax));
  settings_.syncIni();
  check();
}

void EventReminders::check() {
  timer_.stop();
  const int minutes = lead();
  if (minutes == 0) {
    soonest_.reset();
    showLine();
    return;
  }
  if (!asked_) ask();
  const JulianDay now = realNow();
  shown_ = lines_(now);
  const RemindersNow at = RemindersDueAt(shown_, now, minutes, given_);
  for (const Reminder& due : at.due) {
    given_.push_back(due.key);
    const MoonEventLine& line = shown_[due.line];
    const std::int32_t offset = offset_();
    //: A reminder's notification: %1 "5 21:40 I.Sh.I", %2 the event in words, %3 "in 10 min".
    notify(tr("%1 \u2014 %2; %3")
               .arg(QString::fromStdString(FormatMoonEventLine(line).joined()),
                    QString::fromStdString(MoonEventDescription(line, offset)),
                    inMinutes(due, now)));
  }
  soonest_ = !at.due.empty() ? std::optional<Reminder>(at.due.front()) : at.next;
  showLine();
  if (at.askAgain) {
    const auto wait = static_cast<qint64>(std::ceil((*at.askAgain - now) * 86400000));
    timer_.start(static_cast<int>(std::clamp<qint64>(wait, 100, kLongestWaitMs)));
  }
}

QString EventReminders::lineText(const Reminder& reminder, JulianDay now) const {
  const MoonEventLineText text = FormatMoonEventLine(shown_[reminder.line]);
  return QStringLiteral("%1 %2 %3")
      .arg(QString::fromStdString(text.time), QString::fromStdString(text.code),
           inMinutes(reminder, now));
}

void EventReminders::showLine() {
  QString line;
  if (service_ == Service::None && soonest_ && soonest_->event > realNow())
    line = lineText(*soonest_, realNow());
  if (line == line_) return;
  line_ = line;
  emit lineChanged();
}

void EventReminders::setService(Service service) {
  if (service_ == service) return;
  service_ = service;
  showLine();
}

void EventReminders::ask() {
  asked_ = true;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    setService(Service::None);
    return;
  }
  auto* watcher = new QDBusPendingCallWatcher(
      bus.asyncCall(call(QStringLiteral("GetServerInformation")), kAnswerWaitMs), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    setService(w->isError() ? Service::None : Service::Answers);
    w->deleteLater();
  });
}

void EventReminders::notify(const QString& body) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    setService(Service::None);
    return;
  }
  QDBusMessage message = call(QStringLiteral("Notify"));
  message << QStringLiteral("Kelvra95") << 0u << QString() << QStringLiteral("Kelvra95") << body
          << QStringList() << QVariantMap() << -1;
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, kAnswerWaitMs), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    setService(w->isError() ? Service::None : Service::Answers);
    w->deleteLater();
  });
}

}  // namespace kelvra
