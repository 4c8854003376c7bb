// The picture loader: good pictures decode to their size and colours; a missing or damaged
// file of any kind is a failed load with the one message, never a crash or an exit.
#include "ui/common/jpeg_loader.h"

#include <QBuffer>
#include <QColor>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/message_log.h"
#include "ui/common/widgets.h"

namespace kelvra {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A skin picture as the build draws it: a real baseline JPEG to damage in various ways.
Bytes BuiltPicture(const std::string& name) {
  return ReadBytes(fs::path(KELVRA_BIN_DIR) / name);
}

QImage Decode(const Bytes& bytes) {
  return DecodeJpeg(bytes.data(), bytes.size());
}

bool QtCanWriteJpeg() {
  return QImageWriter::supportedImageFormats().contains("jpg");
}

// A JPEG of one colour made by Qt's own encoder, so the decoder is checked against another one.
Bytes QtJpeg(const QImage& picture, bool progressive) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(95);
  writer.setProgressiveScanWrite(progressive);
  EXPECT_TRUE(writer.write(picture)) << writer.errorString().toStdString();
  return Bytes(data.begin(), data.end());
}

// Offset of the height field of the first start-of-frame segment (FF C0 .. FF C2), or 0.
std::size_t FrameHeightOffset(const Bytes& jpeg) {
  for (std::size_t i = 2; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] >= 0xC0 && jpeg[i + 1] <= 0xC2) return i + 5;
  }
  return 0;
}

Bytes WithFrameSize(Bytes jpeg, std::uint16_t width, std::uint16_t height) {
  const std::size_t at = FrameHeightOffset(jpeg);
  EXPECT_NE(at, 0u);
  jpeg[at] = static_cast<std::uint8_t>(height >> 8);
  jpeg[at + 1] = static_cast<std::uint8_t>(height);
  jpeg[at + 2] = static_cast<std::uint8_t>(width >> 8);
  jpeg[at + 3] = static_cast<std::uint8_t>(width);
  return jpeg;
}

void ExpectNear(QRgb pixel, int red, int green, int blue) {
  constexpr int kTolerance = 6;  // JPEG rounding of a flat colour, per channel
  EXPECT_NEAR(qRed(pixel), red, kTolerance);
  EXPECT_NEAR(qGreen(pixel), green, kTolerance);
  EXPECT_NEAR(qBlue(pixel), blue, kTolerance);
}

struct SkinSize {
  const char* file;
  int width, height;  // pixels, from the layout of the window the picture skins
};

TEST(DecodeJpeg, EveryBuiltSkinDecodesToItsLayoutSize) {
  const SkinSize skins[] = {
      {"Kelvra0.dat", 160, 113}, {"Kelvra1.dat", 596, 58},  {"Kelvra2.dat", 597, 28},
      {"Kelvra3.dat", 597, 23},  {"Kelvra4.dat", 321, 276}, {"Kelvra5.dat", 21, 479},
      {"Kelvra6.dat", 22, 479},  {"Kelvra7.dat", 200, 480}, {"Kelvra8.dat", 210, 155}};
  for (const SkinSize& skin : skins) {
    SCOPED_TRACE(skin.file);
    const QImage picture = Decode(BuiltPicture(skin.file));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(skin.width, skin.height));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
  }
}

TEST(DecodeJpeg, KeepsRedGreenAndBlueApart) {
  if (!QtCanWriteJpeg()) GTEST_SKIP() << "SKIPPED: Qt has no JPEG writer plugin here";
  QImage flat(33, 17, QImage::Format_RGB32);
  flat.fill(QColor(200, 40, 90));
  for (const bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const QImage picture = Decode(QtJpeg(flat, progressive));
    ASSERT_EQ(picture.size(), QSize(33, 17));
    ExpectNear(picture.pixel(0, 0), 200, 40, 90);
    ExpectNear(picture.pixel(32, 16), 200, 40, 90);
  }
}

TEST(DecodeJpeg, GreyPictureDecodesAsGrey) {
  if (!QtCanWriteJpeg()) GTEST_SKIP() << "SKIPPED: Qt has no JPEG writer plugin here";
  QImage grey(8, 9, QImage::Format_Grayscale8);
  grey.fill(QColor(128, 128, 128));
  const QImage picture = Decode(QtJpeg(grey, false));
  ASSERT_EQ(picture.size(), QSize(8, 9));
  ExpectNear(picture.pixel(4, 4), 128, 128, 128);
}

TEST(DecodeJpeg, DamagedBytesGiveANullPicture) {
  const Bytes good = BuiltPicture("Kelvra8.dat");
  ASSERT_GT(good.size(), 200u);
  Bytes garbage(4096);
  std::uint32_t seed = 12345;
  for (auto& byte : garbage) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<std::uint8_t>(seed >> 16);
  }
  Bytes headerOnly(good.begin(),
                   good.begin() + static_cast<std::ptrdiff_t>(FrameHeightOffset(good) + 10));
  const struct {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"empty", {}},
      {"only the start marker", {0xFF, 0xD8}},
      {"half the file",
       Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2))},
      {"all but the end marker", Bytes(good.begin(), good.end() - 2)},
      {"header without data", headerOnly},
      {"garbage", garbage},
      {"zero width", WithFrameSize(good, 0, 155)},
      {"zero height", WithFrameSize(good, 210, 0)},
      {"65535 x 65535", WithFrameSize(good, 65535, 65535)},
      {"wider than any skin", WithFrameSize(good, 8193, 155)},
      {"larger than the data it carries", WithFrameSize(good, 2100, 1550)},
  };
  for (const auto& damaged : cases) {
    SCOPED_TRACE(damaged.what);
    EXPECT_TRUE(Decode(damaged.bytes).isNull());
  }
  EXPECT_TRUE(DecodeJpeg(nullptr, 100).isNull());
}

