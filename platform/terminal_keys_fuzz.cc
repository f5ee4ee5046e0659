// Arbitrary terminal input through the key decoder, fed in pieces.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/terminal_keys.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pavodin::TerminalKeyDecoder decoder;
  std::vector<pavodin::Message> out;
  const char* bytes = reinterpret_cast<const char*>(data);
  for (size_t i = 0; i < size; i += 5) {
    decoder.Feed(bytes + i, size - i < 5 ? size - i : 5, &out);
    if (i % 3 == 0) decoder.Timeout(&out);
  }
  decoder.Timeout(&out);
  if (decoder.pending()) __builtin_trap();
  return 0;
}
