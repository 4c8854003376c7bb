// The skin pictures: one instrument-panel style for every window.
#include "assets/skins.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/common/layout.h"
#include "ui/common/picture_style.h"
#include "ui/common/pictures.h"
#include "ui/common/skin_words.h"
#include "ui/grs/grs_kind.h"
#include "ui/grs/grs_skin_words.h"

namespace kelvra::skins {

QImage Panel(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.fillRect(image.rect(), style::PanelGradient(height));
  return image;
}

namespace {

using style::DrawBevel;
using style::DrawFace;
using style::DrawText;
using style::PixelFont;

// Draws a window's edge: a dark outline and a raised bevel two pixels deep.
void DrawWindowEdge(QPainter& painter, const QRect& whole) {
  painter.setPen(style::kOutline);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(whole.adjusted(0, 0, -1, -1));
  DrawBevel(painter, whole.adjusted(1, 1, -1, -1), style::kHighlight, style::kShadow, 2);
}

// Fills `inner` with `fill` and sinks it into the panel with a two-pixel bevel outside it.
void DrawWell(QPainter& painter, const QRect& inner, const QColor& fill) {
  painter.fillRect(inner, fill);
  DrawBevel(painter, inner.adjusted(-2, -2, 2, 2), style::kShadow, style::kHighlight, 1);
  DrawBevel(painter, inner.adjusted(-1, -1, 1, 1), style::kOutline, style::kPanelTop, 1);
}

// Draws an etched groove from `from` to `to`, a horizontal or a vertical line, on a ground of
// `background`: a dark line with a lit line below it or to its right.
void DrawGroove(QPainter& painter, QPoint from, QPoint to, const QColor& background) {
  const QPoint beside = from.y() == to.y() ? QPoint(0, 1) : QPoint(1, 0);
  painter.setPen(background.darker(170));
  painter.drawLine(from, to);
  painter.setPen(background.lighter(135));
  painter.drawLine(from + beside, to + beside);
}

// Draws a small domed rivet centred on `centre`.
void DrawRivet(QPainter& painter, QPointF centre) {
  QRadialGradient dome(centre + QPointF(-0.8, -0.8), 3.2);
  dome.setColorAt(0.0, style::kHighlight.lighter(120));
  dome.setColorAt(1.0, style::kShadow);
  painter.setPen(QPen(style::kOutline, 0.8));
  painter.setBrush(dome);
  painter.drawEllipse(centre, 2.5, 2.5);
}

// Returns: the pen of the pale glyphs, `width` pixels wide with round ends.
QPen GlyphPen(double width, const QColor& colour = style::kGlyph) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A magnifying glass with a plus (magnify) or a minus (reduce) in its lens.
void DrawMagnifier(QPainter& painter, const QRectF& face, bool plus) {
  const QPointF lens = face.topLeft() + QPointF(8.0, 8.0);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(GlyphPen(2.6));
  painter.drawLine(lens + QPointF(3.6, 3.6), lens + QPointF(7.0, 7.0));
  painter.setPen(GlyphPen(1.4));
  painter.drawEllipse(lens, 4.6, 4.6);
  painter.setPen(GlyphPen(1.3));
  painter.drawLine(lens + QPointF(-2.2, 0.0), lens + QPointF(2.2, 0.0));
  if (plus) painter.drawLine(lens + QPointF(0.0, -2.2), lens + QPointF(0.0, 2.2));
}

// A play triangle: start the animation.
void DrawPlay(QPainter& painter, const QRectF& face) {
  const QPointF c = face.center();
  painter.setPen(GlyphPen(1.0));
  painter.setBrush(style::kGlyph);
  painter.drawPolygon(
      QPolygonF({c + QPointF(-3.0, -4.5), c + QPointF(-3.0, 4.5), c + QPointF(4.5, 0.0)}));
}

// A stop square: end the animation.
void DrawStop(QPainter& painter, const QRectF& face) {
  painter.setPen(GlyphPen(1.0));
  painter.setBrush(style::kGlyph);
  painter.drawRect(QRectF(face.center() - QPointF(3.5, 3.5), QSizeF(7.0, 7.0)));
}

// A clock face at ten past ten: real time.
void DrawClock(QPainter& painter, const QRectF& face) {
  const QPointF c = face.center();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(GlyphPen(1.3));
  painter.drawEllipse(c, 6.0, 6.0);
  painter.setPen(GlyphPen(1.4));
  painter.drawLine(c, c + QPointF(0.0, -4.2));
  painter.drawLine(c, c + QPointF(3.0, 1.2));
}

// Draws `text` centred on a face, in the glyph colour.
void DrawFaceText(QPainter& painter, const QRect& face, const QString& text, const QFont& font) {
  DrawText(painter, face, Qt::AlignCenter, text, font, style::kGlyph);
}

// A horizontal bar low on the face: minimise.
void DrawMinimise(QPainter& painter, const QRectF& face) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(style::kGlyph);
  painter.drawRect(QRectF(face.left() + 5.0, face.bottom() - 5.5, face.width() - 10.0, 2.0));
}

// A cross centred on `centre`: exit.
void DrawCross(QPainter& painter, QPointF centre) {
  painter.setPen(GlyphPen(1.9, QColor(240, 222, 216)));
  painter.drawLine(centre + QPointF(-3.2, -3.2), centre + QPointF(3.2, 3.2));
  painter.drawLine(centre + QPointF(-3.2, 3.2), centre + QPointF(3.2, -3.2));
}

// A printer with a sheet going in and a printed sheet coming out, on whole pixels: print.
void DrawPrinter(QPainter& painter, const QRect& face) {
  const QPoint o = face.topLeft();
  painter.fillRect(QRect(o + QPoint(6, 3), QSize(7, 4)), style::kGlyph);
  painter.fillRect(QRect(o + QPoint(3, 7), QSize(13, 6)), style::kGlyphDim);
  painter.fillRect(QRect(o + QPoint(3, 7), QSize(13, 1)), style::kGlyph);
  painter.fillRect(QRect(o + QPoint(5, 11), QSize(9, 1)), style::kOutline);
  painter.fillRect(QRect(o + QPoint(6, 12), QSize(7, 4)), style::kGlyph);
  painter.fillRect(QRect(o + QPoint(7, 13), QSize(5, 1)), style::kShadow);
  painter.fillRect(QRect(o + QPoint(14, 9), QSize(1, 1)), style::kAccent);  // the lamp
}

// Draws an exit face at `face` with its cross.
void DrawExitButton(QPainter& painter, const QRect& face) {
  DrawFace(painter, face, style::kExitFace);
  DrawCross(painter, QRectF(face).center());
}

// The name plate that is also the main window's drag handle.
void DrawNamePlate(QPainter& painter, const QRect& plate) {
  DrawWell(painter, plate.adjusted(2, 2, -2, -2), style::kWell);
  const QFont font = PixelFont("Times New Roman", 19, true);
  DrawText(painter, plate.translated(1, 1), Qt::AlignCenter, "Kelvra95", font, style::kOutline);
  DrawText(painter, plate, Qt::AlignCenter, "Kelvra95", font, style::kAccent);
}

// The toolbar across the top of the main window, in window pixels, with a button for each of
// `sideWindows`.
void DrawToolbar(QPainter& painter, SideWindowKinds sideWindows) {
  painter.setRenderHint(QPainter::Antialiasing);
  using Main = layout::MainWindow;
  constexpr QRect magnify = Main::magnify, reduce = Main::reduce, animate = Main::animate;
  constexpr QRect stop = Main::stop, realTime = Main::realTime;
  constexpr QRect help = Main::help, about = Main::about;
  constexpr QRect minimise = Main::minimise, exit = Main::exit;
  for (const QRect& face : {magnify, reduce, animate, stop, realTime, help, about, minimise}) {
    DrawFace(painter, face, style::kFace);
  }
  DrawMagnifier(painter, magnify, true);
  DrawMagnifier(painter, reduce, false);
  DrawPlay(painter, animate);
  DrawStop(painter, stop);
  DrawClock(painter, realTime);
  DrawFaceText(painter, help, "?", PixelFont("Arial", 15, true));
  DrawFaceText(painter, about, "i", PixelFont("Times New Roman", 16, true));
  DrawMinimise(painter, minimise);
  DrawExitButton(painter, exit);
  DrawNamePlate(painter, Main::namePlate);
  DrawWell(painter, Main::hemisphere, style::kWell);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const int x : {77, 176, 261, 376, 462, 570}) {
    DrawGroove(painter, QPoint(x, 12), QPoint(x, 32), style::kPanelTop);
  }
  // Each side window draws its own button, after the rest: no other pixel of the bar changes
  // with it.
  for (const SideWindowKind* window : sideWindows) window->drawButton(painter, window->button);
}

