#include "ui/events/observing_log_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "ui/common/event_words.h"
#include "ui/common/export_file.h"
#include "ui/common/messages.h"
#include "ui/common/widgets.h"

namespace kelvra {
namespace {

enum Column { kObserved, kContact, kPredicted, kOMinusC, kNote, kColumns };
constexpr double kOfferedDays = 3.0 / 24;  // a contact is offered within 3 hours of a stamp
constexpr double kSameContactDays = 1.0 / 86400;

QString contactText(const MoonEventLine& line) {
  const LogContact contact = ContactOfLine(line);
  //: A contact offered for a stamp: %1 its code "I.Sh.I", %2 its phase "ingress", %3 its time.
  return ObservingLogDialog::tr("%1 %2 (%3 UT)")
      .arg(QString::fromStdString(contact.code), PhaseWordText(contact.phase),
           QString::fromStdString(ListClockText(line.instant, 0, 0)));
}

}  // namespace

ObservingLogDialog::ObservingLogDialog(ObservingLog& log, Contacts contacts,
                                       std::function<QString()> exportFolder, QWidget* parent)
    : QDialog(parent),
      log_(log),
      contacts_(std::move(contacts)),
      exportFolder_(std::move(exportFolder)) {
  setObjectName(QStringLiteral("ObservingLog"));
  setWindowTitle(tr("Kelvra95 \u2013 Observing log"));
  auto* layout = new QVBoxLayout(this);
  warning_ = new QLabel(this);
  warning_->setObjectName(QStringLiteral("lblLogWarning"));
  warning_->setWordWrap(true);
  warning_->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold"));
  layout->addWidget(warning_);
  table_ = new QTableWidget(0, kColumns, this);
  table_->setObjectName(QStringLiteral("tblLog"));
  table_->setHorizontalHeaderLabels({tr("Observed UT"), tr("Contact"), tr("Predicted UT"),
                                     //: Observed minus computed time, in seconds.
                                     tr("O−C (s)"), tr("Note")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setAccessibleName(tr("Observing log"));
  layout->addWidget(table_);
  file_ = new QLabel(this);
  file_->setObjectName(QStringLiteral("lblLogFile"));
  file_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(file_);
  auto* buttons = new QHBoxLayout;
  auto* remove = new QPushButton(tr("&Delete\u2026"), this);
  remove->setObjectName(QStringLiteral("btnLogDelete"));
  auto* save = new QPushButton(tr("&Export CSV\u2026"), this);
  save->setObjectName(QStringLiteral("btnLogExport"));
  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName(QStringLiteral("btnLogClose"));
  buttons->addWidget(remove);
  buttons->addWidget(save);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(remove, &QPushButton::clicked, this, &ObservingLogDialog::deleteSelected);
  connect(save, &QPushButton::clicked, this, &ObservingLogDialog::exportCsv);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(table_, &QTableWidget::cellChanged, this, &ObservingLogDialog::cellEdited);
  resize(720, 320);
  refresh();
}

void ObservingLogDialog::refresh() {
  const QString warning = log_.warning();
  warning_->setText(warning);
  warning_->setVisible(!warning.isEmpty());
  const std::filesystem::path file = log_.file();
  file_->setText(file.empty() ? tr("Kept in memory for this run")
                              //: %1 the log's file.
                              : tr("Kept in %1").arg(QString::fromStdString(file)));
  entries_ = log_.entries();
  choices_.assign(entries_.size(), {});
  filling_ = true;
  table_->setRowCount(static_cast<int>(entries_.size()));
  for (int row = 0; row < table_->rowCount(); ++row) showRow(row);
  filling_ = false;
  table_->resizeColumnsToContents();
  // The drop-down lists are cell widgets, which the column's own fitting does not see.
  int contactWidth = table_->columnWidth(kContact);
  for (int row = 0; row < table_->rowCount(); ++row) {
    if (QWidget* box = table_->cellWidget(row, kContact))
      contactWidth = std::max(contactWidth, box->sizeHint().width());
  }
  table_->setColumnWidth(kContact, contactWidth);
}

void ObservingLogDialog::showRow(int row) {
  const LogRecord& r = entries_[static_cast<std::size_t>(row)].record;
  const JulianDay observed = LogInstantDays(r.observedTenths);
  auto item = [&](int column, const QString& text, bool editable) {
    auto* cell = new QTableWidgetItem(text);
    if (!editable) cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
    table_->setItem(row, column, cell);
  };
  item(kObserved, QString::fromStdString(LogTimeText(observed)), true);
  item(kPredicted, r.predicted ? QString::fromStdString(LogTimeText(*r.predicted)) : QString(),
       false);
  const std::optional<double> oc = ObservedMinusComputed(r);
  item(kOMinusC, oc ? QString::asprintf("%+.1f", *oc) : QString(), false);
  item(kNote, QString::fromStdString(r.note), true);

  // The contacts within a few hours, the one chosen kept even when the list no longer shows it.
  std::vector<MoonEventLine>& offered = choices_[static_cast<std::size_t>(row)];
  offered.clear();
  for (const MoonEventLine& line : contacts_(observed))
    if (std::abs(line.exact - observed) <= kOfferedDays) offered.push_back(line);
  auto* box = new QComboBox;
  box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  box->setObjectName(QStringLiteral("cmbLogContact"));
  box->setAccessibleName(tr("Contact"));
  box->addItem(QStringLiteral("\u2014"));
  int chosen = 0;
  if (!r.code.empty() && r.predicted) {
    chosen = -1;
    for (std::size_t i = 0; i < offered.size(); ++i) {
      const LogContact c = ContactOfLine(offered[i]);
      if (c.code == r.code && std::abs(c.predicted - *r.predicted) < kSameContactDays)
        chosen = static_cast<int>(i) + 1;
    }
    if (chosen < 0) {
      box->addItem(
          QStringLiteral("%1 %2").arg(QString::fromStdString(r.code), PhaseWordText(r.phase)));
      chosen = box->count() - 1;
    }
  }
  for (const MoonEventLine& line : offered) box->addItem(contactText(line));
  box->setCurrentIndex(chosen);
  connect(box, &QComboBox::activated, this, [this, row](int index) { contactChosen(row, index); });
  table_->setCellWidget(row, kContact, box);
}

void ObservingLogDialog::contactChosen(int row, int index) {
  LogEntry entry = entries_[static_cast<std::size_t>(row)];
  const std::vector<MoonEventLine>& offered = choices_[static_cast<std::size_t>(row)];
  auto* box = static_cast<QComboBox*>(table_->cellWidget(row, kContact));
  // The offered contacts are the box's last entries, after "—" and any contact kept.
  const int first = box->count() - static_cast<int>(offered.size());
  if (index == 0) {
    entry.record.code.clear();
    entry.record.phase.clear();
    entry.record.predicted.reset();
  } else if (index >= first) {
    const LogContact c = ContactOfLine(offered[static_cast<std::size_t>(index - first)]);
    entry.record.code = c.code;
    entry.record.phase = c.phase;
    entry.record.predicted = c.predicted;
  } else {
    return;  // the contact kept: nothing changes
  }
  log_.update(entry);
  refresh();
  table_->selectRow(row);
}

void ObservingLogDialog::cellEdited(int row, int column) {
  if (filling_) return;
  LogEntry entry = entries_[static_cast<std::size_t>(row)];
  const std::string text = table_->item(row, column)->text().trimmed().toStdString();
  if (column == kObserved) {
    const std::optional<std::int64_t> tenths = ParseLogTime(text);
    if (!tenths) {
      ShowError(LogTimeNotReadMessage(QString::fromStdString(text)));
      refresh();
      return;
    }
    entry.record.observedTenths = *tenths;
  } else if (column == kNote) {
    entry.record.note = text;
  } else {
    return;
  }
  log_.update(entry);
  // Queued: the table is still in its editor's signal.
  QMetaObject::invokeMethod(this, &ObservingLogDialog::refresh, Qt::QueuedConnection);
}

void ObservingLogDialog::deleteSelected() {
  const int row = table_->currentRow();
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  const LogEntry& entry = entries_[static_cast<std::size_t>(row)];
  QMessageBox ask(
      QMessageBox::Question, windowTitle(),
      tr("Delete the timing of %1 UT?")
          .arg(QString::fromStdString(LogTimeText(LogInstantDays(entry.record.observedTenths)))),
      QMessageBox::Yes | QMessageBox::No, this);
  ask.setObjectName(QStringLiteral("LogDeleteQuestion"));
  ask.setDefaultButton(QMessageBox::No);
  if (RunModal(ask) != QMessageBox::Yes) return;
  log_.remove(entry.id);
  refresh();
}

void ObservingLogDialog::exportCsv() {
  const QString path = QFileDialog::getSaveFileName(
      this, tr("Export the observing log"), exportFolder_() + QStringLiteral("/Kelvra95 log.csv"),
      //: The file box's filter; keep "(*.csv)".
      tr("CSV (*.csv)"));
  if (!path.isEmpty()) exportTo(path);
}

bool ObservingLogDialog::exportTo(const QString& path) {
  std::vector<LogRecord> records;
  for (const LogEntry& entry : log_.entries()) records.push_back(entry.record);
  if (WriteExportFile(path, LogCsvText(records))) return true;
  ShowError(LogExportFailedMessage(path));
  return false;
}

}  // namespace kelvra
