#ifndef PAVODIN_PLATFORM_LOOPING_SOUND_H_
#define PAVODIN_PLATFORM_LOOPING_SOUND_H_

#include <cstddef>
#include <cstdint>

#include "platform/sound_device.h"

// The console's own sounds, played in the background beside the wave
// player: a sound repeated until stopped (the tone) and the bell.

namespace pavodin {

class LoopingSound {
 public:
  virtual ~LoopingSound() = default;

  // Replaces any sound of this output by `samples`, repeated without a gap
  // until Stop. The samples are copied. False (and silence) when the sound
  // cannot be played: no sound output, an unplayable format, no samples.
  virtual bool PlayLooping(const SoundFormat& format, const uint8_t* samples, size_t length) = 0;

  // The bell of byte 7: a short beep, once. Replaces a looping sound.
  virtual void Beep() = 0;

  // Silences this output at once. Nothing when it is silent.
  virtual void Stop() = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_LOOPING_SOUND_H_
