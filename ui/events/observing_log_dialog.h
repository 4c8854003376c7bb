// The observing log over the events window: the stamps made with F9, each with the predicted
// contact it belongs to, observed and predicted UT and O−C; the contact, time and note edited
// in place, an entry deleted after asking, the whole exported as CSV.
#pragma once

#include <QDialog>

#include <functional>
#include <vector>

#include "core/moon_event_list.h"
#include "ui/events/observing_log_store.h"

class QLabel;
class QTableWidget;

namespace kelvra {

class ObservingLogDialog : public QDialog {
  Q_OBJECT
 public:
  // Given an instant (days, UT), the lines of the events list around it, as the list shows
  // them (its filter, its clock): the contacts an entry may belong to.
  using Contacts = std::function<std::vector<MoonEventLine>(JulianDay ut)>;
  // `exportFolder`: the folder the CSV file box offers first.
  ObservingLogDialog(ObservingLog& log, Contacts contacts, std::function<QString()> exportFolder,
                     QWidget* parent);

  // Reads the log again (a new stamp, or another copy of the program wrote).
  void refresh();
  // Asks for a file and writes the log as CSV to it (exportTo).
  void exportCsv();
  // Writes the log as CSV to `path`, whole or not at all. Returns: false when not written (said).
  bool exportTo(const QString& path);
  // Deletes the selected entry after asking.
  void deleteSelected();

 private:
  void cellEdited(int row, int column);
  void contactChosen(int row, int index);
  void showRow(int row);

  ObservingLog& log_;
  Contacts contacts_;
  std::function<QString()> exportFolder_;
  std::vector<LogEntry> entries_;
  std::vector<std::vector<MoonEventLine>> choices_;  // per row, the contacts its list offers
  QLabel* warning_;
  QLabel* file_;
  QTableWidget* table_;
  bool filling_ = false;  // the table is being filled: no edit to take
};

}  // namespace kelvra
