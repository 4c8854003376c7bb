#include "ui/common/page_layout.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <dlfcn.h>

#include <utility>

#include "ui/common/messages.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"

namespace kelvra {

namespace {

constexpr const char* kWebAddress = "http://www.kelvra95.example.org";

// The pages place text and chart at fixed dot offsets (the title at 80, the subtitle at 210,
// 22.75 dots per Jupiter radius) that fit a 300-dot-per-inch page: at a queue's 600 or 1200
// the subtitle would cover the title and the tracks would shrink to the page's middle.
// CUPS takes a PDF, whose dot grid is ours to choose.
constexpr int kPageDotsPerInch = 300;

// Draws `text` centred across a page `pageWidth` dots wide with its top at y (dots).
void drawCentred(QPainter& painter, int pageWidth, int y, const QString& text) {
  const int width = painter.fontMetrics().horizontalAdvance(text);
  DrawOpaqueText(painter, QPoint((pageWidth - width) / 2, y), text, Qt::black);
}

// Qt hands the finished page to CUPS and ignores CUPS's answer. The answer stays in libcups's
// per-thread last error, which we read here when Qt's print plugin has loaded libcups.
// Returns: CUPS's reason when the last request on this thread failed, else an empty text.
QString cupsRefusal() {
  void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (library == nullptr) return {};
  using LastError = int (*)();
  using LastErrorString = const char* (*)();
  const auto lastError = reinterpret_cast<LastError>(dlsym(library, "cupsLastError"));
  const auto lastErrorString =
      reinterpret_cast<LastErrorString>(dlsym(library, "cupsLastErrorString"));
  QString reason;
  // IPP status codes 0x0000..0x00FF are the successful ones.
  if (lastError != nullptr && lastErrorString != nullptr && lastError() > 0x00FF)
    reason = QString::fromLocal8Bit(lastErrorString());
  dlclose(library);
  return reason;
}

bool reportFailure(const QString& reason) {
  ShowError(QCoreApplication::translate("kelvra::PageLayout", "The page could not be printed.\n%1")
                .arg(reason));
  return false;
}

SaveFileChooser& chooser() {
  static SaveFileChooser instance;
  return instance;
}

QString askForPdfPath(const QString& suggestedPath) {
  if (chooser()) return chooser()(suggestedPath);
  const QFileInfo suggested(suggestedPath);
  QFileDialog dialog(QApplication::activeWindow(),
                     QCoreApplication::translate(
                         "kelvra::PageLayout", "No printer is available - save the page as a PDF"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QCoreApplication::translate("kelvra::PageLayout", "PDF files (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setDirectory(suggested.absolutePath());
  dialog.selectFile(suggested.fileName());
  if (RunModal(dialog) != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

// The page set-up a printer and a PDF share, so that `drawPage` sees the same dot grid.
void setUpPage(QPrinter& printer, const QString& documentName) {
  printer.setResolution(kPageDotsPerInch);
  printer.setPageOrientation(QPageLayout::Portrait);
  // Queues that describe no colour support would otherwise get a grey page.
  printer.setColorMode(QPrinter::Color);
  printer.setDocName(documentName);
}

// Draws the page into the PDF file at `path`. Returns: false when it could not be written.
bool writePdf(const QString& path, const QString& documentName,
              const std::function<void(QPainter& painter, QSize page)>& drawPage) {
  // QPrinter opens the file only in QPainter::begin, which complains on standard error when
  // it cannot: a file that cannot be opened is found out here, and said by our message alone.
  if (QFile file(path); !file.open(QIODevice::WriteOnly)) return false;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setCreator(QStringLiteral("Kelvra95"));
  setUpPage(printer, documentName);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  drawPage(painter, QSize(printer.width(), printer.height()));
  return painter.end() && printer.printerState() != QPrinter::Error;
}

bool saveAsPdf(SettingsStore& settings, const QString& documentName, const QString& pdfFileName,
               const std::function<void(QPainter& painter, QSize page)>& drawPage) {
  const QString path = askForPdfPath(QDir(PdfFolder(settings)).filePath(pdfFileName));
  if (path.isEmpty()) return false;
  if (!writePdf(path, documentName, drawPage)) {
    ShowError(QCoreApplication::translate("kelvra::PageLayout",
                                          "The page could not be saved as a PDF.\nCannot write "
                                          "\"%1\".")
                  .arg(QDir::toNativeSeparators(path)));
    return false;
  }
  kLastFolderKey.write(settings.ini(), QFileInfo(path).absolutePath());
  settings.syncIni();
  return true;
}

}  // namespace

QString FooterLine() {
  //: The page's footer; %1 is the program's web address.
  return QCoreApplication::translate("kelvra::PageLayout", "Printed by Kelvra95 V1.14  (%1)")
      .arg(QString::fromLatin1(kWebAddress));
}

PageHeights PrintPageTitle(QPainter& painter, QSize page, const QString& title,
                           const QString& subtitle) {
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  PageHeights heights;
  heights.FooterHeight = static_cast<std::uint16_t>(2 * painter.fontMetrics().height());
  painter.drawRect(0, 0, page.width() - 2, page.height() - 2);

  QFont font(QStringLiteral("Times New Roman"), 24, QFont::Bold);
  painter.setFont(font);
  drawCentred(painter, page.width(), 80, title);
  heights.TitleHeight = static_cast<std::uint16_t>(3 * painter.fontMetrics().height());

  font.setPointSize(12);
  font.setBold(false);
  painter.setFont(font);
  drawCentred(painter, page.width(), 210, subtitle);
  font.setPointSize(7);
  painter.setFont(font);
  return heights;
}

void PrintPageFooter(QPainter& painter, QSize page, std::uint16_t footerHeight) {
  QFont font = painter.font();
  font.setPointSize(7);
  font.setItalic(true);
  painter.setFont(font);
  drawCentred(painter, page.width(), page.height() - static_cast<int>(0.75 * footerHeight),
              FooterLine());
  font.setItalic(false);
  painter.setFont(font);
}

void DrawOpaqueText(QPainter& painter, QPoint topLeft, const QString& text, const QColor& colour) {
  const QFontMetrics metrics = painter.fontMetrics();
  painter.fillRect(QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height())),
                   painter.brush().color());
  const QPen pen = painter.pen();
  painter.setPen(colour);
  painter.drawText(topLeft.x(), topLeft.y() + metrics.ascent(), text);
  painter.setPen(pen);
}

QString PdfFileName(const QString& what, std::uint16_t month, std::uint16_t year) {
  return QStringLiteral("Kelvra95 %1 %2-%3.pdf")
      .arg(what)
      .arg(year, 4, 10, QLatin1Char('0'))
      .arg(month, 2, 10, QLatin1Char('0'));
}

void SetSaveFileChooser(SaveFileChooser newChooser) {
  chooser() = std::move(newChooser);
}

QString PdfFolder(SettingsStore& settings) {
  return kLastFolderKey.read(settings.ini());
}

bool PrintOnePage(SettingsStore& settings, const QString& documentName, const QString& pdfFileName,
                  const std::function<void(QPainter& painter, QSize page)>& drawPage) {
  const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
  if (printerInfo.isNull()) return saveAsPdf(settings, documentName, pdfFileName, drawPage);
  QPrinter printer(printerInfo, QPrinter::HighResolution);
  setUpPage(printer, documentName);
  QPainter painter;
  if (!painter.begin(&printer))
    return reportFailure(
        QCoreApplication::translate("kelvra::PageLayout", "The printer \"%1\" could not be opened.")
            .arg(printerInfo.printerName()));
  drawPage(painter, QSize(printer.width(), printer.height()));
  const bool ended = painter.end();
  const QString refusal = cupsRefusal();
  if (!refusal.isEmpty()) return reportFailure(refusal);
  if (!ended || printer.printerState() == QPrinter::Error)
    return reportFailure(QCoreApplication::translate("kelvra::PageLayout",
                                                     "The printing system reported an error."));
  return true;
}

QString TimeBasisSubtitle(const TimeBasis& basis) {
  if (!basis.localTime)
    return QCoreApplication::translate("kelvra::PageLayout", "[Universal Time]");
  // UT = local + offset, so a zone east of Greenwich has a negative offset and a "+".
  const std::int32_t east = -basis.zoneOffset;
  const std::int32_t minutes = east < 0 ? -east : east;
  //: The page's clock: the sign, the hours and the minutes of its offset from UT.
  return QCoreApplication::translate("kelvra::PageLayout", "[Local Time, UTC%1%2:%3]")
      .arg(east < 0 ? QChar('-') : QChar('+'))
      .arg(minutes / 60)
      .arg(minutes % 60, 2, 10, QChar('0'));
}

}  // namespace kelvra
