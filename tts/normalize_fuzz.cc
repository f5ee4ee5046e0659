#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tts/normalize.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const pavodin::AbbreviationTable table = [] {
    pavodin::AbbreviationTable t;
    pavodin::ParseAbbreviations("Sr=senhor\nDr=doutor\nAv=avenida\ntv=televisão\n", &t);
    return t;
  }();
  std::string out =
      pavodin::NormalizeText(table, std::string_view(reinterpret_cast<const char*>(data), size));
  for (unsigned char c : out) {
    if (c < 32) __builtin_trap();  // control bytes never survive
  }
  return 0;
}
