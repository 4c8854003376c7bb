#include "core/data_panel.h"

#include <gtest/gtest.h>

namespace kelvra {
namespace {

struct ExpectedRow {
  const char* northSouth;
  const char* northSouthFlag;
  const char* eastWest;
  const char* eastWestFlag;
  const char* angle;
  Rgb colour;
};

void ExpectRow(const SatelliteRowText& row, const ExpectedRow& expected) {
  EXPECT_EQ(row.northSouth, expected.northSouth);
  EXPECT_EQ(row.northSouthFlag, expected.northSouthFlag);
  EXPECT_EQ(row.eastWest, expected.eastWest);
  EXPECT_EQ(row.eastWestFlag, expected.eastWestFlag);
  EXPECT_EQ(row.angle, expected.angle);
  EXPECT_EQ(row.colour, expected.colour);
}

// One satellite (Io's slot) placed by hand; the others stay at Jupiter's centre.
JupiterState OneSatelliteAt(double x, double y, double u) {
  JupiterState state;
  state.X[1] = x;
  state.Y[1] = y;
  state.U[1] = u;
  return state;
}

Rgb ColourAt(double x, double y, double u, double scale) {
  return FormatDataPanel(OneSatelliteAt(x, y, u), scale, '.').satellites[0].colour;
}

TEST(DataPanel, ShowsTheWorkedExampleAtTwoThousandJanuaryFirstNoon) {
  JupiterState state;
  c(JulianDayFromDate(1, 1, 2000, 12, 0, 0, 0), state);
  const DataPanelText panel = FormatDataPanel(state, SideViewScaleFor(1.0), '.');
  // Worked example of the panel for 2000-01-01 12:00:00 UT, magnification 1.0.
  EXPECT_EQ(panel.systemI, "197.10");
  EXPECT_EQ(panel.systemII, "173.55");
  ExpectRow(panel.satellites[0], {"0.29", " N", "1.32", " W", "167.01", kAqua});
  ExpectRow(panel.satellites[1], {"0.47", " S", "0.71", " W", "4.36", kYellow});
  ExpectRow(panel.satellites[2], {"0.74", " S", "3.45", " W", "13.33", kAqua});
  ExpectRow(panel.satellites[3], {"0.78", " N", "21.35", " E", "234.12", kAqua});

  const DataPanelText comma = FormatDataPanel(state, SideViewScaleFor(1.0), ',');
  EXPECT_EQ(comma.systemI, "197,10");
  EXPECT_EQ(comma.satellites[3].eastWest, "21,35");
}

TEST(FormatTwoDecimals, RoundsToTwoDecimalsWithoutGroupingOrNegativeZero) {
  EXPECT_EQ(FormatTwoDecimals(0.0, '.'), "0.00");
  EXPECT_EQ(FormatTwoDecimals(-0.0, '.'), "0.00");
  EXPECT_EQ(FormatTwoDecimals(-0.004, '.'), "0.00");
  EXPECT_EQ(FormatTwoDecimals(-0.0951, ','), "-0,10");
  EXPECT_EQ(FormatTwoDecimals(359.995, '.'), "360.00");  // largest U shown as a full turn
  EXPECT_EQ(FormatTwoDecimals(360.40, '.'), "360.40");
  EXPECT_EQ(FormatTwoDecimals(12345.678, ','), "12345,68");
}

TEST(DataPanel, CountsZeroAsWestAndNorth) {
  const SatelliteRowText row = FormatDataPanel(OneSatelliteAt(0, 0, 0), 1, '.').satellites[0];
  EXPECT_EQ(row.eastWestFlag, " W");
  EXPECT_EQ(row.northSouthFlag, " N");
  const SatelliteRowText negative =
      FormatDataPanel(OneSatelliteAt(-0.001, -0.001, 0), 1, '.').satellites[0];
  EXPECT_EQ(negative.eastWestFlag, " E");
  EXPECT_EQ(negative.northSouthFlag, " S");
  EXPECT_EQ(negative.eastWest, "0.00");
}

TEST(DataPanel, ColoursBySideViewReachOffTheDisc) {
  // Pixel offsets are cut toward zero: 290.9 is still pixel 290.
  EXPECT_EQ(ColourAt(290.0, 0, 0, 1.0), kAqua);
  EXPECT_EQ(ColourAt(290.9, 0, 0, 1.0), kAqua);
  EXPECT_EQ(ColourAt(291.0, 0, 0, 1.0), kBlack);
  EXPECT_EQ(ColourAt(-290.9, 0, 0, 1.0), kAqua);
  EXPECT_EQ(ColourAt(-291.0, 0, 0, 1.0), kBlack);
  // At magnification 1 the reach ends near |X| = 26.464 radii, at 3 near 8.821.
  EXPECT_EQ(ColourAt(-26.46, 0, 0, SideViewScaleFor(1.0)), kAqua);
  EXPECT_EQ(ColourAt(-26.47, 0, 0, SideViewScaleFor(1.0)), kBlack);
  EXPECT_EQ(ColourAt(8.82, 0, 0, SideViewScaleFor(3.0)), kAqua);
  EXPECT_EQ(ColourAt(8.83, 0, 0, SideViewScaleFor(3.0)), kBlack);
  // Only X decides the reach; behind or in front no longer matters off the disc.
  EXPECT_EQ(ColourAt(0, 400.0, 3.14159, 1.0), kAqua);
}

TEST(DataPanel, ColoursByNearOrFarSideOnTheDisc) {
  EXPECT_EQ(ColourAt(1.0, 0, 0, 1.0), kYellow);  // the rim counts as on the disc
  EXPECT_EQ(ColourAt(1.0, 0, 3.14159, 1.0), kNavy);
  EXPECT_EQ(ColourAt(0.5, -0.5, 1.5, 1.0), kYellow);
  EXPECT_EQ(ColourAt(0.5, -0.5, 4.8, 1.0), kYellow);
  EXPECT_EQ(ColourAt(0.5, -0.5, 1.6, 1.0), kNavy);
  EXPECT_EQ(ColourAt(1.0001, 0, 3.14159, 1.0), kAqua);
}

TEST(SideViewScaleFor, GivesPixelsPerRadius) {
  EXPECT_NEAR(SideViewScaleFor(1.0), 10.99628, 1e-5);
  EXPECT_NEAR(SideViewScaleFor(3.0), 32.98885, 1e-5);
}

}  // namespace
}  // namespace kelvra
