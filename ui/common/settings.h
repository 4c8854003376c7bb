// The settings file Kelvra95.CFG: one 8-byte little-endian record beside the program.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>

namespace kelvra {

struct ConfigRecord {
  std::int32_t RSLongitude = 65;        // degrees, System II longitude of the Red Spot
  bool GRSLocalTime = false;            // false: the GRS list in Universal Time
  bool TracksLocalTime = false;         // false: the tracks chart in Universal Time
  std::array<std::uint8_t, 2> padding{};  // no meaning; written back as read
};

inline constexpr std::size_t kConfigRecordSize = 8;  // bytes
inline constexpr const char* kSettingsFileName = "Kelvra95.CFG";

// Given: the bytes at the start of a settings file (any number).
// Returns: the record they hold. Fields the bytes do not reach keep their defaults;
// bytes beyond the eighth are ignored. A flag reads true when its byte is not 0.
ConfigRecord DecodeConfigRecord(std::span<const std::uint8_t> bytes);

// Returns: the 8 bytes of the record; the flags as 0 or 1.
std::array<std::uint8_t, kConfigRecordSize> EncodeConfigRecord(const ConfigRecord& record);

// Reads the settings file in `directory`. When it cannot be read whole, the missing fields
// are the defaults and a whole record is written back where that is possible; never fails.
ConfigRecord ReadSettings(const std::filesystem::path& directory);

// Writes the record to a temporary file beside the settings file and renames it over the
// old one, so that a crash or a full disk never leaves a damaged file behind. When the folder
// does not let this user create or rename files, an existing settings file the user may write
// is rewritten in place instead (truncated, written, synced).
// Returns: false when the file could not be written either way (after a failed rename the
// old file is untouched).
bool WriteSettings(const std::filesystem::path& directory, const ConfigRecord& record);

}  // namespace kelvra
