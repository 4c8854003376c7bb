#include "ui/common/settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>
#include <vector>

namespace kelvra {
namespace {

std::filesystem::path settingsPath(const std::filesystem::path& directory) {
  return directory / kSettingsFileName;
}

// What a failed write ran into.
enum class WriteFailure { None, FolderRefused, Other };

// True for the errors of a folder that does not let this user create or rename files in it.
bool folderRefuses(int error) {
  return error == EACCES || error == EPERM || error == EROFS;
}

bool isRegular(int file) {
  struct stat status {};
  return ::fstat(file, &status) == 0 && S_ISREG(status.st_mode);
}

// Writes `bytes` as the whole file at `path`, opened with `flags` (plus write-only and
// truncate), and waits until they are on the disk, so that a rename that follows can never put
// an empty or half-written file in the old one's place. Opened non-blocking, so that a FIFO
// there fails at once or is found out before anything is written into it. `keep`, when given,
// is the file the new one replaces: its owner and mode are given to the new one before any
// byte is written.
// Returns: None, or what stopped it (the file may then exist, damaged).
WriteFailure writeDurably(const std::filesystem::path& path, int flags,
                          std::span<const std::uint8_t> bytes, const struct stat* keep = nullptr) {
  // A new file is private until it takes the old one's mode.
  const mode_t mode = keep != nullptr ? 0600 : 0644;
  const int file = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | flags, mode);
  if (file < 0) return folderRefuses(errno) ? WriteFailure::FolderRefused : WriteFailure::Other;
  // Truncated only once it proves regular: O_TRUNC at the open would cut a device.
  if (!isRegular(file) || ::ftruncate(file, 0) != 0) {
    ::close(file);
    return WriteFailure::Other;
  }
  if (keep != nullptr) {
    // Only root may give a file away; anyone else's file simply becomes theirs, as any editor
    // that saves through a new file does. The owner first: a change of owner clears set-id bits.
    if (keep->st_uid != ::geteuid() || keep->st_gid != ::getegid()) {
      [[maybe_unused]] const int given = ::fchown(file, keep->st_uid, keep->st_gid);
    }
    if (::fchmod(file, keep->st_mode & 07777) != 0) {
      ::close(file);
      return WriteFailure::Other;
    }
  }
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

// The file a chain of symbolic links at `file` ends in (`file` itself when it is no link),
// which need not exist. Nothing when the chain is a loop or cannot be read.
std::optional<std::filesystem::path> linkTarget(std::filesystem::path file) {
  for (int hops = 0; hops < 40; ++hops) {  // Linux's own limit
    struct stat status {};
    if (::lstat(file.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return file;
    std::error_code error;
    const std::filesystem::path next = std::filesystem::read_symlink(file, error);
    if (error) return std::nullopt;
    file = next.is_absolute() ? next : file.parent_path() / next;
  }
  return std::nullopt;
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

bool SettingsFileUsable(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) == 0) return S_ISREG(status.st_mode);
  return errno == ENOENT || errno == ENOTDIR;
}

SettingsFileBytes ReadSettingsFile(const std::filesystem::path& file, std::size_t limit) {
  SettingsFileBytes read;
  read.usable = SettingsFileUsable(file);
  if (!read.usable) return read;
  const int handle = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (handle < 0) return read;
  read.usable = isRegular(handle);  // replaced since the look above
  std::array<std::uint8_t, 4096> buffer{};
  while (read.usable && read.bytes.size() < limit) {
    const ssize_t count =
        ::read(handle, buffer.data(), std::min(buffer.size(), limit - read.bytes.size()));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    read.bytes.insert(read.bytes.end(), buffer.begin(), buffer.begin() + count);
  }
  ::close(handle);
  return read;
}

ConfigRecord ReadSettings(const std::filesystem::path& directory) {
  const SettingsFileBytes read = ReadSettingsFile(settingsPath(directory), kConfigRecordSize);
  if (!read.usable) return ConfigRecord{};
  const ConfigRecord record = DecodeConfigRecord(read.bytes);
  // A missing, unreadable or short file is completed with the defaults at once; where the
  // directory is not writable the program simply runs on the values in memory.
  if (read.bytes.size() < kConfigRecordSize) WriteSettings(directory, record);
  return record;
}

bool SettingsFileReadOnly(const std::filesystem::path& file) {
  struct stat status {};
  return ::stat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         (status.st_mode & S_IWUSR) == 0;
}

bool WriteSettingsFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
  // Through a link: the rename replaces the file it leads to, and the temporary lies beside
  // that file, on its file system.
  const std::optional<std::filesystem::path> resolved = linkTarget(file);
  if (!resolved || !SettingsFileUsable(*resolved)) return false;
  const std::filesystem::path& target = *resolved;
  // Decided by the mode alone: root could write the file, but its user said no.
  if (SettingsFileReadOnly(target)) return false;
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  // A temporary left by a crash goes first, so that the new one is made afresh (O_EXCL): its
  // mode is then the one given here, and a link in its place is never followed.
  WriteFailure failure = WriteFailure::None;
  if (::unlink(temporary.c_str()) != 0 && errno != ENOENT && folderRefuses(errno))
    failure = WriteFailure::FolderRefused;
  if (failure == WriteFailure::None)
    failure = writeDurably(temporary, O_CREAT | O_EXCL, bytes, replacing ? &old : nullptr);
  if (failure == WriteFailure::None) {
    // Looked at again just before the rename, which would put a file in a FIFO's place.
    if (!SettingsFileUsable(target) || SettingsFileReadOnly(target)) {
      failure = WriteFailure::Other;
    } else if (::rename(temporary.c_str(), target.c_str()) == 0) {
      syncDirectory(target.parent_path());
      return true;
    } else {
      failure = folderRefuses(errno) ? WriteFailure::FolderRefused : WriteFailure::Other;
    }
  }
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  if (failure != WriteFailure::FolderRefused) return false;
  // A folder closed to this user may still hold a settings file the user may write (a shared
  // installation): rewrite that file in place. It is never created here: the folder refuses.
  return writeDurably(target, 0, bytes) == WriteFailure::None;
}

bool WriteSettings(const std::filesystem::path& directory, const ConfigRecord& record) {
  return WriteSettingsFile(settingsPath(directory), EncodeConfigRecord(record));
}

}  // namespace kelvra
