#include "ui/tracks/sat_tracks.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/message_log.h"
#include "tests/support/save_file_log.h"
#include "tests/tracks/test_host.h"
#include "ui/common/layout.h"
#include "ui/common/page_layout.h"
#include "ui/common/pictures.h"
#include "ui/common/widgets.h"
#include "ui/tracks/tracks_kind.h"
#include "ui/tracks/tracks_page.h"

namespace kelvra {
namespace {

using testing::FakeHost;
using testing::MessageLog;
using testing::MidMonth;
using testing::PutBackgroundPicture;
using testing::SaveFileLog;

std::vector<std::uint8_t> settingsBytes(const FakeHost& host) {
  std::ifstream file(host.directory() / kSettingsFileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class SatTracksWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PutBackgroundPicture());
    window = std::make_unique<TSatTracks>(host.links());
    ASSERT_TRUE(window->isUsable());
  }

  QImage componentImage(const char* name) const {
    return window->findChild<ImageView*>(QString::fromLatin1(name))->image();
  }

  MessageLog messages;
  FakeHost host;
  std::unique_ptr<TSatTracks> window;
};

TEST_F(SatTracksWindow, IsAFramelessWindowWithTheComponentsInTheirPlaces) {
  EXPECT_EQ(window->objectName(), QStringLiteral("SatTracks"));
  EXPECT_EQ(window->size(), QSize(200, 479));
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::Tool));
  EXPECT_FALSE(window->isVisible());
  const std::vector<std::pair<const char*, QRect>> places = {
      {"imgTrackBack", QRect(0, 0, 200, 480)}, {"lblTracksExit", kTracksKind.layout.exit},
      {"lblPrint", kTracksKind.layout.print},  {"imgTime", kTracksKind.layout.timeBasis},
      {"imgTracks", kTracksKind.layout.list},  {"imgLocalTime", QRect(88, 35, 20, 20)},
      {"imgUTTime", QRect(110, 35, 20, 20)}};
  for (const auto& [name, place] : places) {
    const auto* component = window->findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(component, nullptr) << name;
    EXPECT_EQ(component->geometry(), place) << name;
  }
  EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("imgLocalTime"))->isHidden());
  EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("imgUTTime"))->isHidden());
  EXPECT_TRUE(messages.plain.isEmpty());
}

TEST_F(SatTracksWindow, DrawsTheMainWindowsMonthInItsViewWhenActivated) {
  host.observation.set({.instantUT = MidMonth(2, 1900), .view = ViewKind::Binoculars});
  QEvent activation(QEvent::WindowActivate);
  QCoreApplication::sendEvent(window.get(), &activation);

  const TracksChart chart = ComputeTracksChart({2, 1900, ViewKind::Binoculars, true, {}});
  QImage expected = window->chartImage();
  DrawTracksChart(expected, chart,
                  ListFont(QGuiApplication::primaryScreen()->logicalDotsPerInch()));
  EXPECT_EQ(window->chartImage(), expected);
  EXPECT_EQ(componentImage("imgTime"), TimeBasisButton(false));
}

TEST_F(SatTracksWindow, FollowsTheTheoryOfPositions) {
  window->show();
  host.observation.set({.instantUT = MidMonth(12, 2026)});
  const auto drawn = [this](PositionTheory positions) {
    TracksInput input{12, 2026, ViewKind::AstroScope, true, {}};
    input.positions = positions;
    QImage chart = window->chartImage();
    DrawTracksChart(chart, ComputeTracksChart(input),
                    ListFont(QGuiApplication::primaryScreen()->logicalDotsPerInch()));
    return chart;
  };
  host.observation.set({.instantUT = MidMonth(12, 2026), .positions = PositionTheory::Modern});
  EXPECT_EQ(window->chartImage(), drawn(PositionTheory::Modern));
  EXPECT_NE(window->chartImage(), drawn(PositionTheory::Classic));
  host.observation.set({.instantUT = MidMonth(12, 2026), .positions = PositionTheory::Classic});
  EXPECT_EQ(window->chartImage(), drawn(PositionTheory::Classic));
}

