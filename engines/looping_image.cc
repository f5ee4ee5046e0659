#include "engines/looping_image.h"

#include "engines/wave_riff.h"

namespace pavodin {

bool PlayImageLooping(LoopingSound* sound, const uint8_t* image, size_t size) {
  WaveData wave;
  if (!WavParseImage(image, size, &wave) || wave.length == 0) return false;
  return sound->PlayLooping(wave.format, wave.samples, wave.length);
}

}  // namespace pavodin
