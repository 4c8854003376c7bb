// The settings file Kelvra95.CFG: one 8-byte little-endian record beside the program.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace kelvra {

struct ConfigRecord {
  std::int32_t RSLongitude = 65;          // degrees, System II longitude of the Red Spot
  bool GRSLocalTime = false;              // false: the GRS list in Universal Time
  bool TracksLocalTime = false;           // false: the tracks chart in Universal Time
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

// True when `file` is missing or a regular file (a link is followed), found without opening
// it. Anything else in its place (a FIFO, a device, a socket, a folder) is unusable: opening it
// could wait for ever, and it is never read or written over.
bool SettingsFileUsable(const std::filesystem::path& file);

// What reading a settings file found.
struct SettingsFileBytes {
  bool usable = true;               // false: no regular file there (see SettingsFileUsable)
  std::vector<std::uint8_t> bytes;  // its first bytes; none when it is missing or unreadable
};

// Reads at most `limit` bytes of `file`, never waiting: the file is opened non-blocking and
// read only when it proves to be a regular file.
SettingsFileBytes ReadSettingsFile(const std::filesystem::path& file, std::size_t limit);

// True when `file` (a link is followed) is a regular file whose mode does not let its owner
// write it: the user made it read-only, and it is never written, whoever runs the program.
bool SettingsFileReadOnly(const std::filesystem::path& file);

// Writes `bytes` as the whole of `file`, as WriteSettings does (a temporary beside it renamed
// over it, else in place when the folder refuses). A link is written through: the file it
// leads to is replaced, the link stays. The replaced file keeps its mode and, where this user
// may give it, its owner. Never waits, never writes a read-only file (SettingsFileReadOnly),
// and never replaces or writes into anything but a regular file.
// Returns: false when the file could not be written.
bool WriteSettingsFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

// Reads the settings file in `directory`. When it cannot be read whole, the missing fields
// are the defaults and a whole record is written back where that is possible (never over a
// read-only file); never fails.
// An unusable file (SettingsFileUsable) gives the defaults and is left as it is.
ConfigRecord ReadSettings(const std::filesystem::path& directory);

// Writes the record to a temporary file beside the settings file and renames it over the
// old one, so that a crash or a full disk never leaves a damaged file behind. When the folder
// does not let this user create or rename files, an existing settings file the user may write
// is rewritten in place instead (truncated, written, synced).
// Returns: false when the file could not be written either way (after a failed rename the
// old file is untouched).
bool WriteSettings(const std::filesystem::path& directory, const ConfigRecord& record);

}  // namespace kelvra
