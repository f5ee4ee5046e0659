#include "engines/looping_image.h"

#include <gtest/gtest.h>

#include <string>

#include "engines/wave_test_host.h"
#include "platform/fake_looping_sound.h"

namespace pavodin {
namespace {

bool Play(FakeLoopingSound* sound, const std::string& image) {
  return PlayImageLooping(sound, reinterpret_cast<const uint8_t*>(image.data()), image.size());
}

TEST(LoopingImageTest, LoopsTheImagesSamplesInItsFormat) {
  FakeLoopingSound sound;
  // A tone image as the console builds it: 8-bit mono 11,025, whole periods.
  std::string samples;
  for (int k = 0; k < 20; ++k) samples += std::string(6, '\x60') + std::string(7, '\xA0');
  samples.back() = static_cast<char>(128);
  ASSERT_TRUE(Play(&sound, MakeWave(1, 11025, 8, samples)));
  EXPECT_EQ(sound.format, (SoundFormat{11025, 8, 1}));
  EXPECT_EQ(std::string(sound.looping.begin(), sound.looping.end()), samples);
  EXPECT_TRUE(sound.playing);
}

TEST(LoopingImageTest, ImagesWithoutSoundPlayNothing) {
  FakeLoopingSound sound;
  EXPECT_FALSE(Play(&sound, "RIFF but nothing else"));
  EXPECT_FALSE(Play(&sound, MakeWave(1, 11025, 8, "")));
  EXPECT_TRUE(sound.calls.empty());
}

}  // namespace
}  // namespace pavodin
