// Reminders before the events the list shows, on the real time, whether or not the window is
// open: a desktop notification (org.freedesktop.Notifications on the session bus) the lead
// before each phenomenon's first listed instant, once a run. Where no notification service
// answers, the events window shows the next reminder in a line of its own.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/moon_event_list.h"
#include "core/reminders.h"
#include "ui/common/settings_key.h"

namespace kelvra {

class SettingsStore;

// Minutes before each event (0, the default: no reminders).
inline const NumberKey kAlertMinutesKey{"Events/AlertMinutes", 0, kReminderLeadMax, 0.0, 0};

class EventReminders : public QObject {
  Q_OBJECT
 public:
  // `lines`: given the real time (days, UT), the list's lines as shown (its filter), reaching a
  // day past it; `offset`: the list's clock (minutes, UT = clock + offset).
  using LinesAt = std::function<std::vector<MoonEventLine>(JulianDay now)>;
  EventReminders(SettingsStore& settings, LinesAt lines, std::function<std::int32_t()> offset,
                 QObject* parent);

  // Minutes of lead (Events/AlertMinutes), 0 when off; setLead keeps it and looks again.
  int lead() const;
  void setLead(int minutes);
  // Gives what is due now and plans the next look (also after the lines' filter or clock
  // changed).
  void check();
  // The line the events window shows: the next reminder, "21:40 I.Sh.I in 10 min", while no
  // notification service answers; empty while one does, or reminders are off.
  const QString& line() const { return line_; }

 signals:
  void lineChanged();

 private:
  enum class Service { Unknown, Answers, None };
  void ask();  // whether a notification service answers (it may start on the call)
  void notify(const QString& body);
  void setService(Service service);
  void showLine();
  QString lineText(const Reminder& reminder, JulianDay now) const;

  SettingsStore& settings_;
  LinesAt lines_;
  std::function<std::int32_t()> offset_;
  QTimer timer_;
  std::vector<ReminderKey> given_;
  std::vector<MoonEventLine> shown_;  // the lines of the last look
  std::optional<Reminder> soonest_;   // the earliest reminder whose event has not begun
  Service service_ = Service::Unknown;
  bool asked_ = false;
  QString line_;
};

}  // namespace kelvra
