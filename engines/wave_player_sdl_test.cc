// The wave player on the real SDL device, with SDL's disk driver capturing
// the output to a file in real time.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "engines/wave_message_loop.h"
#include "engines/wave_player.h"
#include "engines/wave_test_host.h"
#include "platform/file_system.h"
#include "platform/message_source.h"
#include "platform/sdl_sound_device.h"

#include "testing/disk_audio_capture.h"

namespace pavodin {
namespace {

using Clock = std::chrono::steady_clock;

class WavePlayerSdlTest : public ::testing::Test {
 protected:
  // The captured output from the first sample that is not silence on.
  std::vector<uint8_t> CapturedSound(size_t* leading_silence) const {
    std::vector<uint8_t> bytes;
    if (FILE* f = std::fopen(capture_.path().c_str(), "rb")) {
      int c;
      while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
      std::fclose(f);
    }
    size_t first = 0;
    while (first < bytes.size() && bytes[first] == 128) ++first;
    *leading_silence = first;
    return std::vector<uint8_t>(bytes.begin() + first, bytes.end());
  }

  DiskAudioCapture capture_{"wave_player_sdl_test"};
};

TEST_F(WavePlayerSdlTest, FilePlaysWholeAndInRealTime) {
  const std::string samples = Ramp8(8820);  // 0.8 s at 11,025 per second
  MemoryFileSystem files;
  files.files["/p/a.wav"] = MakeWave(1, 11025, 8, samples);
  QueueMessageSource messages;
  WaveMessageLoop loop(&messages);
  double seconds = 0;
  {
    SdlSoundDevice device(&messages);
    WavePlayer player(&device, &files, loop.Host());
    loop.set_player(&player);
    const auto start = Clock::now();
    ASSERT_EQ(player.WavPlayFile("/p/a.wav"), 0);
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    EXPECT_FALSE(player.device_open());
  }
  // The call lasts as long as the sound (the disk driver keeps real time,
  // give or take its whole-millisecond pacing).
  EXPECT_GT(seconds, 0.65);
  EXPECT_LT(seconds, 1.6);

  size_t silence = 0;
  const std::vector<uint8_t> out = CapturedSound(&silence);
  EXPECT_LT(silence, 11025u / 5) << "sound started late";
  std::string expected = samples;
  expected.back() = static_cast<char>(128);  // blocks end on the centre
  ASSERT_GE(out.size(), expected.size());
  EXPECT_EQ(std::string(out.begin(), out.begin() + expected.size()), expected);
  for (size_t i = expected.size(); i < out.size(); ++i) ASSERT_EQ(out[i], 128) << i;
}

TEST_F(WavePlayerSdlTest, KeyPressStopsTheOutput) {
  const std::string image = MakeWave(1, 11025, 8, Ramp8(3 * 11025));  // 3 s
  MemoryFileSystem files;
  QueueMessageSource messages;
  WaveMessageLoop loop(&messages);
  double seconds = 0;
  {
    SdlSoundDevice device(&messages);
    WavePlayer player(&device, &files, loop.Host());
    loop.set_player(&player);
    const auto start = Clock::now();
    player.WavPlayImage(reinterpret_cast<const uint8_t*>(image.data()), image.size());
    std::thread typist([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      messages.Post(Message::KeyByte('a'));
    });
    while (player.WavIsPlaying()) messages.Wait();
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    typist.join();
    EXPECT_FALSE(player.device_open());
    EXPECT_EQ(player.pending(), 0);
  }
  EXPECT_LT(seconds, 1.0);
  EXPECT_EQ(loop.keys, std::deque<int>{'a'}) << "the key stays queued for its reader";

  size_t silence = 0;
  const std::vector<uint8_t> out = CapturedSound(&silence);
  // About 0.3 s was heard: a start that matches, and nothing near 3 s.
  ASSERT_GT(out.size(), 1000u);
  EXPECT_LT(out.size(), 11025u * 8 / 10);
  EXPECT_EQ(std::string(out.begin(), out.begin() + 1000), Ramp8(1000));
}

}  // namespace
}  // namespace pavodin
