// How fast sound starts and stops on the real sound device: from
// WavPlayImage (device closed, as between sounds) to the first samples
// produced for the output, and from a queued key to the end of the last
// sound the output was given. Times are taken at SDL's audio callback, so
// the sound server's and hardware's own latency come on top.
//
// Runs on the sound card SDL picks, or, when SDL_AUDIODRIVER is not set, on
// SDL's disk driver writing to /dev/null in real time (no hardware needed).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "engines/wave_message_loop.h"
#include "engines/wave_player.h"
#include "engines/wave_test_host.h"
#include "platform/file_system.h"
#include "platform/message_source.h"
#include "platform/sdl_sound_device.h"

namespace pavodin {
namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void UseDiskDriverUnlessTold() {
  setenv("SDL_AUDIODRIVER", "disk", 0);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
}

// Watches the output on the audio thread.
struct OutputWatch {
  std::atomic<int64_t> first_sound{0};      // start of the first callback that carried sound
  std::atomic<int64_t> last_sound_end{0};   // when the sound of the last such callback has played
  int rate = 11025;

  void Observe(const uint8_t* bytes, size_t length) {
    const int64_t now = Clock::now().time_since_epoch().count();
    if (std::all_of(bytes, bytes + length, [](uint8_t b) { return b == 128; })) return;
    int64_t expected = 0;
    first_sound.compare_exchange_strong(expected, now);
    const auto heard = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(length) / rate));
    last_sound_end = now + heard.count();
  }
};

void BM_WaveLatency(benchmark::State& state) {
  UseDiskDriverUnlessTold();
  const std::string image = MakeWave(1, 11025, 8, Ramp8(5 * 11025));
  MemoryFileSystem files;
  QueueMessageSource messages;
  WaveMessageLoop loop(&messages);
  SdlSoundDevice device(&messages);
  OutputWatch watch;
  device.SetOutputObserver([&](const uint8_t* b, size_t n) { watch.Observe(b, n); });
  WavePlayer player(&device, &files, loop.Host());
  loop.set_player(&player);

  double start_total = 0, start_worst = 0, stop_total = 0, stop_worst = 0;
  int runs = 0;
  for (auto _ : state) {
    watch.first_sound = 0;
    watch.last_sound_end = 0;
    const Clock::time_point play = Clock::now();
    player.WavPlayImage(reinterpret_cast<const uint8_t*>(image.data()), image.size());
    if (!player.device_open()) {
      state.SkipWithError("no sound device could be opened");
      break;
    }
    while (watch.first_sound == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
    const double start_ms = Ms(Clock::duration(watch.first_sound.load()) - play.time_since_epoch());

    // Let the sound run a little, then a key arrives from the input side
    // while the program waits for messages.
    Clock::time_point key;
    std::thread typist([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
      key = Clock::now();
      messages.Post(Message::KeyByte(' '));
    });
    while (player.WavIsPlaying()) messages.Wait();
    typist.join();
    loop.keys.clear();
    const double stop_ms = Ms(Clock::duration(watch.last_sound_end.load()) - key.time_since_epoch());

    state.SetIterationTime((start_ms + stop_ms) / 1000.0);
    start_total += start_ms;
    stop_total += stop_ms;
    start_worst = std::max(start_worst, start_ms);
    stop_worst = std::max(stop_worst, stop_ms);
    ++runs;
  }
  if (runs > 0) {
    state.counters["play_to_first_samples_ms"] = start_total / runs;
    state.counters["play_to_first_samples_worst_ms"] = start_worst;
    state.counters["key_to_silence_ms"] = stop_total / runs;
    state.counters["key_to_silence_worst_ms"] = stop_worst;
    std::printf("play-to-first-samples: mean %.1f ms, worst %.1f ms\n", start_total / runs, start_worst);
    std::printf("key-to-silence:        mean %.1f ms, worst %.1f ms\n", stop_total / runs, stop_worst);
  }
}
BENCHMARK(BM_WaveLatency)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pavodin
