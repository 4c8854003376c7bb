// The site as Kelvra95.ini keeps it: what is read back, and what is ignored and told.
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/support/message_log.h"
#include "ui/common/site_settings.h"

namespace kelvra {
namespace {

class SiteSettingsTest : public ::testing::Test {
 protected:
  // An ini file holding `lines` under [Site], as a user might have edited it.
  QSettings& file(const char* lines) {
    ini.reset();  // its own writes done first, so they cannot overwrite this one
    const QString path = folder.filePath(QStringLiteral("Kelvra95.ini"));
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(QByteArray("[Site]\n") + lines);
    out.close();
    ini = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return *ini;
  }

  testing::MessageLog messages;
  QTemporaryDir folder;
  std::unique_ptr<QSettings> ini;
};

TEST_F(SiteSettingsTest, RoundTripsEveryValueAndAnAbsentSiteSaysNothing) {
  EXPECT_EQ(ReadSite(file("")), std::nullopt);
  EXPECT_EQ(ReadSite(file("Latitude=52.5\n")), std::nullopt);  // no longitude: no site yet
  const SiteSetting site{{-33.925, 18.4239, 1085.5}, {-5, -18}};
  PutSite(*ini, site);
  EXPECT_EQ(ReadSite(*ini), site);
  PutSite(*ini, std::nullopt);
  EXPECT_EQ(ReadSite(*ini), std::nullopt);
  EXPECT_TRUE(ini->allKeys().isEmpty());
  // Height and limits missing: 0 and the defaults, silently.
  EXPECT_EQ(ReadSite(file("Latitude=0\nLongitude=-180\n")), (SiteSetting{{0, -180, 0}, {5, -6}}));
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(SiteSettingsTest, AnUnusableValueIsIgnoredAndToldOnceARun) {
  // Latitude beyond its range: no site at all; a comma is no decimal point in the file.
  QSettings& bad = file("Latitude=95\nLongitude=13,4\nHeight=10\nMaxSunAltitude=1\n");
  EXPECT_EQ(ReadSite(bad), std::nullopt);
  EXPECT_EQ(
      messages.errors,
      QStringList{"Kelvra95.ini: Site/Latitude = 95 is outside -90 to 90 and is ignored\n"
                  "Kelvra95.ini: Site/Longitude = 13,4 is not a number from -180 to 180 and "
                  "is ignored\n"
                  "Kelvra95.ini: Site/MaxSunAltitude = 1 is outside -18 to 0 and is ignored"});
  EXPECT_EQ(ReadSite(bad), std::nullopt);
  EXPECT_EQ(messages.errors.size(), 1);

  // A bad limit alone keeps the site with the default, and is told.
  messages.errors.clear();
  EXPECT_EQ(ReadSite(file("Latitude=52.5\nLongitude=13.4\nHeight=x\nMinJupiterAltitude=61\n")),
            (SiteSetting{{52.5, 13.4, 0}, {5, -6}}));
  EXPECT_EQ(messages.errors.size(), 1);
  EXPECT_EQ(messages.errors.front().count(u'\n'), 1);  // two lines: height and Jupiter
}

}  // namespace
}  // namespace kelvra
