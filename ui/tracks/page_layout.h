// The page layout every printed page shares: the footer line and the height kept for it,
// and handing one page to the default printer.
#pragma once

#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>

class QPainter;

namespace kelvra {

// Printer dots kept free at the foot of the page: 2 x the text height of the footer line.
// Set by each page's title routine before the footer and the content read it.
extern std::uint16_t FooterHeight;

// "Printed by Kelvra95 V1.14  (" + the web address + ")".
QString FooterLine();

// Draws the footer line centred near the foot of a page of `page` dots.
void PrintPageFooter(QPainter& painter, QSize page);

// Draws one page with `drawPage` (given the painter and the printable area in dots) on the
// system's default printer, portrait, without a dialog. When there is no printer or the
// printing system refuses the job, shows an error box saying so and returns false.
bool PrintOnePage(const QString& documentName,
                  const std::function<void(QPainter& painter, QSize page)>& drawPage);

}  // namespace kelvra
