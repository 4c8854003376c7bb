// Built-in pictures drawn in code at start-up.
#include "ui/common/pictures.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "ui/common/picture_style.h"

namespace kelvra {

namespace {

constexpr std::array<int, 5> kDiscSizes = {23, 35, 46, 58, 69};  // pixels, magnification 1..3
constexpr double kPolarRatio = 0.935;     // Jupiter's polar / equatorial radius
constexpr int kSubsamples = 3;            // per pixel and axis, on the rim
constexpr double kSpotLatitude = -22.0;   // degrees, Red Spot centre, south of the equator
constexpr double kSpotLongitude = 30.0;   // degrees from the central meridian, right of it
constexpr double kSpotHalfLength = 11.0;  // degrees of longitude
constexpr double kSpotHalfWidth = 6.5;    // degrees of latitude
constexpr double kBandBlend = 3.0;        // degrees of latitude over which bands merge

struct Tint {
  double r, g, b;  // 0..255
};

// One band of the cloud tops, from its southern edge northward to the next band's edge.
struct Band {
  double southEdge;  // degrees of latitude
  Tint colour;
};

// Belts and zones from south to north: polar region, temperate and tropical belts and zones,
// the two dark equatorial belts either side of the bright equatorial zone.
constexpr std::array<Band, 11> kBands = {{
    {-90.0, {150, 140, 126}},  // south polar region
    {-40.0, {214, 200, 172}},  // south temperate zone
    {-33.0, {190, 166, 138}},  // south temperate belt
    {-27.0, {230, 218, 190}},  // south tropical zone, the Red Spot's home
    {-19.0, {158, 118, 88}},   // south equatorial belt
    {-7.0, {238, 226, 196}},   // equatorial zone
    {7.0, {146, 104, 78}},     // north equatorial belt
    {18.0, {228, 216, 188}},   // north tropical zone
    {24.0, {186, 160, 132}},   // north temperate belt
    {31.0, {212, 198, 170}},   // north temperate zone
    {42.0, {150, 140, 126}},   // north polar region
}};
constexpr Tint kSpotColour = {206, 90, 62};
constexpr Tint kHollowColour = {242, 232, 206};  // the pale ring around the Red Spot

// Returns: a + (b - a) * t, channel by channel.
Tint Mix(const Tint& a, const Tint& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Returns: `value` limited to 0..1.
double Unit(double value) {
  return std::clamp(value, 0.0, 1.0);
}

// Given: latitude and longitude from the central meridian, degrees.
// Returns: the cloud colour there, before limb darkening.
Tint CloudColour(double latitude, double longitude) {
  // Slightly wavy band edges, blended over a few degrees, so the belts do not look ruled.
  const double wavy = latitude + 1.2 * std::sin(longitude * std::numbers::pi / 40.0 + latitude * 0.3);
  Tint colour = kBands.front().colour;
  for (const Band& band : kBands) {
    colour = Mix(colour, band.colour, Unit((wavy - band.southEdge) / kBandBlend + 0.5));
  }
  const double dx = (longitude - kSpotLongitude) / kSpotHalfLength;
  const double dy = (latitude - kSpotLatitude) / kSpotHalfWidth;
  const double spot = dx * dx + dy * dy;  // 1 on the Red Spot's edge
  colour = Mix(colour, kHollowColour, 0.8 * Unit((1.7 - spot) / 0.5));
  return Mix(colour, kSpotColour, Unit((1.0 - spot) / 0.3));
}

// Given: a point of the disc in equatorial radii, x to the right, y up (north), with
// x² + y² <= 1 for a sphere seen from the equator.
// Returns: the shaded colour of that point, darkened toward the limb.
Tint SphereColour(double x, double y) {
  const double z = std::sqrt(std::max(0.0, 1.0 - x * x - y * y));
  const double latitude = std::asin(std::clamp(y, -1.0, 1.0)) * 180.0 / std::numbers::pi;
  const double longitude = std::atan2(x, z) * 180.0 / std::numbers::pi;
  const Tint c = CloudColour(latitude, longitude);
  const double shade = 0.58 + 0.42 * std::sqrt(z);
  return {c.r * shade, c.g * shade, c.b * shade};
}

// Returns: `colour` as an opaque pixel.
QRgb Opaque(const Tint& colour) {
  return qRgb(int(colour.r + 0.5), int(colour.g + 0.5), int(colour.b + 0.5));
}

// Returns: the largest difference of one channel between two colours.
double Difference(const Tint& a, const Tint& b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// Draws a body on a transparent square ARGB32 picture of `size` pixels: an ellipse centred in
// it with the given semi-axes in pixels. `colourAt(x, y)` gives the colour at a point in
// semi-axes, x to the right and y up, x² + y² <= 1. Each pixel takes one sample at its centre,
// except on the rim and where the colour changes sharply (the Red Spot's edge): there it is
// supersampled, its alpha the covered fraction. Smooth where it matters, cheap elsewhere.
template <typename ColourAt>
QImage DrawBody(int size, double radiusX, double radiusY, ColourAt colourAt) {
  constexpr double kSharpChange = 40.0;  // channel steps between neighbours worth smoothing
  const double half = size / 2.0;        // pixels
  const double rim = 1.0 / std::min(radiusX, radiusY);  // a pixel's reach, in semi-axes
  const auto at = [&](double px, double py) {
    return QPointF((px - half) / radiusX, (half - py) / radiusY);
  };
  const auto radius = [&](int px, int py) {
    const QPointF p = at(px + 0.5, py + 0.5);
    return std::hypot(p.x(), p.y());
  };
  std::vector<Tint> centres(std::size_t(size * size));
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      const QPointF p = at(px + 0.5, py + 0.5);
      if (radius(px, py) < 1.0) centres[std::size_t(py * size + px)] = colourAt(p.x(), p.y());
    }
  }
  const auto sharp = [&](int px, int py) {
    const Tint& c = centres[std::size_t(py * size + px)];
    for (const QPoint n :
         {QPoint(px - 1, py), QPoint(px + 1, py), QPoint(px, py - 1), QPoint(px, py + 1)}) {
      if (Difference(c, centres[std::size_t(n.y() * size + n.x())]) > kSharpChange) return true;
    }
    return false;
  };
  QImage image(size, size, QImage::Format_ARGB32);
  for (int py = 0; py < size; ++py) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
    for (int px = 0; px < size; ++px) {
      const double r = radius(px, py);
      if (r > 1.0 + rim) {
        line[px] = qRgba(0, 0, 0, 0);
        continue;
      }
      if (r < 1.0 - rim && !sharp(px, py)) {
        line[px] = Opaque(centres[std::size_t(py * size + px)]);
        continue;
      }
      Tint sum{0, 0, 0};
      int covered = 0;
      for (int sy = 0; sy < kSubsamples; ++sy) {
        for (int sx = 0; sx < kSubsamples; ++sx) {
          const QPointF p = at(px + (sx + 0.5) / kSubsamples, py + (sy + 0.5) / kSubsamples);
          if (p.x() * p.x() + p.y() * p.y() > 1.0) continue;
          const Tint c = colourAt(p.x(), p.y());
          sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
          ++covered;
        }
      }
      if (covered == 0) {
        line[px] = qRgba(0, 0, 0, 0);
        continue;
      }
      constexpr int kSamples = kSubsamples * kSubsamples;
      const QRgb mean = Opaque({sum.r / covered, sum.g / covered, sum.b / covered});
      line[px] =
          qRgba(qRed(mean), qGreen(mean), qBlue(mean), (255 * covered + kSamples / 2) / kSamples);
    }
  }
  return image;
}

// Returns: Jupiter for binoculars (north up, Red Spot low on the right), `size` pixels square,
// the oblate disc filling the width.
QImage BinocularDisc(int size) {
  const double half = size / 2.0;  // pixels, equatorial radius
  return DrawBody(size, half, half * kPolarRatio, SphereColour);
}

// Returns: the five binocular discs, drawn once and then shared.
const std::array<QImage, 5>& BinocularDiscs() {
  static const std::array<QImage, 5> discs = {
      BinocularDisc(kDiscSizes[0]), BinocularDisc(kDiscSizes[1]), BinocularDisc(kDiscSizes[2]),
      BinocularDisc(kDiscSizes[3]), BinocularDisc(kDiscSizes[4])};
  return discs;
}

// Returns: an opaque ARGB32 picture filled with `colour`, ready to be painted on.
QImage Filled(int width, int height, const QColor& colour) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

// The letters at the four sides of a compass rose.
struct RoseLetters {
  char top, bottom, left, right;
};

RoseLetters LettersOf(CompassRose rose) {
  switch (rose) {
    case CompassRose::Binoculars:
      return {'N', 'S', 'E', 'W'};
    case CompassRose::AstroScope:
      return {'S', 'N', 'W', 'E'};
    case CompassRose::StarDiagonal:
      return {'N', 'S', 'W', 'E'};
    case CompassRose::Other:
      return {'S', 'N', 'E', 'W'};
  }
  return {'N', 'S', 'E', 'W'};
}

// Draws one compass letter centred on `centre`; north stands out in the warm accent.
void DrawCompassLetter(QPainter& painter, QPointF centre, char letter) {
  const QRect box(int(centre.x()) - 6, int(centre.y()) - 6, 12, 12);
  style::DrawText(painter, box, Qt::AlignCenter, QString(QChar(letter)),
                  style::PixelFont("Arial", 11, true),
                  letter == 'N' ? style::kAccent : style::kGlyph);
}

// Draws a small shaded grey ball of `radius` pixels centred on `centre`.
void DrawGreyBall(QPainter& painter, QPointF centre, double radius) {
  QRadialGradient light(centre + QPointF(-radius * 0.4, -radius * 0.4), radius * 1.6);
  light.setColorAt(0.0, QColor(226, 228, 228));
  light.setColorAt(0.6, QColor(140, 144, 146));
  light.setColorAt(1.0, QColor(70, 74, 76));
  painter.setPen(Qt::NoPen);
  painter.setBrush(light);
  painter.drawEllipse(centre, radius, radius);
}

enum class GreyFace { Raised, Pressed, Disabled };

// Draws a grey face with its bevel over the whole picture, and `text` centred on it in black;
// pressed faces are darker, their bevel reversed and the text shifted by one pixel. A disabled
// face is raised, its text grey and etched into the face, as a disabled push button draws it.
void DrawGreyFace(QImage& image, GreyFace face, const QString& text, const QFont& font) {
  const bool pressed = face == GreyFace::Pressed;
  QPainter painter(&image);
  const QRect whole = image.rect();
  painter.fillRect(whole, pressed ? style::kGreyFace.darker(112) : style::kGreyFace);
  painter.setPen(style::kOutline);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(whole.adjusted(0, 0, -1, -1));
  const QRect inner = whole.adjusted(1, 1, -1, -1);
  if (pressed) {
    style::DrawBevel(painter, inner, style::kGreyShadow, style::kGreyFace, 1);
  } else {
    style::DrawBevel(painter, inner, style::kGreyLight, style::kGreyShadow, 1);
  }
  if (face == GreyFace::Disabled) {
    style::DrawText(painter, whole.translated(1, 1), Qt::AlignCenter, text, font,
                    style::kGreyLight);
    style::DrawText(painter, whole, Qt::AlignCenter, text, font, style::kGreyShadow);
    return;
  }
  const QRect textBox = pressed ? whole.translated(1, 1) : whole;
  style::DrawText(painter, textBox, Qt::AlignCenter, text, font, QColor(12, 12, 12));
}

QImage NowFace(GreyFace face) {
  QImage image = Filled(43, 23, style::kGreyFace);
  DrawGreyFace(image, face, "Now", style::PixelFont("Arial", 12, true));
  return image;
}

// Returns: the largest bold Arial, at most `maxPixels` high, in which `text` is at most
// `width` pixels wide.
QFont FittingFont(const QString& text, int width, int maxPixels) {
  for (int pixels = maxPixels; pixels > 6; --pixels) {
    const QFont font = style::PixelFont("Arial", pixels, true);
    if (QFontMetrics(font).horizontalAdvance(text) <= width) return font;
  }
  return style::PixelFont("Arial", 6, true);
}

}  // namespace

