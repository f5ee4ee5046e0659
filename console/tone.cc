#include "console/tone.h"

#include <algorithm>
#include <cstring>

namespace pavodin {
namespace {

constexpr int kRate = 11025;
constexpr int kHeader = 44;

void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace

void WriteWaveHeader(uint8_t* h, uint32_t data_bytes, uint32_t sample_rate,
                     uint16_t bits_per_sample, uint16_t channels) {
  std::memcpy(h, "RIFF", 4);
  Put32(h + 4, data_bytes + 36);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  Put32(h + 16, 16);
  Put16(h + 20, 1);
  Put16(h + 22, channels);
  Put32(h + 24, sample_rate);
  Put32(h + 28, sample_rate * channels * (bits_per_sample / 8));
  Put16(h + 32, 1);
  Put16(h + 34, bits_per_sample);
  std::memcpy(h + 36, "data", 4);
  Put32(h + 40, data_bytes);
}

std::vector<uint8_t> BuildToneImage(int frequency) {
  const int f = std::clamp(frequency, 1, kRate);
  const int period = kRate / f;
  std::vector<uint8_t> image(kHeader, 0);
  image.reserve(kHeader + kRate);
  // Period k starts at sample (k × 11025) ÷ f and is written only while it
  // fits in the 11025-byte buffer together with the header.
  int64_t k = 0;
  int start = 0;
  while (kHeader + start <= kRate - period) {
    const int next = static_cast<int>(((k + 1) * kRate) / f);
    for (int s = start; s < next; ++s) image.push_back(s - start < period / 2 ? 96 : 160);
    ++k;
    start = next;
  }
  if (image.size() > kHeader) image.back() = 128;
  WriteWaveHeader(image.data(), static_cast<uint32_t>(image.size() - kHeader), kRate, 8, 1);
  return image;
}

}  // namespace pavodin
