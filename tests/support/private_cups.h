// A private CUPS daemon for the print tests (tests/support/private_cups.sh): its own folder,
// socket and default queue, which writes each job as a PDF into a folder of its own. The
// machine's printers are never touched.
#pragma once

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QThread>

#include <cstdlib>

namespace kelvra::testing {

// Runs a program to its end. Returns: its standard output, or a null string when it failed.
inline QString RunProgram(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0)
    return {};
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

class PrivateCups {
 public:
  // Starts the daemon and points this process's libcups at it; call before the process's
  // first CUPS call, since libcups picks its server once.
  void start() {
    for (const char* tool : {"pdftotext", "pdftoppm", "pdfinfo"})
      if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
        skipReason += QStringLiteral("%1 is not installed (poppler-utils). ").arg(tool);
    if (!skipReason.isEmpty()) return;
    // A short folder: the daemon's socket path must stay under 108 bytes.
    char pattern[] = "/tmp/kelvra-cups.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
      failure = QStringLiteral("no temporary folder");
      return;
    }
    folder = QString::fromLatin1(pattern);
    QProcess script;
    script.start(QStringLiteral(KELVRA_PRIVATE_CUPS), {QStringLiteral("start"), folder});
    script.waitForFinished(60000);
    const QString output = QString::fromLocal8Bit(script.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(script.readAllStandardError());
    if (script.exitCode() == kExitSkipped) {
      skipReason = errors.trimmed() + QStringLiteral(" (tools/bootstrap installs cups)");
      return;
    }
    if (script.exitCode() != 0) {
      failure = QStringLiteral("private cupsd did not start: ") + errors;
      return;
    }
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
      const QString name = line.section(QLatin1Char('='), 0, 0);
      const QString value = line.section(QLatin1Char('='), 1);
      if (name == QStringLiteral("CUPS_SERVER")) server = value;
      if (name == QStringLiteral("PRINTER_QUEUE")) queue = value;
      if (name == QStringLiteral("OUTPUT_DIR")) outputDir = value;
    }
    qputenv("CUPS_SERVER", server.toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
  }

  void stop() {
    if (folder.isEmpty()) return;
    RunProgram(QStringLiteral(KELVRA_PRIVATE_CUPS), {QStringLiteral("stop"), folder});
    QDir(folder).removeRecursively();
    folder.clear();
  }

  // The jobs the queue has written so far, oldest first.
  QStringList printedFiles() const {
    return QDir(outputDir).entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
  }

  // Waits, at most ten seconds, for a job file beyond the `before` first ones.
  // Returns: its path, or a null string when none came.
  QString waitForNewJob(int before) const {
    for (int waited = 0; waited < 10000; waited += 100) {
      const QStringList files = printedFiles();
      if (files.size() > before) return outputDir + QLatin1Char('/') + files.last();
      QThread::msleep(100);
    }
    return {};
  }

  QString skipReason;  // a tool is missing: the tests say SKIPPED with this
  QString failure;     // the daemon did not start
  QString folder, server, queue, outputDir;

 private:
  static constexpr int kExitSkipped = 77;  // private_cups.sh: cupsd or lpadmin is missing
};

}  // namespace kelvra::testing