// The data panel under the entry fields and the satellite table, in window pixels.
void DrawDataPanel(QPainter& painter, const QRect& panel) {
  QLinearGradient gradient(panel.topLeft(), panel.bottomLeft());
  gradient.setColorAt(0.0, style::kDataPanel.lighter(103));
  gradient.setColorAt(1.0, style::kDataPanel.darker(103));
  painter.fillRect(panel, gradient);
  DrawGroove(painter, QPoint(196, 189), QPoint(196, 271), style::kDataPanel);  // | meridians
  DrawGroove(painter, QPoint(27, 280), QPoint(330, 280), style::kDataPanel);   // above the table
  DrawWell(painter, layout::MainWindow::compass, style::kWell);
}

// Draws the eyepiece view and the plan view as black wells, with the data panel beside the
// plan view in one shared recess, in window pixels.
void DrawViews(QPainter& painter) {
  using Main = layout::MainWindow;
  DrawWell(painter, Main::sideView, Qt::black);
  DrawWell(painter, Main::lowerRecess, Qt::black);
  DrawDataPanel(painter, Main::dataPanel);
  painter.setPen(style::kOutline);
  painter.drawLine(337, 182, 337, 456);
  painter.setPen(style::kShadow);
  painter.drawLine(338, 182, 338, 456);
}

