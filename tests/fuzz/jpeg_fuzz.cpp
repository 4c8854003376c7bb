// Fuzz target: any bytes as a picture file. The decoder returns a null picture or a whole
// RGB32 picture no larger than it allows, and never exits, hangs or touches memory it does not own.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QImage>

#include "ui/common/jpeg_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QImage picture = kelvra::DecodeJpeg(data, size);
  if (picture.isNull()) return 0;
  if (picture.format() != QImage::Format_RGB32 || picture.width() > 8192 ||
      picture.height() > 8192) {
    std::abort();
  }
  // Read every decoded row, so that a row the decoder never wrote shows up under the sanitizers.
  std::uint32_t sum = 0;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) sum += row[x];
  }
  volatile std::uint32_t sink = sum;
  (void)sink;
  return 0;
}
