#ifndef PAVODIN_PLATFORM_SDL_LOOPING_SOUND_H_
#define PAVODIN_PLATFORM_SDL_LOOPING_SOUND_H_

#include <cstdint>
#include <vector>

#include "platform/looping_sound.h"

// The console's tone and bell on SDL2 audio: an output of its own, opened
// for each sound and closed by Stop (or the next sound), so it sounds over
// the wave player's where the sound server mixes (PulseAudio, PipeWire, ALSA
// dmix). After the bell the output stays open, silent, until then.
namespace pavodin {

class SdlLoopingSound : public LoopingSound {
 public:
  SdlLoopingSound() = default;
  ~SdlLoopingSound() override;
  SdlLoopingSound(const SdlLoopingSound&) = delete;
  SdlLoopingSound& operator=(const SdlLoopingSound&) = delete;

  bool PlayLooping(const SoundFormat& format, const uint8_t* samples, size_t length) override;
  void Beep() override;
  void Stop() override;

 private:
  bool Start(const SoundFormat& format, std::vector<uint8_t> samples, bool loop);
  static void AudioCallback(void* self, uint8_t* stream, int length);

  bool audio_initialised_ = false;
  bool no_output_ = false;  // opening found no sound output: not tried again
  uint32_t device_ = 0;
  // Read by the audio thread while the device is open; changed only closed.
  std::vector<uint8_t> samples_;
  size_t position_ = 0;
  bool loop_ = false;
  uint8_t silence_ = 128;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_SDL_LOOPING_SOUND_H_