// Rivets down the main window's two edge strips.
void DrawEdgeRivets(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  for (const double y : {44.0, 168.0, 468.0}) {
    DrawRivet(painter, QPointF(10.0, y));
    DrawRivet(painter, QPointF(627.5, y));
  }
}

// Returns: a window-sized panel with its edge, ready for its contents.
QImage FramedPanel(int width, int height) {
  QImage image = Panel(width, height);
  QPainter painter(&image);
  DrawWindowEdge(painter, image.rect());
  return image;
}

}  // namespace

QImage MainWindowFrame(SideWindowKinds sideWindows) {
  // The window shows 479 rows; the bottom bar's 23 rows from 457 reach one row further, which
  // stays hidden and simply continues the outline.
  QImage image = FramedPanel(638, 479).copy(0, 0, 638, 480);
  QPainter painter(&image);
  painter.fillRect(0, 479, 638, 1, style::kOutline);
  DrawViews(painter);
  DrawToolbar(painter, sideWindows);
  DrawEdgeRivets(painter);
  return image;
}

std::vector<MainWindowPiece> MainWindowPieces() {
  using Main = layout::MainWindow;
  return {{"Kelvra1.dat", Main::topBar},    {"Kelvra2.dat", Main::middleBar},
          {"Kelvra3.dat", Main::bottomBar}, {"Kelvra4.dat", Main::centre},
          {"Kelvra5.dat", Main::leftEdge},  {"Kelvra6.dat", Main::rightEdge}};
}

