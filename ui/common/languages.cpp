#include "ui/common/languages.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

#include <array>

#include "ui/common/messages.h"
#include "ui/common/settings_place.h"

namespace kelvra {

namespace {

struct LanguageName {
  Language language;
  QLocale::Language locale;
  const char* own;  // the language's name in itself, as language menus show it
};

constexpr std::array<LanguageName, 4> kLanguages{{
    {Language::English, QLocale::English, "English"},
    {Language::German, QLocale::German, "Deutsch"},
    {Language::French, QLocale::French, "Fran\u00E7ais"},
    {Language::Spanish, QLocale::Spanish, "Espa\u00F1ol"},
}};

QString Shown(const std::filesystem::path& folder) {
  return QString::fromStdString(folder.string());
}

// Loads `file`_<language>.qm from `folder` into a translator owned by the application and
// installs it. Returns the translator, or null when there is no such file.
QTranslator* Install(const QLocale& locale, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(locale, file, QStringLiteral("_"), folder)) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace

std::filesystem::path TranslationsFolder(const std::filesystem::path& programFolder) {
  return programFolder / "translations";
}

QString InstallTranslations(Language language, const std::filesystem::path& programFolder) {
  const QLocale system = QLocale::system();
  QLocale wanted = system;
  for (const LanguageName& name : kLanguages) {
    if (name.language == language) wanted = QLocale(name.locale, system.territory());
  }
  const QString folder = Shown(TranslationsFolder(programFolder));
  // For the system's language, QTranslator walks the user's preferred languages in order.
  QTranslator* own = nullptr;
  if (language != Language::English) own = Install(wanted, QStringLiteral("kelvra95"), folder);
  const QLocale words = own != nullptr ? QLocale(own->language()) : QLocale(QLocale::English);
  if (own != nullptr) {
    // Qt's own words (the buttons of its dialogs) in the same language, where Qt has them.
    Install(words, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
  if (language != Language::System)
    QLocale::setDefault(QLocale(words.language(), system.territory()));
  return QLocale::languageToCode(words.language());
}

QAction* MakeLanguageAction(QWidget& parent, SettingsStore& settings) {
  auto* action = new QAction(QCoreApplication::translate("kelvra::Languages", "Language"), &parent);
  auto* menu = new QMenu(&parent);
  action->setMenu(menu);
  auto* group = new QActionGroup(menu);
  const Language stored = kLanguageKey.read(settings.ini());
  auto add = [&](Language language, const QString& text) {
    QAction* choice = menu->addAction(text);
    choice->setCheckable(true);
    choice->setChecked(language == stored);
    group->addAction(choice);
    QObject::connect(choice, &QAction::triggered, &parent, [&settings, language] {
      if (kLanguageKey.read(settings.ini()) == language) return;
      kLanguageKey.write(settings.ini(), language);
      if (settings.syncIni()) {
        ShowMessage(QCoreApplication::translate(
            "kelvra::Languages", "The new language holds from the next start of Kelvra95."));
      }
    });
  };
  add(Language::System, QCoreApplication::translate("kelvra::Languages", "System language"));
  for (const LanguageName& name : kLanguages) add(name.language, QString::fromUtf8(name.own));
  return action;
}

}  // namespace kelvra
