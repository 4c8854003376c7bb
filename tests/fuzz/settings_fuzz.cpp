// Fuzz target: any bytes as a settings file. Decoding never fails, a record survives its own
// encoding, and reading the file leaves either the file as it was (a whole record or more) or
// exactly the record that was read (a short file, completed at once).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "ui/common/settings.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A folder of this process's own, made once, reused for every input and removed at exit.
// The path is never destroyed, so that the removal at exit can still read it.
const fs::path& Folder() {
  static const fs::path* const folder = [] {
    auto* path = new fs::path(fs::temp_directory_path() /
                              ("kelvra-settings-fuzz-" + std::to_string(getpid())));
    fs::create_directories(*path);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(Folder(), ignored);
    });
    return path;
  }();
  return *folder;
}

Bytes ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Check(bool condition) {
  if (!condition) std::abort();
}

bool SameRecord(const kelvra::ConfigRecord& a, const kelvra::ConfigRecord& b) {
  return a.RSLongitude == b.RSLongitude && a.GRSLocalTime == b.GRSLocalTime &&
         a.TracksLocalTime == b.TracksLocalTime && a.padding == b.padding;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  const kelvra::ConfigRecord decoded = kelvra::DecodeConfigRecord(input);
  const auto encoded = kelvra::EncodeConfigRecord(decoded);
  Check(encoded[4] <= 1 && encoded[5] <= 1);
  Check(SameRecord(kelvra::DecodeConfigRecord(encoded), decoded));

  const fs::path file = Folder() / kelvra::kSettingsFileName;
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const kelvra::ConfigRecord read = kelvra::ReadSettings(Folder());
  Check(SameRecord(read, decoded));
  const Bytes after = ReadAll(file);
  if (size >= kelvra::kConfigRecordSize) {
    Check(after == Bytes(data, data + size));
  } else {
    Check(after == Bytes(encoded.begin(), encoded.end()));
  }
  Check(!fs::exists(Folder() / "Kelvra95.CFG.tmp"));
  return 0;
}
