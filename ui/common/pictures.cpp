// Built-in pictures drawn in code at start-up.
#include "ui/common/pictures.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

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

}  // namespace

Tint JupiterCloudColour(double latitude, double longitude) {
  // Slightly wavy band edges, blended over a few degrees, so the belts do not look ruled.
  const double wavy =
      latitude + 1.2 * std::sin(longitude * std::numbers::pi / 40.0 + latitude * 0.3);
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

namespace {

// Given: a point of the disc in equatorial radii, x to the right, y up (north), with
// x² + y² <= 1 for a sphere seen from the equator.
// Returns: the shaded colour of that point, darkened toward the limb.
Tint SphereColour(double x, double y) {
  const double z = std::sqrt(std::max(0.0, 1.0 - x * x - y * y));
  const double latitude = std::asin(std::clamp(y, -1.0, 1.0)) * 180.0 / std::numbers::pi;
  const double longitude = std::atan2(x, z) * 180.0 / std::numbers::pi;
  const Tint c = JupiterCloudColour(latitude, longitude);
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

}  // namespace

QImage DrawBody(int size, double radiusX, double radiusY,
                const std::function<Tint(double x, double y)>& colourAt) {
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

namespace {

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

int DevicePixelCount(int pixels, double ratio) {
  // Not rounded up for the last bits of a product like 40 x 1.1.
  return int(std::ceil(pixels * ratio - 1e-6));
}

QImage BlankPicture(QSize size, double ratio, QImage::Format format) {
  QImage image(DevicePixelCount(size.width(), ratio), DevicePixelCount(size.height(), ratio),
               format);
  image.setDevicePixelRatio(ratio);
  return image;
}

QSize LogicalSize(const QImage& picture) {
  return picture.deviceIndependentSize().toSize();
}

QRect DevicePixelRect(const QRect& rect, double ratio) {
  const auto device = [ratio](int pixels) { return int(std::lround(pixels * ratio)); };
  return QRect(QPoint(device(rect.left()), device(rect.top())),
               QPoint(device(rect.right() + 1) - 1, device(rect.bottom() + 1) - 1));
}

QImage DevicePixels(QImage& image) {
  return QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format());
}

QImage FilledPicture(int width, int height, const QColor& colour, double ratio) {
  QImage image = BlankPicture(QSize(width, height), ratio);
  image.fill(colour);
  return image;
}

void DrawGreyFace(QImage& image, GreyFace face, const QString& text, const QFont& font) {
  const bool pressed = face == GreyFace::Pressed;
  QPainter painter(&image);
  const QRect whole(QPoint(0, 0), LogicalSize(image));
  painter.fillRect(whole, pressed ? style::kGreyFace.darker(112) : style::kGreyFace);
  style::DrawPixelFrame(painter, whole, style::kOutline);
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

QImage JupiterDiscOfSize(int size) {
  if (size < 1) return {};
  return BinocularDisc(size);
}

QImage JupiterDisc(ViewKind view, int step, double ratio) {
  if (step < 0 || step >= int(kDiscSizes.size())) return {};
  const int size = kDiscSizes[std::size_t(step)];  // window pixels
  QImage binoculars = ratio == 1 ? BinocularDiscs()[std::size_t(step)]
                                 : BinocularDisc(DevicePixelCount(size, ratio));
  binoculars.setDevicePixelRatio(ratio);
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

QImage TimeBasisButton(bool localTime, double ratio) {
  QImage image = FilledPicture(20, 20, style::kGreyFace, ratio);
  //: The clock button's face, 3 letters at most: local time.
  const QString text = localTime ? QCoreApplication::translate("kelvra::Pictures", "LOC")
                                 //: The clock button's face, 3 letters at most: Universal Time.
                                 : QCoreApplication::translate("kelvra::Pictures", "UT");
  DrawGreyFace(image, GreyFace::Raised, text, FittingFont(text, 16, 10));
  return image;
}

QImage AppIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // Drawn on a 256-unit square; marks that would fall below a pixel keep one pixel.
  const double unit = size / 256.0;
  const auto at_least_pixels = [unit](double units, double pixels) {
    return std::max(units * unit, pixels);
  };
  const QPointF centre(size / 2.0, size / 2.0);

  // The panel: a rounded square in the windows' gradient, outlined, lit along its top.
  const QRectF panel(8 * unit, 8 * unit, 240 * unit, 240 * unit);
  QLinearGradient gradient(panel.topLeft(), panel.bottomLeft());
  gradient.setColorAt(0.0, style::kPanelTop);
  gradient.setColorAt(1.0, style::kPanelBottom);
  painter.setPen(QPen(style::kOutline, at_least_pixels(4, 1)));
  painter.setBrush(gradient);
  painter.drawRoundedRect(panel, 44 * unit, 44 * unit);
  if (size >= 32) {
    painter.setPen(QPen(style::kHighlight, 3 * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel.adjusted(5 * unit, 5 * unit, -5 * unit, -5 * unit), 39 * unit,
                            39 * unit);
  }

  // The eyepiece's field, sunk into the panel.
  const double field = 104 * unit;
  painter.setPen(QPen(style::kShadow, at_least_pixels(6, 1)));
  painter.setBrush(Qt::black);
  painter.drawEllipse(centre, field, field);

  // Jupiter, drawn at the icon's own size so its belts stay sharp.
  const int disc = std::max(5, int(std::lround(92 * unit)));
  const double corner = (size - disc) / 2.0;
  painter.drawImage(QPointF(corner, corner), JupiterDiscOfSize(disc));

  // The moons along the equator, two on each side, each its own pale tint.
  struct Moon {
    double offset;  // units from the centre, right positive
    QColor colour;
  };
  const Moon moons[] = {{-86, QColor(236, 220, 150)},
                        {-62, QColor(236, 236, 228)},
                        {64, QColor(200, 190, 170)},
                        {88, QColor(170, 160, 150)}};
  painter.setPen(Qt::NoPen);
  for (const Moon& moon : moons) {
    // Below 32 pixels two neighbours would run into one line with the planet: one each side.
    if (size < 32 && (moon.offset == -62 || moon.offset == 88)) continue;
    painter.setBrush(moon.colour);
    const double radius = at_least_pixels(7, 0.9);
    painter.drawEllipse(centre + QPointF(moon.offset * unit, 0.0), radius, radius);
  }
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : kIconSizes) {
    if (size <= 64) icon.addPixmap(QPixmap::fromImage(AppIcon(size)));
  }
  return icon;
}

QImage VisibleOnlyButtonFace(QSize size, bool on, double ratio) {
  QImage image = FilledPicture(size.width(), size.height(), Qt::transparent, ratio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  style::DrawFace(painter, QRect(QPoint(0, 0), size), on ? QColor(30, 84, 88) : style::kFace);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(222, 208, 180));
  painter.drawEllipse(QRectF(6, 4, 8, 8));
  painter.setPen(QPen(on ? QColor(Qt::white) : QColor(Qt::black), 1.5));
  painter.drawLine(QPointF(3, 14.5), QPointF(17, 14.5));
  return image;
}

}  // namespace kelvra
