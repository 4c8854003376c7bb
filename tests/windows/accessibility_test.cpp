// What a screen reader finds of every window, read through QAccessible as the accessibility
// bus reads it: each control's role, name, key and press; the lists' lines against the
// pictures they are drawn in; the moons the eyepiece shows. (What the bus itself carries, a
// keyboard move in a list told to the reader, tests/e2e/read_aloud.sh hears.)
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "core/moon_event_list.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/events/moon_events_window.h"
#include "ui/grs/grs_longitude.h"
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

using Role = QAccessible::Role;

// What a reader calls a control: the label that points to it when there is one (Qt names a
// drop-down list under X11 so), else its own name.
QString spokenName(QAccessibleInterface& control) {
  const auto labels = control.relations(QAccessible::Label);
  return labels.isEmpty() ? control.text(QAccessible::Name)
                          : labels.front().first->text(QAccessible::Name);
}

// The program's windows as main.cpp makes them, and the dialogs they open, at J2000 (UT).
class ReadAloud : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::PrepareMainWindowStart();
    viewer = std::make_unique<TViewer>(parts.observation, parts.settings, SideWindowKinds());
    ASSERT_TRUE(viewer->startedUp());
    const SideWindowLinks links = parts.links(*viewer);
    viewer->addSideWindow(std::make_unique<TSatTracks>(links));
    grs = &viewer->addSideWindow(std::make_unique<TGRSTransits>(links));
    events = &viewer->addSideWindow(std::make_unique<TMoonEvents>(links));
    viewer->addSideWindow(std::make_unique<TLightCurve>(links));
    viewer->addSideWindow(std::make_unique<TRadio>(links));
    viewer->setOtherWindows(&interval, &about);
    viewer->show();
    for (const char* button : {"lblTracks", "lblGRS", "lblEvents", "lblLightCurve", "lblRadio"}) {
      QTest::mouseClick(viewer->findChild<QWidget*>(button), Qt::LeftButton);
    }
    grs->redraw();  // as their activation draws them
    events->redraw();
  }
  void TearDown() override {
    viewer.reset();
    SetClockForTesting({});
  }

  testing::MessageLog messages;
  testing::ProgramParts parts;
  std::unique_ptr<TViewer> viewer;
  TGRSTransits* grs = nullptr;
  TMoonEvents* events = nullptr;
  std::uint16_t minutes = 0;
  TInterval interval{minutes};
  TAboutWin about;
  TSiteDialog site{std::nullopt, [](const std::optional<SiteSetting>&) {}, nullptr};
};

struct Control {
  const char* window;   // the window's object name
  const char* control;  // the control's; null: the window itself
  Role role;
  const char* name;      // what a reader calls it
  const char* key = "";  // the key a button says it answers to
};