QImage SideWindowSkin() {
  QImage image = FramedPanel(200, 480);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // Every side window has the same faces and wells; only the exit areas differ, inside one face.
  const layout::SideWindowLayout& side = layout::kSideWindowSkin;
  DrawWell(painter, side.list, Qt::black);  // the chart or the list
  const QRect print = side.print;
  DrawFace(painter, print, style::kFace);
  painter.setRenderHint(QPainter::Antialiasing, false);
  DrawPrinter(painter, print);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawWell(painter, side.timeBasis, style::kWell);
  DrawExitButton(painter, side.exit);
  painter.setRenderHint(QPainter::Antialiasing, false);
  DrawGroove(painter, QPoint(93, 14), QPoint(93, 33), style::kPanelTop);
  DrawGroove(painter, QPoint(165, 14), QPoint(165, 33), style::kPanelTop);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawRivet(painter, QPointF(10.0, 469.0));
  DrawRivet(painter, QPointF(189.5, 469.0));
  return image;
}

QImage AboutSkin(bool withWords) {
  QImage image = FramedPanel(210, 155);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawExitButton(painter, layout::AboutWindow::exit);
  painter.drawImage(14, 14, JupiterDisc(ViewKind::Binoculars, 2));
  const QRect title(70, 12, 110, 30);
  const QFont titleFont = PixelFont("Times New Roman", 26, true);
  DrawText(painter, title.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, "Kelvra95", titleFont,
           style::kOutline);
  DrawText(painter, title, Qt::AlignLeft | Qt::AlignVCenter, "Kelvra95", titleFont, style::kAccent);
  painter.setRenderHint(QPainter::Antialiasing, false);
  DrawGroove(painter, QPoint(10, 70), QPoint(199, 70), style::kPanelTop);
  const QFont body = PixelFont("Arial", 11);
  const int left = 14;
  DrawText(painter, QRect(left, 92, 190, 14), Qt::AlignLeft, "kelvra95@kelvra95.example.org", body,
           style::kGlyph);
  DrawText(painter, QRect(left, 126, 190, 14), Qt::AlignLeft, "www.kelvra95.example.org", body,
           style::kGlyph);
  if (withWords) DrawSkinWords(painter, kAboutWords, false);
  return image;
}

QImage LongitudeSkin(bool withWords) {
  const QSize size = layout::kLongitudeDialogSize;
  QImage image = FramedPanel(size.width(), size.height());
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // The fields' places stay plain, a sunk rim around each seats it in the panel; their names
  // and units are words (kLongitudeDialogWords), but for the longitude's degree sign.
  for (const QRect& field : {layout::kLongitudeField, layout::kDriftField, layout::kEpochField})
    DrawWell(painter, field, style::kWell);
  DrawText(painter, layout::detail::UnitBeside(layout::kLongitudeField),
           Qt::AlignLeft | Qt::AlignVCenter, "\u00B0", PixelFont("Arial", 11), style::kGlyph);
  if (withWords) DrawSkinWords(painter, layout::kLongitudeDialogWords, false);
  return image;
}

std::vector<Skin> AllSkins(SideWindowKinds sideWindows) {
  std::vector<Skin> skins;
  skins.push_back({"Kelvra0.dat", LongitudeSkin(true)});
  const QImage frame = MainWindowFrame(sideWindows);
  for (const MainWindowPiece& piece : MainWindowPieces()) {
    skins.push_back({piece.fileName, frame.copy(piece.place)});
  }
  skins.push_back({"Kelvra7.dat", SideWindowSkin()});
  skins.push_back({"Kelvra8.dat", AboutSkin(true)});
  // Without their words, for a language that draws its own over them.
  skins.push_back({BareSkinFile("Kelvra0.dat"), LongitudeSkin(false)});
  skins.push_back({BareSkinFile("Kelvra8.dat"), AboutSkin(false)});
  return skins;
}

}  // namespace kelvra::skins