// Every single flipped byte in the picture's headers: a failed or a whole decode, nothing else.
TEST(DecodeJpeg, SurvivesEveryHeaderByteFlipped) {
  const Bytes good = BuiltPicture("Kelvra0.dat");
  const std::size_t headerEnd = std::min<std::size_t>(good.size(), 700);
  int refused = 0;
  for (std::size_t i = 0; i < headerEnd; ++i) {
    Bytes damaged = good;
    damaged[i] ^= 0xFF;
    const QImage picture = Decode(damaged);
    if (picture.isNull()) {
      ++refused;
    } else {
      EXPECT_LE(picture.width(), 8192) << "byte " << i;
      EXPECT_LE(picture.height(), 8192) << "byte " << i;
    }
  }
  EXPECT_GT(refused, 0);  // a decoder that took every damaged header would not be checking
}

// Files written beside the test program under names no other test uses, removed at the end.
class LoadJpegAssetTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const fs::path& path : written_) fs::remove(path);
  }

  void install(const std::string& name, const Bytes& bytes) {
    const fs::path path = ProgramDirectory() / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    written_.push_back(path);
  }

  testing::MessageLog messages;
  ImageView view{nullptr, "imgTest"};

 private:
  std::vector<fs::path> written_;
};

TEST_F(LoadJpegAssetTest, MessageNamesTheFileAndTheContact) {
  EXPECT_EQ(MissingFileMessage(QStringLiteral("Kelvra4.dat")),
            QStringLiteral("File \"Kelvra4.dat\" is either missing or damaged.\r\n"
                           "Contact: kelvra95@kelvra95.example.org"));
}

TEST_F(LoadJpegAssetTest, GoodPictureGivesTheComponentItsSize) {
  install("rely-good.dat", BuiltPicture("Kelvra8.dat"));
  ASSERT_TRUE(LoadJpegAsset(view, QStringLiteral("rely-good.dat")));
  EXPECT_EQ(view.size(), QSize(210, 155));
  EXPECT_EQ(view.image().size(), QSize(210, 155));
  EXPECT_TRUE(messages.plain.isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(LoadJpegAssetTest, MissingFileIsReportedOnceAndFails) {
  EXPECT_FALSE(LoadJpegAsset(view, QStringLiteral("rely-missing.dat")));
  EXPECT_EQ(messages.plain,
            QStringList{QStringLiteral("File \"rely-missing.dat\" is either missing or damaged.\r\n"
                                       "Contact: kelvra95@kelvra95.example.org")});
  EXPECT_TRUE(messages.errors.isEmpty());
  EXPECT_TRUE(view.image().isNull());
}

TEST_F(LoadJpegAssetTest, DamagedFilesGetTheSameMessage) {
  const Bytes good = BuiltPicture("Kelvra8.dat");
  install("rely-empty.dat", {});
  install("rely-cut.dat",
          Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 3)));
  install("rely-text.dat", Bytes{'h', 'e', 'l', 'l', 'o', '\n'});
  install("rely-huge.dat", WithFrameSize(good, 60000, 60000));
  const QStringList names{"rely-empty.dat", "rely-cut.dat", "rely-text.dat", "rely-huge.dat"};
  for (const QString& name : names) {
    EXPECT_FALSE(LoadJpegAsset(view, name)) << name.toStdString();
  }
  QStringList expected;
  for (const QString& name : names) expected.append(MissingFileMessage(name));
  EXPECT_EQ(messages.plain, expected);
  EXPECT_TRUE(view.image().isNull());
}

TEST_F(LoadJpegAssetTest, DirectoryInPlaceOfThePictureIsAFailedLoad) {
  const fs::path folder = ProgramDirectory() / "rely-folder.dat";
  fs::create_directory(folder);
  EXPECT_FALSE(LoadJpegAsset(view, QStringLiteral("rely-folder.dat")));
  fs::remove(folder);
  EXPECT_EQ(messages.plain.size(), 1);
}

// Names are cut to 20 characters: the cut name is what is looked up and what is reported.
TEST_F(LoadJpegAssetTest, LongNameIsCutToTwentyCharacters) {
  install("rely-long-name-abcde", BuiltPicture("Kelvra0.dat"));
  EXPECT_TRUE(LoadJpegAsset(view, QStringLiteral("rely-long-name-abcdefghij.dat")));
  EXPECT_EQ(view.size(), QSize(160, 113));
  EXPECT_FALSE(LoadJpegAsset(view, QStringLiteral("rely-long-name-vwxyz-and-more.dat")));
  EXPECT_EQ(messages.plain,
            QStringList{MissingFileMessage(QStringLiteral("rely-long-name-vwxyz"))});
}

}  // namespace
}  // namespace kelvra
