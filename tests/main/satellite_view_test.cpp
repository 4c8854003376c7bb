// The eyepiece and plan views, pixel by pixel.
#include "ui/main/satellite_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/data_panel.h"
#include "core/view.h"
#include "ui/common/pictures.h"

namespace kelvra {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
const QRgb kBlackPixel = qRgb(0, 0, 0);
const QRgb kIoColour = qRgb(255, 255, 255);
const QRgb kGanymedeColour = qRgb(255, 128, 0);

// A state with every satellite far out of the way (behind, at the edge of the plan view).
JupiterState emptySky() {
  JupiterState state;
  for (int i = 1; i <= 4; ++i) {
    state.X[i] = 100;  // far beyond the side view
    state.Y[i] = 0;
    state.U[i] = std::numbers::pi;  // superior conjunction
  }
  return state;
}

struct SideView {
  QImage image{597, 99, QImage::Format_RGB32};
  QImage jupiter;
};

SideView drawSide(JupiterState state, ViewKind view, bool northern, double magnification) {
  SideView side;
  const int step = static_cast<int>(magnification * 2) - 2;
  side.jupiter = JupiterDisc(view, step);
  const ViewSigns signs = SignsFor(view, northern);
  const auto order = SortSatellites(state.U);
  DrawSideView(side.image, state, order, SideViewScaleFor(magnification), signs.EastWestSign,
               signs.NorthSouthSign, side.jupiter);
  return side;
}

TEST(SideView, EastWestFollowsInstrumentAndHemisphere) {
  JupiterState state = emptySky();
  state.X[1] = 10;  // Io 10 radii west: 298 +/- trunc(109.96)
  state.U[1] = std::numbers::pi / 2;
  EXPECT_EQ(drawSide(state, ViewKind::Binoculars, true, 1.0).image.pixel(407, 49), kIoColour);
  EXPECT_EQ(drawSide(state, ViewKind::AstroScope, true, 1.0).image.pixel(189, 49), kIoColour);
  EXPECT_EQ(drawSide(state, ViewKind::Binoculars, false, 1.0).image.pixel(189, 49), kIoColour);
  EXPECT_EQ(drawSide(state, ViewKind::AstroScope, false, 1.0).image.pixel(407, 49), kIoColour);
  EXPECT_EQ(drawSide(state, ViewKind::Binoculars, true, 1.0).image.pixel(189, 49), kBlackPixel);
}

TEST(SideView, NorthIsUpInBinoculars) {
  JupiterState state = emptySky();
  state.X[1] = 5;
  state.Y[1] = 0.5;  // trunc(0.5 x 21.99) = 10 pixels
  state.U[1] = std::numbers::pi / 2;
  const QImage image = drawSide(state, ViewKind::Binoculars, true, 2.0).image;
  const int x = 298 + static_cast<int>(5 * SideViewScaleFor(2.0));
  EXPECT_EQ(image.pixel(x, 49 - 10), kIoColour);
  EXPECT_EQ(image.pixel(x, 49 + 10), kBlackPixel);
}

TEST(SideView, SatelliteBehindTheDiscIsHiddenAndInFrontIsDrawnOverIt) {
  JupiterState state = emptySky();
  state.X[1] = 0;
  state.Y[1] = 0;
  state.U[1] = 180 * kDegree;
  EXPECT_NE(drawSide(state, ViewKind::AstroScope, true, 1.0).image.pixel(298, 49), kIoColour);
  state.U[1] = 0;
  EXPECT_EQ(drawSide(state, ViewKind::AstroScope, true, 1.0).image.pixel(298, 49), kIoColour);
}

TEST(SideView, SatelliteBehindButBesideTheDiscShowsThroughThePictureCorner) {
  // The picture's surround is transparent: only the disc hides what lies behind it.
  JupiterState state = emptySky();
  const double scale = SideViewScaleFor(1.0);
  state.X[1] = 10.5 / scale;  // 10 pixels right and up: in the 23 x 23 box, off the disc
  state.Y[1] = 10.5 / scale;
  state.U[1] = std::numbers::pi;
  const QImage image = drawSide(state, ViewKind::Binoculars, true, 1.0).image;
  EXPECT_EQ(image.pixel(308, 39), kIoColour);
}

TEST(SideView, DotRadiusGrowsOnlyForTheLargeMoonsAtHighMagnification) {
  const int heights[] = {23, 35, 46, 58, 69};
  for (int satellite = 1; satellite <= 4; ++satellite) {
    for (int step = 0; step < 5; ++step) {
      const bool large = (satellite == 3 && step >= 3) || (satellite == 4 && step == 4);
      EXPECT_EQ(DotRadius(satellite, heights[step]), large ? 2 : 1)
          << "satellite " << satellite << " step " << step;
    }
  }
}

TEST(SideView, GanymedeAtMagnificationThreeIsAFourPixelDisc) {
  JupiterState state = emptySky();
  state.X[3] = 5;
  state.U[3] = std::numbers::pi / 2;
  const QImage image = drawSide(state, ViewKind::Binoculars, true, 3.0).image;
  const int x = 298 + static_cast<int>(5 * SideViewScaleFor(3.0));
  // Box (x - 2, 47) .. (x + 2, 51), right column and bottom row excluded: a 4 x 4 square
  // without its corners.
  EXPECT_EQ(image.pixel(x - 2, 48), kGanymedeColour);
  EXPECT_EQ(image.pixel(x + 1, 49), kGanymedeColour);
  EXPECT_EQ(image.pixel(x - 1, 47), kGanymedeColour);
  EXPECT_EQ(image.pixel(x - 2, 47), kBlackPixel);
  EXPECT_EQ(image.pixel(x + 1, 50), kBlackPixel);
  EXPECT_EQ(image.pixel(x + 2, 49), kBlackPixel);
  EXPECT_EQ(image.pixel(x, 51), kBlackPixel);
}

TEST(PlanView, IoAtQuadratureLiesOnTheMirroredSide) {
  JupiterState state = emptySky();
  state.U[1] = 90 * kDegree;
  QImage plan(278, 275, QImage::Format_RGB32);
  const QImage pole = JupiterPole();
  DrawPlanView(plan, state, SignsFor(ViewKind::AstroScope, true).EastWestSign, pole);
  // 2 x 2 dot at (x - 1, y - 1) .. (x, y) around (139 -/+ 30, 137).
  EXPECT_EQ(plan.pixel(109 - 1, 137 - 1), kIoColour);
  EXPECT_EQ(plan.pixel(169 - 1, 137 - 1), kBlackPixel);
  DrawPlanView(plan, state, SignsFor(ViewKind::Binoculars, true).EastWestSign, pole);
  EXPECT_EQ(plan.pixel(169 - 1, 137 - 1), kIoColour);
  EXPECT_EQ(plan.pixel(109 - 1, 137 - 1), kBlackPixel);
}

TEST(PlanView, InferiorConjunctionIsBelowJupiter) {
  JupiterState state = emptySky();
  state.U[4] = 0;  // Callisto between Jupiter and the Earth
  QImage plan(278, 275, QImage::Format_RGB32);
  DrawPlanView(plan, state, -1, JupiterPole());
  EXPECT_EQ(plan.pixel(139 - 1, 137 + 132 - 1), qRgb(136, 187, 234));
}

TEST(SortSatellites, BackToFrontAndStable) {
  std::array<double, 5> U{0, 0, std::numbers::pi, std::numbers::pi / 2, 0.1};
  const auto order = SortSatellites(U);
  // Europa behind (cos -1), Jupiter (key 0) before Ganymede (cos U = 0 too, comes after),
  // then Callisto (cos 0.995) and Io (cos 1).
  EXPECT_EQ(order, (std::array<std::int32_t, 5>{2, 0, 3, 4, 1}));
  EXPECT_DOUBLE_EQ(U[0], std::numbers::pi);
  EXPECT_DOUBLE_EQ(U[1], std::numbers::pi / 2);
}

TEST(FillEllipse, BoxExcludesRightColumnAndBottomRow) {
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::black);
  FillEllipse(image, 2, 2, 4, 4, kIoColour);
  int lit = 0;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) lit += image.pixel(x, y) == kIoColour;
  }
  EXPECT_EQ(lit, 4);
  EXPECT_EQ(image.pixel(3, 3), kIoColour);
  EXPECT_EQ(image.pixel(4, 4), kBlackPixel);
}

TEST(FillEllipse, ClipsAtTheImageEdges) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::black);
  FillEllipse(image, -2, -2, 2, 2, kIoColour);
  FillEllipse(image, 100, 100, 104, 104, kIoColour);
  EXPECT_EQ(image.pixel(0, 0), kIoColour);
  EXPECT_EQ(image.pixel(1, 1), kBlackPixel);
}

}  // namespace
}  // namespace kelvra
