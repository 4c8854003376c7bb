// Entry point of the window tests: one QApplication for the whole run, headless unless the
// environment says otherwise, and no modal message box ever opened.
#include <QApplication>
#include <QString>

#include <gtest/gtest.h>

namespace {

// The offscreen platform says so on every raise() of a side window: thousands of lines of noise.
QtMessageHandler qtHandler = nullptr;
void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text != QLatin1String("This plugin does not support raise()")) qtHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  qtHandler = qInstallMessageHandler(quietRaise);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
