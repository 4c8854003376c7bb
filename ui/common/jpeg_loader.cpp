#include "ui/common/jpeg_loader.h"

#include <QCoreApplication>
#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <system_error>

#include <jpeglib.h>

#include "ui/common/messages.h"
#include "ui/common/widgets.h"

namespace kelvra {
namespace {

// Pictures larger than this are refused before any memory is taken for them: no skin
// comes near it, and a damaged header must not make the program allocate gigabytes.
constexpr JDIMENSION kMaxSide = 8192;  // pixels

constexpr const char* kContactAddress = "kelvra95@kelvra95.example.org";
constexpr int kMaxFileNameLength = 20;  // characters

// libjpeg reports errors by calling error_exit, which must not return; we jump back to
// the decoder instead of letting the library end the process.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
  int warnings = 0;
};

[[noreturn]] void onError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(manager->escape, 1);
}

// Warnings (premature end of data, corrupt segments) mean the picture is not whole.
void onMessage(j_common_ptr info, int level) {
  if (level < 0) reinterpret_cast<ErrorManager*>(info->err)->warnings++;
}

// Decodes into *out. Kept apart from DecodeJpeg so that the only objects alive across the
// setjmp are plain C structs and a pointer that never changes: a longjmp then skips no
// destructor and leaves no value indeterminate.
bool decodeInto(const std::uint8_t* data, std::size_t size, QImage* out) {
  jpeg_decompress_struct info{};
  ErrorManager manager;
  info.err = jpeg_std_error(&manager.base);
  manager.base.error_exit = onError;
  manager.base.emit_message = onMessage;
  if (setjmp(manager.escape) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  if (info.image_width == 0 || info.image_height == 0 || info.image_width > kMaxSide ||
      info.image_height > kMaxSide) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_EXT_BGRX;  // the byte order of QImage::Format_RGB32 in memory
  jpeg_start_decompress(&info);
  *out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                QImage::Format_RGB32);
  if (out->isNull()) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return manager.warnings == 0;
}

}  // namespace

QImage DecodeJpeg(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size == 0) return {};
  QImage picture;
  if (!decodeInto(data, size, &picture)) return {};
  return picture;
}

std::filesystem::path ProgramDirectory() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !program.has_parent_path()) return std::filesystem::current_path(error) / "";
  return program.parent_path() / "";
}

QString MissingFileMessage(const QString& fileName) {
  return QCoreApplication::translate("kelvra::JpegLoader",
                                     "File \"%1\" is either missing or damaged.\r\nContact: %2")
      .arg(fileName, QString::fromLatin1(kContactAddress));
}

QImage ReadJpegAsset(const QString& fileName) {
  const QString name = fileName.left(kMaxFileNameLength);
  QFile file(QString::fromStdString((ProgramDirectory() / name.toStdString()).string()));
  QImage picture;
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = file.readAll();
    picture = DecodeJpeg(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                         static_cast<std::size_t>(bytes.size()));
  }
  if (picture.isNull()) ShowMessage(MissingFileMessage(name));
  return picture;
}

bool LoadJpegAsset(ImageView& target, const QString& fileName) {
  const QImage picture = ReadJpegAsset(fileName);
  if (picture.isNull()) return false;
  target.setImage(picture, true);
  return true;
}

}  // namespace kelvra
