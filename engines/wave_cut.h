#ifndef PAVODIN_ENGINES_WAVE_CUT_H_
#define PAVODIN_ENGINES_WAVE_CUT_H_

#include <cstddef>
#include <cstdint>

// Speech compression for mono sound: every other pitch period is dropped, so
// speech goes by faster at its own pitch.

namespace pavodin {

// Rewrites `length` bytes of mono samples in place and returns the new length
// in bytes of unsigned 8-bit samples. 16-bit samples (`bits` = 16) are first
// turned into 8-bit ones (their high byte with the sign flipped) in the first
// half of the buffer. Fewer than 1,000 samples are only converted. Otherwise
// peaks are searched from sample 200 in steps of 80 within windows of 50
// samples when the rate (low 16 bits) is 11,025, four times as far at any
// other rate; the samples from one peak to the next are kept, those up to the
// following peak dropped; a tail is kept until the sound comes near the
// centre 128. Never reads or writes outside the `length` bytes.
size_t WavCutPeriods(uint8_t* samples, size_t length, int bits, int rate);

}  // namespace pavodin

#endif  // PAVODIN_ENGINES_WAVE_CUT_H_
