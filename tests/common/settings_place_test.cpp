// Where the settings files live: the decision from what the two folders allow, and the store
// reading and writing at the decided place in temporary folders, as a user the program's
// folder refuses. The first failed write of a run is reported once, naming both files.
#include "ui/common/settings_place.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <vector>

#include "tests/support/message_log.h"
#include "tests/support/watchdog.h"

namespace kelvra {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

TEST(DecideSettingsPlace, EachCombinationOfWhatTheFoldersAllow) {
  struct Case {
    SettingsPlaceFacts facts;
    SettingsPlace place;
    bool readFromUser;
    bool copy;
  };
  // Facts: program folder writable, program file exists, program file writable, user folder
  // writable, user file exists, program file read-only, user file read-only.
  const std::vector<Case> cases{
      // A writable program folder wins over everything, even a user's file.
      {{true, false, false, true, true}, SettingsPlace::ProgramFolder, false, false},
      {{true, true, false, false, false}, SettingsPlace::ProgramFolder, false, false},
      // Closed folder, open file: rewritten in place; the user's folder is not used.
      {{false, true, true, true, false}, SettingsPlace::ProgramFile, false, false},
      // A writable-looking file that is not there cannot be rewritten in place.
      {{false, false, true, true, false}, SettingsPlace::UserFolder, true, false},
      // Closed file: the user's folder, starting as a copy of the program's file ...
      {{false, true, false, true, false}, SettingsPlace::UserFolder, true, true},
      // ... unless the user already has one, which is never overwritten.
      {{false, true, false, true, true}, SettingsPlace::UserFolder, true, false},
      // Nothing writable: read the user's file when there is one, else the program's.
      {{false, true, false, false, true}, SettingsPlace::Nowhere, true, false},
      {{false, true, false, false, false}, SettingsPlace::Nowhere, false, false},
      {{false, false, false, false, false}, SettingsPlace::Nowhere, false, false},
      // A read-only file is read where it is, never replaced, whoever may write the folder,
      {{true, true, true, true, false, true, false}, SettingsPlace::ReadOnlyFile, false, false},
      // or the file (root passes every access check),
      {{false, true, true, true, false, true, false}, SettingsPlace::ReadOnlyFile, false, false},
      // and never copied to the user's folder,
      {{false, true, false, true, false, true, false}, SettingsPlace::ReadOnlyFile, false, false},
      // unless the user has a file of their own, which is the newer.
      {{false, true, false, true, true, true, false}, SettingsPlace::UserFolder, true, false},
      {{false, true, false, true, true, false, true}, SettingsPlace::ReadOnlyFile, true, false},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    const SettingsDecision decision = DecideSettingsPlace(cases[i].facts);
    EXPECT_EQ(decision.place, cases[i].place);
    EXPECT_EQ(decision.readFromUserFolder, cases[i].readFromUser);
    EXPECT_EQ(decision.copyProgramFile, cases[i].copy);
  }
}

// Exactly kelvra95 in the XDG config folder; without HOME (Qt then takes "/" and the message
// of a failed save would name //.config/kelvra95) the home folder of the user database.
TEST(UserSettingsFolder, IsExactlyKelvra95InTheXdgConfigFolder) {
  const passwd* user = ::getpwuid(::geteuid());
  if (user == nullptr || fs::path(user->pw_dir) == "/") GTEST_SKIP() << "this user has no home";
  const fs::path fromUserDatabase = fs::path(user->pw_dir) / ".config" / "kelvra95";
  const std::optional<QByteArray> savedConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME")
                                                    ? std::optional(qgetenv("XDG_CONFIG_HOME"))
                                                    : std::nullopt;
  const std::optional<QByteArray> savedHome =
      qEnvironmentVariableIsSet("HOME") ? std::optional(qgetenv("HOME")) : std::nullopt;
  const QString savedName = QCoreApplication::applicationName();
  const QString savedOrganisation = QCoreApplication::organizationName();
  QCoreApplication::setOrganizationName(QStringLiteral("Someone"));  // must not appear
  NameApplication();
  struct Case {
    const char* config;  // nullptr: unset
    const char* home;
    fs::path folder;
  };
  for (const Case& each :
       {Case{"/tmp/kelvra-config-home", "/tmp/h", "/tmp/kelvra-config-home/kelvra95"},
        Case{nullptr, "/tmp/h", "/tmp/h/.config/kelvra95"},
        Case{"", "/tmp/h", "/tmp/h/.config/kelvra95"}, Case{nullptr, nullptr, fromUserDatabase},
        Case{"", "", fromUserDatabase}}) {
    SCOPED_TRACE(each.folder);
    for (const auto& [name, value] :
         {std::pair("XDG_CONFIG_HOME", each.config), std::pair("HOME", each.home)}) {
      if (value == nullptr) {
        qunsetenv(name);
      } else {
        qputenv(name, value);
      }
    }
    EXPECT_EQ(UserSettingsFolder(), each.folder);
  }
  for (const auto& [name, saved] :
       {std::pair("XDG_CONFIG_HOME", savedConfig), std::pair("HOME", savedHome)}) {
    if (saved) {
      qputenv(name, *saved);
    } else {
      qunsetenv(name);
    }
  }
  QCoreApplication::setApplicationName(savedName);
  QCoreApplication::setOrganizationName(savedOrganisation);
}

// program/ (the installed folder) and home/ (the user's own), both the user's, and the user folder
// home/config/kelvra95, which does not exist yet. Root passes every mode check, so as root the
// store runs with the effective user nobody, who owns home/.
class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(top_.isValid());
    ::chmod(top_.path().toLocal8Bit().constData(), 0755);
    fs::create_directories(program());
    fs::create_directories(home());
    if (::geteuid() == 0) {
      const passwd* nobody = ::getpwnam("nobody");
      if (nobody == nullptr) GTEST_SKIP() << "no user nobody to run as";
      unprivileged_ = nobody->pw_uid;
      unprivilegedGroup_ = nobody->pw_gid;
      ASSERT_EQ(::chown(home().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
      ASSERT_EQ(::chown(program().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    }
  }
  void TearDown() override { ::chmod(program().c_str(), 0755); }

  fs::path top() const { return fs::path(top_.path().toStdString()); }
  fs::path program() const { return top() / "program"; }
  fs::path home() const { return top() / "home"; }
  fs::path user() const { return home() / "config" / "kelvra95"; }

  void closeProgramFolder() { ASSERT_EQ(::chmod(program().c_str(), 0555), 0); }

  // An installed file the user may not write and yet may write to (its owner may): it must
  // belong to another user, so only a run as root (the store then runs as nobody) has one.
  bool installedByAnother() const { return unprivileged_.has_value(); }

  // Runs `body` with a fresh store (one run of the program) as the unprivileged user.
  void run(const fs::path& userFolder, const std::function<void(SettingsStore&)>& body) {
    if (unprivileged_) {
      ASSERT_EQ(::seteuid(*unprivileged_), 0);
    }
    {
      SettingsStore store(program(), userFolder);
      body(store);
    }  // the ini is flushed here, still as that user
    if (unprivileged_) {
      ASSERT_EQ(::seteuid(0), 0);
    }
  }
  void run(const std::function<void(SettingsStore&)>& body) { run(user(), body); }

  static void writeFile(const fs::path& path, const Bytes& bytes, mode_t mode) {
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    }
    ::chmod(path.c_str(), mode);
  }
  // Gives `path` (a link itself, not its file) to the user the store runs as.
  void own(const fs::path& path) const {
    if (unprivileged_) {
      ASSERT_EQ(::lchown(path.c_str(), *unprivileged_, unprivilegedGroup_), 0);
    }
  }
  static mode_t modeOf(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
  }
  static Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static bool isFifo(const fs::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
  }
  static std::vector<std::string> names(const fs::path& folder) {
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
      found.push_back(entry.path().filename().string());
    return found;
  }

  testing::MessageLog log_;

 private:
  QTemporaryDir top_;
  std::optional<uid_t> unprivileged_;
  gid_t unprivilegedGroup_ = 0;
};

TEST_F(SettingsStoreTest, WritableProgramFolderKeepsBothFilesThereAndLeavesTheUserAlone) {
  run([](SettingsStore& store) {
    ConfigRecord record = store.readConfig();
    record.TracksLocalTime = true;
    EXPECT_TRUE(store.writeConfig(record));
    store.ini().setValue(QStringLiteral("GRS/DriftPerMonth"), 1.5);
    EXPECT_TRUE(store.syncIni());
    EXPECT_EQ(store.configLocation().place, SettingsPlace::ProgramFolder);
  });
  EXPECT_THAT(readFile(program() / "Kelvra95.CFG"), ElementsAre(0x41, 0, 0, 0, 0, 1, 0, 0));
  EXPECT_EQ(
      QSettings(QString::fromStdString((program() / "Kelvra95.ini").string()), QSettings::IniFormat)
          .value(QStringLiteral("GRS/DriftPerMonth"))
          .toDouble(),
      1.5);
  EXPECT_FALSE(fs::exists(home() / "config"));
  EXPECT_TRUE(log_.errors.isEmpty());
}

// An installation the user cannot write: the user's folder is made, starts as a copy of the
// installed file, takes the change, and is what the next run reads. The installed file stays.
TEST_F(SettingsStoreTest, ClosedInstallationMovesToTheUserFolderAndKeepsChangesAcrossRuns) {
  if (!installedByAnother()) GTEST_SKIP() << "needs root: the installation belongs to another user";
  writeFile(program() / "Kelvra95.CFG", {0x2C, 0x01, 0, 0, 1, 0, 0, 0}, 0644);  // 300, GRS local
  writeFile(program() / "Kelvra95.ini", {}, 0644);
  {
    QSettings installed(QString::fromStdString((program() / "Kelvra95.ini").string()),
                        QSettings::IniFormat);
    installed.setValue(QStringLiteral("GRS/Epoch"), 2461000.5);
  }
  closeProgramFolder();
  run([](SettingsStore& store) {
    ConfigRecord record = store.readConfig();
    EXPECT_EQ(record.RSLongitude, 300);
    EXPECT_TRUE(record.GRSLocalTime);
    record.TracksLocalTime = true;
    EXPECT_TRUE(store.writeConfig(record));
    EXPECT_EQ(store.ini().value(QStringLiteral("GRS/Epoch")).toDouble(), 2461000.5);
    store.ini().setValue(QStringLiteral("Events/LocalTime"), true);
    EXPECT_TRUE(store.syncIni());
  });
  EXPECT_THAT(readFile(user() / "Kelvra95.CFG"), ElementsAre(0x2C, 0x01, 0, 0, 1, 1, 0, 0));
  EXPECT_THAT(readFile(program() / "Kelvra95.CFG"), ElementsAre(0x2C, 0x01, 0, 0, 1, 0, 0, 0));
  run([](SettingsStore& store) {
    EXPECT_EQ(store.configLocation().place, SettingsPlace::UserFolder);
    EXPECT_TRUE(store.readConfig().TracksLocalTime);
    EXPECT_EQ(store.ini().value(QStringLiteral("Events/LocalTime")).toBool(), true);
    EXPECT_EQ(store.ini().value(QStringLiteral("GRS/Epoch")).toDouble(), 2461000.5);
  });
  EXPECT_THAT(names(user()), UnorderedElementsAre("Kelvra95.CFG", "Kelvra95.ini"));
  EXPECT_TRUE(log_.errors.isEmpty());
}

TEST_F(SettingsStoreTest, ClosedInstallationWithoutFilesStartsTheUserFolderWithDefaults) {
  closeProgramFolder();
  run([](SettingsStore& store) {
    const ConfigRecord record = store.readConfig();
    EXPECT_EQ(record.RSLongitude, 65);
    EXPECT_FALSE(record.TracksLocalTime);
  });
  EXPECT_THAT(readFile(user() / "Kelvra95.CFG"), ElementsAre(0x41, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_TRUE(names(program()).empty());
}

// A shared installation: the folder closed, both files open to all. Each is rewritten in
// place; no temporary is left and nothing moves to the user's folder.
TEST_F(SettingsStoreTest, OpenFilesInAClosedFolderAreRewrittenInPlace) {
  writeFile(program() / "Kelvra95.CFG", {0x41, 0, 0, 0, 0, 0, 0, 0}, 0666);
  writeFile(program() / "Kelvra95.ini", {}, 0666);
  closeProgramFolder();
  run([](SettingsStore& store) {
    ConfigRecord record = store.readConfig();
    record.GRSLocalTime = true;
    EXPECT_TRUE(store.writeConfig(record));
    store.ini().setValue(QStringLiteral("GRS/DriftPerMonth"), -0.25);
    EXPECT_TRUE(store.syncIni());
    EXPECT_EQ(store.iniLocation().place, SettingsPlace::ProgramFile);
  });
  EXPECT_THAT(readFile(program() / "Kelvra95.CFG"), ElementsAre(0x41, 0, 0, 0, 1, 0, 0, 0));
  EXPECT_EQ(
      QSettings(QString::fromStdString((program() / "Kelvra95.ini").string()), QSettings::IniFormat)
          .value(QStringLiteral("GRS/DriftPerMonth"))
          .toDouble(),
      -0.25);
  EXPECT_THAT(names(program()), UnorderedElementsAre("Kelvra95.CFG", "Kelvra95.ini"));
  EXPECT_FALSE(fs::exists(home() / "config"));
}

// The modes a user gives a settings file, and a link, through the store as a change goes. A
// file its owner may not write is read, never written nor copied to the user's folder; the run
// keeps every change and says so once. Any other file keeps its mode; a link stays a link.
TEST_F(SettingsStoreTest, ReadOnlyFilesAreKeptAndOthersKeepTheirMode) {
  struct Case {
    mode_t mode;
    bool link;    // the settings file a link to a file of `mode` in home/
    bool closed;  // the program's folder closed to the user
  };
  const QString localTime = QStringLiteral("Events/LocalTime");
  const QString drift = QStringLiteral("GRS/DriftPerMonth");
  for (const bool config : {true, false}) {
    const char* name = config ? "Kelvra95.CFG" : "Kelvra95.ini";
    for (const Case& each :
         {Case{0444, false, false}, Case{0400, false, false}, Case{0600, false, false},
          Case{0644, false, false}, Case{0640, true, false}, Case{0444, false, true}}) {
      SCOPED_TRACE(::testing::Message()
                   << name << " mode " << std::oct << each.mode << (each.link ? " link" : "")
                   << (each.closed ? " closed folder" : ""));
      ::chmod(program().c_str(), 0755);
      for (const fs::path& folder : {program(), home()}) {
        for (const std::string& found : names(folder)) fs::remove_all(folder / found);
      }
      const fs::path file = program() / name;
      const fs::path real = each.link ? home() / "real" : file;
      const std::string text = "[Events]\nLocalTime=false\n";
      const Bytes before =
          config ? Bytes{0x2C, 0x01, 0, 0, 0, 0, 0, 0} : Bytes(text.begin(), text.end());
      writeFile(real, before, each.mode);
      own(real);
      if (each.link) {
        fs::create_symlink(real, file);
        own(file);
      }
      if (each.closed) closeProgramFolder();
      log_.plain.clear();
      const bool readOnly = (each.mode & S_IWUSR) == 0;
      run([&](SettingsStore& store) {
        if (config) {
          ConfigRecord record = store.readConfig();
          EXPECT_EQ(record.RSLongitude, 300);
          record.TracksLocalTime = true;
          EXPECT_EQ(store.writeConfig(record), !readOnly);
          record.GRSLocalTime = true;
          EXPECT_EQ(store.writeConfig(record), !readOnly);
        } else {
          EXPECT_FALSE(store.ini().value(localTime).toBool());
          store.ini().setValue(localTime, true);
          EXPECT_EQ(store.syncIni(), !readOnly);
          store.ini().setValue(drift, 1.5);
          EXPECT_EQ(store.syncIni(), !readOnly);
          // Saved or not, both changes hold for the run.
          EXPECT_TRUE(store.ini().value(localTime).toBool());
          EXPECT_EQ(store.ini().value(drift).toDouble(), 1.5);
        }
      });
      if (readOnly) {
        EXPECT_EQ(readFile(real), before);
        EXPECT_EQ(log_.plain, QStringList{SettingsFileReadOnlyMessage(file)});
      } else if (config) {
        EXPECT_THAT(readFile(real), ElementsAre(0x2C, 0x01, 0, 0, 1, 1, 0, 0));
      } else {
        const QSettings written(QString::fromStdString(real.string()), QSettings::IniFormat);
        EXPECT_TRUE(written.value(localTime).toBool());
        EXPECT_EQ(written.value(drift).toDouble(), 1.5);
      }
      if (!readOnly) {
        EXPECT_TRUE(log_.plain.isEmpty());
      }
      EXPECT_EQ(modeOf(real), each.mode);
      EXPECT_EQ(fs::is_symlink(file), each.link);
      EXPECT_THAT(names(program()), ElementsAre(name)) << "a temporary left behind";
      EXPECT_EQ(names(home()),
                each.link ? std::vector<std::string>{"real"} : std::vector<std::string>{})
          << "copied to the user's folder";
    }
  }
  EXPECT_TRUE(log_.errors.isEmpty());
}

// Neither place writable (the user folder lies below a plain file, which not even root can
// make a folder in): the changes hold for the run, and one message names both files however
// many writes fail, of either file.
TEST_F(SettingsStoreTest, NothingWritableHoldsTheRunAndSaysSoOnce) {
  if (!installedByAnother()) GTEST_SKIP() << "needs root: the installation belongs to another user";
  writeFile(program() / "Kelvra95.CFG", {0x2C, 0x01, 0, 0, 0, 0, 0, 0}, 0644);
  writeFile(home() / "config", {}, 0644);
  closeProgramFolder();
  run([this](SettingsStore& store) {
    ConfigRecord record = store.readConfig();
    EXPECT_EQ(record.RSLongitude, 300);
    EXPECT_TRUE(log_.errors.isEmpty()) << "reading alone is no failed write";
    record.TracksLocalTime = true;
    EXPECT_FALSE(store.writeConfig(record));
    record.GRSLocalTime = true;
    EXPECT_FALSE(store.writeConfig(record));
    store.ini().setValue(QStringLiteral("Events/LocalTime"), true);
    EXPECT_FALSE(store.syncIni());
    EXPECT_EQ(store.ini().value(QStringLiteral("Events/LocalTime")).toBool(), true);
  });
  const QString programFile = QString::fromStdString((program() / "Kelvra95.CFG").string());
  const QString userFile = QString::fromStdString((user() / "Kelvra95.CFG").string());
  ASSERT_EQ(log_.errors.size(), 1);
  EXPECT_EQ(
      log_.errors[0].toStdString(),
      SettingsNotSavedMessage({program() / "Kelvra95.CFG", user() / "Kelvra95.CFG"}).toStdString());
  EXPECT_TRUE(log_.errors[0].contains(programFile) && log_.errors[0].contains(userFile));
  EXPECT_TRUE(log_.errors[0].contains(QStringLiteral("until the program exits")));
  EXPECT_THAT(readFile(program() / "Kelvra95.CFG"), ElementsAre(0x2C, 0x01, 0, 0, 0, 0, 0, 0));
  EXPECT_THAT(names(program()), ElementsAre("Kelvra95.CFG"));

  // The next run says it again: once per run, not once ever.
  run([](SettingsStore& store) {
    store.ini().setValue(QStringLiteral("GRS/Epoch"), 1.0);
    EXPECT_FALSE(store.syncIni());
  });
  EXPECT_EQ(log_.errors.size(), 2);
}

// A FIFO in place of either file: opening it would wait for a writer for ever. Each is said
// once, the defaults hold for the run, and the FIFOs stay as they were.
TEST_F(SettingsStoreTest, FifoInPlaceOfEitherFileIsNeverOpenedNorReplaced) {
  ASSERT_EQ(::mkfifo((program() / "Kelvra95.CFG").c_str(), 0666), 0);
  ASSERT_EQ(::mkfifo((program() / "Kelvra95.ini").c_str(), 0666), 0);
  const testing::Watchdog watchdog("a settings file that is a FIFO");
  run([](SettingsStore& store) {
    ConfigRecord record = store.readConfig();
    EXPECT_EQ(record.RSLongitude, 65);
    record.TracksLocalTime = true;
    EXPECT_FALSE(store.writeConfig(record));
    EXPECT_FALSE(store.ini().contains(QStringLiteral("GRS/DriftPerMonth")));
    store.ini().setValue(QStringLiteral("GRS/DriftPerMonth"), 1.5);
    EXPECT_FALSE(store.syncIni());
    EXPECT_FALSE(store.syncIni());
    EXPECT_EQ(store.ini().value(QStringLiteral("GRS/DriftPerMonth")).toDouble(), 1.5);
  });
  EXPECT_EQ(log_.plain, QStringList({SettingsFileUnusableMessage(program() / "Kelvra95.CFG"),
                                     SettingsFileUnusableMessage(program() / "Kelvra95.ini")}));
  // The file named with its folder, and what becomes of the changes.
  EXPECT_EQ(log_.plain[1], QString::fromStdString((program() / "Kelvra95.ini").string()) +
                               QStringLiteral(" is not a regular file; the defaults are used.\n"
                                              "The changed settings hold until the program "
                                              "exits."));
  EXPECT_TRUE(log_.errors.isEmpty());
  EXPECT_TRUE(isFifo(program() / "Kelvra95.CFG"));
  EXPECT_TRUE(isFifo(program() / "Kelvra95.ini"));
  EXPECT_THAT(names(program()), UnorderedElementsAre("Kelvra95.CFG", "Kelvra95.ini"));
}

// The same in the user's folder, read when the installation is closed.
TEST_F(SettingsStoreTest, FifoInTheUserFolderIsNeverOpenedEither) {
  fs::create_directories(user());
  ASSERT_EQ(::mkfifo((user() / "Kelvra95.CFG").c_str(), 0666), 0);
  ASSERT_EQ(::mkfifo((user() / "Kelvra95.ini").c_str(), 0666), 0);
  closeProgramFolder();
  const testing::Watchdog watchdog("a settings file in the user's folder that is a FIFO");
  run([this](SettingsStore& store) {
    EXPECT_EQ(store.readConfig().RSLongitude, 65);
    EXPECT_EQ(store.configLocation().folder, user());
    EXPECT_EQ(store.iniLocation().folder, user());
    store.ini().setValue(QStringLiteral("Events/LocalTime"), true);
    EXPECT_FALSE(store.syncIni());
  });
  EXPECT_EQ(log_.plain.size(), 2);
  EXPECT_TRUE(isFifo(user() / "Kelvra95.CFG"));
  EXPECT_TRUE(isFifo(user() / "Kelvra95.ini"));
  EXPECT_TRUE(names(program()).empty());
}

// The ini turned into a FIFO while the program runs: the next write neither waits nor
// replaces it, and the end of the run leaves it alone.
TEST_F(SettingsStoreTest, IniTurnedIntoAFifoDuringTheRunIsLeftAlone) {
  const fs::path ini = program() / "Kelvra95.ini";
  const testing::Watchdog watchdog("an ini that became a FIFO");
  run([&](SettingsStore& store) {
    store.ini().setValue(QStringLiteral("Events/LocalTime"), true);
    ASSERT_TRUE(store.syncIni());
    fs::remove(ini);
    ASSERT_EQ(::mkfifo(ini.c_str(), 0666), 0);
    store.ini().setValue(QStringLiteral("GRS/DriftPerMonth"), 2.0);
    EXPECT_FALSE(store.syncIni());
    EXPECT_TRUE(store.ini().value(QStringLiteral("Events/LocalTime")).toBool());
  });
  EXPECT_TRUE(isFifo(ini));
  EXPECT_TRUE(log_.errors.isEmpty());
  EXPECT_EQ(log_.plain, QStringList({SettingsFileUnusableMessage(ini)}));
}

// Another run wrote the file between two of this run's writes: both runs' changes stay.
TEST_F(SettingsStoreTest, ChangesOfAnotherRunAreKept) {
  const fs::path ini = program() / "Kelvra95.ini";
  run([&](SettingsStore& store) {
    store.ini().setValue(QStringLiteral("Events/LocalTime"), true);
    ASSERT_TRUE(store.syncIni());
    QSettings(QString::fromStdString(ini.string()), QSettings::IniFormat)
        .setValue(QStringLiteral("GRS/Epoch"), 2461000.5);
    store.ini().setValue(QStringLiteral("GRS/DriftPerMonth"), -0.5);
    ASSERT_TRUE(store.syncIni());
  });
  const QSettings written(QString::fromStdString(ini.string()), QSettings::IniFormat);
  EXPECT_EQ(written.value(QStringLiteral("GRS/Epoch")).toDouble(), 2461000.5);
  EXPECT_EQ(written.value(QStringLiteral("GRS/DriftPerMonth")).toDouble(), -0.5);
  EXPECT_TRUE(written.value(QStringLiteral("Events/LocalTime")).toBool());
}

// No temporary folder for the private copy: the values hold for the run, the failed write is
// said, and nothing is left anywhere.
TEST_F(SettingsStoreTest, WithoutATemporaryFolderTheIniHoldsTheRun) {
  const QByteArray saved = qgetenv("TMPDIR");
  qputenv("TMPDIR", QByteArray::fromStdString((top() / "no-such-folder").string()));
  run([](SettingsStore& store) {
    store.ini().setValue(QStringLiteral("Events/LocalTime"), true);
    EXPECT_FALSE(store.syncIni());
    EXPECT_TRUE(store.ini().value(QStringLiteral("Events/LocalTime")).toBool());
  });
  qputenv("TMPDIR", saved);
  EXPECT_EQ(log_.errors.size(), 1);
  EXPECT_TRUE(names(program()).empty());
  EXPECT_FALSE(fs::exists(".lock"));
}

}  // namespace
}  // namespace kelvra
