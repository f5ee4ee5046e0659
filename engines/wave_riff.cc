#include "engines/wave_riff.h"

#include <algorithm>

namespace pavodin {
namespace {

bool SameId(const uint8_t* p, const char* id) {
  for (int i = 0; i < 4; ++i) {
    unsigned char a = p[i], b = static_cast<unsigned char>(id[i]);
    if (a >= 'a' && a <= 'z') a = static_cast<unsigned char>(a - 32);
    if (b >= 'a' && b <= 'z') b = static_cast<unsigned char>(b - 32);
    if (a != b) return false;
  }
  return true;
}

uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

bool WavParseImage(const uint8_t* bytes, size_t size, WaveData* out) {
  if (size < 20 || !SameId(bytes, "RIFF") || !SameId(bytes + 12, "fmt ")) return false;
  const uint32_t body = Le32(bytes + 16);
  // A body too short to hold channels, rate and bits would leave the format
  // undefined; such a file is not played.
  if (body < 16 || body > size - 20) return false;
  const uint8_t* fmt = bytes + 20;
  WaveData w;
  w.format.channels = Le16(fmt + 2);
  w.format.rate = static_cast<int32_t>(Le32(fmt + 4));
  w.format.bits = Le16(fmt + 14);
  size_t pos = 20 + size_t{body};
  for (;;) {
    if (size - pos < 8) return false;
    const uint32_t len = Le32(bytes + pos + 4);
    if (SameId(bytes + pos, "data")) {
      pos += 8;
      w.samples = bytes + pos;
      w.declared_length = len;
      w.length = std::min<size_t>(len, size - pos);
      break;
    }
    pos += 8;
    if (len > size - pos) return false;
    pos += len;
  }
  *out = w;
  return true;
}

size_t WavFilePieceLength(uint32_t remaining) {
  if (remaining > kWaveBlockSize && remaining < kWaveBlockSize + 256) return kWaveBlockSize - 256;
  return std::min<size_t>(remaining, kWaveBlockSize);
}

}  // namespace pavodin
