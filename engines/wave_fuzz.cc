// Arbitrary bytes as a wave file, as a wave image and as sound to cut.
// The first byte picks the switches and the cut's sample size and rate.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engines/wave_cut.h"
#include "engines/wave_test_host.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

void Finish(pavodin::WaveTestHost& host) {
  while (host.player->WavIsPlaying()) host.WaitMessage();
  Check(host.player->pending() == 0);
  Check(host.stuck_waits == 0);
  Check(host.device.overwritten_while_queued == 0);
  for (const auto& b : host.device.written) Check(b.bytes.size() <= pavodin::kWaveBlockSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t mode = data[0];
  // An exact-size copy, so any read past the end is caught.
  std::vector<uint8_t> bytes(data + 1, data + size);

  {
    pavodin::WaveTestHost host;
    host.player->WavSpeedUp = mode & 1;
    host.player->WavCutSpeech = mode & 2;
    host.files.files["f.wav"] = std::string(bytes.begin(), bytes.end());
    const int result = host.player->WavPlayFile("f.wav");
    Check(result == 0 || result == -1);
    Finish(host);
  }
  {
    pavodin::WaveTestHost host;
    host.player->WavSpeedUp = mode & 1;
    host.player->WavCutSpeech = mode & 2;
    host.player->WavPlayImage(bytes.data(), bytes.size());
    Finish(host);
  }
  {
    const int bits = mode & 4 ? 16 : 8;
    const int rate = mode & 8 ? 11025 : 22050;
    std::vector<uint8_t> sound = bytes;
    const size_t n = pavodin::WavCutPeriods(sound.data(), sound.size(), bits, rate);
    Check(n <= (bits == 16 ? sound.size() / 2 : sound.size()));
  }
  return 0;
}
