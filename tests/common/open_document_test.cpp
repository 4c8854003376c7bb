// Help through xdg-open: a viewer that opens the file gives no message; xdg-open missing,
// ending with "no viewer found" (3), "the viewer failed" (4) or killed gives one naming the
// file. One attempt at a time, with a busy cursor; xdg-open is never killed by us.
#include "ui/common/open_document.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

#include "tests/support/message_log.h"

namespace kelvra {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A folder with a fake xdg-open in it, put first on PATH. The fake writes its argument down,
// waits until the test lets it go (or its folder has gone), marks that it was let go, and ends
// as the test chose.
class DocumentOpenerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    savedPath_ = qgetenv("PATH");
    fs::create_directories(tools());
    fs::create_directories(docs());
    std::ofstream(help()) << "<html></html>";
  }
  void TearDown() override {
    letGo();  // no fake outlives the test waiting
    qputenv("PATH", savedPath_);
  }

  fs::path top() const { return fs::path(folder_.path().toStdString()); }
  fs::path tools() const { return top() / "tools"; }
  fs::path docs() const { return top() / "lib dir" / "docs"; }
  fs::path help() const { return docs() / "Kelvra95.htm"; }

  // `ending` is the fake's last line: "exit N" or "kill -9 $$".
  void fakeXdgOpen(const std::string& ending) {
    fs::remove(top() / "go");
    fs::remove(top() / "let-go");
    const fs::path script = tools() / "xdg-open";
    std::ofstream(script) << "#!/bin/sh\n"
                          << "printf '%s' \"$1\" > '" << (top() / "argument").string() << "'\n"
                          << "while [ ! -e '" << (top() / "go").string() << "' ]; do [ -d '"
                          << top().string() << "' ] || exit 1; sleep 0.02; done\n"
                          << ": > '" << (top() / "let-go").string() << "'\n"
                          << ending << "\n";
    fs::permissions(script, fs::perms::owner_all);
    qputenv("PATH", QByteArray::fromStdString(tools().string()) + ":/usr/bin:/bin");
  }

  void letGo() { std::ofstream(top() / "go") << ""; }
  bool fakeWasLetGo() const { return fs::exists(top() / "let-go"); }

  static bool settles(const DocumentOpener& opener) {
    return QTest::qWaitFor([&] { return !opener.busy(); }, 20000);
  }
  // True once every xdg-open the opener started has ended and been collected.
  static bool collected(const DocumentOpener& opener) {
    return QTest::qWaitFor([&] { return opener.children().isEmpty(); }, 20000);
  }
  static bool cursorBusy() {
    return QGuiApplication::overrideCursor() != nullptr &&
           QGuiApplication::overrideCursor()->shape() == Qt::BusyCursor;
  }

  std::string argument() const {
    std::ifstream in(top() / "argument");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  testing::MessageLog log_;

 private:
  QTemporaryDir folder_;
  QByteArray savedPath_;
};

TEST_F(DocumentOpenerTest, MessageNamesTheFile) {
  const QString text = HelpNotOpenedMessage("/usr/lib/kelvra95/docs/Kelvra95.htm");
  EXPECT_TRUE(text.contains(QStringLiteral("/usr/lib/kelvra95/docs/Kelvra95.htm")));
  EXPECT_NE(text, QStringLiteral("Cannot find Help File"));
}

TEST_F(DocumentOpenerTest, ViewerThatOpensTheFileGivesNoMessage) {
  fakeXdgOpen("exit 0");
  DocumentOpener opener;
  ASSERT_TRUE(opener.open(help()));
  letGo();
  ASSERT_TRUE(settles(opener));
  EXPECT_TRUE(collected(opener));
  EXPECT_EQ(argument(), help().string());
  EXPECT_TRUE(log_.plain.isEmpty());
  EXPECT_TRUE(log_.errors.isEmpty());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(DocumentOpenerTest, NoViewerFailedViewerOrKilledOpenerNamesTheFile) {
  for (const std::string ending : {"exit 3", "exit 4", "exit 1", "kill -9 $$"}) {
    SCOPED_TRACE(ending);
    log_.plain.clear();
    fakeXdgOpen(ending);
    DocumentOpener opener;
    ASSERT_TRUE(opener.open(help()));
    // Returned while xdg-open still waits: nothing judged yet, the windows go on.
    EXPECT_TRUE(opener.busy());
    EXPECT_TRUE(log_.plain.isEmpty());
    letGo();
    ASSERT_TRUE(settles(opener));
    ASSERT_EQ(log_.plain.size(), 1);
    EXPECT_EQ(log_.plain[0], HelpNotOpenedMessage(help()));
    EXPECT_EQ(argument(), help().string());
  }
}

TEST_F(DocumentOpenerTest, MissingXdgOpenNamesTheFile) {
  qputenv("PATH", QByteArray::fromStdString(tools().string()));  // an empty folder
  DocumentOpener opener;
  EXPECT_TRUE(opener.open(help()));
  EXPECT_FALSE(opener.busy());
  ASSERT_EQ(log_.plain.size(), 1);
  EXPECT_EQ(log_.plain[0], HelpNotOpenedMessage(help()));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Three presses while a slow xdg-open runs: one xdg-open, one message at its end, and the
// cursor busy only meanwhile.
TEST_F(DocumentOpenerTest, OneAttemptAtATimeWithABusyCursor) {
  fakeXdgOpen("exit 3");
  DocumentOpener opener;
  ASSERT_TRUE(opener.open(help()));
  EXPECT_TRUE(cursorBusy());
  EXPECT_FALSE(opener.open(help()));
  EXPECT_FALSE(opener.open(help()));
  EXPECT_EQ(opener.children().size(), 1);
  letGo();
  ASSERT_TRUE(settles(opener));
  EXPECT_EQ(log_.plain.size(), 1);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  // Ready for the next press.
  fakeXdgOpen("exit 0");
  EXPECT_TRUE(opener.open(help()));
}

// No status within the patience: taken as a viewer that opened. Its failure, later, is not
// reported, and it is still collected.
TEST_F(DocumentOpenerTest, PatienceRunsOutSilently) {
  fakeXdgOpen("exit 3");
  DocumentOpener opener(nullptr, 200ms);
  ASSERT_TRUE(opener.open(help()));
  ASSERT_TRUE(settles(opener));
  EXPECT_FALSE(fakeWasLetGo());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  letGo();
  ASSERT_TRUE(collected(opener));
  EXPECT_TRUE(log_.plain.isEmpty());
}

// The program ending while xdg-open runs: the opener goes, xdg-open is left to finish.
TEST_F(DocumentOpenerTest, EndingWhileXdgOpenRunsLeavesItRunning) {
  fakeXdgOpen("exit 0");
  auto opener = std::make_unique<DocumentOpener>();
  ASSERT_TRUE(opener->open(help()));
  opener.reset();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  letGo();
  EXPECT_TRUE(QTest::qWaitFor([&] { return fakeWasLetGo(); }, 20000));
  EXPECT_TRUE(log_.plain.isEmpty());
}

}  // namespace
}  // namespace kelvra
