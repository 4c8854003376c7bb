// Help without a viewer: xdg-open missing from PATH, or ending with "no viewer found" (3),
// "the viewer failed" (4) or killed, gives a message naming the file; a viewer that opens it
// gives none. The call returns while xdg-open is still running.
#include "ui/common/open_document.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/message_log.h"

namespace kelvra {
namespace {

namespace fs = std::filesystem;

// A folder with a fake xdg-open in it, put first on PATH. The fake writes its argument down,
// waits until the test lets it go, and ends with the status the test chose.
class OpenHelpFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    savedPath_ = qgetenv("PATH");
    fs::create_directories(tools());
    fs::create_directories(docs());
    std::ofstream(help()) << "<html></html>";
  }
  void TearDown() override { qputenv("PATH", savedPath_); }

  fs::path top() const { return fs::path(folder_.path().toStdString()); }
  fs::path tools() const { return top() / "tools"; }
  fs::path docs() const { return top() / "lib dir" / "docs"; }
  fs::path help() const { return docs() / "Kelvra95.htm"; }

  // `ending` is the fake's last line: "exit N" or "kill -9 $$".
  void fakeXdgOpen(const std::string& ending) {
    const fs::path script = tools() / "xdg-open";
    std::ofstream(script) << "#!/bin/sh\n"
                          << "printf '%s' \"$1\" > '" << (top() / "argument").string() << "'\n"
                          << "while [ ! -e '" << (top() / "go").string() << "' ]; do sleep 0.02; done\n"
                          << ending << "\n";
    fs::permissions(script, fs::perms::owner_all);
    qputenv("PATH", QByteArray::fromStdString(tools().string()) + ":/usr/bin:/bin");
  }

  void letGo() { std::ofstream(top() / "go") << ""; }

  // Waits until the process has ended and been judged (it deletes itself then).
  static bool judged(QProcess* process) {
    QSignalSpy gone(process, &QObject::destroyed);
    return gone.wait(20000);
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

TEST_F(OpenHelpFileTest, MessageNamesTheFile) {
  const QString text = HelpNotOpenedMessage("/usr/lib/kelvra95/docs/Kelvra95.htm");
  EXPECT_TRUE(text.contains(QStringLiteral("/usr/lib/kelvra95/docs/Kelvra95.htm")));
  EXPECT_NE(text, QStringLiteral("Cannot find Help File"));
}

TEST_F(OpenHelpFileTest, ViewerThatOpensTheFileGivesNoMessage) {
  fakeXdgOpen("exit 0");
  QProcess* process = OpenHelpFile(help());
  letGo();
  ASSERT_TRUE(judged(process));
  EXPECT_EQ(argument(), help().string());
  EXPECT_TRUE(log_.plain.isEmpty());
  EXPECT_TRUE(log_.errors.isEmpty());
}

TEST_F(OpenHelpFileTest, NoViewerFailedViewerOrKilledOpenerNamesTheFile) {
  for (const std::string ending : {"exit 3", "exit 4", "exit 1", "kill -9 $$"}) {
    SCOPED_TRACE(ending);
    fs::remove(top() / "go");
    log_.plain.clear();
    fakeXdgOpen(ending);
    QProcess* process = OpenHelpFile(help());
    // Returned while xdg-open still waits: nothing judged yet, the windows go on.
    EXPECT_TRUE(log_.plain.isEmpty());
    letGo();
    ASSERT_TRUE(judged(process));
    ASSERT_EQ(log_.plain.size(), 1);
    EXPECT_EQ(log_.plain[0], HelpNotOpenedMessage(help()));
    EXPECT_EQ(argument(), help().string());
  }
}

TEST_F(OpenHelpFileTest, MissingXdgOpenNamesTheFile) {
  qputenv("PATH", QByteArray::fromStdString(tools().string()));  // an empty folder
  QProcess* process = OpenHelpFile(help());
  ASSERT_TRUE(judged(process));
  ASSERT_EQ(log_.plain.size(), 1);
  EXPECT_EQ(log_.plain[0], HelpNotOpenedMessage(help()));
}

}  // namespace
}  // namespace kelvra
