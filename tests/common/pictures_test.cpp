// The built-in pictures and the skin files the build writes beside the program.
#include "ui/common/pictures.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/common/jpeg_loader.h"

namespace kelvra {
namespace {

constexpr std::array<ViewKind, 3> kViews = {ViewKind::AstroScope, ViewKind::Binoculars,
                                            ViewKind::StarDiagonal};

// The Red Spot's brick red stands apart from the browns of the belts by its red-to-green ratio.
bool IsReddish(QRgb pixel) {
  return qAlpha(pixel) == 255 && qRed(pixel) > 100 && qRed(pixel) > 1.7 * qGreen(pixel) &&
         qRed(pixel) > 1.7 * qBlue(pixel);
}

// Where the reddish pixels lie, relative to the picture's centre (y grows downwards).
struct Centroid {
  double x, y;  // pixels
  int count;
};

Centroid RedSpotCentroid(const QImage& image) {
  double sumX = 0, sumY = 0;
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!IsReddish(image.pixel(x, y))) continue;
      sumX += x - (image.width() - 1) / 2.0;
      sumY += y - (image.height() - 1) / 2.0;
      ++count;
    }
  }
  if (count == 0) return {0, 0, 0};
  return {sumX / count, sumY / count, count};
}

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double Luminance(const QColor& colour) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
         0.0722 * linear(colour.blue());
}

// Contrast ratio of two colours, 1 (none) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(JupiterDisc, HasTheSizeOfEachMagnificationStep) {
  const std::array<int, 5> sizes = {23, 35, 46, 58, 69};  // pixels, magnification 1 to 3
  for (const ViewKind view : kViews) {
    for (int step = 0; step < 5; ++step) {
      const QImage disc = JupiterDisc(view, step);
      EXPECT_EQ(disc.size(), QSize(sizes[step], sizes[step])) << "step " << step;
      EXPECT_TRUE(disc.hasAlphaChannel());
    }
  }
}

TEST(JupiterDisc, GivesNoPictureForAStepOutsideTheFive) {
  EXPECT_TRUE(JupiterDisc(ViewKind::Binoculars, -1).isNull());
  EXPECT_TRUE(JupiterDisc(ViewKind::Binoculars, 5).isNull());
}

