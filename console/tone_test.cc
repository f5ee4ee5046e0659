#include "console/tone.h"

#include <gtest/gtest.h>

#include <cstring>

namespace pavodin {
namespace {

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

TEST(ToneTest, EightHundredHertzIsASquareWaveOfWholePeriods) {
  const std::vector<uint8_t> image = BuildToneImage(800);
  ASSERT_GT(image.size(), 44u);
  const uint32_t data = static_cast<uint32_t>(image.size() - 44);
  EXPECT_EQ(std::memcmp(image.data(), "RIFF", 4), 0);
  EXPECT_EQ(Le32(&image[4]), data + 36);
  EXPECT_EQ(Le32(&image[24]), 11025u);
  EXPECT_EQ(image[34], 8);
  EXPECT_EQ(Le32(&image[40]), data);
  EXPECT_LE(image.size(), 11071u);

  // Period k starts at k*11025/800: 13 or 14 samples apart; 6 samples of 96 first.
  const uint8_t* s = image.data() + 44;
  for (int k = 0; k < 10; ++k) {
    const int start = k * 11025 / 800;
    const int next = (k + 1) * 11025 / 800;
    for (int i = start; i < next; ++i) EXPECT_EQ(s[i], i - start < 6 ? 96 : 160) << "sample " << i;
  }
  // The data ends at the start of the first period not written, whose
  // start s satisfies 44 + s > 11025 - 13; the last sample is 128.
  int k = 0;
  while (44 + k * 11025 / 800 <= 11025 - 13) ++k;
  EXPECT_EQ(data, static_cast<uint32_t>(k * 11025 / 800));
  EXPECT_EQ(image.back(), 128);
}

TEST(ToneTest, ExtremeFrequenciesStayInsideTheBuffer) {
  for (int f : {1, 2, 100, 5512, 11025, 0, 20000}) {
    const std::vector<uint8_t> image = BuildToneImage(f);
    EXPECT_LE(image.size(), 11071u) << f;
    EXPECT_EQ(Le32(&image[40]), image.size() - 44) << f;
  }
}

}  // namespace
}  // namespace pavodin
