// The GRS window's own picture.
#include "ui/grs/grs_pictures.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

namespace kelvra {
namespace {

TEST(GlobeButton, IsAWhiteGlobeOutlinedInBlackOnATransparentGround) {
  const QImage globe = GlobeButton();
  ASSERT_EQ(globe.size(), QSize(20, 20));
  EXPECT_EQ(qAlpha(globe.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(globe.pixel(19, 0)), 0);
  EXPECT_EQ(qAlpha(globe.pixel(0, 19)), 0);
  const QColor quarter = globe.pixelColor(6, 6);  // inside the upper-left quarter
  EXPECT_EQ(quarter.alpha(), 255);
  EXPECT_GT(quarter.value(), 240);
  EXPECT_LT(qGray(globe.pixel(9, 1)), 100);        // the outline at the top
  EXPECT_LT(qGray(globe.pixel(9, 5)), 180);        // the meridian
  EXPECT_LT(qGray(globe.pixel(5, 9)), 180);        // the equator
  const QColor shadow = globe.pixelColor(15, 15);  // beyond the outline, lower right
  EXPECT_GT(shadow.alpha(), 0);
  EXPECT_LT(shadow.value(), 60);
}

}  // namespace
}  // namespace kelvra
