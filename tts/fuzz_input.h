#ifndef PAVODIN_TTS_FUZZ_INPUT_H_
#define PAVODIN_TTS_FUZZ_INPUT_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pavodin {

// A fuzzer input for the data-file parsers: the file's bytes, optionally
// followed by a line holding only "\x01" and a text to try the file on.
struct FuzzInput {
  std::string_view file;
  std::string_view text;
};

inline FuzzInput SplitFuzzInput(const uint8_t* data, size_t size) {
  std::string_view all(reinterpret_cast<const char*>(data), size);
  size_t cut = all.find("\n\x01\n");
  if (cut == std::string_view::npos) return {all, "casa amarela, Sr. 1.234 pães?"};
  return {all.substr(0, cut), all.substr(cut + 3)};
}

}  // namespace pavodin

#endif  // PAVODIN_TTS_FUZZ_INPUT_H_
