// The program's keys and right-click menus: every action of a window is one QAction that its
// key, its menu entry and its button share. The offscreen screen is 800 pixels wide, so side
// windows open modally here (the wide screen is the end-to-end script's, tests/e2e/keys.sh).
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "core/data_panel.h"
#include "core/ephemeris.h"
#include "core/modern_positions.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/clock.h"
#include "ui/common/layout.h"
#include "ui/common/settings_place.h"
#include "ui/common/side_window.h"
#include "ui/common/side_window_kind.h"
#include "ui/common/widgets.h"
#include "ui/common/window_menu.h"
#include "ui/events/moon_events_window.h"
#include "ui/grs/grs_transits.h"
#include "ui/main/positions_setting.h"
#include "ui/main/viewer.h"
#include "ui/windows/side_windows.h"

namespace kelvra {
namespace {

// A side window that records what its actions asked of it, of a real window's kind: its place,
// its button and the key that opens it.
class SideRecorder : public SideWindowForm {
 public:
  SideRecorder(const SideWindowLinks& links, const SideWindowKind& kind)
      : SideWindowForm(links, kind, {kind.name, "imgBack", "btnExit", "imgList"}, nullptr,
                       nullptr) {}
  std::vector<ListMonth> printed;
  bool local = false;

 protected:
  void drawList(QImage&) override {}
  void print(std::uint16_t month, std::uint16_t year) override { printed.push_back({month, year}); }
  bool localTime() const override { return local; }
  void storeLocalTime(bool basis) override { local = basis; }
};

// The menu as the user reads it: "text<TAB>key" per entry, "-" per dividing line.
QStringList entries(QMenu& menu) {
  QStringList texts;
  for (const QAction* action : menu.actions()) {
    texts << (action->isSeparator()
                  ? QStringLiteral("-")
                  : action->text() + '\t' + action->shortcut().toString(QKeySequence::NativeText));
  }
  return texts;
}

// The entry `text` of the menu as it opens now.
const QAction& entry(WindowMenu& menu, const QString& text) {
  for (const QAction* action : menu.menu().actions()) {
    if (action->text() == text) return *action;
  }
  ADD_FAILURE() << "no entry " << text.toStdString();
  static const QAction none;
  return none;
}

bool checked(WindowMenu& menu, const QString& text) {
  return entry(menu, text).isChecked();
}

void press(QWidget* widget, QKeyCombination key) {
  QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

QString keyText(QKeyCombination key) {
  return QKeySequence(key).toString(QKeySequence::NativeText);
}

class KeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::PrepareMainWindowStart();
    viewer = std::make_unique<TViewer>(parts.observation, parts.settings, SideWindowKinds());
    ASSERT_TRUE(viewer->startedUp());
    // One of each kind the program has, in its order, with the key its kind gives.
    for (const SideWindowKind* kind : SideWindowKinds()) {
      sides.push_back(
          &viewer->addSideWindow(std::make_unique<SideRecorder>(parts.links(*viewer), *kind)));
    }
    ASSERT_GE(sides.size(), 2u);
    first = sides.front();
    last = sides.back();
    activateMain();
    viewer->setInstant(viewer->instant());
  }
  void TearDown() override {
    viewer.reset();
    SetClockForTesting({});
  }

  void activateMain() {
    viewer->show();
    viewer->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer.get()));
  }
  // The hour field with the focus and `typed` in it, not yet left.
  void typeHour(const char* typed) {
    viewer->txtHour->setFocus(Qt::OtherFocusReason);
    viewer->txtHour->selectAll();
    QTest::keyClicks(viewer->txtHour, QString::fromLatin1(typed));
  }
  // A side window opened from the hour field by `key`: shown modally on this narrow screen.
  void openFromHour(QKeyCombination key, SideRecorder& side) {
    press(viewer->txtHour, key);
    ASSERT_TRUE(side.isVisible());
    ASSERT_TRUE(side.isModal());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&side));
  }
  QWidget* button(const char* name) {
    return viewer->findChild<QWidget*>(QString::fromLatin1(name));
  }

  testing::MessageLog messages;
  testing::ProgramParts parts;
  std::unique_ptr<TViewer> viewer;
  std::vector<SideRecorder*> sides;  // owned by the viewer
  SideRecorder* first = nullptr;
  SideRecorder* last = nullptr;
};