const Control kControls[] = {
    {"Viewer", nullptr, Role::Window, "Kelvra95"},
    {"Viewer", "txtDay", Role::EditableText, "Day"},
    {"Viewer", "cmbMonth", Role::ComboBox, "Month"},
    {"Viewer", "txtYear", Role::EditableText, "Year"},
    {"Viewer", "txtHour", Role::EditableText, "Hour"},
    {"Viewer", "txtMinute", Role::EditableText, "Minute"},
    {"Viewer", "txtSecond", Role::EditableText, "Second"},
    {"Viewer", "cmbView", Role::ComboBox, "View:"},
    {"Viewer", "imgNowButton", Role::Button, "Now", "Ctrl+N"},
    {"Viewer", "lblMagnify", Role::Button, "Magnify", "Ctrl++"},
    {"Viewer", "lblReduce", Role::Button, "Reduce", "Ctrl+-"},
    {"Viewer", "lblAnimate", Role::Button, "Animate", "F5"},
    {"Viewer", "lblStop", Role::Button, "Stop", "Shift+F5"},
    {"Viewer", "lblRealtime", Role::Button, "Real time", "Ctrl+R"},
    {"Viewer", "lblTracks", Role::Button, "Satellite tracks", "Ctrl+T"},
    {"Viewer", "lblGRS", Role::Button, "Great Red Spot transits", "Ctrl+G"},
    {"Viewer", "lblEvents", Role::Button, "Moon events", "Ctrl+M"},
    {"Viewer", "lblLightCurve", Role::Button, "Light curve", "Ctrl+J"},
    {"Viewer", "lblRadio", Role::Button, "Radio storms", "Ctrl+Shift+R"},
    {"Viewer", "lblHelp", Role::Button, "Help", "F1"},
    {"Viewer", "lblAbout", Role::Button, "About", "Ctrl+F1"},
    {"Viewer", "btnMinimise", Role::Button, "Minimise", "Ctrl+Shift+M"},
    {"Viewer", "btnExit", Role::Button, "Exit", "Ctrl+Q"},
    {"Viewer", "imgHemisphere", Role::Button, "Hemisphere", "Ctrl+H"},
    {"Viewer", "imgSideView", Role::Graphic, "Eyepiece view"},
    {"Viewer", "imgPlanView", Role::Graphic, "Plan view"},
    {"Viewer", "imgCompass", Role::Graphic, "Compass"},
    {"SatTracks", nullptr, Role::Window, "Kelvra95 \u2013 Tracks"},
    {"SatTracks", "lblPrint", Role::Button, "Print", "Ctrl+P"},
    {"SatTracks", "imgTime", Role::Button, "Universal or local time", "Ctrl+L"},
    {"SatTracks", "lblTracksExit", Role::Button, "Close", "Esc"},
    {"SatTracks", "imgTracks", Role::Chart, "Satellite tracks, January 2000, Universal Time"},
    {"GRSTransits", nullptr, Role::Window, "Kelvra95 \u2013 Red Spot"},
    {"GRSTransits", "lblPrint", Role::Button, "Print", "Ctrl+P"},
    {"GRSTransits", "imgTime", Role::Button, "Universal or local time", "Ctrl+L"},
    {"GRSTransits", "btnExit", Role::Button, "Close", "Esc"},
    {"GRSTransits", "imgLong", Role::Button, "Red Spot longitude", "Ctrl+,"},
    {"GRSTransits", "imgGRS", Role::List, "Great Red Spot transits, January 2000, Universal Time"},
    {"MoonEvents", nullptr, Role::Window, "Kelvra95 \u2013 Events"},
    {"MoonEvents", "lblPrint", Role::Button, "Print", "Ctrl+P"},
    {"MoonEvents", "imgTime", Role::Button, "Universal or local time", "Ctrl+L"},
    {"MoonEvents", "btnExit", Role::Button, "Close", "Esc"},
    {"MoonEvents", "imgVisibleOnly", Role::Button, "Only the events visible from the site",
     "Ctrl+Shift+V"},
    {"MoonEvents", "imgEvents", Role::List, "Moon events, January 2000, Universal Time"},
    {"LightCurve", nullptr, Role::Window, "Kelvra95 \u2013 Light curve"},
    {"LightCurve", "lblPrint", Role::Button, "Print", "Ctrl+P"},
    {"LightCurve", "imgTime", Role::Button, "Universal or local time", "Ctrl+L"},
    {"LightCurve", "btnExit", Role::Button, "Close", "Esc"},
    // J2000: the next season of mutual events is more than a year away.
    {"LightCurve", "imgLightCurve", Role::Chart, "Light curve, Universal Time"},
    {"Radio", nullptr, Role::Window, "Kelvra95 \u2013 Radio"},
    {"Radio", "lblPrint", Role::Button, "Print", "Ctrl+P"},
    {"Radio", "imgTime", Role::Button, "Universal or local time", "Ctrl+L"},
    {"Radio", "btnExit", Role::Button, "Close", "Esc"},
    {"Radio", "imgVisibleOnly", Role::Button, "Only the windows Jupiter is up for at the site",
     "Ctrl+Shift+V"},
    {"Radio", "imgMonthTrack", Role::Button, "The night's or the month's track", "Ctrl+Shift+N"},
    {"Radio", "imgRadio", Role::List, "Radio storms, January 2000, Universal Time"},
    {"Interval", nullptr, Role::Dialog, "Interval"},
    {"Interval", "txtInterval", Role::EditableText, "Interval in minutes"},
    {"AboutWin", nullptr, Role::Dialog, "About Kelvra95"},
    {"AboutWin", "btnExit", Role::Button, "Exit"},
    {"GRSLongitude", nullptr, Role::Dialog, "GRS Longitude"},
    {"GRSLongitude", "txtRSLong", Role::EditableText, "Longitude"},
    {"GRSLongitude", "txtDrift", Role::EditableText, "Drift"},
    {"GRSLongitude", "txtEpoch", Role::EditableText, "Date"},
    {"SiteDialog", nullptr, Role::Dialog, "Observing site"},
    {"SiteDialog", "txtLatitude", Role::EditableText, "Latitude"},
    {"SiteDialog", "txtLongitude", Role::EditableText, "Longitude"},
    {"SiteDialog", "txtHeight", Role::EditableText, "Height"},
    {"SiteDialog", "txtMinJupiter", Role::EditableText, "Jupiter's least altitude"},
    {"SiteDialog", "txtMaxSun", Role::EditableText, "Sun's greatest altitude"},
};

