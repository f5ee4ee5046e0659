#include "engines/wave_cut.h"

namespace pavodin {
namespace {

// Position of the largest sample in [from, to], the first one on ties.
size_t PeakIn(const uint8_t* s, size_t from, size_t to) {
  size_t best = from;
  for (size_t i = from + 1; i <= to; ++i)
    if (s[i] > s[best]) best = i;
  return best;
}

}  // namespace

size_t WavCutPeriods(uint8_t* samples, size_t length, int bits, int rate) {
  size_t count = length;
  if (bits == 16) {
    count = length / 2;
    for (size_t i = 0; i < count; ++i) samples[i] = samples[2 * i + 1] ^ 0x80;
  }
  if (count < 1000) return count;

  const bool base_rate = (rate & 0xFFFF) == 11025;
  const size_t start = base_rate ? 200 : 800;
  const size_t step = base_rate ? 80 : 320;
  const size_t window = base_rate ? 50 : 200;

  // First peak: a sound that never rises above 0 in the search keeps its
  // start. At other rates the search can reach past a short buffer.
  size_t p = 0;
  uint8_t top = 0;
  const size_t last = start + step + window < count ? start + step + window : count - 1;
  for (size_t i = start; i <= last; ++i) {
    if (samples[i] > top) {
      top = samples[i];
      p = i;
    }
  }
  size_t out = p;

  // The loop bound keeps both windows inside the buffer. A window whose
  // samples are all equal yields its first position, so the scan advances.
  while (p + 2 * (step + window) < count) {
    const size_t a = PeakIn(samples, p + step, p + step + window);
    const size_t b = PeakIn(samples, a + step, a + step + window);
    for (size_t i = a; i <= b; ++i) samples[out++] = samples[i];
    p = b;
  }

  // The test looks at the sample about to be overwritten, not the one copied.
  while (p < count && (samples[out] > 128 + 20 || samples[out] < 128 - 20)) samples[out++] = samples[p++];
  return out;
}

}  // namespace pavodin
