#include "speech/signal_sounds.h"

#include <cstddef>

#include "console/tone.h"

namespace pavodin {

std::vector<uint8_t> BeepImage() {
  static constexpr uint8_t kPattern[8] = {128, 112, 96, 80, 64, 80, 96, 112};
  std::vector<uint8_t> image(44 + 512);
  for (std::size_t i = 0; i < 512; ++i) image[44 + i] = kPattern[i % 8];
  image.back() = 128;
  WriteWaveHeader(image.data(), 512, 11025, 8, 1);
  return image;
}

std::vector<uint8_t> ClickImage(uint32_t seed) {
  std::vector<uint8_t> image(44 + 256, 128);
  uint32_t state = seed | 1;
  for (std::size_t i = 0; i < 64; ++i) {
    state = state * 1103515245u + 12345u;  // a small generator is plenty for noise
    image[44 + i] = static_cast<uint8_t>(128 + (state >> 16) % 60);
  }
  WriteWaveHeader(image.data(), 256, 11025, 8, 1);
  return image;
}

}  // namespace pavodin
