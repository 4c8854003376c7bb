// The program in each of its languages, as main.cpp starts it: every word fits where it is
// shown (the skins' words in their places, every label and button in its width), and a German
// run speaks German in its menus, titles and messages.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/languages.h"
#include "ui/common/skin_words.h"
#include "ui/common/widgets.h"
#include "ui/events/moon_events_window.h"
#include "ui/grs/grs_skin_words.h"
#include "ui/grs/grs_transits.h"
#include "ui/lightcurve/light_curve_window.h"
#include "ui/main/about.h"
#include "ui/main/interval.h"
#include "ui/main/site_dialog.h"
#include "ui/main/viewer.h"
#include "ui/radio/radio_window.h"
#include "ui/tracks/sat_tracks.h"
#include "ui/windows/side_windows.h"

namespace kelvra {
namespace {

std::string Code(const ::testing::TestParamInfo<Language>& info) {
  const char* const codes[] = {"system", "en", "de", "fr", "es"};
  return codes[static_cast<int>(info.param)];
}

// Each test runs in a process of its own (gtest_discover_tests), so one language a process.
class Translated : public ::testing::TestWithParam<Language> {
 protected:
  void SetUp() override {
    testing::PrepareMainWindowStart();
    namespace fs = std::filesystem;
    fs::remove(ProgramDirectory() / kIniFileName);  // no language chosen before
    for (const char* bare : {"Kelvra0-bare.dat", "Kelvra8-bare.dat"}) {
      fs::copy_file(fs::path(KELVRA_BIN_DIR) / bare, ProgramDirectory() / bare,
                    fs::copy_options::overwrite_existing);
    }
    spoken = InstallTranslations(GetParam(), KELVRA_BIN_DIR);
    viewer = std::make_unique<TViewer>(parts.observation, parts.settings, SideWindowKinds());
    ASSERT_TRUE(viewer->startedUp());
    const SideWindowLinks links = parts.links(*viewer);
    viewer->addSideWindow(std::make_unique<TSatTracks>(links));
    viewer->addSideWindow(std::make_unique<TGRSTransits>(links));
    events = &viewer->addSideWindow(std::make_unique<TMoonEvents>(links));
    viewer->addSideWindow(std::make_unique<TLightCurve>(links));
    viewer->addSideWindow(std::make_unique<TRadio>(links));
    viewer->setOtherWindows(&interval, &about);
    viewer->addProgramAction(MenuGroup::View, MakeLanguageAction(*viewer, parts.settings));
    viewer->show();
    for (const char* button : {"lblTracks", "lblGRS", "lblEvents", "lblLightCurve", "lblRadio"}) {
      QTest::mouseClick(viewer->findChild<QWidget*>(button), Qt::LeftButton);
    }
  }
  void TearDown() override {
    viewer.reset();
    SetClockForTesting({});
  }

  testing::MessageLog messages;
  testing::ProgramParts parts;
  QString spoken;
  std::unique_ptr<TViewer> viewer;
  SideWindowForm* events = nullptr;
  std::uint16_t minutes = 0;
  TInterval interval{minutes};
  TAboutWin about;
  TSiteDialog site{std::nullopt, [](const std::optional<SiteSetting>&) {}, nullptr};
};

QString WithoutAccelerator(QString text) {
  return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
      .remove(u'&')
      .replace(u'\x01', u'&');
}

TEST_P(Translated, EveryWordFitsItsPlace) {
  EXPECT_EQ(spoken.toStdString(), Code({GetParam(), 0}));
  for (const auto words : {std::span<const SkinWord>(kAboutWords),
                           std::span<const SkinWord>(layout::kLongitudeDialogWords)}) {
    for (const SkinWord& word : words) {
      const QFontMetrics metrics(
          style::PixelFont(QStringLiteral("Arial"), word.pixelSize, word.bold));
      EXPECT_LE(metrics.horizontalAdvance(SkinWordText(word)), word.place.width())
          << "the picture's word \"" << word.text << "\" as \"" << SkinWordText(word).toStdString()
          << "\"";
    }
  }
  // Every label and button of every window and dialog, laid out as the user first sees them.
  about.show();
  site.show();
  const QWidgetList windows = QApplication::topLevelWidgets();
  int read = 0;
  for (QWidget* window : windows) {
    if (!window->isVisible()) continue;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      QString text;
      if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap())
        text = label->text();
      else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text = button->text();
      text = WithoutAccelerator(text);
      if (text.isEmpty() || Qt::mightBeRichText(text)) continue;
      ++read;
      const QFontMetrics metrics(widget->font());
      int widest = 0;
      for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.tightBoundingRect(line).right() + 1);
      // The English layout lets a word's last pixels touch its label's rim (up to 2): as much
      // and no more for a translation.
      EXPECT_LE(widest, widget->contentsRect().width() + 2)
          << window->objectName().toStdString() << "/" << widget->objectName().toStdString()
          << ": \"" << text.toStdString() << "\" is cut off";
    }
  }
  EXPECT_GT(read, 10);  // the windows' labels were there to be read
}

INSTANTIATE_TEST_SUITE_P(Languages, Translated,
                         ::testing::Values(Language::English, Language::German, Language::French,
                                           Language::Spanish),
                         Code);

class German : public Translated {};

TEST_P(German, SpeaksGermanInMenusTitlesAndMessages) {
  QStringList entries;
  for (const QAction* action : viewer->menu().menu().actions()) entries << action->text();
  EXPECT_TRUE(entries.contains(QStringLiteral("Sprache"))) << entries.join(u'|').toStdString();
  EXPECT_FALSE(entries.contains(QStringLiteral("Magnify"))) << entries.join(u'|').toStdString();
  EXPECT_NE(events->windowTitle().toStdString(),
            WindowTitle(QStringLiteral("Events")).toStdString());
  // A choice of language is said in the language the program speaks now.
  QAction* language = nullptr;
  for (QAction* action : viewer->menu().menu().actions()) {
    if (action->text() == QStringLiteral("Sprache")) language = action;
  }
  ASSERT_NE(language, nullptr);
  ASSERT_NE(language->menu(), nullptr);
  QStringList choices;
  for (const QAction* choice : language->menu()->actions()) choices << choice->text();
  ASSERT_EQ(choices.join(u'|'), QStringLiteral("Sprache des Systems|English|Deutsch|Fran\u00E7ais|"
                                               "Espa\u00F1ol"));
  language->menu()->actions().at(1)->trigger();  // English
  ASSERT_EQ(messages.plain.size(), 1) << messages.errors.join(u'|').toStdString();
  EXPECT_EQ(messages.plain.front(),
            QStringLiteral("Die neue Sprache gilt ab dem n\u00E4chsten Start von Kelvra95."));
  EXPECT_EQ(kLanguageKey.read(parts.settings.ini()), Language::English);
}

// An install without the wordless picture a translation draws over says which file is missing
// (a missing picture is never drawn with the English words under the German ones).
TEST_P(German, AMissingWordlessPictureIsNamed) {
  std::filesystem::remove(ProgramDirectory() / "Kelvra8-bare.dat");
  const TAboutWin another;
  ASSERT_EQ(messages.plain.size() + messages.errors.size(), 1);
  EXPECT_TRUE((messages.plain + messages.errors).front().contains("\"Kelvra8-bare.dat\""));
}

INSTANTIATE_TEST_SUITE_P(Languages, German, ::testing::Values(Language::German), Code);

}  // namespace
}  // namespace kelvra
