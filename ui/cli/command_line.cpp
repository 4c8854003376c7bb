#include "ui/cli/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>
#include <QStringList>

#include <cstdio>
#include <filesystem>

#include "ui/cli/command_lists.h"
#include "ui/cli/command_output.h"
#include "ui/common/jpeg_loader.h"
#include "ui/common/languages.h"
#include "ui/common/settings_place.h"

namespace kelvra {
namespace {

// Qt's own options, which QApplication takes out of the command line itself; true: it takes a
// value. Known here only so that they are not unknown.
struct QtOption {
  const char* name;
  bool value;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"geometry", true},
    {"title", true},           {"icon", true},
    {"display", true},         {"name", true},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"qmljsdebugger", true},
    {"reverse", false},        {"widgetcount", false},
    {"testability", false},    {"nograb", false},
    {"dograb", false},         {"sync", false},
    {"visual", true},
};

// The language the windows would take, read without writing or saying anything: a fault in the
// settings is said later, by the subcommand that reads them.
Language StoredLanguage() {
  const std::filesystem::path iniFile =
      SettingsFileToRead(ProgramDirectory(), UserSettingsFolder(), kIniFileName);
  if (!SettingsFileUsable(iniFile)) return Language::System;
  const QSettings ini(QString::fromStdString(iniFile.string()), QSettings::IniFormat);
  return kLanguageKey.read(ini);
}

void Print(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
  std::fflush(stdout);
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (arguments.isEmpty()) arguments << QStringLiteral("kelvra95");

  // Qt's options are single-dash words (-platform, -style=Fusion); ours are -h and -v or long.
  int coreArgc = 1;  // the core application sees the program's name alone
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  // A subcommand's options are its own: everything after its name is left to it.
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
  parser.addOptions({help, version});
  for (const QtOption& qt : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(qt.name), QString(),
                              qt.value ? QStringLiteral("value") : QString());
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  // What is printed is said in the windows' language: the core application, made only once the
  // command line is known to be the whole run (the windows make their own), holds the
  // translators before anything is said.
  std::optional<QCoreApplication> application;
  const auto makeApplication = [&] {
    if (application) return;
    application.emplace(coreArgc, argv);
    NameApplication();
    InstallTranslations(StoredLanguage(), ProgramDirectory());
  };
  if (!parser.parse(arguments)) {
    makeApplication();
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) return CommandFault(SeeHelpText(ParserFaultText(parser.errorText())));
    // As typed: -x or --xyz (a single-dash word reads as a long option here).
    const QString typed = [&] {
      for (const QString& argument : arguments.mid(1)) {
        if (argument.startsWith(u'-') &&
            argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0) ==
                unknown.front())
          return argument.section(u'=', 0, 0);
      }
      return QStringLiteral("--") + unknown.front();
    }();
    return CommandFault(SeeHelpText(
        QCoreApplication::translate("kelvra::CommandLine", "unknown option '%1'").arg(typed)));
  }
  if (parser.isSet(help)) {
    makeApplication();
    Print(CommandHelpText());
    return kCommandDone;
  }
  if (parser.isSet(version)) {
    Print(QStringLiteral("Kelvra95 " KELVRA_VERSION "\n"));
    return kCommandDone;
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.isEmpty()) return std::nullopt;  // the windows
  const QString command = positional.front();
  // No display, no window: the core application alone, named so the settings are found.
  makeApplication();
  if (command != QLatin1String("events") && command != QLatin1String("grs")) {
    return CommandFault(SeeHelpText(
        QCoreApplication::translate("kelvra::CommandLine", "stray argument '%1'").arg(command)));
  }
  return command == QLatin1String("events") ? RunEventsCommand(positional)
                                            : RunGrsCommand(positional);
}

}  // namespace kelvra
