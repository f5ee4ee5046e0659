#ifndef PAVODIN_PLATFORM_FONT_FINDER_H_
#define PAVODIN_PLATFORM_FONT_FINDER_H_

#include <string>
#include <string_view>

// Finds the console's font file through fontconfig. The configured face
// (a Windows name such as "Lucida Console") is often absent on Linux, and
// fontconfig then answers with any font, even a proportional one; the
// console needs a fixed-width font, so the face is asked for with the
// system's monospace font as the fallback, and the answer is checked.

namespace pavodin {

struct FontChoice {
  std::string path;    // file to open
  int index = 0;       // face inside the file
  std::string family;  // what fontconfig chose (UTF-8)
  int weight = 400;    // its weight on the OpenType scale (400 regular, 700 bold)
  bool fixed_width = false;
};

// `face` in Windows-1252; `weight` on the OpenType scale (0 or less: regular).
// False, with a message, when not even a monospace font is installed.
bool FindConsoleFont(std::string_view face, int weight, FontChoice* out, std::string* error);

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_FONT_FINDER_H_
