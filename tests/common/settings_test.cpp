// The settings file: what a first start writes, what every kind of damaged or odd file reads
// back as, and that a write never leaves a half-written file or a temporary behind.
#include "ui/common/settings.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "tests/support/watchdog.h"

namespace kelvra {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

  fs::path directory() const { return fs::path(folder_.path().toStdString()); }
  fs::path file() const { return directory() / "Kelvra95.CFG"; }
  fs::path temporary() const { return directory() / "Kelvra95.CFG.tmp"; }

  void writeFile(const Bytes& bytes) const {
    std::ofstream out(file(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

  Bytes readFile() const {
    std::ifstream in(file(), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  QTemporaryDir folder_;
};

// Each field of a record, for comparisons that name the field that differs.
void ExpectRecord(const ConfigRecord& record, std::int32_t longitude, bool grsLocal,
                  bool tracksLocal, std::uint8_t pad0, std::uint8_t pad1) {
  EXPECT_EQ(record.RSLongitude, longitude);
  EXPECT_EQ(record.GRSLocalTime, grsLocal);
  EXPECT_EQ(record.TracksLocalTime, tracksLocal);
  EXPECT_EQ(record.padding[0], pad0);
  EXPECT_EQ(record.padding[1], pad1);
}

TEST_F(SettingsFile, FirstStartCreatesTheDefaultRecord) {
  ExpectRecord(ReadSettings(directory()), 65, false, false, 0, 0);
  // 65 = 0x41 little-endian, both flags Universal Time, two zero padding bytes.
  EXPECT_THAT(readFile(), ElementsAre(0x41, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_FALSE(fs::exists(temporary()));
}

TEST_F(SettingsFile, LongitudeThreeHundredInLocalTimeReadsBackSo) {
  writeFile({0x2C, 0x01, 0, 0, 1, 1, 0, 0});  // 300 = 0x012C
  ExpectRecord(ReadSettings(directory()), 300, true, true, 0, 0);
  EXPECT_THAT(readFile(), ElementsAre(0x2C, 0x01, 0, 0, 1, 1, 0, 0));
}

TEST_F(SettingsFile, ChangedSettingIsReadBackAfterRestart) {
  ConfigRecord record = ReadSettings(directory());
  record.TracksLocalTime = true;
  ASSERT_TRUE(WriteSettings(directory(), record));
  ExpectRecord(ReadSettings(directory()), 65, false, true, 0, 0);
}

TEST_F(SettingsFile, PaddingSurvivesAWrite) {
  writeFile({0x41, 0, 0, 0, 0, 0, 0xAB, 0xCD});
  ConfigRecord record = ReadSettings(directory());
  record.RSLongitude = 120;
  ASSERT_TRUE(WriteSettings(directory(), record));
  EXPECT_THAT(readFile(), ElementsAre(120, 0, 0, 0, 0, 0, 0xAB, 0xCD));
}

TEST_F(SettingsFile, FlagsAreWrittenAsZeroOrOne) {
  writeFile({0x41, 0, 0, 0, 0x07, 0xFF, 0, 0});
  ConfigRecord record = ReadSettings(directory());
  ExpectRecord(record, 65, true, true, 0, 0);
  // Reading alone does not rewrite a whole file; the next change writes clean flags.
  EXPECT_THAT(readFile(), ElementsAre(0x41, 0, 0, 0, 0x07, 0xFF, 0, 0));
  record.RSLongitude = 66;
  ASSERT_TRUE(WriteSettings(directory(), record));
  EXPECT_THAT(readFile(), ElementsAre(66, 0, 0, 0, 1, 1, 0, 0));
}

TEST_F(SettingsFile, NegativeAndExtremeLongitudesRoundTrip) {
  for (const std::int32_t longitude : {-1, -360, 2147483647, -2147483647 - 1}) {
    ConfigRecord record;
    record.RSLongitude = longitude;
    ASSERT_TRUE(WriteSettings(directory(), record));
    EXPECT_EQ(ReadSettings(directory()).RSLongitude, longitude);
  }
  EXPECT_THAT(readFile(), ElementsAre(0, 0, 0, 0x80, 0, 0, 0, 0));  // INT32_MIN little-endian
}

// A short file keeps the fields it holds whole; the rest are the defaults, and the file is
// completed to a whole record at once.
TEST_F(SettingsFile, ShortFileKeepsWholeFieldsAndIsCompleted) {
  const Bytes full{0x2C, 0x01, 0, 0, 1, 1, 0x11, 0x22};
  const std::vector<Bytes> expected{
      {0x41, 0, 0, 0, 0, 0, 0, 0},  // 0 bytes: all defaults
      {0x41, 0, 0, 0, 0, 0, 0, 0},  // 1..3 bytes: the longitude is not whole
      {0x41, 0, 0, 0, 0, 0, 0, 0},      {0x41, 0, 0, 0, 0, 0, 0, 0},
      {0x2C, 0x01, 0, 0, 0, 0, 0, 0},      // 4: the longitude
      {0x2C, 0x01, 0, 0, 1, 0, 0, 0},      // 5: and the GRS flag
      {0x2C, 0x01, 0, 0, 1, 1, 0, 0},      // 6: and the tracks flag
      {0x2C, 0x01, 0, 0, 1, 1, 0x11, 0}};  // 7: and the first padding byte
  for (std::size_t length = 0; length < 8; ++length) {
    SCOPED_TRACE(length);
    writeFile(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length)));
    const Bytes& want = expected[length];
    ExpectRecord(ReadSettings(directory()), length >= 4 ? 300 : 65, length >= 5, length >= 6,
                 want[6], want[7]);
    EXPECT_THAT(readFile(), ElementsAreArray(want));
    EXPECT_FALSE(fs::exists(temporary()));
  }
}

// Bytes beyond the record are ignored when read, left alone while nothing changes, and
// dropped by the next write, which replaces the file with one whole record.
TEST_F(SettingsFile, LongFileReadsTheFirstRecordAndIsCutByTheNextWrite) {
  writeFile({0x2C, 0x01, 0, 0, 0, 1, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF});
  ConfigRecord record = ReadSettings(directory());
  ExpectRecord(record, 300, false, true, 0, 0);
  EXPECT_EQ(fs::file_size(file()), 12u);
  record.GRSLocalTime = true;
  ASSERT_TRUE(WriteSettings(directory(), record));
  EXPECT_THAT(readFile(), ElementsAre(0x2C, 0x01, 0, 0, 1, 1, 0, 0));
}

TEST_F(SettingsFile, DirectoryInPlaceOfTheFileGivesDefaultsAndStaysADirectory) {
  fs::create_directory(file());
  ExpectRecord(ReadSettings(directory()), 65, false, false, 0, 0);
  EXPECT_TRUE(fs::is_directory(file()));
  ConfigRecord record;
  record.RSLongitude = 10;
  EXPECT_FALSE(WriteSettings(directory(), record));
  EXPECT_TRUE(fs::is_directory(file()));
  EXPECT_FALSE(fs::exists(temporary()));
}

// A FIFO in place of the file: never opened (a read would wait for a writer for ever), never
// replaced, and nothing written into it even while a reader waits at its other end.
TEST_F(SettingsFile, FifoInPlaceOfTheFileGivesDefaultsAndStaysAFifo) {
  ASSERT_EQ(::mkfifo(file().c_str(), 0666), 0);
  const testing::Watchdog watchdog("Kelvra95.CFG is a FIFO");
  EXPECT_FALSE(SettingsFileUsable(file()));
  ExpectRecord(ReadSettings(directory()), 65, false, false, 0, 0);
  const int reader = ::open(file().c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ConfigRecord record;
  record.RSLongitude = 10;
  EXPECT_FALSE(WriteSettings(directory(), record));
  std::uint8_t none = 0;
  EXPECT_EQ(::read(reader, &none, 1), 0) << "bytes written into the FIFO";
  ::close(reader);
  struct stat status {};
  ASSERT_EQ(::lstat(file().c_str(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
  EXPECT_FALSE(fs::exists(temporary()));
}

// A folder below a regular file can never be created, not even by root.
TEST_F(SettingsFile, UncreatableDirectoryGivesDefaultsAndAFailedWrite) {
  const fs::path blocker = directory() / "plain-file";
  std::ofstream(blocker) << "x";
  const fs::path impossible = blocker / "program";
  ExpectRecord(ReadSettings(impossible), 65, false, false, 0, 0);
  ConfigRecord record;
  record.RSLongitude = 200;
  EXPECT_FALSE(WriteSettings(impossible, record));
  EXPECT_EQ(fs::file_size(blocker), 1u);
}

TEST_F(SettingsFile, MissingDirectoryGivesDefaults) {
  ExpectRecord(ReadSettings(directory() / "no-such-folder"), 65, false, false, 0, 0);
  EXPECT_FALSE(fs::exists(directory() / "no-such-folder"));
}

// When the temporary cannot be made, the old file must stay exactly as it was.
TEST_F(SettingsFile, FailedWriteLeavesTheOldFileWhole) {
  writeFile({0x2C, 0x01, 0, 0, 1, 0, 0, 0});
  fs::create_directory(temporary());
  ConfigRecord record;
  record.RSLongitude = 7;
  EXPECT_FALSE(WriteSettings(directory(), record));
  EXPECT_THAT(readFile(), ElementsAre(0x2C, 0x01, 0, 0, 1, 0, 0, 0));
}

TEST_F(SettingsFile, WriteReplacesAStaleTemporaryAndLeavesNoneBehind) {
  std::ofstream(temporary(), std::ios::binary) << "left over from a crash, longer than 8";
  ConfigRecord record;
  record.RSLongitude = 359;  // 0x0167
  ASSERT_TRUE(WriteSettings(directory(), record));
  EXPECT_THAT(readFile(), ElementsAre(0x67, 0x01, 0, 0, 0, 0, 0, 0));
  EXPECT_FALSE(fs::exists(temporary()));
  EXPECT_EQ(std::distance(fs::directory_iterator(directory()), fs::directory_iterator()), 1);
}

// The file's mode is its user's word, whoever runs the program (root could write through any
// mode): a file its owner may not write is never written, not even to complete a short one at
// start-up; any other keeps its mode. A link is written through and stays a link.
TEST_F(SettingsFile, ModeIsKeptAndAReadOnlyFileNeverWritten) {
  struct Case {
    mode_t mode;
    bool link;  // the settings file a link to a file of `mode` in another folder
  };
  for (const Case& each : {Case{0444, false}, Case{0400, false}, Case{0600, false},
                           Case{0644, false}, Case{0640, true}}) {
    SCOPED_TRACE(each.mode);
    fs::remove(file());
    const fs::path real = each.link ? directory() / "elsewhere" / "settings" : file();
    fs::create_directories(real.parent_path());
    const Bytes shortFile{0x2C, 0x01, 0, 0, 1};  // 300, GRS local, the rest missing
    {
      std::ofstream out(real, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(shortFile.data()), 5);
    }
    ASSERT_EQ(::chmod(real.c_str(), each.mode), 0);
    if (each.link) fs::create_symlink("elsewhere/settings", file());
    const bool readOnly = (each.mode & S_IWUSR) == 0;

    ConfigRecord record = ReadSettings(directory());
    EXPECT_EQ(record.RSLongitude, 300);
    EXPECT_EQ(fs::file_size(real), readOnly ? 5u : 8u) << "completed at start-up";
    record.TracksLocalTime = true;
    EXPECT_EQ(WriteSettings(directory(), record), !readOnly);
    const Bytes written{0x2C, 0x01, 0, 0, 1, 1, 0, 0};
    EXPECT_EQ(readFile(), readOnly ? shortFile : written);
    EXPECT_EQ(fs::is_symlink(file()), each.link);
    struct stat status {};
    ASSERT_EQ(::stat(real.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, each.mode);
    EXPECT_FALSE(fs::exists(temporary()));
    EXPECT_FALSE(fs::exists(real.string() + ".tmp"));
  }
}

// A shared installation: the program's folder is closed to the user (mode 555), the settings
// file may be open to them. Root passes every mode check, so as root the writes run with the
// effective user nobody; anyone else is refused by the mode itself.
class ClosedSettingsFolder : public SettingsFile {
 protected:
  void SetUp() override {
    SettingsFile::SetUp();
    if (::geteuid() == 0) {
      const passwd* nobody = ::getpwnam("nobody");
      if (nobody == nullptr) GTEST_SKIP() << "no user nobody to write as";
      unprivileged_ = nobody->pw_uid;
    }
  }
  void TearDown() override { ::chmod(directory().c_str(), 0755); }

  // Closes the folder and runs `write` as a user the closed folder refuses.
  bool writeClosed(const ConfigRecord& record, mode_t fileMode) {
    if (fs::exists(file())) ::chmod(file().c_str(), fileMode);
    EXPECT_EQ(::chmod(directory().c_str(), 0555), 0);
    if (unprivileged_ && ::seteuid(*unprivileged_) != 0) ADD_FAILURE() << "seteuid failed";
    const bool written = WriteSettings(directory(), record);
    if (unprivileged_ && ::seteuid(0) != 0) ADD_FAILURE() << "seteuid back failed";
    return written;
  }

 private:
  std::optional<uid_t> unprivileged_;
};

TEST_F(ClosedSettingsFolder, WritableFileIsRewrittenInPlaceAndCut) {
  writeFile({0x2C, 0x01, 0, 0, 1, 0, 0xAB, 0xCD, 0xDE, 0xAD, 0xBE, 0xEF});
  ConfigRecord record = ReadSettings(directory());
  record.TracksLocalTime = true;
  ASSERT_TRUE(writeClosed(record, 0666));
  EXPECT_THAT(readFile(), ElementsAre(0x2C, 0x01, 0, 0, 1, 1, 0xAB, 0xCD));
  EXPECT_FALSE(fs::exists(temporary()));
}

TEST_F(ClosedSettingsFolder, NothingIsCreatedAndAClosedFileStaysAsItWas) {
  ConfigRecord record;
  record.RSLongitude = 7;
  EXPECT_FALSE(writeClosed(record, 0666));
  EXPECT_FALSE(fs::exists(file()));

  ::chmod(directory().c_str(), 0755);
  writeFile({0x2C, 0x01, 0, 0, 1, 0, 0, 0});
  EXPECT_FALSE(writeClosed(record, 0444));
  EXPECT_THAT(readFile(), ElementsAre(0x2C, 0x01, 0, 0, 1, 0, 0, 0));
}

// A pipe with no reader in the file's place: the write fails at once instead of waiting.
TEST_F(ClosedSettingsFolder, PipeInPlaceOfTheFileFailsWithoutBlocking) {
  ASSERT_EQ(::mkfifo(file().c_str(), 0666), 0);
  ConfigRecord record;
  EXPECT_FALSE(writeClosed(record, 0666));
  EXPECT_TRUE(fs::is_fifo(file()));
}

TEST(ConfigRecordBytes, EncodeAndDecodeAreInverse) {
  for (const std::int32_t longitude : {0, 65, 300, -1, 123456789}) {
    for (const int flags : {0, 1, 2, 3}) {
      ConfigRecord record;
      record.RSLongitude = longitude;
      record.GRSLocalTime = (flags & 1) != 0;
      record.TracksLocalTime = (flags & 2) != 0;
      record.padding = {static_cast<std::uint8_t>(flags), 0x5A};
      const auto bytes = EncodeConfigRecord(record);
      const ConfigRecord back = DecodeConfigRecord(bytes);
      SCOPED_TRACE(longitude);
      ExpectRecord(back, longitude, record.GRSLocalTime, record.TracksLocalTime,
                   static_cast<std::uint8_t>(flags), 0x5A);
    }
  }
}

}  // namespace
}  // namespace kelvra
