// Baseline JPEG encoding with libjpeg's compression API.
#include "assets/jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <jpeglib.h>

namespace kelvra::skins {

namespace {

// libjpeg's default error handler ends the process; this one jumps back to the encoder.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Runs the compressor over `rgb` (RGB888) into `buffer`. Returns: false on an encoder error.
// Kept free of C++ objects with destructors, since an error leaves it by longjmp.
bool Compress(const QImage& rgb, int quality, unsigned char** buffer, unsigned long* size) {
  jpeg_compress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpOnError;
  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = JDIMENSION(rgb.width());
  info.image_height = JDIMENSION(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  for (int i = 0; i < info.num_components; ++i) {
    info.comp_info[i].h_samp_factor = 1;
    info.comp_info[i].v_samp_factor = 1;
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const QImage& image, int quality) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool encoded = Compress(rgb, quality, &buffer, &size);
  std::vector<std::uint8_t> bytes;
  if (encoded) bytes.assign(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

bool WriteJpeg(const QImage& image, int quality, const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = EncodeJpeg(image, quality);
  if (bytes.empty()) return false;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  file.close();
  return !file.fail();
}

}  // namespace kelvra::skins
