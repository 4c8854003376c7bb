// The tracks window without its background picture. A program of its own, in a folder where
// Kelvra7.dat never lies, so that no other test loses the picture while it runs.
#include <QFile>

#include <gtest/gtest.h>

#include "tests/support/message_log.h"
#include "tests/tracks/test_host.h"
#include "ui/tracks/sat_tracks.h"

namespace kelvra {
namespace {

TEST(SatTracksWithoutBackground, ReportsTheMissingPictureAndIsNotUsable) {
  ASSERT_FALSE(QFile::exists(testing::BackgroundPicturePath()));
  testing::MessageLog messages;
  testing::FakeHost host;
  TSatTracks window(host.links());
  EXPECT_FALSE(window.isUsable());
  ASSERT_EQ(messages.plain.size(), 1);
  EXPECT_TRUE(messages.plain.front().contains(QStringLiteral("\"Kelvra7.dat\"")));
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace kelvra
