#include "ui/grs/grs_transits.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "core/calendar.h"
#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/page_layout.h"
#include "ui/common/pictures.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/grs/grs_drift_settings.h"
#include "ui/grs/grs_longitude.h"
#include "ui/grs/grs_page.h"

namespace kelvra {
namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kScreenBand = qRgb(40, 40, 40);
const QRgb kPageBand = qRgb(250, 250, 255);
const QRgb kWhite = qRgb(255, 255, 255);

class GRSWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::InstallProgramFiles(); }
  // One hour east of Greenwich, so local time differs.
  GRSWindowTest() { host.observation.set(monthOf(1)); }
  static Observation monthOf(int month) {
    return {.instantUT = testing::MidMonth(month, 2000), .zoneOffset = -60};
  }

  ImageView& part(const char* name) { return *window.findChild<ImageView*>(name); }
  const QImage& list() { return part("imgGRS").image(); }

  // Columns [from, to) of rows [top, bottom) of `image` that hold a pixel of `colour`
  // (or, with colour 0, any dark pixel); returns the first, or -1.
  static int firstColumnWith(const QImage& image, int from, int to, int top, int bottom,
                             QRgb colour) {
    for (int x = from; x < to; ++x) {
      for (int y = top; y < bottom; ++y) {
        const QRgb pixel = image.pixel(x, y);
        const bool match = colour == 0 ? qGray(pixel) < 128 : pixel == colour;
        if (match) return x;
      }
    }
    return -1;
  }

  testing::MessageLog messages;
  testing::FakeHost host;
  SettingsStore& store = host.settings;
  TGRSTransits window{host.links()};
};

TEST_F(GRSWindowTest, TakesItsSizeFromTheBackgroundPicture) {
  ASSERT_TRUE(window.isUsable());
  EXPECT_TRUE(messages.plain.isEmpty());
  EXPECT_EQ(window.size(), QSize(200, 479));  // background 200 x 480, one pixel shorter
}

TEST_F(GRSWindowTest, BandsEveryOtherRowAtTruncatedRowBoundaries) {
  host.observation.set(monthOf(2));  // February 2000: 29 rows of 403 / 29 = 13.9 pixels
  window.CalcGRS();
  for (int i = 0; i < 29; ++i) {
    const int top = i * 403 / 29;  // trunc(i x 403 / 29): 0, 13, 27, 41, ...
    const int bottom = (i + 1) * 403 / 29;
    const QRgb expected = i % 2 == 0 ? kScreenBand : kBlack;
    EXPECT_EQ(list().pixel(158, top), expected) << "row " << i;
    EXPECT_EQ(list().pixel(158, bottom - 1), expected) << "row " << i;
    // The band leaves out the image's last column.
    EXPECT_EQ(list().pixel(159, top), kBlack) << "row " << i;
  }
}

TEST_F(GRSWindowTest, DrawsDayNumbersAndTimesInTheirColumns) {
  window.CalcGRS();  // January 2000: rows 13 pixels high
  const QRgb cyan = qRgb(0, 255, 255), yellow = qRgb(255, 255, 0);
  // Day 3 (row 2, from y 26) has three transits: 00:43; 10:39; 20:35;
  const int dayColumn = firstColumnWith(list(), 0, 35, 26, 39, cyan);
  EXPECT_GE(dayColumn, 3);
  EXPECT_LE(dayColumn, 3 + 2);
  for (const int column : {35, 75, 115}) {
    const int first = firstColumnWith(list(), column - 5, column + 10, 26, 39, yellow);
    EXPECT_GE(first, column);
    EXPECT_LE(first, column + 2);
  }
  // Day 1 (row 0) has two: nothing in the third column.
  EXPECT_EQ(firstColumnWith(list(), 115, 160, 0, 13, yellow), -1);
  EXPECT_NE(firstColumnWith(list(), 75, 115, 0, 13, yellow), -1);
}

TEST_F(GRSWindowTest, TogglingTheTimeBasisTwiceRestoresTheListAndWritesTwice) {
  window.CalcGRS();
  const QImage universal = list().copy();
  EXPECT_EQ(part("imgTime").image(), TimeBasisButton(false));

  QTest::mouseClick(&part("imgTime"), Qt::LeftButton);
  EXPECT_TRUE(host.record.GRSLocalTime);
  EXPECT_EQ(host.saves, 1);
  EXPECT_EQ(part("imgTime").image(), TimeBasisButton(true));
  EXPECT_NE(list(), universal);

  QTest::mouseClick(&part("imgTime"), Qt::LeftButton);
  EXPECT_FALSE(host.record.GRSLocalTime);
  EXPECT_EQ(host.saves, 2);
  EXPECT_EQ(part("imgTime").image(), TimeBasisButton(false));
  EXPECT_EQ(list(), universal);
}

