// The page layout every printed page shares: the footer line and the height kept for it,
// and handing one page to the default printer, or to a PDF file when there is none.
#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>

#include "core/calendar.h"
#include "ui/common/settings_key.h"

class QPainter;

namespace kelvra {

class SettingsStore;

// "Printed by Kelvra95 V1.14  (" + the web address + ")".
QString FooterLine();

// The heights a page's title routine measured: the bands at the top and the foot of the page
// that the page's content leaves free.
struct PageHeights {
  std::uint16_t TitleHeight = 0;   // dots, 3 x the title's text height
  std::uint16_t FooterHeight = 0;  // dots, 2 x the text height of the font held on entry
};

// The title block every page opens with. Sets pen black and fill white; measures FooterHeight
// from the font the painter holds on entry (on a fresh page: the application's default font);
// draws the frame around the page, `title` in Times New Roman 24 points bold centred at
// y = 80 and `subtitle` in 12 points regular centred at y = 210, both whole; leaves the font
// at Times New Roman 7 points regular.
// Returns: the title block's and the footer's heights (dots).
PageHeights PrintPageTitle(QPainter& painter, QSize page, const QString& title,
                           const QString& subtitle);

// Given: a page's clock. Returns: the subtitle naming it: "[Universal Time]", or local time
// with its offset from UT, "[Local Time, UTC-5:00]", "[Local Time, UTC+9:30]".
QString TimeBasisSubtitle(const TimeBasis& basis);

// Draws the footer line centred near the foot of a page of `page` dots, in the painter's
// typeface at 7 points italic, footerHeight x 0.75 (dots) above the foot; the font is left
// regular.
void PrintPageFooter(QPainter& painter, QSize page, std::uint16_t footerHeight);

// Draws `text` in the painter's font and `colour` with the top-left corner of its box at
// `topLeft`, on an opaque box of the painter's brush colour (the box: the text's advance
// width x the font's height).
void DrawOpaqueText(QPainter& painter, QPoint topLeft, const QString& text, const QColor& colour);

// The name offered when a page is saved as a PDF instead of printed:
// "Kelvra95 " + `what` + " " + year-month, e.g. "Kelvra95 Tracks 2026-12.pdf".
QString PdfFileName(const QString& what, std::uint16_t month, std::uint16_t year);

// Asks the user where to save a PDF, starting from `suggestedPath` (folder and name).
// Returns: the chosen path, or an empty text when the user cancelled.
using SaveFileChooser = std::function<QString(const QString& suggestedPath)>;
// Tests install a chooser so that no modal dialog ever blocks them; an empty function puts
// the real dialog back.
void SetSaveFileChooser(SaveFileChooser chooser);

// Kelvra95.ini: the folder a PDF was last saved in, offered first the next time.
inline const FolderKey kLastFolderKey{"Print/LastFolder"};

// The folder a saved PDF is first offered in: kLastFolderKey's in `settings`' ini file while
// it exists; else the user's documents folder when it exists, else the home folder.
QString PdfFolder(SettingsStore& settings);

// Draws one page with `drawPage` (given the painter and the printable area in dots) on the
// system's default printer, portrait, without a dialog. When the printing system refuses the
// job, shows an error box saying so and returns false. When there is no printer at all, offers
// to save the page as a PDF named `pdfFileName` (see PdfFileName) in PdfFolder(settings), drawn
// by the same `drawPage` at the same resolution, and remembers the folder it went to in
// `settings`; returns false when the user cancels (nothing is said) or the file cannot be
// written (an error box says so).
bool PrintOnePage(SettingsStore& settings, const QString& documentName, const QString& pdfFileName,
                  const std::function<void(QPainter& painter, QSize page)>& drawPage);

}  // namespace kelvra
