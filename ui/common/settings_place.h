// Where each settings file (Kelvra95.CFG, Kelvra95.ini) lives, decided file by file once per
// run: beside the program when it can be written there, else in the user's XDG config folder.
// A file its user made read-only stays where it is and is never written. When a file cannot be
// written the settings hold for the run, and the first failed write says so.
#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "ui/common/settings.h"

class QSettings;
class QTemporaryDir;

namespace kelvra {

inline constexpr const char* kIniFileName = "Kelvra95.ini";

// What the program finds out about the two places one settings file may live in.
struct SettingsPlaceFacts {
  bool programFolderWritable = false;  // files can be created and renamed beside the program
  bool programFileExists = false;
  bool programFileWritable = false;  // the file beside the program may be rewritten in place
  bool userFolderWritable = false;   // the XDG folder is writable, or can be made
  bool userFileExists = false;
  bool programFileReadOnly = false;  // its mode denies its owner writing (SettingsFileReadOnly)
  bool userFileReadOnly = false;
};

enum class SettingsPlace {
  ProgramFolder,  // beside the program, replaced whole (temporary file and rename)
  ProgramFile,    // beside the program, the existing file rewritten in place
  UserFolder,     // in the user's XDG config folder
  ReadOnlyFile,   // a read-only file: read where it is, never written nor copied
  Nowhere,        // neither can be written: read what there is, keep changes until exit
};

struct SettingsDecision {
  SettingsPlace place = SettingsPlace::ProgramFolder;
  bool readFromUserFolder = false;  // where the file is read (and written) this run
  bool copyProgramFile = false;     // the user's file starts as a copy of the program's
};

// Given: what the two places allow. Returns: where the file lives this run.
SettingsDecision DecideSettingsPlace(const SettingsPlaceFacts& facts);

// Looks at the two folders for `fileName` (access checks as the running user; nothing is made).
SettingsPlaceFacts InspectSettingsPlaces(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userFolder,
                                         const char* fileName);

// Given: the two folders and a settings file's name. Returns: the file a run reads it from,
// for a reader that writes nothing (the lists of the command line): the program's file where
// the user's would start as its copy. Nothing is made, copied or written.
std::filesystem::path SettingsFileToRead(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userFolder,
                                         const char* fileName);

// The user's folder for settings files: Qt's AppConfigLocation, $XDG_CONFIG_HOME/kelvra95,
// else ~/.config/kelvra95, the home folder taken from the user database when HOME is unset or
// empty. Empty when there is no home folder either. Right only once NameApplication() has run.
std::filesystem::path UserSettingsFolder();

// Names the application "kelvra95", with no organisation, so that Qt's per-user folders end
// in exactly "kelvra95"; its desktop file name is the application id the installed desktop
// entry is named by, which Wayland takes as the windows' application id.
void NameApplication();

// The message when the settings file `file` is not a regular file.
QString SettingsFileUnusableMessage(const std::filesystem::path& file);

// The message of the first failed settings write of a run when the file is read-only.
QString SettingsFileReadOnlyMessage(const std::filesystem::path& file);

// The message of the first failed settings write of a run, naming the files it tried.
QString SettingsNotSavedMessage(const std::vector<std::filesystem::path>& tried);

// One settings file at its decided place.
struct SettingsFileLocation {
  SettingsPlace place = SettingsPlace::ProgramFolder;
  std::filesystem::path folder;              // read from and written to
  std::vector<std::filesystem::path> tried;  // the files a failed write names
};

// The program's settings files, each at its decided place, and the one report of a failed
// write per run (through ShowError; through ShowMessage for a read-only file). A file that is
// not a regular file is never read or written: it is said once a run (through ShowMessage),
// and the defaults hold for the run. The program has one, main.cpp's (beside
// ProgramDirectory(), else in UserSettingsFolder()), which it hands to every window.
class SettingsStore {
 public:
  // Decides each file's place the first time it is used. The user's folder is made, and the
  // program's file copied there, only when the decision puts the file there.
  SettingsStore(std::filesystem::path programFolder, std::filesystem::path userFolder);
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // Kelvra95.CFG, read as ReadSettings does.
  ConfigRecord readConfig();
  // Writes Kelvra95.CFG. Returns false when it could not be written (reported once a run).
  bool writeConfig(const ConfigRecord& record);

  // Kelvra95.ini (INI format). QSettings works on a private copy of it, a regular file that
  // Qt may open, re-read and replace as it likes; the real file is read and written only here,
  // each time after a look that never waits. Call syncIni() after setting values.
  QSettings& ini();
  // Merges the real file's present contents with the changes and writes them back now.
  // Returns false when it could not (reported once a run).
  bool syncIni();

  const SettingsFileLocation& configLocation();
  const SettingsFileLocation& iniLocation();

 private:
  SettingsFileLocation locate(const char* fileName) const;
  void reportFailure(const SettingsFileLocation& location, const char* fileName);
  // Returns whether `fileName` in `location` is usable; says once a run when it is not.
  bool usable(const SettingsFileLocation& location, const char* fileName, bool& reported);
  std::filesystem::path iniFile();
  std::filesystem::path iniCopy() const;

  std::filesystem::path programFolder_;
  std::filesystem::path userFolder_;
  std::optional<SettingsFileLocation> config_;
  std::optional<SettingsFileLocation> iniPlace_;
  std::unique_ptr<QTemporaryDir> iniCopyFolder_;
  std::unique_ptr<QSettings> ini_;  // on iniCopy()
  bool failureReported_ = false;
  bool configUnusableReported_ = false;
  bool iniUnusableReported_ = false;
  bool iniUnsaved_ = false;  // the copy holds changes the real file lacks
};

// Shows in one error box the lines about values of `ini` it ignores (one per value, naming
// the file) that were not shown before in this run: a setting read at every redraw tells a
// fault in the file once.
void ReportIgnoredIniValues(const QSettings& ini, const QStringList& lines);

}  // namespace kelvra
