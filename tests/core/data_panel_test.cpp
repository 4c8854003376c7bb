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
};

void ExpectRow(const SatelliteRowText& row, const ExpectedRow& expected) {
  EXPECT_EQ(row.northSouth, expected.northSouth);
  EXPECT_EQ(row.northSouthFlag, expected.northSouthFlag);
  EXPECT_EQ(row.eastWest, expected.eastWest);
  EXPECT_EQ(row.eastWestFlag, expected.eastWestFlag);
  EXPECT_EQ(row.angle, expected.angle);
}

// One satellite (Io's slot) placed by hand; the others stay at Jupiter's centre.
JupiterState OneSatelliteAt(double x, double y, double u) {
  JupiterState state;
  state.X[1] = x;
  state.Y[1] = y;
  state.U[1] = u;
  return state;
}

TEST(DataPanel, ShowsTheWorkedExampleAtTwoThousandJanuaryFirstNoon) {
  JupiterState state;
  c(JulianDayFromDate(1, 1, 2000, 12, 0, 0, 0), state);
  const DataPanelText panel = FormatDataPanel(state, '.');
  // Worked example of the panel for 2000-01-01 12:00:00 UT.
  EXPECT_EQ(panel.systemI, "197.10");
  EXPECT_EQ(panel.systemII, "173.55");
  ExpectRow(panel.satellites[0], {"0.29", " N", "1.32", " W", "167.01"});
  ExpectRow(panel.satellites[1], {"0.47", " S", "0.71", " W", "4.36"});
  ExpectRow(panel.satellites[2], {"0.74", " S", "3.45", " W", "13.33"});
  ExpectRow(panel.satellites[3], {"0.78", " N", "21.35", " E", "234.12"});

  const DataPanelText comma = FormatDataPanel(state, ',');
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
  const SatelliteRowText row = FormatDataPanel(OneSatelliteAt(0, 0, 0), '.').satellites[0];
  EXPECT_EQ(row.eastWestFlag, " W");
  EXPECT_EQ(row.northSouthFlag, " N");
  const SatelliteRowText negative =
      FormatDataPanel(OneSatelliteAt(-0.001, -0.001, 0), '.').satellites[0];
  EXPECT_EQ(negative.eastWestFlag, " E");
  EXPECT_EQ(negative.northSouthFlag, " S");
  EXPECT_EQ(negative.eastWest, "0.00");
}

}  // namespace
}  // namespace kelvra
