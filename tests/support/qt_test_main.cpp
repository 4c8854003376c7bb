// Entry point of the window tests: one QApplication for the whole run, headless unless the
// environment says otherwise, and no modal message box ever opened.
#include <QApplication>

#include <gtest/gtest.h>

#include "core/calendar.h"
#include "ui/common/clock.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The zone the program would have taken at its start, from the run's TZ: tools/test runs
  // the suite outside UTC, where a conversion that adds a zone twice shows.
  kelvra::TimeZoneOffset = kelvra::TimeZoneOffsetAt(kelvra::Now());
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
