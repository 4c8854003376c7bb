// What the command line's subcommands share: their faults on standard error, the stored
// settings read without writing anything, and the list written whole to a file or printed.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "ui/common/settings.h"

namespace kelvra {

// The text --help prints: the usage, the options, the subcommands with examples.
QString CommandHelpText();

// Exit statuses of a subcommand.
inline constexpr int kCommandDone = 0;
inline constexpr int kCommandFileFailed = 1;  // the list could not be written
inline constexpr int kCommandBadInput = 2;    // an option, argument or value it cannot take

// Prints "kelvra95: " and `text` as one line on standard error. Returns: status.
int CommandFault(const QString& text, int status = kCommandBadInput);

// A fault's line with the pointer to the help: "<text>; see kelvra95 --help".
QString SeeHelpText(const QString& text);

// Qt's parser's fault ("Missing value after '--output'.") as a part of a line: no full stop.
QString ParserFaultText(const QString& errorText);

// A line for a value out of its range: "month 13 is outside 1 to 12"; `what` is a word the
// caller translated.
QString OutsideRangeText(const QString& what, const QString& value, const QString& range);

// A range of whole numbers as the faults name it: "1 to 12".
QString WholeRangeText(int least, int greatest);

// The settings as the windows would read them, read only: the files the next run would read
// (SettingsFileToRead), never made, copied or written. A fault in them is said on standard
// error (the message boxes' recorder is pointed there for the run) and the defaults hold.
class StoredSettings {
 public:
  StoredSettings();
  QSettings& ini() { return *ini_; }
  const ConfigRecord& config() const { return config_; }

 private:
  std::unique_ptr<QSettings> ini_;
  ConfigRecord config_;
};

// Given: a time basis's offset (minutes, UT = clock + offset) and whether it is local time.
// Returns: the clock named with its offset from UT: "Universal Time (UTC+00:00)", "local time
// (UTC+01:00)".
QString ClockText(bool localTime, std::int32_t offset);

// Given: the list's bytes; output, the file to write or empty for standard output.
// Returns: kCommandDone, or kCommandFileFailed (said) when the file could not be written whole
// (it is then left as it was).
int DeliverList(const std::string& bytes, const QString& output);

}  // namespace kelvra
