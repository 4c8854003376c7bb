#include "ui/common/page_layout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <dlfcn.h>

#include "ui/common/messages.h"

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
  ShowError(QStringLiteral("The page could not be printed.\n") + reason);
  return false;
}

}  // namespace

QString FooterLine() {
  return QStringLiteral("Printed by Kelvra95 V1.14  (") + QString::fromLatin1(kWebAddress) +
         QStringLiteral(")");
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

bool PrintOnePage(const QString& documentName,
                  const std::function<void(QPainter& painter, QSize page)>& drawPage) {
  const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
  if (printerInfo.isNull()) {
    ShowError(QStringLiteral("No printer is available"));
    return false;
  }
  QPrinter printer(printerInfo, QPrinter::HighResolution);
  printer.setResolution(kPageDotsPerInch);
  printer.setPageOrientation(QPageLayout::Portrait);
  // Queues that describe no colour support would otherwise get a grey page.
  printer.setColorMode(QPrinter::Color);
  printer.setDocName(documentName);
  QPainter painter;
  if (!painter.begin(&printer))
    return reportFailure(
        QStringLiteral("The printer \"%1\" could not be opened.").arg(printerInfo.printerName()));
  drawPage(painter, QSize(printer.width(), printer.height()));
  const bool ended = painter.end();
  const QString refusal = cupsRefusal();
  if (!refusal.isEmpty()) return reportFailure(refusal);
  if (!ended || printer.printerState() == QPrinter::Error)
    return reportFailure(QStringLiteral("The printing system reported an error."));
  return true;
}

}  // namespace kelvra
