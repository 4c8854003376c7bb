// Loading the JPEG skin pictures that lie beside the program.
#pragma once

#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace kelvra {

class ImageView;

// Given: the bytes of a JPEG file.
// Returns: the decoded picture (RGB32), or a null image when the bytes are not a picture
// that can be decoded whole (truncated, garbage, empty, absurd dimensions). Never exits.
QImage DecodeJpeg(const std::uint8_t* data, std::size_t size);

// Returns: the directory of the running program, ending in a separator.
std::filesystem::path ProgramDirectory();

// Reads ProgramDirectory() + fileName as a picture. On failure shows "File "<name>" is either
// missing or damaged." with the contact address and returns a null image.
QImage ReadJpegAsset(const QString& fileName);

// Loads ProgramDirectory() + fileName into `target`, which takes the picture's size.
// On failure shows "File "<name>" is either missing or damaged." with the contact address
// and returns false.
bool LoadJpegAsset(ImageView& target, const QString& fileName);

// The missing-file message for fileName, exactly as shown.
QString MissingFileMessage(const QString& fileName);

}  // namespace kelvra
