#ifndef PAVODIN_ENGINES_WAVE_RIFF_H_
#define PAVODIN_ENGINES_WAVE_RIFF_H_

#include <cstddef>
#include <cstdint>

#include "platform/sound_device.h"

// Reading RIFF/WAVE sound, from files and from images in memory.
//
// Layout read: "RIFF", size (not read), form type (ignored), then the "fmt "
// chunk, which must come first, then any chunks up to "data". Chunk
// identifiers are compared without regard to letter case; chunks other than
// "data" are skipped by their stored length, with no pad byte after an odd
// length. Only channels, rate and bits are taken from the format body; every
// sound is played as PCM.

namespace pavodin {

// The canonical header the program's wave builders write; samples follow it.
inline constexpr size_t kWaveHeaderSize = 44;

// Device blocks and file pieces are at most this long (0xFFFE).
inline constexpr size_t kWaveBlockSize = 65534;

struct WaveData {
  SoundFormat format;
  const uint8_t* samples = nullptr;  // points into the parsed bytes
  size_t length = 0;                 // sample bytes present, at most `declared_length`
  uint32_t declared_length = 0;      // length stored in the "data" chunk header
};

// Parses a whole RIFF/WAVE file or image of `size` bytes. False when it does
// not start with "RIFF", has no "fmt " chunk at offset 12, has a format body
// shorter than 16 bytes, or ends before the "data" chunk's header. A "data"
// chunk that declares more bytes than follow is accepted: `length` says what
// is there. Never reads outside [bytes, bytes + size).
bool WavParseImage(const uint8_t* bytes, size_t size, WaveData* out);

// Length of the next piece a wave file's data is played in, given what
// remains of its declared length: pieces of 65,534 bytes, except that a rest
// between 65,535 and 65,789 bytes is split 65,278 + the remainder, so that no
// piece after the first is shorter than 256 bytes.
size_t WavFilePieceLength(uint32_t remaining);

}  // namespace pavodin

#endif  // PAVODIN_ENGINES_WAVE_RIFF_H_
