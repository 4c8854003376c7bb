#include "ui/common/export_file.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include "ui/common/observation.h"
#include "ui/common/widgets.h"

namespace kelvra {

QStringList ExportNameFilters() {
  return {QStringLiteral("iCalendar (*.ics)"), QStringLiteral("CSV (*.csv)")};
}

ExportTarget ExportTargetOf(const QString& typed, ExportFormat chosen) {
  const QString suffix = QFileInfo(typed).suffix();
  if (suffix.compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0)
    return {typed, ExportFormat::Csv};
  if (suffix.compare(QStringLiteral("ics"), Qt::CaseInsensitive) == 0)
    return {typed, ExportFormat::ICalendar};
  return {
      typed + (chosen == ExportFormat::ICalendar ? QStringLiteral(".ics") : QStringLiteral(".csv")),
      chosen};
}

std::optional<ExportTarget> AskExportTarget(QWidget* parent, const ListMonth& month,
                                            const QString& folder, const QString& what,
                                            const QString& title) {
  //: The word of the file name offered for the month's events: "Kelvra95 Events 2026-12".
  const QString name =
      QStringLiteral("Kelvra95 %1 %2-%3")
          .arg(what.isEmpty() ? QCoreApplication::translate("kelvra::ExportFile", "Events") : what)
          .arg(month.year, 4, 10, QChar('0'))
          .arg(month.month, 2, 10, QChar('0'));
  QFileDialog dialog(
      parent, title.isEmpty()
                  ? QCoreApplication::translate("kelvra::ExportFile", "Export the month's events")
                  : title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(ExportNameFilters());
  dialog.setDefaultSuffix(QStringLiteral("ics"));
  QObject::connect(
      &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter == ExportNameFilters().value(1) ? QStringLiteral("csv")
                                                                       : QStringLiteral("ics"));
      });
  // The name written may differ from the one the dialog returns (an extension added), so the
  // question before replacing a file is asked here, of the name written.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDirectory(folder);
  dialog.selectFile(name);
  for (;;) {
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      return std::nullopt;
    }
    const ExportFormat chosen = dialog.selectedNameFilter() == ExportNameFilters().value(1)
                                    ? ExportFormat::Csv
                                    : ExportFormat::ICalendar;
    const ExportTarget target = ExportTargetOf(dialog.selectedFiles().front(), chosen);
    if (!QFileInfo::exists(target.path)) return target;
    QMessageBox replace(QMessageBox::Warning, dialog.windowTitle(),
                        QCoreApplication::translate(
                            "kelvra::ExportFile", "%1 already exists.\nDo you want to replace it?")
                            .arg(QFileInfo(target.path).fileName()),
                        QMessageBox::Yes | QMessageBox::No, parent);
    replace.setDefaultButton(QMessageBox::No);
    if (RunModal(replace) == QMessageBox::Yes) return target;
    dialog.selectFile(QFileInfo(target.path).fileName());  // the dialog again, on that name
  }
}

bool WriteExportFile(const QString& path, const std::string& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace kelvra
