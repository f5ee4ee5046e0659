#ifndef PAVODIN_ENGINES_LOOPING_IMAGE_H_
#define PAVODIN_ENGINES_LOOPING_IMAGE_H_

#include <cstddef>
#include <cstdint>

#include "platform/looping_sound.h"

// The console's tone is a RIFF/WAVE image in memory played over and over
// until it is stopped.
namespace pavodin {

// Plays the samples of the image in `size` bytes on `sound`, repeated until
// sound->Stop(). False, and nothing played, when the image is not RIFF/WAVE,
// holds no samples or the sound cannot be played.
bool PlayImageLooping(LoopingSound* sound, const uint8_t* image, size_t size);

}  // namespace pavodin

#endif  // PAVODIN_ENGINES_LOOPING_IMAGE_H_
