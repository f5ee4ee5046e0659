#ifndef PAVODIN_PLATFORM_TEXT_UTIL_H_
#define PAVODIN_PLATFORM_TEXT_UTIL_H_

#include <cstdint>
#include <string_view>

// The suite's two small text rules, on Windows-1252 bytes.

namespace pavodin {

// Trimming removes the bytes of code 32 or less at both ends.
inline std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && static_cast<uint8_t>(s.front()) <= 32) s.remove_prefix(1);
  while (!s.empty() && static_cast<uint8_t>(s.back()) <= 32) s.remove_suffix(1);
  return s;
}

// Upper-casing of keys and command letters changes only "a" to "z".
inline uint8_t UpperKey(uint8_t c) { return (c >= 'a' && c <= 'z') ? static_cast<uint8_t>(c - 32) : c; }

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_TEXT_UTIL_H_
