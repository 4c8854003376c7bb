// The observing site dialog: what it takes, what it refuses and says, and the site it hands
// to the main window, which keeps it in Kelvra95.ini.
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/clock.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window.h"
#include "ui/common/side_window_kind.h"
#include "ui/grs/grs_drift_settings.h"
#include "ui/grs/grs_longitude.h"
#include "ui/main/site_dialog.h"
#include "ui/main/viewer.h"
#include "ui/windows/side_windows.h"

namespace kelvra {
namespace {

const SiteSetting kBerlin{{52.52, 13.405, 34}, {5, -6}};

class SiteDialogTest : public ::testing::Test {
 protected:
  ~SiteDialogTest() override { QLocale::setDefault(QLocale::c()); }

  // A dialog opened on `current`, recording what it stores.
  void open(std::optional<SiteSetting> current) {
    dialog = std::make_unique<TSiteDialog>(
        current, [this](const std::optional<SiteSetting>& site) { stored.push_back(site); });
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  }
  QLineEdit& field(int i) { return *dialog->fields[static_cast<std::size_t>(i)]; }
  QLineEdit* focused() { return qobject_cast<QLineEdit*>(dialog->focusWidget()); }
  void retype(int i, const QString& text) {
    field(i).setFocus();
    field(i).selectAll();
    if (text.isEmpty()) {
      QTest::keyClick(&field(i), Qt::Key_Delete);
    } else {
      QTest::keyClicks(&field(i), text);
    }
  }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), key, modifiers);
  }

  testing::MessageLog messages;
  std::unique_ptr<TSiteDialog> dialog;
  std::vector<std::optional<SiteSetting>> stored;
};

TEST_F(SiteDialogTest, ABadValueIsNamedWithItsRangeAndTheFieldGetsItBack) {
  open(kBerlin);
  struct Case {
    int field;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {0, "90.5", "Latitude must lie between -90 and 90"},
      {1, "-181", "Longitude must lie between -180 and 180"},
      {2, "9001", "Height must lie between -500 and 9000"},
      {3, "-5.1", "Jupiter's least altitude must lie between -5 and 60"},
      {4, "0.5", "Sun's greatest altitude must lie between -18 and 0"},
      {4, "--3", "Sun's greatest altitude must lie between -18 and 0"},  // no number at all
      {0, "", "Latitude must lie between -90 and 90"},  // longitude alone is no site
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    messages.errors.clear();
    const QString before = field(c.field).text();
    retype(c.field, QString::fromLatin1(c.typed));
    field((c.field + 2) % 5).setFocus();  // Enter in another field still finds it
    press(Qt::Key_Return);
    EXPECT_EQ(messages.errors, QStringList{QString::fromUtf8(c.message)});
    EXPECT_TRUE(dialog->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(focused(), &field(c.field));
    EXPECT_EQ(field(c.field).selectedText(), field(c.field).text());
    field(c.field).setText(before);
  }
  EXPECT_TRUE(stored.empty());
  // Every limit itself is taken.
  retype(0, "-90");
  retype(1, "180");
  retype(2, "-500");
  retype(3, "60");
  retype(4, "-18");
  press(Qt::Key_Enter);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0], (SiteSetting{{-90, 180, -500}, {60, -18}}));
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SiteDialogTest, EmptyLatitudeAndLongitudeClearTheSiteAndEscapeChangesNothing) {
  open(kBerlin);
  retype(0, "10");
  press(Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(stored.empty());

  open(kBerlin);
  press(Qt::Key_Return);  // nothing changed: nothing to store
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_TRUE(stored.empty());

  open(kBerlin);
  retype(0, "");
  retype(1, "");
  retype(3, "99");  // not used without a site
  press(Qt::Key_Return);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0], std::nullopt);
  EXPECT_TRUE(messages.errors.isEmpty());

  // Without a site: latitude and longitude empty, the limits' defaults; empty height and
  // limits take 0 and the defaults.
  open(std::nullopt);
  EXPECT_EQ(field(0).text(), "");
  EXPECT_EQ(field(1).text(), "");
  EXPECT_EQ(field(3).text(), "5");
  EXPECT_EQ(field(4).text(), "-6");
  EXPECT_EQ(focused(), &field(0));
  QTest::keyClicks(focused(), "-33.9");
  press(Qt::Key_Tab);
  QTest::keyClicks(focused(), "18.4");
  press(Qt::Key_Tab);
  press(Qt::Key_Tab);
  press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), &field(2));
  QTest::keyClicks(focused(), "x");  // letters do not get in
  press(Qt::Key_Return);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[1], (SiteSetting{{-33.9, 18.4, 0}, {5, -6}}));
}