// Whether a reader must be able to name and use `widget`: a field, a drop-down list, a button
// drawn on a skin, a chart or a list drawn by hand.
bool isControl(QWidget& widget) {
  if (qobject_cast<QComboBox*>(widget.parentWidget()) != nullptr) return false;  // its own parts
  if (auto* target = qobject_cast<MouseTarget*>(&widget)) {
    auto* view = qobject_cast<ImageView*>(target);
    return target->isButton() || (view != nullptr && view->isSpoken());
  }
  return qobject_cast<QLineEdit*>(&widget) != nullptr ||
         qobject_cast<QComboBox*>(&widget) != nullptr;
}

TEST_F(ReadAloud, EveryControlOfEveryWindowSaysItsRoleNameAndKeyAndIsPressed) {
  std::map<QString, QWidget*> windows;
  for (QWidget* window : {static_cast<QWidget*>(viewer.get()), static_cast<QWidget*>(&interval),
                          static_cast<QWidget*>(&about), static_cast<QWidget*>(&site),
                          static_cast<QWidget*>(&grs->longitudeDialog())}) {
    windows[window->objectName()] = window;
  }
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (qobject_cast<SideWindowForm*>(window) != nullptr) windows[window->objectName()] = window;
  }
  std::set<std::pair<QString, QString>> listed;
  for (const Control& row : kControls) {
    const QString where = QStringLiteral("%1 %2").arg(row.window, row.control);
    ASSERT_TRUE(windows.count(row.window)) << where.toStdString();
    QWidget* widget = row.control == nullptr
                          ? windows[row.window]
                          : windows[row.window]->findChild<QWidget*>(row.control);
    ASSERT_NE(widget, nullptr) << where.toStdString();
    listed.emplace(row.window, QString::fromLatin1(row.control));
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(control, nullptr) << where.toStdString();
    EXPECT_EQ(control->role(), row.role) << where.toStdString();
    EXPECT_EQ(spokenName(*control), QString::fromUtf8(row.name)) << where.toStdString();
    if (row.role != Role::Button) continue;
    QAccessibleActionInterface* actions = control->actionInterface();
    ASSERT_NE(actions, nullptr) << where.toStdString();
    ASSERT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()})
        << where.toStdString();
    EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              *row.key == 0 ? QStringList{} : QStringList{QString::fromUtf8(row.key)})
        << where.toStdString();
    // Pressed by the reader, the button is clicked (its action held back: no box opens).
    auto* target = static_cast<MouseTarget*>(widget);
    const bool enabled = target->action() != nullptr && target->action()->isEnabled();
    if (target->action() != nullptr) target->action()->setEnabled(false);
    QSignalSpy clicks(target, &MouseTarget::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(clicks.wait(1000)) << where.toStdString();
    if (target->action() != nullptr) target->action()->setEnabled(enabled);
  }
  // No control of any window is left out of the table.
  for (const auto& [name, window] : windows) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      if (widget->window() != window || !isControl(*widget)) continue;
      EXPECT_TRUE(listed.count({name, widget->objectName()}))
          << name.toStdString() << " " << widget->objectName().toStdString();
    }
  }
  // Wayland names the windows by the desktop file's name, which the installation gives its
  // desktop entry.
  NameApplication();
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral(KELVRA_APP_ID));
  EXPECT_TRUE(messages.errors.isEmpty());
}

QRgb pixelAt(const QImage& image, QPoint at) {
  return image.pixel(at) & 0xffffff;
}