TEST(JupiterDisc, IsOpaqueInTheMiddleAndTransparentAround) {
  for (const ViewKind view : kViews) {
    for (int step = 0; step < 5; ++step) {
      const QImage disc = JupiterDisc(view, step);
      const int last = disc.width() - 1;
      EXPECT_EQ(qAlpha(disc.pixel(disc.width() / 2, disc.height() / 2)), 255);
      for (const QPoint corner :
           {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
        EXPECT_EQ(qAlpha(disc.pixel(corner)), 0) << "step " << step;
      }
    }
  }
}

TEST(JupiterDisc, IsFlattenedAtThePoles) {
  const QImage disc = JupiterDisc(ViewKind::Binoculars, 4);  // 69 pixels
  const int middle = 34;
  EXPECT_EQ(qAlpha(disc.pixel(0, middle)), 255);  // the equator reaches the sides
  EXPECT_EQ(qAlpha(disc.pixel(68, middle)), 255);
  EXPECT_EQ(qAlpha(disc.pixel(middle, 1)), 0);   // the poles stop two rows short:
  EXPECT_EQ(qAlpha(disc.pixel(middle, 67)), 0);  // 34.5 x (1 - 0.935) = 2.2 pixels
}

TEST(JupiterDisc, BinocularsShowTheRedSpotLowOnTheRight) {
  for (int step = 0; step < 5; ++step) {
    const Centroid spot = RedSpotCentroid(JupiterDisc(ViewKind::Binoculars, step));
    ASSERT_GT(spot.count, 0) << "step " << step;
    EXPECT_GT(spot.x, 0.0) << "step " << step;
    EXPECT_GT(spot.y, 0.0) << "step " << step;
  }
}

TEST(JupiterDisc, AstroScopeShowsTheRedSpotHighOnTheLeft) {
  for (int step = 0; step < 5; ++step) {
    const Centroid spot = RedSpotCentroid(JupiterDisc(ViewKind::AstroScope, step));
    ASSERT_GT(spot.count, 0) << "step " << step;
    EXPECT_LT(spot.x, 0.0) << "step " << step;
    EXPECT_LT(spot.y, 0.0) << "step " << step;
  }
}

TEST(JupiterDisc, StarDiagonalShowsTheRedSpotLowOnTheLeft) {
  for (int step = 0; step < 5; ++step) {
    const Centroid spot = RedSpotCentroid(JupiterDisc(ViewKind::StarDiagonal, step));
    ASSERT_GT(spot.count, 0) << "step " << step;
    EXPECT_LT(spot.x, 0.0) << "step " << step;
    EXPECT_GT(spot.y, 0.0) << "step " << step;
  }
}

TEST(JupiterDisc, OtherViewsAreTheBinocularPictureMirroredOrTurned) {
  for (int step = 0; step < 5; ++step) {
    const QImage binoculars = JupiterDisc(ViewKind::Binoculars, step);
    const QImage astroScope = JupiterDisc(ViewKind::AstroScope, step);
    const QImage starDiagonal = JupiterDisc(ViewKind::StarDiagonal, step);
    const int last = binoculars.width() - 1;
    int turnedMismatches = 0, mirroredMismatches = 0;
    for (int y = 0; y <= last; ++y) {
      for (int x = 0; x <= last; ++x) {
        const QRgb original = binoculars.pixel(x, y);
        if (astroScope.pixel(last - x, last - y) != original) ++turnedMismatches;
        if (starDiagonal.pixel(last - x, y) != original) ++mirroredMismatches;
      }
    }
    EXPECT_EQ(turnedMismatches, 0) << "step " << step;
    EXPECT_EQ(mirroredMismatches, 0) << "step " << step;
  }
}

TEST(JupiterDisc, ShowsDarkBeltsEitherSideOfABrightEquator) {
  const QImage disc = JupiterDisc(ViewKind::Binoculars, 4);  // 69 pixels
  const int column = 30;  // left of the centre, away from the Red Spot on the right
  const int equator = disc.height() / 2;
  const auto darkest = [&](int from, int to) {
    int darkestGrey = 255;
    for (int y = from; y <= to; ++y)
      darkestGrey = std::min(darkestGrey, qGray(disc.pixel(column, y)));
    return darkestGrey;
  };
  const int equatorGrey = qGray(disc.pixel(column, equator));
  EXPECT_LT(darkest(equator - 12, equator - 3), equatorGrey - 40);  // north equatorial belt
  EXPECT_LT(darkest(equator + 3, equator + 12), equatorGrey - 40);  // south equatorial belt
}

// The icon's Jupiter: the binocular drawing at any size, the same pixels at the steps' sizes.
TEST(JupiterDiscOfSize, IsTheBinocularDiscAtAnySize) {
  for (int step = 0; step < 5; ++step) {
    const QImage binoculars = JupiterDisc(ViewKind::Binoculars, step);
    EXPECT_EQ(JupiterDiscOfSize(binoculars.width()), binoculars) << "step " << step;
  }
  for (const int size : {9, 92}) {
    const QImage disc = JupiterDiscOfSize(size);
    ASSERT_EQ(disc.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(disc.pixel(size / 2, size / 2)), 255) << size;
    EXPECT_EQ(qAlpha(disc.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(disc.pixel(size - 1, size - 1)), 0) << size;
  }
  const Centroid spot = RedSpotCentroid(JupiterDiscOfSize(92));
  EXPECT_GT(spot.count, 0);
  EXPECT_GT(spot.x, 0);  // right of the centre
  EXPECT_GT(spot.y, 0);  // below it
  EXPECT_TRUE(JupiterDiscOfSize(0).isNull());
  EXPECT_TRUE(JupiterDiscOfSize(-3).isNull());
}

TEST(TimeBasisButton, WritesLocOrUtInBlackOnLightGrey) {
  const QImage local = TimeBasisButton(true);
  const QImage universal = TimeBasisButton(false);
  ASSERT_EQ(local.size(), QSize(20, 20));
  ASSERT_EQ(universal.size(), QSize(20, 20));
  const auto inkColumns = [](const QImage& image) {
    int columns = 0;
    for (int x = 2; x < 18; ++x) {
      for (int y = 2; y < 18; ++y) {
        if (qGray(image.pixel(x, y)) < 60) {
          ++columns;
          break;
        }
      }
    }
    return columns;
  };
  EXPECT_GT(qGray(local.pixel(3, 3)), 140);  // light grey face
  EXPECT_GT(qGray(universal.pixel(3, 3)), 140);
  EXPECT_GT(inkColumns(local), 8);  // the letters span most of the face
  EXPECT_GT(inkColumns(universal), 8);
  EXPECT_NE(local, universal);
}

// The skin files the build writes beside the program.
struct SkinFile {
  const char* name;
  QSize size;  // pixels
};
constexpr std::array<SkinFile, 9> kSkinFiles = {{{"Kelvra0.dat", {160, 113}},
                                                 {"Kelvra1.dat", {596, 58}},
                                                 {"Kelvra2.dat", {597, 28}},
                                                 {"Kelvra3.dat", {597, 23}},
                                                 {"Kelvra4.dat", {321, 276}},
                                                 {"Kelvra5.dat", {21, 479}},
                                                 {"Kelvra6.dat", {22, 479}},
                                                 {"Kelvra7.dat", {200, 480}},
                                                 {"Kelvra8.dat", {210, 155}}}};

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

QImage LoadSkin(const char* name) {
  const std::vector<std::uint8_t> bytes = ReadFile(std::filesystem::path(KELVRA_BIN_DIR) / name);
  return DecodeJpeg(bytes.data(), bytes.size());
}

// Whether a JPEG's first frame header is baseline (SOF0) rather than progressive or extended.
bool IsBaseline(const std::vector<std::uint8_t>& bytes) {
  std::size_t i = 2;  // after the start-of-image marker
  while (i + 4 <= bytes.size() && bytes[i] == 0xFF) {
    const std::uint8_t marker = bytes[i + 1];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      return marker == 0xC0;
    }
    i += 2 + (std::size_t(bytes[i + 2]) << 8 | bytes[i + 3]);
  }
  return false;
}

TEST(SkinFiles, DecodeAsBaselineJpegOfTheirWindowsSizes) {
  for (const SkinFile& skin : kSkinFiles) {
    const std::vector<std::uint8_t> bytes =
        ReadFile(std::filesystem::path(KELVRA_BIN_DIR) / skin.name);
    ASSERT_GT(bytes.size(), 2u) << skin.name;
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    EXPECT_TRUE(IsBaseline(bytes)) << skin.name;
    const QImage image = DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_EQ(image.size(), skin.size) << skin.name;
  }
}

// The exit button straddles the top bar (window x 20..615) and the right edge (616..637):
// both pictures carry their part of its red face.
TEST(SkinFiles, ShowTheMainExitButtonWholeAcrossTopBarAndRightEdge) {
  const auto isExitRed = [](const QColor& c) { return c.red() > c.green() + 40; };
  const QImage topBar = LoadSkin("Kelvra1.dat");
  const QImage rightEdge = LoadSkin("Kelvra6.dat");
  EXPECT_TRUE(isExitRed(topBar.pixelColor(611 - 20, 12)));       // window (611, 12)
  EXPECT_TRUE(isExitRed(rightEdge.pixelColor(625 - 616, 22)));   // window (625, 22)
  EXPECT_FALSE(isExitRed(rightEdge.pixelColor(630 - 616, 17)));  // right of the button
}

TEST(SkinFiles, LeaveTheViewsAndTheChartAreaBlack) {
  const QImage topBar = LoadSkin("Kelvra1.dat");
  EXPECT_LT(qGray(topBar.pixel(300, 57)), 12);  // the eyepiece view's first rows
  const QImage side = LoadSkin("Kelvra7.dat");
  EXPECT_LT(qGray(side.pixel(100, 250)), 12);  // under the chart at (20, 56) 160 x 403
}

// The data panel's values are aqua, yellow, navy or black on Kelvra4; all four must read.
TEST(SkinFiles, DataPanelBackgroundLetsEveryValueColourRead) {
  const QImage centre = LoadSkin("Kelvra4.dat");
  const QColor background = centre.pixelColor(170 - 20, 400 - 182);  // window (170, 400)
  for (const QColor value :
       {QColor(0, 255, 255), QColor(255, 255, 0), QColor(0, 0, 128), QColor(0, 0, 0)}) {
    EXPECT_GE(Contrast(value, background), 3.0) << value.name().toStdString();
  }
}

}  // namespace
}  // namespace kelvra
