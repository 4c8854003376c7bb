// Runs from a folder without the skin pictures.
#include <gtest/gtest.h>

#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "ui/common/jpeg_loader.h"
#include "ui/grs/grs_longitude.h"
#include "ui/grs/grs_transits.h"

namespace kelvra {
namespace {

TEST(GRSWithoutPictures, ReportsThemAndKeepsTheWindowClosed) {
  testing::MessageLog messages;
  testing::FakeHost host;
  TGRSTransits window(host.links());
  EXPECT_EQ(messages.plain, (QStringList{MissingFileMessage(QStringLiteral("Kelvra7.dat")),
                                         MissingFileMessage(QStringLiteral("Kelvra0.dat"))}));
  EXPECT_FALSE(window.isUsable());
  window.show();
  EXPECT_FALSE(window.isVisible());
  // The longitude can still be set in the bare dialog.
  window.longitudeDialog().show();
  EXPECT_TRUE(window.longitudeDialog().isVisible());
  EXPECT_EQ(window.longitudeDialog().size(), QSize(160, 113));
}

}  // namespace
}  // namespace kelvra