TEST_F(KeysTest, FixedKeysWorkFromAFocusedTimeFieldAndAModalSideWindowKeepsOnlyItsOwn) {
  ASSERT_FALSE(std::filesystem::exists(ProgramDirectory() / "docs"));  // so F1 reports it
  typeHour("05");
  openFromHour(last->kind().openKey, *last);
  EXPECT_EQ(viewer->instant().hour, 5);  // the typed hour was taken first, as a click takes it
  // Until it closes, the main window's keys do nothing; its own do.
  press(last, first->kind().openKey);
  press(last, Qt::CTRL | Qt::Key_Plus);
  EXPECT_FALSE(first->isVisible());
  EXPECT_EQ(viewer->magnification(), 1.0);
  press(last, Qt::CTRL | Qt::Key_P);
  press(last, Qt::CTRL | Qt::Key_L);
  ASSERT_EQ(last->printed.size(), 1u);
  EXPECT_EQ(last->printed[0].month, 1);
  EXPECT_EQ(last->printed[0].year, 2000);
  EXPECT_TRUE(last->local);
  press(last, Qt::Key_Escape);
  EXPECT_FALSE(last->isVisible());

  activateMain();  // as a window manager does when a window closes

  typeHour("06");
  for (SideRecorder* side : sides) {  // each opens by its own key, and closes by Escape
    if (side == last) continue;
    openFromHour(side->kind().openKey, *side);
    press(side, Qt::Key_Escape);
    activateMain();
  }
  for (SideRecorder* side : sides) EXPECT_FALSE(side->isVisible()) << side->kind().name;

  typeHour("07");
  press(viewer->txtHour, Qt::CTRL | Qt::Key_Plus);
  EXPECT_EQ(viewer->instant().hour, 7);
  EXPECT_EQ(viewer->magnification(), 1.5);
  press(viewer->txtHour, Qt::CTRL | Qt::Key_Equal);
  EXPECT_EQ(viewer->magnification(), 2.0);
  press(viewer->txtHour, Qt::CTRL | Qt::Key_Minus);
  EXPECT_EQ(viewer->magnification(), 1.5);
  press(viewer->txtHour, Qt::Key_F1);
  EXPECT_EQ(messages.plain, QStringList{"Cannot find Help File"});
  EXPECT_TRUE(messages.errors.isEmpty());
}