TEST_F(SatTracksWindow, TogglingTheTimeBasisTwiceRestoresTheChartAndWritesTheSettingsTwice) {
  host.observation.set({.instantUT = MidMonth(1, 2000), .zoneOffset = -120});
  window->DrawTracks();
  const QImage universal = window->chartImage();

  window->imgTimeClick();
  EXPECT_TRUE(host.record.TracksLocalTime);
  EXPECT_EQ(host.saves, 1);
  ASSERT_EQ(settingsBytes(host).size(), 8u);
  EXPECT_EQ(settingsBytes(host)[5], 1);  // TracksLocalTime byte
  EXPECT_EQ(componentImage("imgTime"), TimeBasisButton(true));
  EXPECT_NE(window->chartImage(), universal);

  window->imgTimeClick();
  EXPECT_FALSE(host.record.TracksLocalTime);
  EXPECT_EQ(host.saves, 2);
  EXPECT_EQ(settingsBytes(host)[5], 0);
  EXPECT_EQ(componentImage("imgTime"), TimeBasisButton(false));
  EXPECT_EQ(window->chartImage(), universal);
}

TEST_F(SatTracksWindow, ExitTellsTheMainWindowAndHides) {
  window->show();
  window->exitClick();
  EXPECT_EQ(host.closings, 1);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(SatTracksWindow, PrintingAUniversalTimePageLeavesTheLocalTimeScreenChartAlone) {
  host.observation.set({.instantUT = MidMonth(1, 2000), .zoneOffset = 60});
  host.record.TracksLocalTime = true;
  window->DrawTracks();
  const QImage before = window->chartImage();

  QImage page(1240, 1754, QImage::Format_RGB32);
  QPainter painter(&page);
  DrawTracksPage(painter, page.size(), {1, 2000, ViewKind::AstroScope, true, {}});
  painter.end();
  EXPECT_EQ(window->chartImage(), before);
  window->DrawTracks();
  EXPECT_EQ(window->chartImage(), before);
}

// Points this process at a CUPS server that does not exist: the system offers no printer.
void UnplugPrinters(const QTemporaryDir& nowhere) {
  qputenv("CUPS_SERVER", (nowhere.path() + QStringLiteral("/no-cupsd.sock")).toLocal8Bit());
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
}

QString PdfText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

TEST_F(SatTracksWindow, WithoutAPrinterOffersAPdfAndCancelDoesNothing) {
  QTemporaryDir nowhere;
  UnplugPrinters(nowhere);
  SaveFileLog dialog;  // answers "" : Cancel
  host.observation.set({.instantUT = MidMonth(12, 2026)});
  window->DrawTracks();
  const QImage before = window->chartImage();

  window->lblPrintClick();
  EXPECT_EQ(
      dialog.offered,
      QStringList{
          QDir(PdfFolder(host.settings)).filePath(QStringLiteral("Kelvra95 Tracks 2026-12.pdf"))});
  EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join(u'\n').toStdString();
  EXPECT_TRUE(messages.plain.isEmpty());
  EXPECT_FALSE(QFile::exists(dialog.offered.value(0)));
  EXPECT_EQ(window->chartImage(), before);
  EXPECT_EQ(host.saves, 0);
  EXPECT_FALSE(
      QFile::exists(QString::fromStdString((host.directory() / kSettingsFileName).string())));
}

TEST_F(SatTracksWindow, WithoutAPrinterSavesTheSamePageAsAPdf) {
  QTemporaryDir nowhere;
  UnplugPrinters(nowhere);
  SaveFileLog dialog;
  dialog.answer = nowhere.filePath(QStringLiteral("chart.pdf"));
  host.observation.set({.instantUT = MidMonth(4, 2000)});

  window->lblPrintClick();
  EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join(u'\n').toStdString();
  ASSERT_EQ(dialog.offered.size(), 1);
  ASSERT_TRUE(QFile::exists(dialog.answer));
  const QString text = PdfText(dialog.answer);
  EXPECT_TRUE(text.contains(TracksTitle(4, 2000))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("--Ganymede"))) << text.toStdString();
  EXPECT_TRUE(text.contains(FooterLine().simplified())) << text.toStdString();
}

TEST_F(SatTracksWindow, WithoutAPrinterAFailedWriteSaysWhere) {
  QTemporaryDir nowhere;
  UnplugPrinters(nowhere);
  SaveFileLog dialog;
  dialog.answer = nowhere.filePath(QStringLiteral("no-such-folder/chart.pdf"));

  window->lblPrintClick();
  EXPECT_EQ(messages.errors,
            QStringList{QStringLiteral("The page could not be saved as a PDF.\nCannot write \"") +
                        dialog.answer + QStringLiteral("\".")});
  EXPECT_FALSE(QFile::exists(dialog.answer));
}

}  // namespace
}  // namespace kelvra
