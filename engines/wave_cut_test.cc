#include "engines/wave_cut.h"

#include <gtest/gtest.h>

#include <vector>

namespace pavodin {
namespace {

// A pulse train: one peak of 200 at the start of each period (offset 10),
// a marker naming the period just after it, the centre 128 elsewhere.
std::vector<uint8_t> Pulses(size_t count, size_t period) {
  std::vector<uint8_t> s(count, 128);
  for (size_t k = 0; k * period + 11 < count; ++k) {
    s[k * period + 10] = 200;
    s[k * period + 11] = static_cast<uint8_t>(150 + k % 40);
  }
  return s;
}

TEST(WaveCutTest, KeepsEveryOtherPeriodAt11025) {
  std::vector<uint8_t> s = Pulses(2000, 100);
  const std::vector<uint8_t> original = s;
  // First peak at 210 (the first of two equal peaks in 200..330); then the
  // periods starting at 310, 510, ... are kept whole (peak to peak, 101
  // samples) while P < 2000 - 260: eight of them.
  ASSERT_EQ(WavCutPeriods(s.data(), s.size(), 8, 11025), 210u + 8 * 101);
  for (size_t i = 0; i < 210; ++i) ASSERT_EQ(s[i], original[i]) << i;
  for (size_t j = 0; j < 8; ++j) {
    const size_t kept_start = 310 + 200 * j;
    for (size_t i = 0; i <= 100; ++i)
      ASSERT_EQ(s[210 + 101 * j + i], original[kept_start + i]) << j << " " << i;
  }
}

TEST(WaveCutTest, UsesFourTimesTheDistancesAtOtherRates) {
  std::vector<uint8_t> s = Pulses(4000, 400);
  const std::vector<uint8_t> original = s;
  // First peak 810; kept periods 1210..1610, 2010..2410, 2810..3210.
  ASSERT_EQ(WavCutPeriods(s.data(), s.size(), 8, 22050), 810u + 3 * 401);
  EXPECT_EQ(s[810 + 1], original[1211]);
  EXPECT_EQ(s[810 + 401 + 1], original[2011]);
  EXPECT_EQ(s[810 + 2 * 401 + 1], original[2811]);
  // Only the low 16 bits of the rate count.
  std::vector<uint8_t> t = Pulses(2000, 100);
  EXPECT_EQ(WavCutPeriods(t.data(), t.size(), 8, 11025 + 65536), 210u + 8 * 101);
}

TEST(WaveCutTest, TailRunsWhileTheSampleAboutToBeOverwrittenIsFarFromCentre) {
  std::vector<uint8_t> s = Pulses(2000, 100);
  // Where the output ends (1018), the old sound is far from 128 for 8
  // samples: the tail copies from the last peak (1810) on for those 8, even
  // though the copied samples themselves are back at 128 after two.
  for (size_t i = 1018; i < 1026; ++i) s[i] = 60;
  const std::vector<uint8_t> original = s;
  ASSERT_EQ(WavCutPeriods(s.data(), s.size(), 8, 11025), 1026u);
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(s[1018 + i], original[1810 + i]) << i;
}

TEST(WaveCutTest, SixteenBitSoundBecomesEightBitAndShortSoundIsOnlyConverted) {
  // 999 samples (1,998 bytes): converted, not cut.
  std::vector<uint8_t> s(1998);
  const int16_t values[] = {0x1234, -1, -32768, 32767, 0};
  const uint8_t expected[] = {0x92, 0x7F, 0x00, 0xFF, 0x80};
  for (size_t i = 0; i < 999; ++i) {
    const uint16_t v = static_cast<uint16_t>(values[i % 5]);
    s[2 * i] = v & 0xFF;
    s[2 * i + 1] = v >> 8;
  }
  ASSERT_EQ(WavCutPeriods(s.data(), s.size(), 16, 11025), 999u);
  for (size_t i = 0; i < 999; ++i) ASSERT_EQ(s[i], expected[i % 5]) << i;

  // 16-bit pulses of 2,000 samples cut exactly like their 8-bit form.
  const std::vector<uint8_t> pulses = Pulses(2000, 100);
  std::vector<uint8_t> wide(4000);
  for (size_t i = 0; i < 2000; ++i) {
    wide[2 * i] = 0x55;
    wide[2 * i + 1] = pulses[i] ^ 0x80;
  }
  std::vector<uint8_t> narrow = pulses;
  const size_t n = WavCutPeriods(narrow.data(), narrow.size(), 8, 11025);
  ASSERT_EQ(WavCutPeriods(wide.data(), wide.size(), 16, 11025), n);
  EXPECT_TRUE(std::equal(narrow.begin(), narrow.begin() + n, wide.begin()));
}

TEST(WaveCutTest, FlatOrShortSoundsEndInsideTheBuffer) {
  struct Case {
    size_t count;
    uint8_t level;
    int rate;
  } cases[] = {
      {2000, 0, 11025},    // nothing above 0: the scan still moves on
      {2000, 128, 11025},
      {5000, 255, 22050},  // always far from centre: the tail stops at the end
      {1100, 200, 22050},  // the first search would reach past the end
      {1000, 0, 8000},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> s(c.count, c.level);
    const size_t n = WavCutPeriods(s.data(), s.size(), 8, c.rate);
    EXPECT_LE(n, c.count) << c.count << " " << int{c.level};
    EXPECT_GT(n, 0u);
  }
}

}  // namespace
}  // namespace pavodin
