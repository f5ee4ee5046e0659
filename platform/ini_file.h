#ifndef PAVODIN_PLATFORM_INI_FILE_H_
#define PAVODIN_PLATFORM_INI_FILE_H_

#include <optional>
#include <string>
#include <string_view>

// Reading of INI text the way the Windows profile functions read it, which is
// what the suite's KELDAM.INI was written for: "[section]" and "key=value"
// lines, section and key names compared without regard to case, the first
// match wins, blanks around names and values dropped, one pair of quotes
// around a value removed, lines beginning with ";" ignored.

namespace pavodin {

// The value of `key` in `section` of the INI text, or nothing when the section
// or the key is absent. The value is cut to `max_chars` characters (the room
// the caller's buffer has). Never fails: any bytes are acceptable text.
std::optional<std::string> FindIniValue(std::string_view ini_text, std::string_view section,
                                        std::string_view key, size_t max_chars = 254);

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_INI_FILE_H_