QImage JupiterDiscOfSize(int size) {
  if (size < 1) return {};
  return BinocularDisc(size);
}

QImage JupiterDisc(ViewKind view, int step) {
  if (step < 0 || step >= int(kDiscSizes.size())) return {};
  const QImage& binoculars = BinocularDiscs()[std::size_t(step)];
  switch (view) {
    case ViewKind::Binoculars:
      return binoculars;
    case ViewKind::AstroScope:
      return binoculars.mirrored(true, true);
    case ViewKind::StarDiagonal:
      return binoculars.mirrored(true, false);
  }
  return binoculars;
}

QImage JupiterPole() {
  constexpr int kSize = 12;  // pixels
  constexpr double kHalf = kSize / 2.0;
  // Seen from above the north pole the bands are rings; latitude falls evenly toward the rim
  // so that the narrow rings near the equator still show at this size.
  return DrawBody(kSize, kHalf, kHalf, [](double x, double y) {
    const double r = std::min(1.0, std::hypot(x, y));
    const Tint c = CloudColour(90.0 * (1.0 - r), 90.0);
    const double shade = 0.62 + 0.38 * std::sqrt(1.0 - r * r);
    return Tint{c.r * shade, c.g * shade, c.b * shade};
  });
}

QImage CompassPicture(CompassRose rose) {
  QImage image = Filled(40, 40, style::kWell);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(20.0, 20.0);
  painter.setPen(QPen(style::kGlyphDim, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, 8.5, 8.5);
  painter.drawLine(QPointF(20.0, 11.5), QPointF(20.0, 28.5));
  painter.drawLine(QPointF(11.5, 20.0), QPointF(28.5, 20.0));
  DrawGreyBall(painter, centre, 5.0);
  const RoseLetters letters = LettersOf(rose);
  DrawCompassLetter(painter, QPointF(20.0, 5.0), letters.top);
  DrawCompassLetter(painter, QPointF(20.0, 35.0), letters.bottom);
  DrawCompassLetter(painter, QPointF(5.0, 20.0), letters.left);
  DrawCompassLetter(painter, QPointF(35.0, 20.0), letters.right);
  return image;
}

QImage HemispherePicture(bool northern) {
  const int width = northern ? 24 : 23;  // pixels
  QImage image = Filled(width, 22, style::kWell);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF globe(width / 2.0 - 8.5, 2.5, 17.0, 17.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 70, 84));
  painter.drawEllipse(globe);
  // The marked half: a lit cap above or below the equator.
  QPainterPath half;
  half.moveTo(globe.center());
  half.arcTo(globe, northern ? 0.0 : 180.0, 180.0);
  half.closeSubpath();
  painter.setBrush(QColor(150, 206, 188));
  painter.drawPath(half);
  painter.setPen(QPen(style::kGlyph, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(globe);
  painter.drawLine(QPointF(globe.left(), globe.center().y()),
                   QPointF(globe.right(), globe.center().y()));
  return image;
}

QImage NowButtonFace(bool pressed) {
  return NowFace(pressed ? GreyFace::Pressed : GreyFace::Raised);
}

QImage NowButtonDisabledFace() {
  return NowFace(GreyFace::Disabled);
}

QImage IntervalBackground() {
  QImage image = Filled(110, 60, style::kPanelBottom);
  QPainter painter(&image);
  painter.fillRect(image.rect(), style::PanelGradient(image.height()));
  painter.setPen(style::kOutline);
  painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
  style::DrawBevel(painter, image.rect().adjusted(1, 1, -1, -1), style::kHighlight, style::kShadow,
                   1);
  // The group frame, etched: a dark line with a lit line beside it.
  const QRect frame(6, 9, 97, 44);
  painter.setPen(style::kShadow);
  painter.drawRect(frame);
  painter.setPen(style::kHighlight.darker(140));
  painter.drawRect(frame.translated(1, 1));
  // The caption interrupts the frame's top edge.
  const QFont caption = style::PixelFont("Arial", 12, true);
  const QRect captionBox(12, 2, QFontMetrics(caption).horizontalAdvance("Interval") + 6, 15);
  painter.fillRect(captionBox, style::PanelGradient(image.height()));
  style::DrawText(painter, captionBox, Qt::AlignCenter, "Interval", caption, style::kGlyph);
  style::DrawText(painter, QRect(50, 20, 52, 23), Qt::AlignLeft | Qt::AlignVCenter, "minutes",
                  style::PixelFont("Arial", 12), style::kGlyph);
  return image;
}

QImage TimeBasisButton(bool localTime) {
  QImage image = Filled(20, 20, style::kGreyFace);
  const QString text = localTime ? "LOC" : "UT";
  DrawGreyFace(image, GreyFace::Raised, text, FittingFont(text, 16, 10));
  return image;
}

QImage GlobeButton() {
  QImage image(20, 20, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(9.0, 9.0);
  constexpr double kRadius = 7.5;  // pixels
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 120));
  painter.drawEllipse(centre + QPointF(2.0, 2.0), kRadius, kRadius);
  painter.setBrush(Qt::white);
  painter.setPen(QPen(Qt::black, 1.0));
  painter.drawEllipse(centre, kRadius, kRadius);
  painter.drawLine(QPointF(centre.x(), centre.y() - kRadius),
                   QPointF(centre.x(), centre.y() + kRadius));
  painter.drawLine(QPointF(centre.x() - kRadius, centre.y()),
                   QPointF(centre.x() + kRadius, centre.y()));
  return image;
}

}  // namespace kelvra
