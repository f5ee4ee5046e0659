#include "engines/wave_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engines/wave_test_host.h"

namespace pavodin {
namespace {

using ::testing::ElementsAre;

class WavePlayerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(host_.stuck_waits, 0) << "waited for a message nothing could send";
    EXPECT_EQ(host_.device.overwritten_while_queued, 0) << "a slot was reused while playing";
    EXPECT_EQ(host_.bad_done_messages, 0);
  }

  std::vector<size_t> WrittenSizes() const {
    std::vector<size_t> sizes;
    for (const auto& b : host_.device.written) sizes.push_back(b.bytes.size());
    return sizes;
  }

  std::vector<uintptr_t> WrittenTags() const {
    std::vector<uintptr_t> tags;
    for (const auto& b : host_.device.written) tags.push_back(b.tag);
    return tags;
  }

  int CallCount(const std::string& prefix) const {
    return static_cast<int>(std::count_if(host_.device.calls.begin(), host_.device.calls.end(),
                                          [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
  }

  void PlayImage(const std::string& image) {
    player().WavPlayImage(reinterpret_cast<const uint8_t*>(image.data()), image.size());
  }

  WavePlayer& player() { return *host_.player; }

  WaveTestHost host_;
};

TEST_F(WavePlayerTest, FilePlaysInPiecesEachReportedByOneDoneMessage) {
  const std::string samples = Ramp8(65600);
  host_.files.files["/p/a.wav"] = MakeWave(1, 11025, 8, samples);

  EXPECT_EQ(player().WavPlayFile("/p/a.wav"), 0);

  EXPECT_THAT(WrittenSizes(), ElementsAre(65278, 322));
  EXPECT_THAT(WrittenTags(), ElementsAre(1, 2));
  EXPECT_EQ(host_.done_messages, 2);
  EXPECT_EQ(host_.handler_enabled, 1);
  // Everything was heard; each 8-bit block ends on the centre.
  std::string expected = samples;
  expected[65277] = static_cast<char>(128);
  expected[65599] = static_cast<char>(128);
  const std::vector<uint8_t> played = host_.device.PlayedStream();
  EXPECT_EQ(std::string(played.begin(), played.end()), expected);
  // Finished: the device was closed once nothing was left in it.
  EXPECT_FALSE(player().device_open());
  EXPECT_EQ(player().pending(), 0);
  EXPECT_EQ(host_.device.calls.back(), "close");
  EXPECT_EQ(CallCount("reset"), 0);
}

TEST_F(WavePlayerTest, LongSoundKeepsAtMostFourBlocksInTheDeviceAndPlaysWhole) {
  std::string samples(300000, '\0');
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<char>(i * 7 % 251);
  host_.files.files["/p/long.wav"] = MakeWave(2, 22050, 16, samples);
  int most_pending = 0;
  host_.device.on_write = [&](const FakeSoundDevice::Block&) {
    most_pending = std::max(most_pending, player().pending());
  };

  EXPECT_EQ(player().WavPlayFile("/p/long.wav"), 0);

  EXPECT_THAT(WrittenSizes(), ElementsAre(65534, 65534, 65534, 65534, 37864));
  EXPECT_THAT(WrittenTags(), ElementsAre(1, 2, 3, 4, 1));
  EXPECT_EQ(host_.device.max_queued, 4u);
  EXPECT_EQ(most_pending, 4);
  EXPECT_EQ(host_.done_messages, 5);
  const std::vector<uint8_t> played = host_.device.PlayedStream();
  EXPECT_EQ(std::string(played.begin(), played.end()), samples);
  EXPECT_EQ(host_.device.calls.front(), "open 22050/16/2 -> 0");
}

TEST_F(WavePlayerTest, ShortBlocksAreDeclared256BytesAndEightBitMonoEndsOnCentre) {
  struct Case {
    int bits, channels;
    size_t length;
    size_t declared;
    bool last_is_centre;
    uint8_t fill;
  } cases[] = {
      {8, 1, 100, 256, true, 128},
      {8, 1, 1, 256, true, 128},
      {8, 1, 65534, 65534, false, 0},
      {8, 1, 65533, 65533, true, 0},
      {16, 1, 100, 256, false, 0},
      {8, 2, 100, 256, false, 128},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.bits) + "/" + std::to_string(c.channels) + " " +
                 std::to_string(c.length));
    WaveTestHost host;
    const std::string samples = Ramp8(c.length, 3);
    ASSERT_EQ(host.player->WavPlayBuffer(reinterpret_cast<const uint8_t*>(samples.data()),
                                         samples.size(), 11025, c.bits, c.channels),
              0);
    ASSERT_EQ(host.device.written.size(), 1u);
    const std::vector<uint8_t>& block = host.device.written[0].bytes;
    ASSERT_EQ(block.size(), c.declared);
    for (size_t i = 0; i + 1 < c.length; ++i) ASSERT_EQ(block[i], uint8_t(samples[i])) << i;
    EXPECT_EQ(block[c.length - 1], c.last_is_centre ? 128 : uint8_t(samples[c.length - 1]));
    for (size_t i = c.length; i < c.declared; ++i) ASSERT_EQ(block[i], c.fill) << i;
  }
}

TEST_F(WavePlayerTest, SwitchesChangeTheDeviceFormat) {
  struct Case {
    bool speed_up, cut;
    int bits, channels;
    const char* open;
    size_t block;
  } cases[] = {
      {true, false, 8, 1, "open 16537/8/1 -> 0", 4000},
      {false, true, 16, 1, "open 11025/8/1 -> 0", 999},    // 1,998 bytes: converted, not cut
      {false, true, 16, 2, "open 11025/16/2 -> 0", 1998},  // stereo is never cut
      {true, true, 16, 1, "open 16537/8/1 -> 0", 999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.open);
    WaveTestHost host;
    host.player->WavSpeedUp = c.speed_up;
    host.player->WavCutSpeech = c.cut;
    const std::string samples = c.bits == 8 ? Ramp8(4000) : std::string(1998, '\x40');
    host.player->WavPlayBuffer(reinterpret_cast<const uint8_t*>(samples.data()), samples.size(),
                               11025, c.bits, c.channels);
    ASSERT_EQ(host.device.calls.size(), 2u);
    EXPECT_EQ(host.device.calls[0], c.open);
    EXPECT_EQ(host.device.written[0].bytes.size(), c.block);
  }
}

TEST_F(WavePlayerTest, CutSpeechDropsPeriodsWithoutTouchingTheCallersSound) {
  std::string samples(2000, static_cast<char>(128));
  for (size_t k = 0; k < 20; ++k) samples[k * 100 + 10] = static_cast<char>(200);
  const std::string image = MakeWave(1, 11025, 8, samples);
  const std::string copy = image;
  player().WavCutSpeech = true;
  PlayImage(image);
  EXPECT_EQ(image, copy);
  EXPECT_THAT(WrittenSizes(), ElementsAre(1018));
}

TEST_F(WavePlayerTest, KeyAlreadyQueuedPlaysNothingAndStaysQueued) {
  host_.files.files["/p/a.wav"] = MakeWave(1, 11025, 8, Ramp8(5000));
  host_.PressKey('x');
  EXPECT_EQ(player().WavPlayFile("/p/a.wav"), 0);
  EXPECT_TRUE(host_.device.calls.empty());
  EXPECT_THAT(host_.keys, ElementsAre('x'));
}

TEST_F(WavePlayerTest, KeyDuringFilePlaybackResetsAndClosesTheDevice) {
  host_.files.files["/p/long.wav"] = MakeWave(1, 11025, 8, Ramp8(400000));
  host_.device.on_write = [&](const FakeSoundDevice::Block& b) {
    if (b.tag == 2) host_.PressKey(13);
  };

  EXPECT_EQ(player().WavPlayFile("/p/long.wav"), 0);

  EXPECT_EQ(host_.device.written.size(), 2u);
  EXPECT_TRUE(host_.device.played.empty()) << "the key came before any block was heard";
  const std::vector<std::string>& calls = host_.device.calls;
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2], "reset");
  EXPECT_EQ(calls.back(), "close");
  EXPECT_FALSE(player().WavIsPlaying());
  EXPECT_EQ(player().pending(), 0);
  EXPECT_THAT(host_.keys, ElementsAre(13));
}

