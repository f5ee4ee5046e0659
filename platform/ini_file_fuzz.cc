#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  // The first line names what is looked up, the rest is the file.
  const size_t nl = text.find('\n');
  std::string_view query = nl == std::string_view::npos ? text : text.substr(0, nl);
  std::string_view file = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
  const size_t slash = query.find('/');
  std::string_view section = query.substr(0, slash);
  std::string_view key = slash == std::string_view::npos ? std::string_view() : query.substr(slash + 1);
  auto v = pavodin::FindIniValue(file, section, key, 79);
  if (v && v->size() > 79) __builtin_trap();
  return 0;
}
