#ifndef PAVODIN_SPEECH_SIGNAL_SOUNDS_H_
#define PAVODIN_SPEECH_SIGNAL_SOUNDS_H_

#include <cstdint>
#include <vector>

// The short signal sounds, as RIFF/WAVE images of 8-bit mono sound at 11025
// samples per second.

namespace pavodin {

// The end-of-list beep: 512 samples of the pattern 128 112 96 80 64 80 96 112,
// the last sample 128.
std::vector<uint8_t> BeepImage();

// The click that stands for a repeated character or a carried-out tag:
// 64 samples of noise in 128-187, then 192 samples of silence. The noise is
// made once per program, from `seed`.
std::vector<uint8_t> ClickImage(uint32_t seed);

}  // namespace pavodin

#endif  // PAVODIN_SPEECH_SIGNAL_SOUNDS_H_
