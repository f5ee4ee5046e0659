// Arbitrary KELDAM.INI contents through the console's configuration reading.

#include <cstddef>
#include <cstdint>
#include <string>

#include "console/video_settings.h"
#include "platform/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string ini(reinterpret_cast<const char*>(data), size);
  const pavodin::VideoSettings s = pavodin::ReadVideoSettings(
      [&ini](std::string_view section, std::string_view key, size_t room) {
        return pavodin::FindIniValue(ini, section, key, room);
      });
  if (s.magnify_factor < 0 || s.magnify_factor > 7 || s.braille_mode < 0 || s.braille_mode > 3 ||
      s.font_face.size() > 79)
    __builtin_trap();
  return 0;
}
