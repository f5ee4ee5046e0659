#ifndef PAVODIN_PLATFORM_FAKE_LOOPING_SOUND_H_
#define PAVODIN_PLATFORM_FAKE_LOOPING_SOUND_H_

#include <string>
#include <vector>

#include "platform/looping_sound.h"

// A LoopingSound for tests: keeps what it was asked to play.
namespace pavodin {

class FakeLoopingSound : public LoopingSound {
 public:
  bool PlayLooping(const SoundFormat& format, const uint8_t* samples, size_t length) override {
    calls.push_back("loop " + std::to_string(format.rate) + "/" + std::to_string(format.bits) +
                    "/" + std::to_string(format.channels) + " " + std::to_string(length));
    looping.assign(samples, samples + length);
    this->format = format;
    playing = length > 0;
    return playing;
  }
  void Beep() override {
    calls.push_back("beep");
    playing = false;
  }
  void Stop() override {
    calls.push_back("stop");
    playing = false;
  }

  std::vector<std::string> calls;
  std::vector<uint8_t> looping;
  SoundFormat format;
  bool playing = false;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_FAKE_LOOPING_SOUND_H_
