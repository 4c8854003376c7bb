// Baseline JPEG encoding of the skin pictures.
#pragma once

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kelvra::skins {

// Given: a picture and the JPEG quality (1..100).
// Returns: the picture as a baseline JPEG file's bytes, colour not subsampled, so thin lines
// and small text keep their colour; empty when the encoder fails.
std::vector<std::uint8_t> EncodeJpeg(const QImage& image, int quality);

// Writes EncodeJpeg(image, quality) to `path`. Returns: true when the whole file was written.
bool WriteJpeg(const QImage& image, int quality, const std::filesystem::path& path);

}  // namespace kelvra::skins
