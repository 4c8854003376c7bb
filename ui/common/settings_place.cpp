#include "ui/common/settings_place.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <limits>
#include <system_error>
#include <utility>

#include "ui/common/jpeg_loader.h"
#include "ui/common/messages.h"

namespace kelvra {
namespace {

namespace fs = std::filesystem;

// As the effective user, the one the files are written as.
bool mayWrite(const fs::path& path, int mode) {
  return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

// A folder this user may create files in, or the nearest existing folder above it where it
// would be made.
bool folderWritableOrCreatable(fs::path folder) {
  std::error_code error;
  while (!folder.empty()) {
    if (fs::exists(folder, error)) {
      return fs::is_directory(folder, error) && mayWrite(folder, W_OK | X_OK);
    }
    const fs::path parent = folder.parent_path();
    if (parent == folder) return false;
    folder = parent;
  }
  return false;
}

// The user's file starts as the program's, as private as that one, and readable and writable
// for the user (the file of another owner), so that the first save can replace it.
void copyProgramFile(const fs::path& from, const fs::path& to) {
  std::error_code error;
  const fs::file_status source = fs::status(from, error);
  if (error || !fs::is_regular_file(source)) return;
  if (!fs::copy_file(from, to, fs::copy_options::skip_existing, error) || error) return;
  fs::permissions(to,
                  (source.permissions() & (fs::perms::group_read | fs::perms::others_read)) |
                      fs::perms::owner_read | fs::perms::owner_write,
                  fs::perm_options::replace, error);
}

// The home folder the user database gives the user the files are written as; empty when it
// names none.
fs::path homeFromUserDatabase() {
  const passwd* user = ::getpwuid(::geteuid());
  if (user == nullptr || user->pw_dir == nullptr || *user->pw_dir == '\0') return {};
  return fs::path(user->pw_dir);
}

QString shown(const fs::path& file) {
  return QString::fromStdString(file.string());
}

constexpr std::size_t kWholeFile = std::numeric_limits<std::size_t>::max();

}  // namespace

SettingsDecision DecideSettingsPlace(const SettingsPlaceFacts& facts) {
  SettingsDecision decision;
  const bool programSide =
      facts.programFolderWritable || (facts.programFileExists && facts.programFileWritable);
  if (programSide || (facts.programFileReadOnly && !facts.userFileExists)) {
    // A read-only file is the one read, where it is: neither replaced nor left for a copy.
    if (facts.programFileReadOnly) {
      decision.place = SettingsPlace::ReadOnlyFile;
    } else {
      decision.place =
          facts.programFolderWritable ? SettingsPlace::ProgramFolder : SettingsPlace::ProgramFile;
    }
  } else if (facts.userFolderWritable) {
    decision.place =
        facts.userFileReadOnly ? SettingsPlace::ReadOnlyFile : SettingsPlace::UserFolder;
    decision.readFromUserFolder = true;
    decision.copyProgramFile = facts.programFileExists && !facts.userFileExists;
  } else {
    // Nothing can be written: the user's own file, when there is one, is the newer.
    decision.place = SettingsPlace::Nowhere;
    decision.readFromUserFolder = facts.userFileExists;
  }
  return decision;
}

SettingsPlaceFacts InspectSettingsPlaces(const fs::path& programFolder, const fs::path& userFolder,
                                         const char* fileName) {
  std::error_code error;
  const fs::path programFile = programFolder / fileName;
  SettingsPlaceFacts facts;
  facts.programFolderWritable = mayWrite(programFolder, W_OK | X_OK);
  facts.programFileExists = fs::exists(programFile, error);
  facts.programFileWritable = facts.programFileExists && mayWrite(programFile, W_OK);
  facts.userFolderWritable = !userFolder.empty() && folderWritableOrCreatable(userFolder);
  facts.userFileExists = !userFolder.empty() && fs::exists(userFolder / fileName, error);
  facts.programFileReadOnly = SettingsFileReadOnly(programFile);
  facts.userFileReadOnly = !userFolder.empty() && SettingsFileReadOnly(userFolder / fileName);
  return facts;
}

fs::path SettingsFileToRead(const fs::path& programFolder, const fs::path& userFolder,
                            const char* fileName) {
  const SettingsDecision decision =
      DecideSettingsPlace(InspectSettingsPlaces(programFolder, userFolder, fileName));
  const bool user = decision.readFromUserFolder && !decision.copyProgramFile;
  return (user ? userFolder : programFolder) / fileName;
}

std::filesystem::path UserSettingsFolder() {
  // Qt takes "/" for an unset or empty HOME, and would offer //.config/kelvra95.
  if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") && qEnvironmentVariableIsEmpty("HOME")) {
    const fs::path home = homeFromUserDatabase();
    if (home.empty()) return {};
    return home / ".config" / QCoreApplication::applicationName().toStdString();
  }
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  return folder.isEmpty() ? fs::path() : fs::path(folder.toStdString());
}

void NameApplication() {
  // Qt puts the organisation's name, when there is one, between the config folder and ours.
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setApplicationName(QStringLiteral("kelvra95"));
  QGuiApplication::setDesktopFileName(QStringLiteral(KELVRA_APP_ID));
}

QString SettingsFileUnusableMessage(const fs::path& file) {
  return QCoreApplication::translate("kelvra::SettingsPlace",
                                     "%1 is not a regular file; the defaults are used.\n"
                                     "The changed settings hold until the program exits.")
      .arg(shown(file));
}

QString SettingsFileReadOnlyMessage(const fs::path& file) {
  return QCoreApplication::translate("kelvra::SettingsPlace",
                                     "%1 is read-only; the settings are not saved to it.\n"
                                     "The changed settings hold until the program exits.")
      .arg(shown(file));
}

QString SettingsNotSavedMessage(const std::vector<fs::path>& tried) {
  QStringList files;
  for (const fs::path& file : tried) files.append(shown(file));
  return QCoreApplication::translate("kelvra::SettingsPlace",
                                     "The settings could not be saved to\n%1.\n"
                                     "The changed settings hold until the program exits.")
      //: Between two files the settings could not be saved to, each on its own line.
      .arg(files.join(u'\n' + QCoreApplication::translate("kelvra::SettingsPlace", "or") + u'\n'));
}

SettingsStore::SettingsStore(fs::path programFolder, fs::path userFolder)
    : programFolder_(std::move(programFolder)), userFolder_(std::move(userFolder)) {}

SettingsStore::~SettingsStore() = default;

SettingsFileLocation SettingsStore::locate(const char* fileName) const {
  const SettingsDecision decision =
      DecideSettingsPlace(InspectSettingsPlaces(programFolder_, userFolder_, fileName));
  SettingsFileLocation location;
  location.place = decision.place;
  location.folder = decision.readFromUserFolder ? userFolder_ : programFolder_;
  if (decision.place == SettingsPlace::UserFolder) {
    std::error_code error;
    fs::create_directories(userFolder_, error);
    if (decision.copyProgramFile)
      copyProgramFile(programFolder_ / fileName, userFolder_ / fileName);
  }
  if (decision.place == SettingsPlace::Nowhere) {
    location.tried.push_back(programFolder_ / fileName);
    if (!userFolder_.empty()) location.tried.push_back(userFolder_ / fileName);
  } else {
    location.tried.push_back(location.folder / fileName);
  }
  return location;
}

const SettingsFileLocation& SettingsStore::configLocation() {
  if (!config_) config_ = locate(kSettingsFileName);
  return *config_;
}

const SettingsFileLocation& SettingsStore::iniLocation() {
  if (!iniPlace_) iniPlace_ = locate(kIniFileName);
  return *iniPlace_;
}

void SettingsStore::reportFailure(const SettingsFileLocation& location, const char* fileName) {
  if (failureReported_) return;
  failureReported_ = true;
  // Made read-only by its user (before this run or during it): no fault, only what follows.
  const fs::path file = location.folder / fileName;
  if (SettingsFileReadOnly(file)) {
    ShowMessage(SettingsFileReadOnlyMessage(file));
  } else {
    ShowError(SettingsNotSavedMessage(location.tried));
  }
}

bool SettingsStore::usable(const SettingsFileLocation& location, const char* fileName,
                           bool& reported) {
  if (SettingsFileUsable(location.folder / fileName)) return true;
  if (!reported) {
    reported = true;
    ShowMessage(SettingsFileUnusableMessage(location.folder / fileName));
  }
  return false;
}

ConfigRecord SettingsStore::readConfig() {
  const SettingsFileLocation& location = configLocation();
  if (!usable(location, kSettingsFileName, configUnusableReported_)) return ConfigRecord{};
  return ReadSettings(location.folder);
}

bool SettingsStore::writeConfig(const ConfigRecord& record) {
  const SettingsFileLocation& location = configLocation();
  if (!usable(location, kSettingsFileName, configUnusableReported_)) return false;
  if (WriteSettings(location.folder, record)) return true;
  reportFailure(location, kSettingsFileName);
  return false;
}

fs::path SettingsStore::iniFile() {
  return iniLocation().folder / kIniFileName;
}

// Without a private folder (the temporary folder cannot be written) QSettings gets no file
// name: it holds the values for the run and every sync reports an access error.
fs::path SettingsStore::iniCopy() const {
  if (!iniCopyFolder_->isValid()) return {};
  return fs::path(iniCopyFolder_->path().toStdString()) / kIniFileName;
}

QSettings& SettingsStore::ini() {
  if (!ini_) {
    iniCopyFolder_ = std::make_unique<QTemporaryDir>();
    if (usable(iniLocation(), kIniFileName, iniUnusableReported_) && !iniCopy().empty())
      WriteSettingsFile(iniCopy(), ReadSettingsFile(iniFile(), kWholeFile).bytes);
    ini_ = std::make_unique<QSettings>(shown(iniCopy()), QSettings::IniFormat);
  }
  return *ini_;
}

bool SettingsStore::syncIni() {
  QSettings& settings = ini();
  const SettingsFileLocation& location = iniLocation();
  if (!usable(location, kIniFileName, iniUnusableReported_)) return false;
  // The file as it is now, perhaps changed by another run: QSettings sees its copy change,
  // re-reads it and writes this run's changes over it. Once a write has failed, the copy alone
  // holds this run's earlier changes (QSettings forgets them once written to the copy): it is
  // no longer refreshed, or they would be lost.
  const SettingsFileBytes present = ReadSettingsFile(iniFile(), kWholeFile);
  if (!present.usable) return false;  // replaced since the look: said at the next one
  if (!iniCopy().empty() && !iniUnsaved_) WriteSettingsFile(iniCopy(), present.bytes);
  settings.sync();
  // A damaged file read as FormatError; only AccessError says the write failed.
  iniUnsaved_ = settings.status() == QSettings::AccessError ||
                !WriteSettingsFile(iniFile(), ReadSettingsFile(iniCopy(), kWholeFile).bytes);
  if (!iniUnsaved_) return true;
  reportFailure(location, kIniFileName);
  return false;
}

void ReportIgnoredIniValues(const QSettings& ini, const QStringList& lines) {
  static QSet<QString> told;
  QStringList news;
  for (const QString& line : lines) {
    const QString key = ini.fileName() + u'\n' + line;
    if (told.contains(key)) continue;
    told.insert(key);
    news.append(line);
  }
  if (!news.isEmpty()) ShowError(news.join(u'\n'));
}

}  // namespace kelvra
