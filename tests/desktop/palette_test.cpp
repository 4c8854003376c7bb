// The program's own fields whatever the system's palette: under a light and a dark palette of
// the kind a desktop sets, each field looks the same, its text readable on its background.
#include <QApplication>
#include <QLineEdit>
#include <QPalette>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/settings_place.h"
#include "ui/grs/grs_transits.h"
#include "ui/main/interval.h"
#include "ui/main/site_dialog.h"
#include "ui/main/viewer.h"

namespace kelvra {
namespace {

// Colour schemes as qt6ct ships them (/usr/share/qt6ct/colors), in QPalette::ColorRole order.
constexpr const char* kAiry =
    "#ff000000 #ffdcdcdc #ffdcdcdc #ff5e5c5b #ff646464 #ffe1e1e1 #ff000000 #ff0a0a0a #ff0a0a0a "
    "#ffc8c8c8 #ffffffff #ffe7e4e0 #ff0986d3 #ff0a0a0a #ff0986d3 #ffa70b06 #ff5c5b5a #ffffffff "
    "#ff646464 #ff050505 #80000000";
constexpr const char* kDarker =
    "#ffffffff #ff424245 #ff979797 #ff5e5c5b #ff302f2e #ff4a4947 #ffffffff #ffffffff #ffffffff "
    "#ff3d3d3d #ff222020 #ffe7e4e0 #ff12608a #fff9f9f9 #ff0986d3 #ffa70b06 #ff5c5b5a #ffffffff "
    "#ff3f3f36 #ffffffff #80ffffff";

QPalette SchemePalette(const char* scheme) {
  QPalette palette;
  const QStringList colours = QString::fromLatin1(scheme).split(' ');
  for (int role = 0; role < colours.size(); ++role)
    palette.setColor(static_cast<QPalette::ColorRole>(role), QColor(colours[role]));
  return palette;
}

// WCAG 2's relative luminance, 0 (black) .. 1 (white).
double Luminance(QRgb colour) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
         0.0722 * linear(qBlue(colour));
}

// Given: a field as drawn. Returns: WCAG 2's contrast ratio (1 .. 21) of the darkest and the
// lightest pixel of its left half inside the frame, where its text lies on its background.
double TextContrast(const QImage& field) {
  double darkest = 1, lightest = 0;
  for (int y = 3; y < field.height() - 3; ++y) {
    for (int x = 3; x < field.width() / 2; ++x) {
      darkest = std::min(darkest, Luminance(field.pixel(x, y)));
      lightest = std::max(lightest, Luminance(field.pixel(x, y)));
    }
  }
  return (lightest + 0.05) / (darkest + 0.05);
}

// Every window with fields, made as the program makes them under the system palette given.
struct ProgramWindows {
  explicit ProgramWindows(const char* scheme) {
    QApplication::setPalette(SchemePalette(scheme));
    testing::PrepareMainWindowStart();
    viewer = std::make_unique<TViewer>(parts.observation, parts.settings);
    site = std::make_unique<TSiteDialog>(std::nullopt, [](const std::optional<SiteSetting>&) {});
    interval = std::make_unique<TInterval>(minutes);
    grs = std::make_unique<TGRSTransits>(host.links());
  }

  // The field called `name` as the user sees it holding digits.
  QImage field(const char* name) const {
    for (QWidget* window :
         std::initializer_list<QWidget*>{viewer.get(), site.get(), interval.get(), grs.get()}) {
      if (auto* found = window->findChild<QWidget*>(QString::fromLatin1(name))) {
        if (auto* edit = qobject_cast<QLineEdit*>(found)) edit->setText(QStringLiteral("2048"));
        return found->grab().toImage();
      }
    }
    ADD_FAILURE() << "no field " << name;
    return {};
  }

  testing::MessageLog messages;
  std::uint16_t minutes = 15;
  testing::FakeHost host;
  testing::ProgramParts parts;
  std::unique_ptr<TViewer> viewer;
  std::unique_ptr<TSiteDialog> site;
  std::unique_ptr<TInterval> interval;
  std::unique_ptr<TGRSTransits> grs;
};

TEST(Palette, EveryFieldLooksTheSameAndReadsUnderALightAndADarkSystemPalette) {
  constexpr const char* kFields[] = {"txtDay",       "cmbMonth",  "txtYear",       "txtHour",
                                     "txtMinute",    "txtSecond", "cmbView",       "txtLatitude",
                                     "txtLongitude", "txtHeight", "txtMinJupiter", "txtMaxSun",
                                     "txtInterval",  "txtRSLong", "txtDrift",      "txtEpoch"};
  std::map<const char*, QImage> light;
  {
    const ProgramWindows windows(kAiry);
    for (const char* name : kFields) light[name] = windows.field(name);
  }
  const ProgramWindows windows(kDarker);
  for (const char* name : kFields) {
    const QImage dark = windows.field(name);
    EXPECT_TRUE(dark == light[name]) << name << " changes with the system palette";
    EXPECT_GE(TextContrast(light[name]), 4.5) << name << " under the light palette";
    EXPECT_GE(TextContrast(dark), 4.5) << name << " under the dark palette";
  }
}

}  // namespace
}  // namespace kelvra