TEST_F(SiteDialogTest, AGermanLocaleTypesAndShowsCommasAndTheFileKeepsPoints) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  open(kBerlin);
  EXPECT_EQ(field(0).text(), "52,52");
  EXPECT_EQ(field(1).text(), "13,405");
  retype(1, "13,5");
  retype(2, "1234");  // no group separator where none was typed
  retype(3, "7.5");   // a point is taken too
  press(Qt::Key_Return);
  ASSERT_EQ(stored.size(), 1u);
  const SiteSetting expected{{52.52, 13.5, 1234}, {7.5, -6}};
  EXPECT_EQ(stored[0], expected);

  QTemporaryDir folder;
  const QString file = folder.filePath("Kelvra95.ini");
  {
    QSettings ini(file, QSettings::IniFormat);
    PutSite(ini, stored[0]);
  }
  QFile text(file);
  ASSERT_TRUE(text.open(QIODevice::ReadOnly));
  const QByteArray written = text.readAll();
  EXPECT_TRUE(written.contains("Latitude=52.52")) << written.toStdString();
  EXPECT_TRUE(written.contains("MinJupiterAltitude=7.5")) << written.toStdString();
  QSettings ini(file, QSettings::IniFormat);
  EXPECT_EQ(ReadSite(ini), expected);
  open(ReadSite(ini));
  EXPECT_EQ(field(3).text(), "7,5");
  EXPECT_EQ(field(2).text(), "1234");
  EXPECT_TRUE(messages.errors.isEmpty());
}

// Every decimal field reads a point and a comma as the decimal separator in every locale, and
// refuses a group separator or a second separator with its message; what it stores is shown
// again with the locale's separator. Typed key by key into the site's longitude and the Red
// Spot's drift.
TEST(DecimalFields, APointAndACommaAreDecimalSeparatorsInEveryLocale) {
  testing::InstallProgramFiles();
  enum Field { kLongitude, kDrift };
  struct Case {
    QLocale locale;
    Field field;
    const char* typed;
    std::optional<double> stored;  // none: refused with the field's message
    const char* shown;             // when the dialog opens again
  };
  const QLocale german(QLocale::German, QLocale::Germany);
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  const Case cases[] = {
      {german, kLongitude, "0.121", 0.121, "0,121"},     // not 121: a point is no group separator
      {german, kLongitude, "13.405", 13.405, "13,405"},  // the help's own example
      {german, kLongitude, "-13,5", -13.5, "-13,5"},
      {german, kLongitude, "1.234,5", std::nullopt, ""},  // a group separator
      {german, kDrift, "1.5", 1.5, "1,5"},
      {german, kDrift, "1,5,", std::nullopt, ""},   // a second separator
      {english, kLongitude, "52,2", 52.2, "52.2"},  // the comma typed is not dropped (522)
      {english, kLongitude, "1,234.5", std::nullopt, ""},
      {english, kDrift, "0,5", 0.5, "0.5"},  // not 5
      {QLocale::c(), kDrift, "-2,5", -2.5, "-2.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale.name().toStdString() + " " + c.typed);
    QLocale::setDefault(c.locale);
    testing::MessageLog messages;
    testing::FakeHost host;
    SettingsStore store{host.directory(), {}};
    QWidget grsWindow;
    std::optional<SiteSetting> site = SiteSetting{{52.52, 10, 34}, {5, -6}};
    TSiteDialog siteDialog(site, [&site](const std::optional<SiteSetting>& next) { site = next; });
    TGRSLongitude driftDialog(host, grsWindow, store);
    QDialog& dialog = c.field == kLongitude ? static_cast<QDialog&>(siteDialog) : driftDialog;
    QLineEdit& field =
        *dialog.findChild<QLineEdit*>(c.field == kLongitude ? "txtLongitude" : "txtDrift");
    const auto stored = [&]() -> double {
      return c.field == kLongitude ? site->place.longitudeDeg
                                   : ReadRedSpotDrift(store.ini()).degreesPerMonth;
    };
    const double before = stored();
    dialog.show();
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, QString::fromLatin1(c.typed));
    EXPECT_EQ(field.text(), QString::fromLatin1(c.typed));  // no key dropped
    QTest::keyClick(&field, Qt::Key_Return);
    if (c.stored) {
      EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
      EXPECT_EQ(stored(), *c.stored);
      // Opened again on what it stored (the main window gives the site box the site kept).
      TSiteDialog siteAgain(site, [](const std::optional<SiteSetting>&) {});
      QDialog& again = c.field == kLongitude ? static_cast<QDialog&>(siteAgain) : driftDialog;
      again.show();
      EXPECT_EQ(again.findChild<QLineEdit*>(field.objectName())->text(),
                QString::fromLatin1(c.shown));
    } else {
      EXPECT_EQ(messages.errors.size(), 1);
      EXPECT_TRUE(dialog.isVisible());
      EXPECT_EQ(stored(), before);
    }
  }
  QLocale::setDefault(QLocale::c());
}