// Each list's items are its lines, in order, at the rows they are drawn in, with the selected
// line and those going on marked as the picture marks them, once the keys have moved the
// selection and the list has scrolled. The eyepiece says where each moon stands.
TEST_F(ReadAloud, ListsReadAsDrawnAndTheEyepieceSaysItsMoons) {
  QWidget* list = events->findChild<QWidget*>("imgEvents");
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(list);
  ASSERT_NE(spoken, nullptr);
  const std::vector<MoonEventLine>& lines = events->lines();
  // A transit's start out of sight below: the arrow keys go there, and the list scrolls.
  const std::size_t first = events->view().selected + 40;
  ASSERT_LT(first, lines.size());
  const auto transit = std::find_if(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end(),
                                    [](const MoonEventLine& line) {
                                      return !line.mutual && line.kind == MoonEventKind::Transit &&
                                             line.phase == MoonEventPhase::Start;
                                    });
  ASSERT_NE(transit, lines.end());
  const auto target = static_cast<std::size_t>(transit - lines.begin());
  while (events->view().selected < target) QTest::keyClick(events, Qt::Key_Down);
  // The main window halfway through the transit: the line is going on.
  viewer->setInstant(CalDate((transit->eventStart + transit->eventEnd) / 2, 0));

  const MoonEventListView& view = events->view();
  ASSERT_EQ(spoken->childCount(), static_cast<int>(lines.size()));
  const QPoint origin = list->mapToGlobal(QPoint(0, 0));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    QAccessibleInterface* item = spoken->child(static_cast<int>(i));
    const bool going = std::count(view.marked.begin(), view.marked.end(), i) > 0;
    EXPECT_EQ(item->text(QAccessible::Name),
              QString::fromStdString(FormatMoonEventLine(lines[i]).joined()));
    EXPECT_EQ(item->text(QAccessible::Description).contains("going on"), going) << i;
    EXPECT_EQ(item->state().selected, i == target) << i;
    const QRect row = item->rect().translated(-origin);
    EXPECT_EQ(item->state().offscreen, row.isEmpty()) << i;
    if (row.isEmpty()) continue;
    // The lit band of a line going on, the frame of the selected one, at the item's row.
    if (going) {
      EXPECT_EQ(pixelAt(events->listImage(), row.topLeft() + QPoint(1, 1)), 0x1e5458u) << i;
    }
    if (i == target) {
      EXPECT_EQ(pixelAt(events->listImage(), row.topLeft()), 0x78a0a0u) << i;
    }
  }
  EXPECT_TRUE(std::count(view.marked.begin(), view.marked.end(), target));
  EXPECT_GT(view.top, 0u);

  // The Red Spot list: a day a line, every other one banded grey from the first.
  QWidget* days = grs->findChild<QWidget*>("imgGRS");
  QAccessibleInterface* transits = QAccessible::queryAccessibleInterface(days);
  ASSERT_EQ(transits->childCount(), 31);  // January
  for (int i = 0; i < 31; ++i) {
    QAccessibleInterface* item = transits->child(i);
    EXPECT_TRUE(item->text(QAccessible::Name).startsWith(QString::number(i + 1) + ' ')) << i;
    const QPoint inside = item->rect().translated(-days->mapToGlobal(QPoint(0, 0))).topLeft();
    EXPECT_EQ(pixelAt(grs->listImage(), inside + QPoint(1, 1)), i % 2 == 0 ? 0x282828u : 0u) << i;
  }

  // Halfway through the transit, the eyepiece says its moon crosses the disc, and each moon
  // stands east or west as the data panel says.
  const QStringList moons = QAccessible::queryAccessibleInterface(viewer->imgSideView)
                                ->text(QAccessible::Description)
                                .split(QStringLiteral("; "))
                                .mid(1);
  ASSERT_EQ(moons.size(), 4);
  const char* names[] = {"Io", "Europa", "Ganymede", "Callisto"};
  for (int moon = 1; moon <= 4; ++moon) {
    const QString part = moons[moon - 1];
    EXPECT_TRUE(part.startsWith(QString::fromLatin1(names[moon - 1]) + ' ')) << part.toStdString();
    EXPECT_EQ(part.contains("crossing Jupiter's disc"), moon == transit->moon)
        << part.toStdString();
    const QString flag =
        viewer->findChild<QLabel*>(QStringLiteral("lbl%1EWF").arg(names[moon - 1]))->text();
    EXPECT_TRUE(part.contains(flag == " E" ? " radii east" : " radii west")) << part.toStdString();
  }
  EXPECT_TRUE(messages.errors.isEmpty());
}

}  // namespace
}  // namespace kelvra
