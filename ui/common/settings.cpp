#include "ui/common/settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <system_error>
#include <vector>

namespace kelvra {
namespace {

std::filesystem::path settingsPath(const std::filesystem::path& directory) {
  return directory / kSettingsFileName;
}

using RecordBytes = std::array<std::uint8_t, kConfigRecordSize>;

// What a failed write ran into.
enum class WriteFailure { None, FolderRefused, Other };

// True for the errors of a folder that does not let this user create or rename files in it.
bool folderRefuses(int error) {
  return error == EACCES || error == EPERM || error == EROFS;
}

// Writes `bytes` as the whole file at `path`, opened with `flags` (plus write-only and
// truncate), and waits until they are on the disk, so that a rename that follows can never put
// an empty or half-written file in the old one's place.
// Returns: None, or what stopped it (the file may then exist, damaged).
WriteFailure writeDurably(const std::filesystem::path& path, int flags, const RecordBytes& bytes) {
  const int file = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | flags, 0644);
  if (file < 0) return folderRefuses(errno) ? WriteFailure::FolderRefused : WriteFailure::Other;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count = ::write(file, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    written += static_cast<std::size_t>(count);
  }
  const bool synced = written == bytes.size() && ::fsync(file) == 0;
  return ::close(file) == 0 && synced ? WriteFailure::None : WriteFailure::Other;
}

// Makes the rename itself durable; a failure here leaves a whole file either way.
void syncDirectory(const std::filesystem::path& directory) {
  const int folder = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  ::fsync(folder);
  ::close(folder);
}

}  // namespace

ConfigRecord DecodeConfigRecord(std::span<const std::uint8_t> bytes) {
  ConfigRecord record;
  if (bytes.size() >= 4) {
    const std::uint32_t raw = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                              std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    record.RSLongitude = static_cast<std::int32_t>(raw);
  }
  if (bytes.size() >= 5) record.GRSLocalTime = bytes[4] != 0;
  if (bytes.size() >= 6) record.TracksLocalTime = bytes[5] != 0;
  if (bytes.size() >= 7) record.padding[0] = bytes[6];
  if (bytes.size() >= 8) record.padding[1] = bytes[7];
  return record;
}

std::array<std::uint8_t, kConfigRecordSize> EncodeConfigRecord(const ConfigRecord& record) {
  const auto raw = static_cast<std::uint32_t>(record.RSLongitude);
  return {static_cast<std::uint8_t>(raw),
          static_cast<std::uint8_t>(raw >> 8),
          static_cast<std::uint8_t>(raw >> 16),
          static_cast<std::uint8_t>(raw >> 24),
          static_cast<std::uint8_t>(record.GRSLocalTime ? 1 : 0),
          static_cast<std::uint8_t>(record.TracksLocalTime ? 1 : 0),
          record.padding[0],
          record.padding[1]};
}

ConfigRecord ReadSettings(const std::filesystem::path& directory) {
  std::vector<std::uint8_t> bytes(kConfigRecordSize);
  std::size_t count = 0;
  {
    std::ifstream file(settingsPath(directory), std::ios::binary);
    if (file) {
      file.read(reinterpret_cast<char*>(bytes.data()), kConfigRecordSize);
      count = static_cast<std::size_t>(file.gcount());
    }
  }
  const ConfigRecord record = DecodeConfigRecord(std::span(bytes.data(), count));
  // A missing, unreadable or short file is completed with the defaults at once; where the
  // directory is not writable the program simply runs on the values in memory.
  if (count < kConfigRecordSize) WriteSettings(directory, record);
  return record;
}

bool WriteSettings(const std::filesystem::path& directory, const ConfigRecord& record) {
  const std::filesystem::path target = settingsPath(directory);
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  const RecordBytes bytes = EncodeConfigRecord(record);
  WriteFailure failure = writeDurably(temporary, O_CREAT, bytes);
  if (failure == WriteFailure::None) {
    if (::rename(temporary.c_str(), target.c_str()) == 0) {
      syncDirectory(directory);
      return true;
    }
    failure = folderRefuses(errno) ? WriteFailure::FolderRefused : WriteFailure::Other;
  }
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  if (failure != WriteFailure::FolderRefused) return false;
  // A folder closed to this user may still hold a settings file the user may write (a shared
  // installation): rewrite that file in place. It is never created here: the folder refuses.
  // Non-blocking, so that a pipe put in the file's place fails at once instead of hanging.
  return writeDurably(target, O_NONBLOCK, bytes) == WriteFailure::None;
}

}  // namespace kelvra
