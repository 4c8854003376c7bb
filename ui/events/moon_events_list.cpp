#include "ui/events/moon_events_list.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "core/moons.h"
#include "core/mutual_light.h"
#include "ui/common/event_words.h"
#include "ui/common/page_layout.h"
#include "ui/common/picture_style.h"
#include "ui/common/pictures.h"

namespace kelvra {
namespace {

const QColor kBand(40, 40, 40);
const QColor kDay(0, 255, 255);
const QColor kTime(255, 255, 0);
const QColor kMutual(255, 136, 255);  // a mutual event's code and magnitude: on black, the grey
                                      // band and the lit band alike
const QColor kMarked(30, 84, 88);     // the skin's teal, lit: going on at the main window's instant
constexpr int kScrollBarWidth = kMoonEventScrollBarWidth;
constexpr int kDayX = 3, kTimeX = 25, kCodeX = 62;  // pixels
// A line not visible from the site: every field in one grey, a mutual line's with a trace of its
// pink; both at least 4.5:1 on black, the grey band and the lit band, yet plainly dimmer than
// the colours of a visible line.
const QColor kGreyed(192, 192, 192);
const QColor kGreyedMutual(208, 184, 208);

QString translated(const char* english) {
  return QCoreApplication::translate("kelvra::MoonEventsList", english);
}

void drawCell(QPainter& painter, QPoint at, const QString& text, const QColor& colour,
              const QColor& background) {
  painter.setBrush(background);
  DrawOpaqueText(painter, at, text, colour);
}

// One line's fields at row y: the day right-aligned to two digits, the time, then the code, in
// the colours of its kind; a mutual event's magnitude one space after its code.
void drawLine(QPainter& painter, const QFont& font, const MoonEventLine& line, int y,
              const QColor& background, bool greyed) {
  const QFontMetrics metrics(font);
  const MoonEventLineText text = FormatMoonEventLine(line);
  const int dayX = line.day < 10 ? kDayX + metrics.horizontalAdvance('0') : kDayX;
  // Not visible from the site: the whole line in one grey, whatever its kind.
  const QColor grey = line.mutual ? kGreyedMutual : kGreyed;
  const auto shade = [greyed, &grey](const QColor& colour) { return greyed ? grey : colour; };
  drawCell(painter, {dayX, y}, QString::fromStdString(text.day), shade(kDay), background);
  drawCell(painter, {kTimeX, y}, QString::fromStdString(text.time), shade(kTime), background);
  const QString code = QString::fromStdString(text.code);
  const QColor colour = shade(line.mutual ? kMutual : style::kGlyph);
  drawCell(painter, {kCodeX, y}, code, colour, background);
  if (!text.magnitude.empty()) {
    drawCell(painter, {kCodeX + metrics.horizontalAdvance(code + ' '), y},
             QString::fromStdString(text.magnitude), colour, background);
  }
}

}  // namespace

QString MoonEventToolTip(const MoonEventLine& line, std::int32_t offset) {
  if (!line.mutual) return {};
  const MutualEvent& e = *line.mutual;
  const bool eclipse = e.kind == MutualEventKind::Eclipse;
  const QString passive = MoonNameText(e.passive);
  const QString listed = QString::fromStdString(MutualEventMagnitude(e));
  QString magnitude =
      e.total     ? translated(QT_TRANSLATE_NOOP("kelvra::MoonEventsList", "total"))
      : e.annular ? translated(QT_TRANSLATE_NOOP("kelvra::MoonEventsList", "annular"))
      //: %1 the share of the moon's light lost, "Q31%".
      : e.penumbral
          ? QCoreApplication::translate("kelvra::MoonEventsList",
                                        "penumbral, %1 of the light, not the diameter")
                .arg(listed)
          //: %1 the share of the moon's diameter covered, "45%".
          : QCoreApplication::translate("kelvra::MoonEventsList", "magnitude %1").arg(listed);
  const MutualEventWords words = TranslatedMutualEventWords();
  const QString where = QString::fromStdString(AgainstJupiterText(PassiveAgainstJupiter(e), words));
  if (!where.isEmpty()) magnitude += QStringLiteral(", ") + where;
  const double lostShare = MutualLightLost(e);  // an integral over the discs: once
  const long lost = std::lround(lostShare * 100);
  //: Whose light a mutual eclipse takes: %1 the eclipsed moon.
  const QString whose =
      eclipse ? QCoreApplication::translate("kelvra::MoonEventsList", "of %1's light").arg(passive)
              : translated(QT_TRANSLATE_NOOP("kelvra::MoonEventsList", "of the pair's light"));
  //: A mutual event's tooltip: %1 code, %2 what happens, %3 magnitude; %4 the contacts' times;
  //: %5 per cent of light lost, %6 whose light, %7 "Δm 0.52 eye".
  return QCoreApplication::translate("kelvra::MoonEventsList",
                                     "%1: %2, %3\n%4\nlight lost at maximum: %5% %6, %7")
      .arg(QString::fromStdString(MutualEventCode(e)), MutualEventSentence(e), magnitude,
           QString::fromStdString(MutualContactsText(line, offset, words)))
      .arg(lost)
      .arg(whose, QString::fromStdString(MagnitudeDropText(MagnitudeDropOf(1 - lostShare),
                                                           TranslatedLightLossWords())));
}

QString MoonEventsNoneText() {
  return translated(QT_TRANSLATE_NOOP("kelvra::MoonEventsList", "No events"));
}

int MoonEventRowHeight(const QFont& font) {
  return QFontMetrics(font).height();
}

QStringList MoonEventNoticeRows(const QFont& font, int width) {
  const QFontMetrics metrics(font);
  const int room = width - kDayX - kScrollBarWidth - 1;  // pixels, clear of the scroll bar
  QStringList rows;
  for (const QString& word :
       translated(QT_TRANSLATE_NOOP("kelvra::MoonEventsList", "Outside 1900-2100: less accurate"))
           .split(' ')) {
    if (!rows.isEmpty() && metrics.horizontalAdvance(rows.back() + ' ' + word) <= room) {
      rows.back() += ' ' + word;
    } else {
      rows.append(word);
    }
  }
  return rows;
}

void DrawMoonEventList(QImage& list, const QFont& font, const std::vector<MoonEventLine>& lines,
                       const MoonEventListView& view) {
  QPainter painter(&list);
  painter.setFont(font);
  painter.setPen(Qt::NoPen);
  const int width = LogicalSize(list).width();
  const int height = LogicalSize(list).height();
  painter.fillRect(0, 0, width, height, Qt::black);
  const int rowHeight = MoonEventRowHeight(font);
  int y = 0;
  if (!view.accurate) {
    for (const QString& row : MoonEventNoticeRows(font, width)) {
      drawCell(painter, {kDayX, y}, row, style::kAccent, Qt::black);
      y += rowHeight;
    }
  }
  if (!view.reminder.isEmpty()) {
    drawCell(painter, {kDayX, y}, view.reminder, style::kAccent, Qt::black);
    y += rowHeight;
  }
  if (!view.passages.isEmpty()) {
    drawCell(painter, {kDayX, y}, view.passages, style::kGlyph, Qt::black);
    y += rowHeight;
  }
  if (lines.empty()) {
    drawCell(painter, {kDayX, y}, MoonEventsNoneText(), style::kGlyph, Qt::black);
    return;
  }
  const int rows = std::max(1, (height - y) / rowHeight);
  const bool scrolls = static_cast<int>(lines.size()) > rows;
  const int textWidth = scrolls ? width - kScrollBarWidth - 1 : width;
  for (std::size_t i = view.top; i < lines.size() && y + rowHeight <= height; ++i, y += rowHeight) {
    const bool marked = std::binary_search(view.marked.begin(), view.marked.end(), i);
    QColor background = lines[i].day % 2 == 1 ? kBand : QColor(Qt::black);
    if (marked) background = kMarked;
    painter.fillRect(0, y, textWidth, rowHeight, background);
    drawLine(painter, font, lines[i], y, background, i < view.greyed.size() && view.greyed[i]);
    if (i == view.selected)
      style::DrawPixelFrame(painter, {0, y, textWidth, rowHeight}, style::kGlyphDim);
  }
  if (scrolls) {
    const int barX = width - kScrollBarWidth;
    const int total = static_cast<int>(lines.size());
    painter.fillRect(barX, 0, kScrollBarWidth, height, style::kWell);
    const int thumbTop = static_cast<int>(view.top) * height / total;
    const int thumbHeight = std::max(6, rows * height / total);
    painter.fillRect(barX, std::min(thumbTop, height - thumbHeight), kScrollBarWidth, thumbHeight,
                     style::kFace);
  }
}

QImage MoonEventsVisibleButtonFace(QSize size, bool on, double ratio) {
  return VisibleOnlyButtonFace(size, on, ratio);
}

}  // namespace kelvra