// X11's line edits take more keys than the offscreen platform's (Ctrl+E, Ctrl+K, Ctrl+U): a
// shortcut on one of them would win over the field there, so no window's action may use one.
TEST_F(KeysTest, NoActionTakesAKeyTheFieldsEditWith) {
  const QList<QKeySequence> fieldKeys = {Qt::CTRL | Qt::Key_A,
                                         Qt::CTRL | Qt::Key_C,
                                         Qt::CTRL | Qt::Key_V,
                                         Qt::CTRL | Qt::Key_X,
                                         Qt::CTRL | Qt::Key_Z,
                                         Qt::CTRL | Qt::Key_Y,
                                         Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
                                         Qt::CTRL | Qt::Key_D,
                                         Qt::CTRL | Qt::Key_E,
                                         Qt::CTRL | Qt::Key_K,
                                         Qt::CTRL | Qt::Key_U,
                                         Qt::SHIFT | Qt::Key_Insert,
                                         Qt::CTRL | Qt::Key_Insert,
                                         Qt::SHIFT | Qt::Key_Delete,
                                         QKeySequence(Qt::Key_Delete),
                                         QKeySequence(Qt::Key_Backspace),
                                         QKeySequence(Qt::Key_Left),
                                         QKeySequence(Qt::Key_Right),
                                         QKeySequence(Qt::Key_Home),
                                         QKeySequence(Qt::Key_End),
                                         QKeySequence(Qt::Key_Tab),
                                         QKeySequence(Qt::Key_Return),
                                         QKeySequence(Qt::Key_Enter),
                                         QKeySequence(Qt::Key_Escape)};
  TGRSTransits& realGRS =
      viewer->addSideWindow(std::make_unique<TGRSTransits>(parts.links(*viewer)));
  TMoonEvents& realEvents =
      viewer->addSideWindow(std::make_unique<TMoonEvents>(parts.links(*viewer)));
  int keys = 0;
  QList<QKeySequence> mainKeys, sideKeys;  // the main window's keys work from every window
  for (QWidget* window :
       std::initializer_list<QWidget*>{viewer.get(), last, &realGRS, &realEvents}) {
    for (const QAction* action : window->actions()) {
      for (const QKeySequence& key : action->shortcuts()) {
        ++keys;
        if (window == viewer.get()) {
          EXPECT_FALSE(mainKeys.contains(key)) << "twice: " << key.toString().toStdString();
          mainKeys << key;
        } else {
          sideKeys << key;
        }
        // A side window holds no field: Escape closes it.
        if (window != viewer.get() && key == QKeySequence(Qt::Key_Escape)) continue;
        EXPECT_FALSE(fieldKeys.contains(key)) << key.toString().toStdString();
      }
    }
  }
  EXPECT_GE(keys, 20);
  for (const QKeySequence& key : mainKeys) {
    if (key == QKeySequence(Qt::SHIFT | Qt::Key_F10)) continue;  // each window's own menu
    EXPECT_FALSE(sideKeys.contains(key)) << "main and side: " << key.toString().toStdString();
  }

  EXPECT_TRUE(mainKeys.contains(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  EXPECT_TRUE(mainKeys.contains(Qt::CTRL | Qt::SHIFT | Qt::Key_P));

  // And the field does its own work with them.
  viewer->txtYear->setFocus(Qt::OtherFocusReason);
  press(viewer->txtYear, Qt::CTRL | Qt::Key_A);
  EXPECT_EQ(viewer->txtYear->selectedText(), "2000");
  press(viewer->txtYear, Qt::Key_Delete);
  EXPECT_EQ(viewer->txtYear->text(), "");
  QTest::keyClicks(viewer->txtYear, "1999");
  press(viewer->txtYear, Qt::Key_Home);
  press(viewer->txtYear, Qt::Key_Delete);
  EXPECT_EQ(viewer->txtYear->text(), "999");
}

TEST_F(KeysTest, MenuListsEachActionOnceWithItsKeyAndTheTogglesState) {
  // The side windows' openers first, in the list's order, each with its kind's key.
  QStringList opening;
  for (const SideWindowKind* kind : SideWindowKinds())
    opening << QString::fromUtf8(kind->buttonHint) + '\t' + keyText(kind->openKey);
  EXPECT_EQ(
      entries(viewer->menu().menu()),
      opening + QStringList({"-", "Now\tCtrl+N", "Real time\tCtrl+R", "Animate\u2026\tF5",
                             "Stop\tShift+F5", "-", "Magnify\tCtrl++", "Reduce\tCtrl+-",
                             "Southern hemisphere\tCtrl+H", "Modern positions\tCtrl+Shift+P",
                             "Observing site\u2026\tCtrl+Shift+L", "-", "Help\tF1",
                             "About\tCtrl+F1", "-", "Minimise\tCtrl+Shift+M", "Exit\tCtrl+Q"}));
  EXPECT_EQ(entries(last->menu().menu()),
            QStringList({"Local time\tCtrl+L", "-", "Print\tCtrl+P", "-", "Close\tEsc"}));

  WindowMenu& menu = viewer->menu();
  EXPECT_FALSE(checked(menu, "Real time"));
  QTest::mouseClick(button("lblRealtime"), Qt::LeftButton);
  EXPECT_TRUE(checked(menu, "Real time"));
  EXPECT_FALSE(button("imgNowButton")->isEnabled());
  EXPECT_FALSE(entry(menu, "Now").isEnabled());  // greyed with its button
  // Animating stops real time without the toggle being used.
  viewer->animationInterval() = 60;
  viewer->StartAnimation();
  EXPECT_FALSE(checked(menu, "Real time"));
  viewer->lblStopClick();

  press(viewer->txtDay, Qt::CTRL | Qt::Key_H);
  EXPECT_TRUE(checked(menu, "Southern hemisphere"));
  EXPECT_FALSE(parts.observation.value().northernHemisphere);
  QTest::mouseClick(button("imgHemisphere"), Qt::LeftButton);
  EXPECT_FALSE(checked(menu, "Southern hemisphere"));

  last->show();
  EXPECT_FALSE(checked(last->menu(), "Local time"));
  QTest::mouseClick(last->findChild<QWidget*>("imgTime"), Qt::LeftButton);
  EXPECT_TRUE(checked(last->menu(), "Local time"));
}

// Each button triggers its menu entry's action and no other, with the left button only: a right
// click once clicked too, so that a right click on Exit ended the program.
TEST_F(KeysTest, EachButtonIsItsEntrysActionNamedWithItsKey) {
  const std::vector<QAction*> actions = viewer->menu().actions();
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  for (QAction* action : actions)
    spies.push_back(std::make_unique<QSignalSpy>(action, &QAction::triggered));
  const auto total = [&] {
    int count = 0;
    for (const auto& spy : spies) count += static_cast<int>(spy->count());
    return count;
  };
  // No button of their own: the skin stays as it was.
  const QStringList menuOnly{QStringLiteral("Modern positions"),
                             QStringLiteral("Observing site\u2026")};
  for (std::size_t i = 0; i < actions.size(); ++i) {
    const QString hint = ActionHint(*actions[i]);
    QList<MouseTarget*> buttons;
    for (MouseTarget* target : viewer->findChildren<MouseTarget*>()) {
      if (target->toolTip() == hint) buttons << target;
    }
    if (menuOnly.contains(actions[i]->text())) {
      EXPECT_TRUE(buttons.isEmpty());
      continue;
    }
    ASSERT_EQ(buttons.size(), 1) << hint.toStdString();
    EXPECT_EQ(buttons[0]->toolTip(), hint);
    QTest::mouseClick(buttons[0], Qt::RightButton);
    QTest::mouseClick(buttons[0], Qt::MiddleButton);
    EXPECT_EQ(total(), 0) << hint.toStdString();
    if (actions[i]->text() == "Exit" || actions[i]->text() == "Minimise") continue;
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    EXPECT_EQ(spies[i]->count(), 1) << hint.toStdString();
    EXPECT_EQ(total(), 1) << hint.toStdString();
    spies[i]->clear();
    for (SideRecorder* side : sides) {
      if (side->isVisible()) side->exitClick();
    }
  }
  const QString lastHint = QString::fromUtf8(last->kind().buttonHint);
  EXPECT_EQ(ActionHint(entry(viewer->menu(), lastHint)),
            lastHint + " (" + keyText(last->kind().openKey) + ')');
  EXPECT_EQ(ActionHint(entry(viewer->menu(), "Animate\u2026")), "Animate (F5)");
  EXPECT_EQ(ActionHint(entry(viewer->menu(), "Southern hemisphere")), "Hemisphere (Ctrl+H)");
}

// Ctrl+Shift+P switches every view between the two theories, keeps the choice in Kelvra95.ini
// for the next start and captions the data panel while the modern positions are on.
TEST_F(KeysTest, PositionsSwitchTheDataPanelAndAreKeptInTheIniFile) {
  viewer->setInstant({2026, 12, 15, 21, 40, 0});
  const JulianDay jd = parts.observation.value().instantUT;
  const char point = QLocale::system().decimalPoint().at(0).toLatin1();
  auto* io = viewer->findChild<QLabel*>(QStringLiteral("lblIoEW"));
  auto* callisto = viewer->findChild<QLabel*>(QStringLiteral("lblCallistoNS"));
  auto* caption = viewer->findChild<QLabel*>(QStringLiteral("lblPositions"));
  ASSERT_TRUE(io != nullptr && callisto != nullptr && caption != nullptr);
  JupiterState classic;
  c(jd, classic);
  const DataPanelText classicText = FormatDataPanel(classic, point);
  const DataPanelText modernText = FormatDataPanel(ModernPositionsAt(jd).state, point);
  ASSERT_NE(classicText.satellites[3].northSouth, modernText.satellites[3].northSouth);
  EXPECT_EQ(io->text().toStdString(), classicText.satellites[0].eastWest);
  EXPECT_FALSE(caption->isVisible());

  QSettings& ini = parts.settings.ini();
  press(viewer->txtDay, Qt::CTRL | Qt::SHIFT | Qt::Key_P);
  EXPECT_TRUE(checked(viewer->menu(), "Modern positions"));
  EXPECT_EQ(parts.observation.value().positions, PositionTheory::Modern);
  EXPECT_EQ(io->text().toStdString(), modernText.satellites[0].eastWest);
  EXPECT_EQ(callisto->text().toStdString(), modernText.satellites[3].northSouth);
  EXPECT_TRUE(caption->isVisible());
  EXPECT_EQ(ini.value("View/Positions").toString(), "modern");

  {  // The next start reads it.
    testing::ProgramParts nextRun;
    TViewer next(nextRun.observation, nextRun.settings, SideWindowKinds());
    EXPECT_EQ(nextRun.observation.value().positions, PositionTheory::Modern);
  }

  press(viewer->txtDay, Qt::CTRL | Qt::SHIFT | Qt::Key_P);
  EXPECT_FALSE(checked(viewer->menu(), "Modern positions"));
  EXPECT_EQ(io->text().toStdString(), classicText.satellites[0].eastWest);
  EXPECT_EQ(callisto->text().toStdString(), classicText.satellites[3].northSouth);
  EXPECT_FALSE(caption->isVisible());
  EXPECT_EQ(ini.value("View/Positions").toString(), "classic");
  EXPECT_TRUE(messages.plain.isEmpty() && messages.errors.isEmpty());
}

TEST(PositionsSetting, ReadsModernInAnySpellingAndAnythingElseAsClassic) {
  QTemporaryDir folder;
  QSettings ini(folder.filePath(QStringLiteral("Kelvra95.ini")), QSettings::IniFormat);
  EXPECT_EQ(kPositionsKey.read(ini), PositionTheory::Classic);  // missing
  const struct {
    const char* text;
    PositionTheory read;
  } cases[] = {{"modern", PositionTheory::Modern}, {" Modern ", PositionTheory::Modern},
               {"MODERN", PositionTheory::Modern}, {"classic", PositionTheory::Classic},
               {"modem", PositionTheory::Classic}, {"", PositionTheory::Classic},
               {"1", PositionTheory::Classic}};
  for (const auto& c : cases) {
    ini.setValue(QString::fromLatin1(kPositionsKey.name), QString::fromLatin1(c.text));
    EXPECT_EQ(kPositionsKey.read(ini), c.read) << c.text;
  }
  ini.setValue(QString::fromLatin1(kPositionsKey.name), QStringList{"modern", "classic"});
  EXPECT_EQ(kPositionsKey.read(ini), PositionTheory::Classic);  // an unquoted comma
  kPositionsKey.write(ini, PositionTheory::Modern);
  ini.sync();
  QSettings again(ini.fileName(), QSettings::IniFormat);
  EXPECT_EQ(again.value("View/Positions").toString(), "modern");
  EXPECT_EQ(kPositionsKey.read(again), PositionTheory::Modern);
}

TEST_F(KeysTest, MenuOpensOnARightClickAndFromTheKeyboardButNotOverAFieldOrTheHandle) {
  QMenu& menu = viewer->menu().menu();
  const auto contextMenu = [](QWidget* widget, QContextMenuEvent::Reason reason) {
    QContextMenuEvent request(reason, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &request);
  };
  const auto closeMenu = [&] {
    ASSERT_TRUE(menu.isVisible());
    QTest::keyClick(&menu, Qt::Key_Escape);
    EXPECT_FALSE(menu.isVisible());
  };
  contextMenu(button("btnExit"), QContextMenuEvent::Mouse);
  closeMenu();
  contextMenu(viewer->imgSideView, QContextMenuEvent::Mouse);
  closeMenu();

  // Over a field its own editing menu opens instead.
  contextMenu(viewer->txtDay, QContextMenuEvent::Mouse);
  QWidget* fieldMenu = QApplication::activePopupWidget();
  EXPECT_NE(fieldMenu, nullptr);
  EXPECT_NE(fieldMenu, &menu);
  if (fieldMenu != nullptr) fieldMenu->close();

  // The menu key (X sends it to the focused widget) and Shift+F10 from a field.
  viewer->txtHour->setFocus(Qt::OtherFocusReason);
  contextMenu(viewer->txtHour, QContextMenuEvent::Keyboard);
  closeMenu();
  press(viewer->txtHour, Qt::SHIFT | Qt::Key_F10);
  closeMenu();

  // The drag handle drags with the right button too, and opens nothing.
  QWidget* handle = button("lblKelvra95");
  const QPoint from = viewer->pos();
  QTest::mousePress(handle, Qt::RightButton, {}, QPoint(10, 10));
  contextMenu(handle, QContextMenuEvent::Mouse);
  QTest::mouseMove(handle, QPoint(15, 13));
  QTest::mouseRelease(handle, Qt::RightButton, {}, QPoint(15, 13));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(viewer->pos(), from + QPoint(5, 3));

  // A side window's menu, over its print button, prints nothing.
  last->show();
  QMenu& sideMenu = last->menu().menu();
  QWidget* print = last->findChild<QWidget*>("lblPrint");
  QTest::mouseClick(print, Qt::RightButton);
  contextMenu(print, QContextMenuEvent::Mouse);
  EXPECT_TRUE(sideMenu.isVisible());
  EXPECT_TRUE(last->printed.empty());
}

}  // namespace
}  // namespace kelvra
