// The main window's own pictures.
#include "ui/main/main_pictures.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace kelvra {
namespace {

// Counts the columns of `box` that hold at least one pixel brighter than `threshold`.
int LitColumns(const QImage& image, const QRect& box, int threshold = 150) {
  int columns = 0;
  for (int x = box.left(); x <= box.right(); ++x) {
    for (int y = box.top(); y <= box.bottom(); ++y) {
      if (qGray(image.pixel(x, y)) > threshold) {
        ++columns;
        break;
      }
    }
  }
  return columns;
}

// Whether `box` holds a pixel of the warm north accent (clearly more red than blue).
bool HasWarmLetter(const QImage& image, const QRect& box) {
  for (int x = box.left(); x <= box.right(); ++x) {
    for (int y = box.top(); y <= box.bottom(); ++y) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) > 180 && qRed(p) - qBlue(p) > 80) return true;
    }
  }
  return false;
}

TEST(JupiterPole, IsATwelvePixelDiscWithATransparentSurround) {
  const QImage pole = JupiterPole();
  EXPECT_EQ(pole.size(), QSize(12, 12));
  EXPECT_EQ(qAlpha(pole.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(pole.pixel(11, 11)), 0);
  EXPECT_EQ(qAlpha(pole.pixel(6, 6)), 255);
}

TEST(CompassPicture, PutsTheLettersWhereEachViewSeesThem) {
  const QRect top(12, 0, 16, 11), bottom(12, 29, 16, 11);
  const QRect left(0, 12, 11, 16), right(29, 12, 11, 16);
  const struct {
    CompassRose rose;
    bool northOnTop;
    bool eastOnLeft;  // E is the narrower letter of E and W
  } roses[] = {{CompassRose::Binoculars, true, true},
               {CompassRose::AstroScope, false, false},
               {CompassRose::StarDiagonal, true, false},
               {CompassRose::Other, false, true}};
  for (const auto& expected : roses) {
    const QImage compass = CompassPicture(expected.rose);
    ASSERT_EQ(compass.size(), QSize(40, 40));
    const int name = int(expected.rose);
    EXPECT_EQ(HasWarmLetter(compass, top), expected.northOnTop) << "rose " << name;
    EXPECT_EQ(HasWarmLetter(compass, bottom), !expected.northOnTop) << "rose " << name;
    EXPECT_FALSE(HasWarmLetter(compass, left)) << "rose " << name;
    EXPECT_FALSE(HasWarmLetter(compass, right)) << "rose " << name;
    const int leftWidth = LitColumns(compass, left), rightWidth = LitColumns(compass, right);
    EXPECT_EQ(leftWidth < rightWidth, expected.eastOnLeft)
        << "rose " << name << ": " << leftWidth << " / " << rightWidth;
  }
}

TEST(CompassPicture, HasAGreyBallInTheMiddle) {
  const QColor middle = CompassPicture(CompassRose::Binoculars).pixelColor(20, 20);
  EXPECT_LT(std::abs(middle.red() - middle.green()), 12);
  EXPECT_LT(std::abs(middle.green() - middle.blue()), 12);
  EXPECT_GT(middle.value(), 100);
}

TEST(HemispherePicture, MarksTheChosenHalfOfTheGlobe) {
  const QImage north = HemispherePicture(true);
  const QImage south = HemispherePicture(false);
  EXPECT_EQ(north.size(), QSize(24, 22));
  EXPECT_EQ(south.size(), QSize(23, 22));
  // Rows 6 and 15 lie well inside the upper and the lower half of the globe.
  EXPECT_GT(qGray(north.pixel(12, 6)), qGray(north.pixel(12, 15)) + 60);
  EXPECT_GT(qGray(south.pixel(11, 15)), qGray(south.pixel(11, 6)) + 60);
}

TEST(NowButtonFace, IsLitFromTheTopLeftWhenRaisedAndShadedThereWhenPressed) {
  const QImage up = NowButtonFace(false);
  const QImage down = NowButtonFace(true);
  EXPECT_EQ(up.size(), QSize(43, 23));
  EXPECT_EQ(down.size(), QSize(43, 23));
  EXPECT_GT(qGray(up.pixel(20, 1)), qGray(up.pixel(20, 21)));
  EXPECT_LT(qGray(down.pixel(20, 1)), qGray(down.pixel(20, 21)));
  EXPECT_LT(qGray(down.pixel(5, 5)), qGray(up.pixel(5, 5)));
  int ink = 0;  // the black word "Now"
  for (int y = 4; y < 19; ++y) {
    for (int x = 4; x < 39; ++x) ink += qGray(up.pixel(x, y)) < 60 ? 1 : 0;
  }
  EXPECT_GT(ink, 20);
}

TEST(NowButtonDisabledFace, IsTheRaisedFaceWithTheWordInEtchedGrey) {
  const QImage up = NowButtonFace(false);
  const QImage disabled = NowButtonDisabledFace();
  ASSERT_EQ(disabled.size(), QSize(43, 23));
  // The same raised button: outline and bevel, row by row and column by column.
  for (int x = 0; x < 43; ++x) {
    for (const int y : {0, 1, 21, 22}) EXPECT_EQ(disabled.pixel(x, y), up.pixel(x, y));
  }
  for (int y = 0; y < 23; ++y) {
    for (const int x : {0, 1, 41, 42}) EXPECT_EQ(disabled.pixel(x, y), up.pixel(x, y));
  }
  int black = 0, grey = 0, lit = 0;  // the word's pixels by their shade
  for (int y = 3; y < 20; ++y) {
    for (int x = 3; x < 40; ++x) {
      const int shade = qGray(disabled.pixel(x, y));
      black += shade < 60 ? 1 : 0;
      grey += shade >= 80 && shade <= 120 ? 1 : 0;
      lit += shade > 200 ? 1 : 0;
    }
  }
  EXPECT_EQ(black, 0);  // no black word: that is the usable face
  EXPECT_GT(grey, 20);  // the word in the grey of the face's shaded edge (about 101)
  EXPECT_GT(lit, 10);   // and its lit etch one pixel below and to the right
}

TEST(IntervalBackground, HasTheDialogsSize) {
  EXPECT_EQ(IntervalBackground().size(), QSize(110, 60));
}

}  // namespace
}  // namespace kelvra
