#include "ui/main/date_rules.h"

#include <gtest/gtest.h>

namespace kelvra {
namespace {

TEST(CheckDate, RefusesExactlyTheTenDaysTheReformLeftOut) {
  EXPECT_TRUE(CheckDate(4, 10, 1582).message.isEmpty());
  EXPECT_TRUE(CheckDate(15, 10, 1582).message.isEmpty());
  for (std::uint16_t day : {5, 14}) {
    const DateCheck check = CheckDate(day, 10, 1582);
    EXPECT_EQ(check.day, 4) << day;
    EXPECT_TRUE(check.message.startsWith("Invalid Date: Following the conversion")) << day;
  }
  EXPECT_TRUE(CheckDate(10, 10, 1583).message.isEmpty());
  EXPECT_TRUE(CheckDate(10, 11, 1582).message.isEmpty());
}

TEST(CheckDate, CorrectsADayOutsideItsMonth) {
  EXPECT_EQ(CheckDate(0, 1, 2000).day, 1);
  EXPECT_EQ(CheckDate(0, 1, 2000).message, "Date must lie between 1 and 31");
  EXPECT_EQ(CheckDate(29, 2, 1900).day, 28);  // a century year, no leap day
  EXPECT_EQ(CheckDate(29, 2, 1900).message, "Date must lie between 1 and 28");
  EXPECT_EQ(CheckDate(99, 4, 2026).day, 30);
  const DateCheck leapDay = CheckDate(29, 2, 2000);
  EXPECT_EQ(leapDay.day, 29);
  EXPECT_TRUE(leapDay.message.isEmpty());
}

}  // namespace
}  // namespace kelvra
