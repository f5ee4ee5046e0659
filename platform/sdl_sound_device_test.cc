#include "platform/sdl_sound_device.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/sdl_looping_sound.h"

#include "testing/disk_audio_capture.h"

namespace pavodin {
namespace {

// Runs SDL's disk audio driver into a file of its own for each test, so no
// sound hardware is needed.
class SdlSoundDeviceTest : public ::testing::Test {
 protected:
  std::vector<uint8_t> Captured() const {
    std::vector<uint8_t> bytes;
    if (FILE* f = std::fopen(capture_.path().c_str(), "rb")) {
      int c;
      while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
      std::fclose(f);
    }
    return bytes;
  }

  std::vector<Message> WaitForDone(QueueMessageSource* messages, size_t count) {
    std::vector<Message> done;
    while (done.size() < count) {
      messages->Wait();
      Message m;
      while (messages->Peek(&m))
        if (m.kind == MessageKind::kWaveDone) done.push_back(m);
    }
    return done;
  }

  DiskAudioCapture capture_{"sdl_sound_device_test"};
};

TEST_F(SdlSoundDeviceTest, PlaysBlocksInOrderAndReportsEachOnce) {
  QueueMessageSource messages;
  std::vector<uint8_t> a(2000, 10), b(1000, 20);
  {
    SdlSoundDevice device(&messages);
    ASSERT_EQ(device.Open(SoundFormat{11025, 8, 1}), kSoundOk);
    EXPECT_EQ(device.Open(SoundFormat{11025, 8, 1}), kSoundError) << "already open";
    ASSERT_EQ(device.Write(a.data(), a.size(), 1), kSoundOk);
    ASSERT_EQ(device.Write(b.data(), b.size(), 2), kSoundOk);
    EXPECT_EQ(device.Unprepare(2), kSoundStillPlaying);
    const std::vector<Message> done = WaitForDone(&messages, 2);
    EXPECT_EQ(done[0].lparam, 1u);
    EXPECT_EQ(done[1].lparam, 2u);
    EXPECT_EQ(done[0].code, kWaveDoneMessage);
    EXPECT_EQ(device.Unprepare(2), kSoundOk);
    device.Close();
  }
  const std::vector<uint8_t> out = Captured();
  size_t first = 0;
  while (first < out.size() && out[first] == 128) ++first;
  ASSERT_GE(out.size(), first + 3000);
  EXPECT_EQ(std::vector<uint8_t>(out.begin() + first, out.begin() + first + 2000), a);
  EXPECT_EQ(std::vector<uint8_t>(out.begin() + first + 2000, out.begin() + first + 3000), b);
  for (size_t i = first + 3000; i < out.size(); ++i) ASSERT_EQ(out[i], 128) << i;
}

TEST_F(SdlSoundDeviceTest, ResetDiscardsAndReportsEverythingQueuedAtOnce) {
  QueueMessageSource messages;
  std::vector<uint8_t> block(11025 * 2, 10);  // two seconds each
  SdlSoundDevice device(&messages);
  ASSERT_EQ(device.Open(SoundFormat{11025, 8, 1}), kSoundOk);
  for (uintptr_t tag = 1; tag <= 3; ++tag) ASSERT_EQ(device.Write(block.data(), block.size(), tag), kSoundOk);
  device.Reset();
  // The done messages are posted before Reset returns.
  std::vector<uintptr_t> tags;
  Message m;
  while (messages.Peek(&m)) tags.push_back(m.lparam);
  EXPECT_EQ(tags, (std::vector<uintptr_t>{1, 2, 3}));
  EXPECT_EQ(device.Unprepare(3), kSoundOk);
  // Close reports what it throws away as well.
  ASSERT_EQ(device.Write(block.data(), block.size(), 4), kSoundOk);
  device.Close();
  ASSERT_TRUE(messages.Peek(&m));
  EXPECT_EQ(m.lparam, 4u);
  EXPECT_EQ(device.Write(block.data(), block.size(), 5), kSoundInvalidHandle);
}

TEST_F(SdlSoundDeviceTest, UnplayableFormatsAndMissingOutputFailAtOnce) {
  QueueMessageSource messages;
  SdlSoundDevice device(&messages);
  EXPECT_EQ(device.Open(SoundFormat{11025, 24, 1}), kSoundBadFormat);
  EXPECT_EQ(device.Open(SoundFormat{11025, 8, 0}), kSoundBadFormat);
  EXPECT_EQ(device.Open(SoundFormat{0, 8, 1}), kSoundBadFormat);

  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  SdlSoundDevice none(&messages);
  EXPECT_EQ(none.Open(SoundFormat{11025, 8, 1}), kSoundNoDriver);
  std::vector<uint8_t> block(100, 1);
  EXPECT_EQ(none.Write(block.data(), block.size(), 1), kSoundInvalidHandle);
  none.Reset();
  none.Close();
  SdlLoopingSound tone;
  const uint8_t samples[] = {96, 96, 160, 160};
  EXPECT_FALSE(tone.PlayLooping(SoundFormat{11025, 8, 1}, samples, sizeof samples));
  tone.Beep();
  tone.Stop();
}

TEST_F(SdlSoundDeviceTest, LoopingSoundRepeatsUntilStopped) {
  const uint8_t period[] = {96, 96, 96, 160, 160, 160, 160};
  {
    SdlLoopingSound tone;
    ASSERT_TRUE(tone.PlayLooping(SoundFormat{11025, 8, 1}, period, sizeof period));
    usleep(150 * 1000);
    tone.Stop();
  }
  const std::vector<uint8_t> out = Captured();
  // Far more than one pass of the seven samples, all of them in order.
  ASSERT_GT(out.size(), 700u);
  for (size_t i = 0; i < out.size(); ++i) ASSERT_EQ(out[i], period[i % 7]) << i;
}

}  // namespace
}  // namespace pavodin