TEST_F(WavePlayerTest, KeyWhileAnImagePlaysStopsItAtTheNextPoll) {
  PlayImage(MakeWave(1, 11025, 8, Ramp8(200000)));
  EXPECT_EQ(player().pending(), 4) << "the image call returns with its blocks queued";
  EXPECT_TRUE(player().WavIsPlaying());
  host_.PressKey(' ');
  EXPECT_FALSE(player().WavIsPlaying());
  EXPECT_FALSE(player().device_open());
  EXPECT_EQ(host_.device.written.size(), 4u);
  EXPECT_EQ(CallCount("reset"), 1);
  EXPECT_THAT(host_.keys, ElementsAre(' '));
}

TEST_F(WavePlayerTest, KeyWhileWaitingForAFreeSlotStopsBeforeTheNextBlock) {
  host_.device.on_write = [&](const FakeSoundDevice::Block& b) {
    if (host_.device.written.size() == 4) host_.PressKey(27);
    (void)b;
  };
  PlayImage(MakeWave(1, 11025, 8, Ramp8(400000)));
  EXPECT_EQ(host_.device.written.size(), 4u);
  EXPECT_FALSE(player().device_open());
  EXPECT_EQ(player().pending(), 0);
  EXPECT_THAT(host_.keys, ElementsAre(27));
}

