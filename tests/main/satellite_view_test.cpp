// The eyepiece and plan views, pixel by pixel.
#include "ui/main/satellite_view.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/calendar.h"
#include "core/moon_events.h"
#include "core/mutual_light.h"
#include "core/view.h"
#include "ui/common/pictures.h"
#include "ui/main/main_pictures.h"

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

using Shadows = std::array<MoonShadow, 5>;

SideView drawSide(JupiterState state, ViewKind view, bool northern, double magnification,
                  const Shadows& shadows = {}, const std::array<double, 5>& umbraShare = {},
                  const MutualLook& mutual = {}) {
  SideView side;
  const int step = static_cast<int>(magnification * 2) - 2;
  side.jupiter = JupiterDisc(view, step);
  const ViewSigns signs = SignsFor(view, northern);
  auto order = SortSatellites(state.U);
  for (const auto& [active, passive] : mutual.occultations) {
    DrawActiveOverPassive(order, active, passive);
  }
  DrawSideView(side.image, state, shadows, order, SideViewScaleFor(magnification),
               signs.EastWestSign, signs.NorthSouthSign, side.jupiter, umbraShare);
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

// Every view, hemisphere and magnification of one sky, folded into one SHA-1 of the pixels.
QByteArray digestOfEveryView(const JupiterState& state, const Shadows& shadows) {
  QCryptographicHash digest(QCryptographicHash::Sha1);
  for (const ViewKind view : {ViewKind::AstroScope, ViewKind::Binoculars, ViewKind::StarDiagonal}) {
    for (const bool northern : {true, false}) {
      for (const double magnification : {1.0, 1.5, 2.0, 2.5, 3.0}) {
        const QImage image = drawSide(state, view, northern, magnification, shadows).image;
        digest.addData(
            QByteArrayView(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
      }
    }
  }
  return digest.result().toHex();
}

TEST(SideView, WithoutShadowOnTheDiscOrEclipseIsThePictureOfBefore) {
  // Io in front of the disc, Europa hidden behind it, Ganymede behind but beside the limb,
  // Callisto at the edge of the view at magnification 3.
  JupiterState state;
  state.X = {0, 0.3, -0.4, 1.05, 9.0};
  state.Y = {0, 0.1, 0.0, 0.9, -0.2};
  state.U = {0, 0.2, std::numbers::pi, 2.5, 1.2};
  // Rendered by DrawSideView at commit 5f6b9b5, before it drew shadows.
  const QByteArray before = "9eab45e7aabd731fe1bc0cb8e9bae5d3d9c41fba";
  EXPECT_EQ(digestOfEveryView(state, {}), before);
  // Shadows beside the disc are not drawn, wherever their nearest point lies.
  Shadows offDisc;
  for (MoonShadow& shadow : offDisc) shadow = {0.3, 0.1, false, false};
  EXPECT_EQ(digestOfEveryView(state, offDisc), before);
}

// A shadow's place in the side view for each instrument and hemisphere: the shadow at 0.5
// radii west, 0.3 north, magnification 2.0: trunc(0.5 x 21.99) = 10, trunc(0.3 x 21.99) = 6
// pixels from (298, 49), turned by the view's signs as the moons are.
struct ShadowPlace {
  ViewKind view;
  bool northern;
  QPoint at;        // the dot's box is (x - 1, y - 1) .. (x + 1, y + 1)
  QPoint mirrored;  // the same dot with the east-west sense reversed
};

TEST(SideView, ShadowIsABlackDotMappedAsTheMoonsAre) {
  const ShadowPlace places[] = {
      {ViewKind::AstroScope, true, {288, 55}, {308, 55}},
      {ViewKind::AstroScope, false, {308, 55}, {288, 55}},
      {ViewKind::Binoculars, true, {308, 43}, {288, 43}},
      {ViewKind::Binoculars, false, {288, 43}, {308, 43}},
      {ViewKind::StarDiagonal, true, {288, 43}, {308, 43}},
      {ViewKind::StarDiagonal, false, {308, 43}, {288, 43}},
  };
  Shadows shadows{};
  shadows[1] = {0.5, 0.3, true, false};
  for (const ShadowPlace& place : places) {
    SCOPED_TRACE(::testing::Message()
                 << "view " << int(place.view) << " northern " << place.northern);
    const QImage image = drawSide(emptySky(), place.view, place.northern, 2.0, shadows).image;
    const QImage bare = drawSide(emptySky(), place.view, place.northern, 2.0).image;
    for (const QPoint pixel : {place.at - QPoint(1, 1), place.at}) {
      EXPECT_NE(bare.pixel(pixel), kBlackPixel);  // the disc under it
      EXPECT_EQ(image.pixel(pixel), kBlackPixel);
    }
    EXPECT_EQ(image.pixel(place.mirrored), bare.pixel(place.mirrored));
    EXPECT_EQ(image.pixel(place.at + QPoint(1, 1)), bare.pixel(place.at + QPoint(1, 1)));
  }
}

TEST(SideView, ShadowTakesItsMoonsDotRadius) {
  // Ganymede's shadow at magnification 3.0 is a 4 x 4 square without its corners, as its dot.
  Shadows shadows{};
  shadows[3] = {0.3, 0.0, true, false};
  const QImage image = drawSide(emptySky(), ViewKind::Binoculars, true, 3.0, shadows).image;
  const int x = 298 + static_cast<int>(0.3 * SideViewScaleFor(3.0));
  EXPECT_EQ(image.pixel(x - 2, 48), kBlackPixel);
  EXPECT_EQ(image.pixel(x + 1, 49), kBlackPixel);
  EXPECT_EQ(image.pixel(x - 1, 47), kBlackPixel);
  EXPECT_NE(image.pixel(x - 2, 47), kBlackPixel);
  EXPECT_NE(image.pixel(x + 2, 49), kBlackPixel);
}

TEST(SideView, ShadowLiesOverJupiterAndUnderAMoonInFront) {
  Shadows shadows{};
  shadows[1] = {0.5, 0.3, true, false};  // Io's shadow at (308, 43) in Binoculars
  JupiterState state = emptySky();
  state.X[2] = 0.5;  // Europa on the same spot, in front of the disc
  state.Y[2] = 0.3;
  state.U[2] = 0.1;
  const QRgb europa = qRgb(255, 255, 0);
  EXPECT_EQ(drawSide(state, ViewKind::Binoculars, true, 2.0, shadows).image.pixel(307, 42), europa);
  state.U[2] = std::numbers::pi - 0.1;  // behind the disc: the disc hides it, the shadow shows
  EXPECT_EQ(drawSide(state, ViewKind::Binoculars, true, 2.0, shadows).image.pixel(307, 42),
            kBlackPixel);
}

TEST(SideView, ShadowFallsOnThePlanetOnly) {
  // A shadow a pixel beyond the limb (near a contact) leaves a moon that shows through the
  // picture's transparent corner as it is.
  JupiterState state = emptySky();
  const double scale = SideViewScaleFor(1.0);
  state.X[1] = 10.5 / scale;  // Io at (308, 39), behind, beside the disc
  state.Y[1] = 10.5 / scale;
  state.U[1] = std::numbers::pi;
  Shadows shadows{};
  shadows[2] = {state.X[1], state.Y[1], true, false};
  const QImage image = drawSide(state, ViewKind::Binoculars, true, 1.0, shadows).image;
  EXPECT_EQ(image.pixel(308, 39), kIoColour);
  EXPECT_EQ(image.pixel(307, 38), kIoColour);
}

TEST(SideView, EclipsedMoonShinesAtAQuarterOfItsColour) {
  // Each channel / 4, rounded: Io (255, 255, 255), Ganymede (255, 128, 0), Callisto
  // (136, 187, 234).
  EXPECT_EQ(EclipsedColour(kIoColour), qRgb(64, 64, 64));
  EXPECT_EQ(EclipsedColour(kGanymedeColour), qRgb(64, 32, 0));
  EXPECT_EQ(EclipsedColour(qRgb(136, 187, 234)), qRgb(34, 47, 59));
  JupiterState state = emptySky();
  state.X[1] = 5;   // Io at 298 + 54 = 352 in Binoculars
  state.X[3] = -5;  // Ganymede at 298 - 54 = 244
  state.U[1] = state.U[3] = std::numbers::pi / 2;
  Shadows shadows{};
  shadows[1].eclipsed = true;
  const QImage image = drawSide(state, ViewKind::Binoculars, true, 1.0, shadows).image;
  EXPECT_EQ(image.pixel(352, 49), qRgb(64, 64, 64));
  EXPECT_EQ(image.pixel(244, 49), kGanymedeColour);
}

// A moon in another's shadow dims with the share of its light lost, down to the colour of an
// eclipse by Jupiter at a total eclipse; Jupiter's shadow, where both are, decides.
TEST(SideView, MutualEclipseDimsWithTheLightLost) {
  EXPECT_EQ(MutualEclipseColour(kIoColour, 0), kIoColour);
  EXPECT_EQ(MutualEclipseColour(kIoColour, 1), EclipsedColour(kIoColour));
  EXPECT_EQ(MutualEclipseColour(kIoColour, 2), EclipsedColour(kIoColour));
  EXPECT_EQ(MutualEclipseColour(kGanymedeColour, 0.5), qRgb(160, 80, 0));  // halfway, rounded
  EXPECT_EQ(MutualEclipseColour(qRgb(136, 187, 234), 0.25), qRgb(111, 152, 190));

  JupiterState state = emptySky();
  state.X[1] = 5;   // Io at 352 in Binoculars
  state.X[3] = -5;  // Ganymede at 244
  state.X[2] = 10;  // Europa at 406
  state.U[1] = state.U[2] = state.U[3] = std::numbers::pi / 2;
  Shadows shadows{};
  shadows[2].eclipsed = true;
  const QImage image =
      drawSide(state, ViewKind::Binoculars, true, 1.0, shadows, {0, 1, 0.5, 0.5, 0}).image;
  EXPECT_EQ(image.pixel(352, 49), EclipsedColour(kIoColour));
  EXPECT_EQ(image.pixel(244, 49), qRgb(160, 80, 0));
  EXPECT_EQ(image.pixel(406, 49), EclipsedColour(qRgb(255, 255, 0)));  // Jupiter's shadow
}

// The season's mutual eclipses through the cache the main window keeps: a moon dims by the
// light it loses (umbra and penumbra, the tooltip's figure), only from the light's fall to its
// return, wholly at a total eclipse's maximum and at a penumbral one's by its Q share.
TEST(MutualEventsNearby, DimsThePassiveMoonByTheLightItLoses) {
  const JulianDay from = JulianDayFromDate(1, 6, 2026, 0, 0, 0, 0);
  const std::vector<MutualEvent> events = FindMutualEvents(from, 480);
  int eclipses = 0, totals = 0, penumbrals = 0;
  MutualEventsNearby nearby;
  for (const MutualEvent& e : events) {
    if (e.kind != MutualEventKind::Eclipse) continue;
    ++eclipses;
    const MutualLook before = nearby.at(e.lightStart - 1.0 / 1440);
    const MutualLook during = nearby.at(e.maximum);
    const MutualLook after = nearby.at(e.lightEnd + 1.0 / 1440);
    EXPECT_EQ(before.lightLost[e.passive], 0);
    EXPECT_EQ(after.lightLost[e.passive], 0);
    EXPECT_NEAR(during.lightLost[e.passive], MutualLightLost(e), 1e-9) << e.maximum;
    for (int moon = 1; moon <= 4; ++moon) {
      if (moon != e.passive) {
        EXPECT_EQ(during.lightLost[moon], 0) << "moon " << moon;
      }
    }
    penumbrals += e.penumbral;
    if (e.total) {
      ++totals;
      EXPECT_EQ(during.lightLost[e.passive], 1);
    }
  }
  EXPECT_GT(eclipses, 10);
  EXPECT_GT(totals, 0);
  EXPECT_GT(penumbrals, 0);

  // 2E1 A, 2026-10-01 12:14:41 UT: Io loses 60 % of its light, not the 15 % of its disc that
  // lies in the umbra; 2E4 Q31%, 2026-10-12 23:06: Callisto, in the penumbra only, dims too.
  const struct {
    JulianDay ut;
    int moon;
    QRgb bright, dimmed;  // the moon's colour; MutualEclipseColour of the light lost
  } seen[] = {
      {JulianDayFromDate(1, 10, 2026, 12, 14, 41, 0), 1, kIoColour, qRgb(141, 141, 141)},
      {JulianDayFromDate(12, 10, 2026, 23, 6, 0, 0), 4, qRgb(136, 187, 234), qRgb(104, 143, 179)},
  };
  for (const auto& s : seen) {
    EXPECT_EQ(MutualEclipseColour(s.bright, nearby.at(s.ut).lightLost[s.moon]), s.dimmed);
  }
}

// During a mutual occultation the moon in front covers the other, though the angles from
// conjunction alone would draw it first.
TEST(SideView, OccultingMoonIsDrawnOverTheOccultedOne) {
  std::array<std::int32_t, 5> order{3, 1, 0, 4, 2};
  DrawActiveOverPassive(order, 1, 4);
  EXPECT_EQ(order, (std::array<std::int32_t, 5>{3, 0, 4, 1, 2}));
  DrawActiveOverPassive(order, 1, 4);  // already in front: unchanged
  EXPECT_EQ(order, (std::array<std::int32_t, 5>{3, 0, 4, 1, 2}));

  // Europa (2) far out and only just behind conjunction's side, Io (1) nearer and further
  // behind: by cos U Io is drawn first, yet a mutual event with Europa occulting Io says
  // Europa is the nearer.
  JupiterState state = emptySky();
  state.X[1] = state.X[2] = 5;
  state.U[1] = 0.4;  // cos 0.92
  state.U[2] = 0.2;  // cos 0.98
  const QRgb europa = qRgb(255, 255, 0);
  EXPECT_EQ(drawSide(state, ViewKind::Binoculars, true, 1.0).image.pixel(352, 49), europa);
  state.U[1] = 0.2;
  state.U[2] = 0.4;
  EXPECT_EQ(drawSide(state, ViewKind::Binoculars, true, 1.0).image.pixel(352, 49), kIoColour);
  MutualLook look;
  look.occultations.emplace_back(2, 1);
  EXPECT_EQ(drawSide(state, ViewKind::Binoculars, true, 1.0, {}, {}, look).image.pixel(352, 49),
            europa);
}

TEST(SideView, ShadowOfARealTransitIsOnTheDisc) {
  // The first shadow transit of December 2026 in the modern theory, at its middle.
  const JulianDay december = JulianDayFromDate(1, 12, 2026, 0, 0, 0, 0);
  const std::vector<MoonEvent> events = FindMoonEvents(december, 31);
  const auto transit = std::find_if(events.begin(), events.end(), [](const MoonEvent& event) {
    return event.kind == MoonEventKind::ShadowTransit && event.start && event.end;
  });
  ASSERT_NE(transit, events.end());
  const JulianDay middle = (*transit->start + *transit->end) / 2;
  JupiterState state;
  c(middle, state);
  const Shadows shadows = MoonShadowsAt(middle);
  const MoonShadow& shadow = shadows[static_cast<std::size_t>(transit->moon)];
  ASSERT_TRUE(shadow.onDisc);
  for (const ViewKind view : {ViewKind::AstroScope, ViewKind::Binoculars, ViewKind::StarDiagonal}) {
    const ViewSigns signs = SignsFor(view, true);
    const QPoint at(298 + static_cast<int>(shadow.X * SideViewScaleFor(1.0)) * signs.EastWestSign,
                    49 + static_cast<int>(shadow.Y * SideViewScaleFor(1.0)) * signs.NorthSouthSign);
    // Inside the 23-pixel disc, clear of its limb.
    EXPECT_LT(std::hypot(at.x() - 298.5, at.y() - 49.5), 10.0) << "view " << int(view);
    const QPoint pixel = at - QPoint(1, 1);
    EXPECT_EQ(drawSide(state, view, true, 1.0, shadows).image.pixel(pixel), kBlackPixel);
    EXPECT_NE(drawSide(state, view, true, 1.0).image.pixel(pixel), kBlackPixel);
  }
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
  // Europa behind (cos -1), Jupiter, then Ganymede (cos pi/2, as a double 6e-17: in front),
  // Callisto (cos 0.995) and Io (cos 1).
  EXPECT_EQ(order, (std::array<std::int32_t, 5>{2, 0, 3, 4, 1}));
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

TEST(DataPanelColour, ColoursTheWorkedExampleAtTwoThousandJanuaryFirstNoon) {
  // The panel of 2000-01-01 12:00:00 UT at magnification 1.0: Europa in front of the disc,
  // the others off it and within the side view.
  JupiterState state;
  c(JulianDayFromDate(1, 1, 2000, 12, 0, 0, 0), state);
  const QColor expected[] = {kInReachColour, kInFrontColour, kInReachColour, kInReachColour};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(DataPanelColour(state.X[i], state.Y[i], state.U[i], SideViewScaleFor(1.0)),
              expected[i - 1])
        << "satellite " << i;
  }
}

TEST(DataPanelColour, TellsTheSideViewsReachOffTheDisc) {
  // Pixel offsets are cut toward zero: 290.9 is still pixel 290.
  EXPECT_EQ(DataPanelColour(290.0, 0, 0, 1.0), kInReachColour);
  EXPECT_EQ(DataPanelColour(290.9, 0, 0, 1.0), kInReachColour);
  EXPECT_EQ(DataPanelColour(291.0, 0, 0, 1.0), kBeyondReachColour);
  EXPECT_EQ(DataPanelColour(-290.9, 0, 0, 1.0), kInReachColour);
  EXPECT_EQ(DataPanelColour(-291.0, 0, 0, 1.0), kBeyondReachColour);
  // At magnification 1 the reach ends near |X| = 26.464 radii, at 3 near 8.821.
  EXPECT_EQ(DataPanelColour(-26.46, 0, 0, SideViewScaleFor(1.0)), kInReachColour);
  EXPECT_EQ(DataPanelColour(-26.47, 0, 0, SideViewScaleFor(1.0)), kBeyondReachColour);
  EXPECT_EQ(DataPanelColour(8.82, 0, 0, SideViewScaleFor(3.0)), kInReachColour);
  EXPECT_EQ(DataPanelColour(8.83, 0, 0, SideViewScaleFor(3.0)), kBeyondReachColour);
  // Only X decides the reach; behind or in front no longer matters off the disc.
  EXPECT_EQ(DataPanelColour(0, 400.0, 3.14159, 1.0), kInReachColour);
}

TEST(DataPanelColour, TellsTheNearOrFarSideOnTheDisc) {
  EXPECT_EQ(DataPanelColour(1.0, 0, 0, 1.0), kInFrontColour);  // the rim counts as on the disc
  EXPECT_EQ(DataPanelColour(1.0, 0, 3.14159, 1.0), kBehindColour);
  EXPECT_EQ(DataPanelColour(0.5, -0.5, 1.5, 1.0), kInFrontColour);
  EXPECT_EQ(DataPanelColour(0.5, -0.5, 4.8, 1.0), kInFrontColour);
  EXPECT_EQ(DataPanelColour(0.5, -0.5, 1.6, 1.0), kBehindColour);
  EXPECT_EQ(DataPanelColour(1.0001, 0, 3.14159, 1.0), kInReachColour);
}

TEST(SideViewScaleFor, GivesPixelsPerRadius) {
  EXPECT_NEAR(SideViewScaleFor(1.0), 10.99628, 1e-5);
  EXPECT_NEAR(SideViewScaleFor(3.0), 32.98885, 1e-5);
}

}  // namespace
}  // namespace kelvra
