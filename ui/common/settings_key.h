// The keys of Kelvra95.ini as typed constants. A key is defined once, in the folder that owns
// it, as one of the kinds below: its name ("Group/Key"), what it holds when the file has nothing
// usable, and the values it takes. Defining it registers it (IniKeys()), so that the help's
// table of keys is checked against the keys the program really keeps.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include <QString>

#include "core/calendar.h"

class QSettings;

namespace kelvra {

class IniKey {
 public:
  IniKey(const IniKey&) = delete;
  IniKey& operator=(const IniKey&) = delete;

  // The value as the file spells it, trimmed (Qt reads an unquoted comma as a list, which is
  // put back); empty when missing.
  QString text(const QSettings& ini) const;
  void remove(QSettings& ini) const;

  // What a first start holds and the values the key takes ("-90 to 90", "classic or modern";
  // empty: any), worded as the help's table of keys gives them.
  virtual QString defaultText() const = 0;
  virtual QString rangeText() const { return {}; }

  const char* const name;  // "Group/Key"

 protected:
  explicit IniKey(const char* name);  // registers the key
  ~IniKey() = default;
};

// Every key the program keeps, each once (their order is the order of static initialisation).
const std::vector<const IniKey*>& IniKeys();

// true or false.
class FlagKey final : public IniKey {
 public:
  FlagKey(const char* name, bool fallback) : IniKey(name), fallback(fallback) {}
  // Missing: the fallback; "false", "0" or empty: false; any other text: true.
  bool read(const QSettings& ini) const;
  void write(QSettings& ini, bool value) const;
  QString defaultText() const override;

  const bool fallback;
};

namespace detail {
// The index of the word the file holds under `name` (any case, blanks around ignored), or none:
// a list (an unquoted comma) or any other type is no word.
std::optional<std::size_t> ReadWord(const QSettings& ini, const char* name,
                                    std::span<const char* const> words);
void WriteWord(QSettings& ini, const char* name, const char* word);
QString WordsText(std::span<const char* const> words);  // "a, b or c"
}  // namespace detail

// One of a few words, each naming one value of the enumeration `Choice` (0, 1, ...).
template <typename Choice, std::size_t N>
class ChoiceKey final : public IniKey {
 public:
  ChoiceKey(const char* name, std::array<const char*, N> words, Choice fallback)
      : IniKey(name), words(words), fallback(fallback) {}
  // The choice whose word the file holds, else the fallback, silently.
  Choice read(const QSettings& ini) const {
    const std::optional<std::size_t> at = detail::ReadWord(ini, name, words);
    return at ? static_cast<Choice>(*at) : fallback;
  }
  void write(QSettings& ini, Choice choice) const {
    detail::WriteWord(ini, name, words[static_cast<std::size_t>(choice)]);
  }
  QString defaultText() const override {
    return QString::fromLatin1(words[static_cast<std::size_t>(fallback)]);
  }
  QString rangeText() const override { return detail::WordsText(words); }

  const std::array<const char*, N> words;  // in the order of the choices' values
  const Choice fallback;
};

// A number written with a point, from `least` to `greatest`.
class NumberKey final : public IniKey {
 public:
  static constexpr int kSignificant = -1;  // written with up to 10 significant digits

  NumberKey(const char* name, double least, double greatest, std::optional<double> fallback,
            int decimals = kSignificant)
      : IniKey(name), least(least), greatest(greatest), fallback(fallback), decimals(decimals) {}

  enum class Status { Missing, Number, NotANumber, OutOfRange };
  struct Read {
    Status status;
    QString text;                 // as the file spells it
    std::optional<double> value;  // the number when usable, else the fallback
  };
  Read read(const QSettings& ini) const;
  void write(QSettings& ini, double value) const;
  QString defaultText() const override;  // the fallback, or "none"
  QString rangeText() const override;    // "-90 to 90"

  const double least, greatest;
  const std::optional<double> fallback;  // none: the setting is unset
  const int decimals;                    // written with this many, or kSignificant
};

// An instant written as ISO 8601 UTC ("2026-11-15T00:00:00Z"; a date alone is its 0h UT), from
// 0000-01-01 to 9999-12-31. None on a first start.
class DateKey final : public IniKey {
 public:
  explicit DateKey(const char* name) : IniKey(name) {}
  // None when missing or not such a date.
  std::optional<JulianDay> read(const QSettings& ini) const;
  void write(QSettings& ini, JulianDay instant) const;  // days, UT
  QString defaultText() const override;
  QString rangeText() const override;
};

// The folder a file box last used, offered first the next time.
class FolderKey final : public IniKey {
 public:
  // `fallback`: the key whose folder is offered when this one holds none; without it the
  // Documents folder (else home).
  explicit FolderKey(const char* name, const FolderKey* fallback = nullptr)
      : IniKey(name), fallback(fallback) {}
  // The folder the file holds when it is one, else the fallback's.
  QString read(const QSettings& ini) const;
  void write(QSettings& ini, const QString& folder) const;
  QString defaultText() const override;  // the folder a first start offers

  const FolderKey* const fallback;
};

}  // namespace kelvra
