#include "ui/common/settings_key.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "core/grs_prediction.h"

namespace kelvra {
namespace {

std::vector<const IniKey*>& registry() {
  static std::vector<const IniKey*> keys;
  return keys;
}

QString keyName(const char* name) {
  return QString::fromLatin1(name);
}

}  // namespace

IniKey::IniKey(const char* name) : name(name) {
  registry().push_back(this);
}

const std::vector<const IniKey*>& IniKeys() {
  return registry();
}

QString IniKey::text(const QSettings& ini) const {
  const QVariant value = ini.value(keyName(name));
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',').trimmed();
  return value.toString().trimmed();
}

void IniKey::remove(QSettings& ini) const {
  ini.remove(keyName(name));
}

bool FlagKey::read(const QSettings& ini) const {
  return ini.value(keyName(name), fallback).toBool();
}

void FlagKey::write(QSettings& ini, bool value) const {
  ini.setValue(keyName(name), value);
}

QString FlagKey::defaultText() const {
  return fallback ? QStringLiteral("true") : QStringLiteral("false");
}

namespace detail {

std::optional<std::size_t> ReadWord(const QSettings& ini, const char* name,
                                    std::span<const char* const> words) {
  const QVariant value = ini.value(keyName(name));
  if (value.typeId() != QMetaType::QString) return std::nullopt;
  const QString word = value.toString().trimmed();
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (word.compare(QLatin1String(words[i]), Qt::CaseInsensitive) == 0) return i;
  }
  return std::nullopt;
}

void WriteWord(QSettings& ini, const char* name, const char* word) {
  ini.setValue(keyName(name), QString::fromLatin1(word));
}

QString WordsText(std::span<const char* const> words) {
  QStringList all;
  for (const char* word : words) all.append(QString::fromLatin1(word));
  const QString last = all.takeLast();
  //: The last of a list of values: "classic, modern or X".
  return all.isEmpty() ? last
                       : QCoreApplication::translate("kelvra::SettingsKey", "%1 or %2")
                             .arg(all.join(QStringLiteral(", ")), last);
}

}  // namespace detail

NumberKey::Read NumberKey::read(const QSettings& ini) const {
  Read read{Status::Missing, text(ini), fallback};
  if (read.text.isEmpty()) return read;
  bool ok = false;
  const double value = read.text.toDouble(&ok);
  // Written so that a NaN is out of range too.
  if (ok && value >= least && value <= greatest) {
    read.status = Status::Number;
    read.value = value;
  } else {
    read.status = ok ? Status::OutOfRange : Status::NotANumber;
  }
  return read;
}

void NumberKey::write(QSettings& ini, double value) const {
  // With a point whatever the locale, so the file reads the same everywhere.
  ini.setValue(keyName(name), decimals == kSignificant ? QString::number(value, 'g', 10)
                                                       : QString::number(value, 'f', decimals));
}

QString NumberKey::defaultText() const {
  return fallback ? QString::number(*fallback) : QStringLiteral("none");
}

QString NumberKey::rangeText() const {
  //: A range of values: "-90 to 90".
  return QCoreApplication::translate("kelvra::SettingsKey", "%1 to %2").arg(least).arg(greatest);
}

std::optional<JulianDay> DateKey::read(const QSettings& ini) const {
  return ParseISO8601UTC(text(ini).toStdString());
}

void DateKey::write(QSettings& ini, JulianDay instant) const {
  ini.setValue(keyName(name), QString::fromStdString(FormatISO8601UTC(instant)));
}

QString DateKey::defaultText() const {
  return QStringLiteral("none");
}

QString DateKey::rangeText() const {
  // The years the ISO 8601 reading takes.
  return QCoreApplication::translate("kelvra::SettingsKey", "%1 to %2")
      .arg(QStringLiteral("0000-01-01"), QStringLiteral("9999-12-31"));
}

QString FolderKey::read(const QSettings& ini) const {
  const QString folder = ini.value(keyName(name)).toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  if (fallback != nullptr) return fallback->read(ini);
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QDir(documents).exists()) return documents;
  return QDir::homePath();
}

void FolderKey::write(QSettings& ini, const QString& folder) const {
  ini.setValue(keyName(name), folder);
}

QString FolderKey::defaultText() const {
  return fallback != nullptr ? fallback->defaultText() : QStringLiteral("Documents");
}

}  // namespace kelvra
