#include "ui/events/moon_events_export_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/common/observation.h"
#include "ui/common/widgets.h"

namespace kelvra {

std::optional<ExportTarget> AskExportTarget(QWidget* parent, const ListMonth& month,
                                            const QString& folder, const QString& what,
                                            const QString& title) {
  const QString name = QStringLiteral("Kelvra95 %1 %2-%3")
                           .arg(what)
                           .arg(month.year, 4, 10, QChar('0'))
                           .arg(month.month, 2, 10, QChar('0'));
  QFileDialog dialog(parent, title);
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
                        QStringLiteral("%1 already exists.\nDo you want to replace it?")
                            .arg(QFileInfo(target.path).fileName()),
                        QMessageBox::Yes | QMessageBox::No, parent);
    replace.setDefaultButton(QMessageBox::No);
    if (RunModal(replace) == QMessageBox::Yes) return target;
    dialog.selectFile(QFileInfo(target.path).fileName());  // the dialog again, on that name
  }
}

}  // namespace kelvra
