#include "speech/signal_sounds.h"

#include <gtest/gtest.h>

namespace pavodin {
namespace {

TEST(SignalSoundsTest, BeepAndClickSamples) {
  const std::vector<uint8_t> beep = BeepImage();
  ASSERT_EQ(beep.size(), 44u + 512u);
  EXPECT_EQ(std::vector<uint8_t>(beep.begin() + 44, beep.begin() + 52),
            (std::vector<uint8_t>{128, 112, 96, 80, 64, 80, 96, 112}));
  EXPECT_EQ(beep[44 + 511], 128);
  EXPECT_EQ(beep[44 + 510], 96);
  EXPECT_EQ(beep[40] | beep[41] << 8, 512);

  const std::vector<uint8_t> click = ClickImage(12345);
  ASSERT_EQ(click.size(), 44u + 256u);
  int distinct = 0;
  for (size_t i = 44; i < 44 + 64; ++i) {
    EXPECT_GE(click[i], 128);
    EXPECT_LE(click[i], 187);
    distinct += click[i] != click[44];
  }
  EXPECT_GT(distinct, 10);  // noise, not a constant
  for (size_t i = 44 + 64; i < click.size(); ++i) EXPECT_EQ(click[i], 128);
}

}  // namespace
}  // namespace pavodin
