#include "ui/main/satellite_view.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/moons.h"
#include "core/mutual_light.h"
#include "core/view.h"
#include "ui/common/pictures.h"

namespace kelvra {
namespace {

QRgb colourOf(int satellite) {
  const Rgb colour = SatelliteColours[static_cast<std::size_t>(satellite)];
  return qRgb(colour.red, colour.green, colour.blue);
}

// Round to nearest, halves to even.
int roundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

// FillEllipse, limited to the device pixels (x, y) for which covers(x, y) holds.
template <typename Covers>
void fillEllipseWhere(QImage& image, int left, int top, int right, int bottom, QRgb colour,
                      Covers covers) {
  // The box in device pixels: at a ratio above 1 the ellipse is as large and rounder.
  const double ratio = image.devicePixelRatio();
  const double centreX = (left + right) * ratio / 2.0;
  const double centreY = (top + bottom) * ratio / 2.0;
  const double radiusX = (right - left) * ratio / 2.0;
  const double radiusY = (bottom - top) * ratio / 2.0;
  if (radiusX <= 0 || radiusY <= 0) return;
  const int lastY = std::min(int(std::ceil(centreY + radiusY)), image.height());
  const int lastX = std::min(int(std::ceil(centreX + radiusX)), image.width());
  for (int y = std::max(int(std::floor(centreY - radiusY)), 0); y < lastY; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const double dy = (y + 0.5 - centreY) / radiusY;
    for (int x = std::max(int(std::floor(centreX - radiusX)), 0); x < lastX; ++x) {
      const double dx = (x + 0.5 - centreX) / radiusX;
      if (dx * dx + dy * dy <= 1.0 && covers(x, y)) row[x] = colour;
    }
  }
}

// The side-view pixel of an offset from Jupiter's centre (radii, west and north positive):
// each axis scaled, truncated toward zero, then turned by its sign. Moons and shadows alike.
QPoint sideViewPoint(QPoint centre, double west, double north, double sideViewScale,
                     std::int32_t eastWestSign, std::int32_t northSouthSign) {
  return {centre.x() + static_cast<int>(west * sideViewScale) * eastWestSign,
          centre.y() + static_cast<int>(north * sideViewScale) * northSouthSign};
}

// Draws `picture` (of the view's ratio) with its top-left corner at `at` (window pixels), pixel
// for pixel, on the device pixel that corner falls on. Returns: that device pixel.
QPoint drawPicture(QImage& view, QPoint at, const QImage& picture) {
  const double ratio = view.devicePixelRatio();
  const QPoint corner(int(std::lround(at.x() * ratio)), int(std::lround(at.y() * ratio)));
  QImage pixels = DevicePixels(view);
  QPainter painter(&pixels);
  painter.drawImage(QRect(corner, picture.size()), picture);
  return corner;
}

// Jupiter's picture with its top-left corner at jupiterAt, then each shadow on the disc as a
// black dot of its moon's radius at toPixel(X, Y). A shadow falls on the planet only: its dot
// blackens the pixels where the picture is not transparent and leaves what shows beside the limb.
template <typename ToPixel>
void drawJupiterWithShadows(QImage& side, QPoint jupiterAt, const QImage& jupiter,
                            const std::array<MoonShadow, 5>& shadows, ToPixel toPixel) {
  const QPoint corner = drawPicture(side, jupiterAt, jupiter);  // device pixels
  const auto onPlanet = [&](int x, int y) {
    const QPoint inPicture = QPoint(x, y) - corner;
    return jupiter.valid(inPicture) && qAlpha(jupiter.pixel(inPicture)) > 0;
  };
  for (int moon = 1; moon <= 4; ++moon) {
    const MoonShadow& shadow = shadows[static_cast<std::size_t>(moon)];
    if (!shadow.onDisc) continue;
    const QPoint at = toPixel(shadow.X, shadow.Y);
    const int r = DotRadius(moon, LogicalSize(jupiter).height());
    fillEllipseWhere(side, at.x() - r, at.y() - r, at.x() + r, at.y() + r, qRgb(0, 0, 0), onPlanet);
  }
}

}  // namespace

void FillEllipse(QImage& image, int left, int top, int right, int bottom, QRgb colour) {
  fillEllipseWhere(image, left, top, right, bottom, colour, [](int, int) { return true; });
}

std::array<std::int32_t, 5> SortSatellites(const std::array<double, 5>& U) {
  std::array<std::int32_t, 5> order{1, 2, 3, 4, 0};
  // The keys travel with their moons, so each cosine is taken once, not at every comparison.
  std::array<double, 4> key;
  for (std::size_t i = 0; i < key.size(); ++i) key[i] = std::cos(U[i + 1]);
  for (int pass = 1; pass <= 4; ++pass) {
    bool exchanged = false;
    for (int j = 0; j <= 3 - pass; ++j) {
      if (key[j] > key[j + 1]) {
        std::swap(key[j], key[j + 1]);
        std::swap(order[j], order[j + 1]);
        exchanged = true;
      }
    }
    if (!exchanged) break;
  }
  const auto inFront = [&U](std::int32_t moon) {
    return InFrontOfJupiter(U[static_cast<std::size_t>(moon)]);
  };
  std::rotate(std::find_if(order.begin(), order.end() - 1, inFront), order.end() - 1, order.end());
  return order;
}

int DotRadius(int satellite, int jupiterPictureHeight) {
  const double d = jupiterPictureHeight * (1.0 / 142800) * 0.5;
  return roundEven(kDotDiameters[static_cast<std::size_t>(satellite)] * d + 0.5);
}

void DrawPlanView(QImage& plan, const JupiterState& state, std::int32_t eastWestSign,
                  const QImage& jupiterPole) {
  plan.fill(Qt::black);
  const QSize view = LogicalSize(plan);
  const QSize pole = LogicalSize(jupiterPole);
  const int px = view.width() / 2;
  const int py = view.height() / 2;
  drawPicture(plan, {(view.width() - pole.width()) / 2, (view.height() - pole.height()) / 2},
              jupiterPole);
  for (int i = 1; i <= 4; ++i) {
    const int radius = PlanOrbitRadii[static_cast<std::size_t>(i)];
    const int x = px + roundEven(std::sin(state.U[i]) * radius) * eastWestSign;
    const int y = py + roundEven(std::cos(state.U[i]) * radius);
    FillEllipse(plan, x - 1, y - 1, x + 1, y + 1, colourOf(i));
  }
}

double SideViewScaleFor(double magnification) {
  return (20706000 * magnification) * (1.0 / 1883000);
}

QColor DataPanelColour(double x, double y, double u, double sideViewScale) {
  constexpr double kSideViewReach = 290;  // pixels either side of the centre
  const MoonPlace place = MoonPlaceAt(x, y, u);
  if (place == MoonPlace::OffDisc) {
    const double p = std::trunc(x * sideViewScale);
    return (-kSideViewReach <= p && p <= kSideViewReach) ? kInReachColour : kBeyondReachColour;
  }
  return place == MoonPlace::InFront ? kInFrontColour : kBehindColour;
}

QRgb EclipsedColour(QRgb colour) {
  return qRgb((qRed(colour) + 2) / 4, (qGreen(colour) + 2) / 4, (qBlue(colour) + 2) / 4);
}

QRgb MutualEclipseColour(QRgb colour, double lightLost) {
  const double share = std::clamp(lightLost, 0.0, 1.0);
  const QRgb dark = EclipsedColour(colour);
  const auto channel = [share](int bright, int dim) {
    return static_cast<int>(std::lround(bright + (dim - bright) * share));
  };
  return qRgb(channel(qRed(colour), qRed(dark)), channel(qGreen(colour), qGreen(dark)),
              channel(qBlue(colour), qBlue(dark)));
}

void DrawActiveOverPassive(std::array<std::int32_t, 5>& drawOrder, int active, int passive) {
  const auto a = std::find(drawOrder.begin(), drawOrder.end(), active);
  const auto p = std::find(drawOrder.begin(), drawOrder.end(), passive);
  if (a == drawOrder.end() || p == drawOrder.end() || a > p) return;
  std::rotate(a, a + 1, p + 1);  // everything up to the passive moon steps back one place
}

MutualLook MutualEventsNearby::at(JulianDay ut) {
  MutualLook look;
  if (!std::isfinite(ut)) return look;
  constexpr double kBlock = 30;  // days
  const double block = std::floor(ut / kBlock);
  if (block != block_) {
    // A day either side takes in the events whose maximum lies just outside the block.
    found_ = FindMutualEvents(block * kBlock - 1, kBlock + 2);
    block_ = block;
  }
  for (const MutualEvent& e : found_) {
    if (ut < e.lightStart || ut > e.lightEnd) continue;
    if (e.kind == MutualEventKind::Occultation) {
      look.occultations.emplace_back(e.active, e.passive);
      continue;
    }
    const MutualOverlap o = MutualOverlapAt(ut, e.kind, e.active, e.passive);
    double& lost = look.lightLost[static_cast<std::size_t>(e.passive)];
    lost =
        std::max(lost, EclipsedShareOfMoon(o.distance, o.active, kMoonRadius[e.active], o.passive));
  }
  return look;
}

void DrawSideView(QImage& side, const JupiterState& state, const std::array<MoonShadow, 5>& shadows,
                  const std::array<std::int32_t, 5>& drawOrder, double sideViewScale,
                  std::int32_t eastWestSign, std::int32_t northSouthSign, const QImage& jupiter,
                  const std::array<double, 5>& lightLost) {
  side.fill(Qt::black);
  const QSize view = LogicalSize(side);
  const QSize disc = LogicalSize(jupiter);
  const QPoint centre(view.width() / 2, view.height() / 2);
  const auto toPixel = [&](double west, double north) {
    return sideViewPoint(centre, west, north, sideViewScale, eastWestSign, northSouthSign);
  };
  for (const std::int32_t body : drawOrder) {
    if (body == 0) {
      const QPoint jupiterAt(centre.x() - disc.width() / 2, centre.y() - disc.height() / 2);
      drawJupiterWithShadows(side, jupiterAt, jupiter, shadows, toPixel);
      continue;
    }
    const QPoint at = toPixel(state.X[body], state.Y[body]);
    const int r = DotRadius(body, disc.height());
    const QRgb colour = colourOf(body);
    const auto slot = static_cast<std::size_t>(body);
    const QRgb shown = shadows[slot].eclipsed ? EclipsedColour(colour)
                       : lightLost[slot] > 0  ? MutualEclipseColour(colour, lightLost[slot])
                                              : colour;
    FillEllipse(side, at.x() - r, at.y() - r, at.x() + r, at.y() + r, shown);
  }
}

}  // namespace kelvra