TEST_F(GRSWindowTest, RecomputesOnActivationAndWhenTheMonthChanges) {
  window.CalcGRS();
  const QImage january = list().copy();
  part("imgGRS").canvas().fill(Qt::white);
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&window, &activate);
  EXPECT_EQ(list(), january);

  host.observation.set(monthOf(4));  // 30 rows instead of 31: the bands move
  window.CalcGRS();
  EXPECT_NE(list(), january);
}

TEST_F(GRSWindowTest, ExitTellsTheHostAndHides) {
  window.show();
  QTest::mouseClick(window.findChild<ClickArea*>("btnExit"), Qt::LeftButton);
  EXPECT_EQ(host.closings, 1);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(GRSWindowTest, ADriftMovesTheListAndIsSaidUnderTheButtons) {
  QLabel& line = *window.findChild<QLabel*>("lblDrift");
  window.show();
  window.CalcGRS();
  const QImage fixed = list().copy();
  EXPECT_FALSE(line.isVisible());

  // A month before January 2000 at 1.5 degrees a month: the spot is 1.5 degrees on, its
  // transits some 2.5 minutes later.
  store.ini().setValue(kDriftKey.name, "1.5");
  store.ini().setValue(kEpochKey.name, "1999-12-01T00:00:00Z");
  window.CalcGRS();
  EXPECT_TRUE(line.isVisible());
  EXPECT_EQ(line.text(), QString::fromUtf8("Drifting +1.5\u00B0 a month from 1999-12-01"));
  EXPECT_NE(list(), fixed);
  // In German the line has the comma that the drift field takes.
  const QLocale held;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  window.CalcGRS();
  QLocale::setDefault(held);
  EXPECT_EQ(line.text(), QString::fromUtf8("Drifting +1,5\u00B0 a month from 1999-12-01"));

  store.ini().setValue(kDriftKey.name, "0.0");
  window.CalcGRS();
  EXPECT_FALSE(line.isVisible());
  EXPECT_EQ(list(), fixed);
}

TEST_F(GRSWindowTest, ADriftFromTheFileBeyondTheDialogsRangeIsIgnoredAndToldOnce) {
  QLabel& line = *window.findChild<QLabel*>("lblDrift");
  window.show();
  window.CalcGRS();
  const QImage fixed = list().copy();
  store.ini().setValue(kDriftKey.name, "99");
  store.ini().setValue(kEpochKey.name, "1999-12-01T00:00:00Z");
  window.CalcGRS();
  EXPECT_FALSE(line.isVisible());
  EXPECT_EQ(list(), fixed);
  // The page and the dialog read it again, without a second word.
  EXPECT_EQ(window.pageInput(1, 2000).drift.degreesPerMonth, 0);
  window.longitudeDialog().show();
  EXPECT_EQ(window.longitudeDialog().findChild<QLineEdit*>("txtDrift")->text(), "0.0");
  EXPECT_EQ(
      messages.errors,
      QStringList{"Kelvra95.ini: GRS/DriftPerMonth = 99 is outside -9.9 to 9.9 and is ignored"});
}

TEST(GRSDriftSettings, IgnoresValuesTheDialogWouldNotTakeAndSaysWhy) {
  const JulianDay november2026 = 2461359.5;  // 2026-11-15 0h UT
  const QString outside =
      QStringLiteral("Kelvra95.ini: GRS/DriftPerMonth = %1 is outside -9.9 to 9.9 and is ignored");
  const QString notANumber = QStringLiteral(
      "Kelvra95.ini: GRS/DriftPerMonth = %1 is not a number from -9.9 to 9.9 and is ignored");
  const QString notADate = QStringLiteral(
      "Kelvra95.ini: GRS/Epoch = %1 is not a date from 0000-01-01 to 9999-12-31 and is ignored");
  struct Case {
    const char* lines;  // of the [GRS] section, as typed into the file
    double perMonth;    // degrees a month read
    JulianDay epoch;    // days, UT
    QString ignored;    // the lines of the message, or none
  };
  const Case cases[] = {
      {"", 0, 0, ""},
      {"DriftPerMonth=1.5\nEpoch=2026-11-15T00:00:00Z", 1.5, november2026, ""},
      {"DriftPerMonth=-1.25\nEpoch=2026-11-15", -1.3, november2026, ""},  // rounded, no word
      {"DriftPerMonth=0.0\nEpoch=2026-11-15", 0, november2026, ""},
      {"DriftPerMonth=99\nEpoch=2026-11-15", 0, november2026, outside.arg("99")},
      {"DriftPerMonth=1e300\nEpoch=2026-11-15", 0, november2026, notANumber.arg("1e300")},
      {"DriftPerMonth=1,5\nEpoch=2026-11-15", 0, november2026, notANumber.arg("1,5")},
      {"DriftPerMonth=1.5", 0, 0,
       "Kelvra95.ini: GRS/DriftPerMonth = 1.5 has no GRS/Epoch (a date from 0000-01-01 to "
       "9999-12-31) and is ignored"},
      {"DriftPerMonth=1.5\nEpoch=99999-01-01T00:00:00Z", 0, 0,
       notADate.arg("99999-01-01T00:00:00Z") + "; so is GRS/DriftPerMonth = 1.5"},
      {"DriftPerMonth=0.0\nEpoch=15.11.2026", 0, 0, notADate.arg("15.11.2026")},
      {"DriftPerMonth=12\nEpoch=1.1.2000", 0, 0,
       outside.arg("12") + "\n" + notADate.arg("1.1.2000")},
  };
  for (const Case& c : cases) {
    testing::MessageLog messages;
    QTemporaryDir folder;
    QFile file(folder.filePath("Kelvra95.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("[GRS]\n") + c.lines + "\n");
    file.close();
    const QSettings ini(file.fileName(), QSettings::IniFormat);
    for (int read = 0; read < 3; ++read) {
      const RedSpotDrift drift = ReadRedSpotDrift(ini);
      EXPECT_EQ(drift.degreesPerMonth, c.perMonth) << c.lines;
      EXPECT_EQ(drift.epoch, c.epoch) << c.lines;
    }
    // Once a run, however often the drift is read.
    EXPECT_EQ(messages.errors, c.ignored.isEmpty() ? QStringList{} : QStringList{c.ignored})
        << c.lines;
  }
}

TEST(GRSPageText, TitleEndsInMonthAndYearAndIsCutAt70) {
  EXPECT_EQ(GRSTitleText(QStringLiteral("January"), 2000), "Jupiter's GRS Transits: January 2000");
  const QString title = GRSTitleText(QString(60, QChar(u'x')), 2000);
  EXPECT_EQ(title.size(), 70);
  EXPECT_TRUE(title.startsWith("Jupiter's GRS Transits: xxx"));
}

TEST(GRSPageText, SubtitleNamesTheBasisAndTheStoredLongitude) {
  EXPECT_EQ(GRSSubtitleText(65, false),
            QString::fromUtf8("[Universal Time - Red Spot at Jovian System II Logitude 65°]"));
  EXPECT_EQ(GRSSubtitleText(400, true),
            QString::fromUtf8("[Local Time - Red Spot at Jovian System II Logitude 400°]"));
}

class GRSPageTest : public GRSWindowTest {
 protected:
  // An A4 page at 300 dots per inch, so that points turn into dots as on a printer.
  GRSPageTest() : page(2480, 3508, QImage::Format_RGB32) {
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    page.fill(Qt::gray);
    QPainter painter(&page);
    heights = DrawGRSPage(painter, page.size(), window.pageInput(1, 2000));
  }

  // The list frame's top edge, found down the frame's left column below the subtitle.
  int frameTop() const {
    for (int y = 300; y < page.height(); ++y)
      if (page.pixel(xc - 100, y) == kBlack) return y;
    return -1;
  }

  QImage page;
  PageHeights heights;
  const int xc = (2480 - 700) / 2;  // dots, the list's column origin
};

TEST_F(GRSPageTest, ADriftAddsASecondSubtitleLineInsideTheTitleBlock) {
  QFont subtitleFont(QStringLiteral("Times New Roman"), 12);
  const int lineTop = 210 + QFontMetrics(subtitleFont, &page).height();  // dots
  // The band of the second line, across the page inside its frame.
  const auto darkPixels = [&](const QImage& image) {
    int dark = 0;
    for (int y = lineTop; y < heights.TitleHeight; ++y)
      for (int x = 10; x < image.width() - 10; ++x) dark += qGray(image.pixel(x, y)) < 128;
    return dark;
  };
  EXPECT_EQ(darkPixels(page), 0);

  GRSPageInput input = window.pageInput(1, 2000);
  input.drift = {1.5, *ParseISODate("2026-11-15")};
  QImage drifting(page.size(), QImage::Format_RGB32);
  drifting.setDotsPerMeterX(11811);
  drifting.setDotsPerMeterY(11811);
  drifting.fill(Qt::gray);
  QPainter painter(&drifting);
  const PageHeights drawn = DrawGRSPage(painter, drifting.size(), input);
  painter.end();
  EXPECT_EQ(drawn.TitleHeight, heights.TitleHeight);
  EXPECT_GT(darkPixels(drifting), 500);
  // Everything above the line is as without a drift.
  EXPECT_EQ(drifting.copy(0, 0, drifting.width(), lineTop), page.copy(0, 0, page.width(), lineTop));
}

TEST_F(GRSPageTest, FramesTheListBetweenTitleAndFooter) {
  const int top = frameTop();
  QFont titleFont(QStringLiteral("Times New Roman"), 24, QFont::Bold);
  EXPECT_EQ(top, 3 * QFontMetrics(titleFont, &page).height());
  EXPECT_EQ(heights.TitleHeight, top);
  // Measured in the font the page was begun with, the application's.
  EXPECT_EQ(heights.FooterHeight, 2 * QFontMetrics(QGuiApplication::font(), &page).height());
  const int bottom = 3508 - heights.FooterHeight;  // excluded
  const int middle = (top + bottom) / 2;
  EXPECT_EQ(page.pixel(xc - 100, middle), kBlack);
  EXPECT_EQ(page.pixel(xc + 799, middle), kBlack);
  EXPECT_EQ(page.pixel(xc - 101, middle), kWhite);
  EXPECT_EQ(page.pixel(xc + 800, middle), kWhite);
  EXPECT_EQ(page.pixel(xc - 100, bottom - 1), kBlack);
  EXPECT_EQ(page.pixel(xc - 100, bottom), kWhite);
  // January's last row is banded; its band stops above the frame's bottom line.
  EXPECT_EQ(page.pixel(xc + 300, bottom - 1), kBlack);
  EXPECT_EQ(page.pixel(xc + 300, bottom - 2), kPageBand);
  // The page frame leaves out the last column and row.
  EXPECT_EQ(page.pixel(0, 1000), kBlack);
  EXPECT_EQ(page.pixel(2478, 1000), kBlack);
  EXPECT_EQ(page.pixel(2477, 1000), kWhite);
  EXPECT_EQ(page.pixel(2479, 1000), qRgb(160, 160, 164));  // Qt::gray, untouched
}

TEST_F(GRSPageTest, ShadesOddDaysAndPutsTimesIn200DotColumns) {
  const int top = frameTop();
  const double row = (3508.0 - heights.FooterHeight - top) / 31;  // dots per day
  const auto rowTop = [&](int i) { return static_cast<int>(i * row) + top; };
  // Inside row i, below the dot that belongs to the row above or to the frame.
  const auto rowInside = [&](int i) { return rowTop(i) + 1; };
  EXPECT_EQ(page.pixel(xc - 99, rowTop(0) + 1), kPageBand);
  EXPECT_EQ(page.pixel(xc + 798, rowTop(1)), kPageBand);
  EXPECT_EQ(page.pixel(xc + 799 - 1, rowTop(1) + 2), kWhite);
  EXPECT_EQ(page.pixel(xc - 99, rowTop(2) + 1), kPageBand);
  // Day 3 holds three times, day 1 two.
  for (const int column : {xc + 200, xc + 400, xc + 600}) {
    const int first = firstColumnWith(page, column - 50, column + 100, rowInside(2), rowTop(3), 0);
    EXPECT_GE(first, column);
    EXPECT_LE(first, column + 10);
  }
  EXPECT_EQ(firstColumnWith(page, xc + 600, xc + 790, rowInside(0), rowTop(1), 0), -1);
  const int day = firstColumnWith(page, xc - 90, xc + 150, rowInside(0), rowTop(1), 0);
  EXPECT_GE(day, xc);
  EXPECT_LE(day, xc + 10);
}

}  // namespace
}  // namespace kelvra
