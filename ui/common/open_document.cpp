#include "ui/common/open_document.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

#include "ui/common/messages.h"

namespace kelvra {

QString HelpNotOpenedMessage(const std::filesystem::path& file) {
  return QStringLiteral("No program could open the Help File. Open it in a web browser:\n%1")
      .arg(QString::fromStdString(file.string()));
}

QProcess* OpenHelpFile(const std::filesystem::path& file) {
  // QDesktopServices::openUrl only tells whether xdg-open started, not whether it found a
  // viewer; its exit status does (3: no viewer found, 4: the viewer failed).
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProgram(QStringLiteral("xdg-open"));
  process->setArguments({QString::fromStdString(file.string())});
  // What xdg-open and the viewer print is not the program's to show.
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  const QString message = HelpNotOpenedMessage(file);
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, message](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;  // the rest end in finished
                     process->deleteLater();
                     ShowMessage(message);
                   });
  QObject::connect(process, &QProcess::finished, process,
                   [process, message](int exitCode, QProcess::ExitStatus status) {
                     process->deleteLater();
                     if (status != QProcess::NormalExit || exitCode != 0) ShowMessage(message);
                   });
  process->start();
  return process;
}

}  // namespace kelvra