TEST_F(WavePlayerTest, FormatChangeWaitsForThePreviousSoundToEnd) {
  PlayImage(MakeWave(1, 11025, 8, Ramp8(150000)));
  PlayImage(MakeWave(1, 22050, 16, std::string(1000, '\x10')));

  EXPECT_THAT(host_.device.calls,
              ElementsAre("open 11025/8/1 -> 0", "write 1 65534", "write 2 65534", "write 3 18932",
                          "close", "open 22050/16/1 -> 0", "write 4 1000"));
  EXPECT_EQ(host_.device.played.size(), 3u) << "the first sound was heard to its end";
}

TEST_F(WavePlayerTest, SameFormatBackToBackKeepsTheDeviceOpen) {
  PlayImage(MakeWave(1, 11025, 8, Ramp8(1000)));
  PlayImage(MakeWave(1, 11025, 8, Ramp8(1000)));
  EXPECT_EQ(CallCount("open"), 1);
  EXPECT_EQ(host_.device.written.size(), 2u);
  while (player().WavIsPlaying()) host_.WaitMessage();
  EXPECT_EQ(host_.device.played.size(), 2u);
}

TEST_F(WavePlayerTest, DeviceInUseIsRetriedHundredTimesThenReported) {
  host_.files.files["/p/a.wav"] = MakeWave(1, 11025, 8, Ramp8(1000));
  host_.device.open_results = {kSoundAllocated, kSoundAllocated, kSoundOk};
  EXPECT_EQ(player().WavPlayFile("/p/a.wav"), 0);
  EXPECT_EQ(host_.device.open_attempts, 3);
  EXPECT_EQ(host_.delayed_ms, 200);
  EXPECT_EQ(host_.device.played.size(), 1u);

  WaveTestHost busy;
  busy.files.files["/p/a.wav"] = MakeWave(1, 11025, 8, Ramp8(1000));
  busy.device.open_results.assign(100, kSoundAllocated);
  EXPECT_EQ(busy.player->WavPlayFile("/p/a.wav"), kSoundAllocated);
  EXPECT_EQ(busy.device.open_attempts, 100);
  EXPECT_EQ(busy.delayed_ms, 99 * 100);
  EXPECT_TRUE(busy.device.written.empty());

  // No sound output at all is final at once.
  WaveTestHost none;
  none.files.files["/p/a.wav"] = MakeWave(1, 11025, 8, Ramp8(1000));
  none.device.open_results = {kSoundNoDriver};
  EXPECT_EQ(none.player->WavPlayFile("/p/a.wav"), kSoundNoDriver);
  EXPECT_EQ(none.device.open_attempts, 1);
  EXPECT_TRUE(none.device.written.empty());
  // The image call drops the result and plays nothing either.
  none.device.open_results = {kSoundNoDriver};
  const std::string image = MakeWave(1, 11025, 8, Ramp8(1000));
  none.player->WavPlayImage(reinterpret_cast<const uint8_t*>(image.data()), image.size());
  EXPECT_TRUE(none.device.written.empty());
  EXPECT_FALSE(none.player->WavIsPlaying());
}

