#ifndef PAVODIN_CONSOLE_TONE_H_
#define PAVODIN_CONSOLE_TONE_H_

#include <cstdint>
#include <vector>

namespace pavodin {

// The console's tone: a RIFF/WAVE image (PCM, mono, 11025 samples per
// second, 8 bits) of a square wave of amplitude 32 around 128, made of whole
// periods and a little under one second long, meant to be played in a loop.
// `frequency` is 1 to 11025 Hz; other values are raised or lowered into range.
std::vector<uint8_t> BuildToneImage(int frequency);

// Fills a 44-byte RIFF/WAVE header for PCM data (block alignment always 1).
void WriteWaveHeader(uint8_t* header, uint32_t data_bytes, uint32_t sample_rate,
                     uint16_t bits_per_sample, uint16_t channels);

}  // namespace pavodin

#endif  // PAVODIN_CONSOLE_TONE_H_