// The main window's key opens the dialog; the site it takes is kept in Kelvra95.ini and told
// to the side windows.
class SiteCounter : public SideWindowForm {
 public:
  SiteCounter(const SideWindowLinks& links, const SideWindowKind& kind)
      : SideWindowForm(links, kind, {kind.name, "imgBack", "btnExit", "imgList"}, nullptr,
                       nullptr) {}
  int changes = 0;

 protected:
  void observationChanged(ObservationChanges what, InstantChange) override {
    changes += what.testFlag(ObservationChange::Site);
  }
  void drawList(QImage&) override {}
  void print(std::uint16_t, std::uint16_t) override {}
};

TEST(SiteFromTheMainWindow, CtrlShiftLSetsAndClearsTheSiteInTheIni) {
  testing::PrepareMainWindowStart();
  const std::filesystem::path ini = ProgramDirectory() / kIniFileName;
  std::filesystem::remove(ini);
  testing::MessageLog messages;
  testing::ProgramParts parts;
  TViewer viewer(parts.observation, parts.settings, SideWindowKinds());
  ASSERT_TRUE(viewer.startedUp());
  const std::optional<SiteSetting>& site = parts.observation.value().site;
  auto& side = viewer.addSideWindow(
      std::make_unique<SiteCounter>(parts.links(viewer), *SideWindowKinds().front()));
  viewer.show();
  viewer.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));

  // Types into the dialog once it is open (it runs modally), then Enter.
  const auto answer = [&](std::vector<std::pair<int, QString>> typed) {
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTimer poll;  // until the dialog is open
    QObject::connect(&poll, &QTimer::timeout, [&poll, typed] {
      auto* dialog = qobject_cast<TSiteDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      poll.stop();
      for (const auto& [i, text] : typed)
        dialog->fields[static_cast<std::size_t>(i)]->setText(text);
      QTest::keyClick(dialog->fields[0], Qt::Key_Return);
    });
    poll.start(10);
    QTest::keyClick(viewer.txtHour, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
  };
  answer({{0, "52.52"}, {1, "13.405"}});
  ASSERT_TRUE(site);
  EXPECT_EQ(site->place.latitudeDeg, 52.52);
  EXPECT_EQ(side.changes, 1);
  {
    QSettings written(QString::fromStdString(ini.string()), QSettings::IniFormat);
    EXPECT_EQ(written.value(kSiteLongitudeKey.name).toString(), "13.405");
    EXPECT_EQ(ReadSite(written), site);
  }
  answer({{0, ""}, {1, ""}});
  EXPECT_EQ(site, std::nullopt);
  EXPECT_EQ(side.changes, 2);
  QSettings written(QString::fromStdString(ini.string()), QSettings::IniFormat);
  EXPECT_FALSE(written.contains(kSiteLatitudeKey.name));
  EXPECT_TRUE(messages.errors.isEmpty());
  SetClockForTesting({});
}

}  // namespace
}  // namespace kelvra