TEST_F(WavePlayerTest, BadFilesFailWithMinusOne) {
  std::string truncated = MakeWave(1, 11025, 8, Ramp8(1000));
  truncated.resize(truncated.size() - 400);
  host_.files.files["/p/short.wav"] = truncated;
  host_.files.files["/p/text.wav"] = "not a wave file at all, just some text";
  host_.files.files["/p/nodata.wav"] = MakeWave(1, 11025, 8, "").substr(0, 36);

  EXPECT_EQ(player().WavPlayFile("/p/missing.wav"), -1);
  EXPECT_EQ(player().WavPlayFile("/p/text.wav"), -1);
  EXPECT_EQ(player().WavPlayFile("/p/nodata.wav"), -1);
  EXPECT_TRUE(host_.device.written.empty());
  // Cut short: what is there still plays, then the failure is reported.
  EXPECT_EQ(player().WavPlayFile("/p/short.wav"), -1);
  EXPECT_THAT(WrittenSizes(), ElementsAre(600));
  EXPECT_EQ(host_.device.played.size(), 1u);
}

TEST_F(WavePlayerTest, UnprepareFailureIsShownAndWaitsForALineThenFreesTheSlot) {
  host_.device.unprepare_result = kSoundNoMemory;
  PlayImage(MakeWave(1, 11025, 8, Ramp8(1000)));
  while (player().WavIsPlaying()) host_.WaitMessage();
  EXPECT_EQ(host_.console_text, "Unable to allocate or lock memory.");
  EXPECT_EQ(host_.lines_read, 1);
  EXPECT_EQ(player().pending(), 0);

  WaveTestHost odd;
  odd.device.unprepare_result = 99;
  const std::string image = MakeWave(1, 11025, 8, Ramp8(1000));
  odd.player->WavPlayImage(reinterpret_cast<const uint8_t*>(image.data()), image.size());
  while (odd.player->WavIsPlaying()) odd.WaitMessage();
  EXPECT_EQ(odd.console_text, "");
  EXPECT_EQ(odd.lines_read, 1);
}

TEST_F(WavePlayerTest, NoFreeSlotAfterFortyWaitsDropsTheBlock) {
  PlayImage(MakeWave(1, 11025, 8, Ramp8(4 * 65534)));
  ASSERT_EQ(player().pending(), 4);
  const std::string more = Ramp8(500);
  player().WavWriteBlock(reinterpret_cast<const uint8_t*>(more.data()), more.size());
  EXPECT_EQ(host_.delayed_ms, 40 * 50);
  EXPECT_EQ(host_.device.written.size(), 4u);
  EXPECT_EQ(player().pending(), 4);
}

TEST_F(WavePlayerTest, RefusedBlockGivesItsSlotBackAndNoPlayingSlotIsReused) {
  host_.device.on_write = [&](const FakeSoundDevice::Block&) {
    if (host_.device.written.size() == 3) host_.device.write_result = kSoundError;
  };
  PlayImage(MakeWave(1, 11025, 8, Ramp8(4 * 65534)));
  EXPECT_EQ(player().pending(), 3);
  host_.device.write_result = kSoundOk;
  const std::string more = Ramp8(500);
  player().WavWriteBlock(reinterpret_cast<const uint8_t*>(more.data()), more.size());
  EXPECT_THAT(WrittenTags(), ElementsAre(1, 2, 3, 4));
  while (player().WavIsPlaying()) host_.WaitMessage();
  EXPECT_EQ(host_.device.played.size(), 4u);
}

TEST_F(WavePlayerTest, DoneMessagesForSlotsNotInUseChangeNothing) {
  PlayImage(MakeWave(1, 11025, 8, Ramp8(1000)));
  ASSERT_EQ(player().pending(), 1);
  player().WavBlockDone(1, 2);  // slot 2 was never used
  player().WavBlockDone(1, 0);
  player().WavBlockDone(1, 9);
  EXPECT_EQ(player().pending(), 1);
  host_.device.FinishOldest();
  host_.Pump();
  player().WavBlockDone(1, 1);  // a duplicate
  EXPECT_EQ(player().pending(), 0);
  EXPECT_FALSE(player().WavIsPlaying());
}

}  // namespace
}  // namespace pavodin
