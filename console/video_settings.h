#ifndef PAVODIN_CONSOLE_VIDEO_SETTINGS_H_
#define PAVODIN_CONSOLE_VIDEO_SETTINGS_H_

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The console's part of the suite configuration: sections [VIDEO] and
// [BRAILLE] of KELDAM.INI, read once when the console opens.

namespace pavodin {

// Looks a key up in the configuration; nothing when the key is absent.
// `max_chars` is the room the reader gives the value.
using SettingLookup = std::function<std::optional<std::string>(
    std::string_view section, std::string_view key, size_t max_chars)>;

using ColourMap = std::array<uint8_t, 16>;

struct VideoSettings {
  ColourMap colour_map{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  bool colours_fixed = false;
  bool slow_scrolling = false;
  uint8_t initial_attr = 0x0F;
  int magnify_factor = 2;
  std::string font_face = "Lucida Console";
  std::optional<int> font_width;   // nothing: computed from the desktop work area
  std::optional<int> font_height;  // nothing: computed from the desktop work area
  int font_weight = 700;
  bool maximized = true;
  int braille_mode = 0;
};

// Reads [VIDEO] and [BRAILLE]. Missing keys give the defaults; malformed
// numbers give the digits read before the fault. Never fails.
VideoSettings ReadVideoSettings(const SettingLookup& lookup);

// A decimal number the way the configuration reads it: an optional sign and
// digits; a value that is not entirely a number gives the number formed by
// the digits before the first wrong character (0 when none). Sets `whole`
// to whether the text was entirely a number. Saturates instead of overflowing.
int32_t ParseConfigNumber(std::string_view text, bool* whole = nullptr);

// TABCORES: comma-separated colour numbers stored, low 8 bits each, into
// `map` from entry 0 on; reading stops after the first item that is not
// entirely a number (that item is still stored) or when items run out.
void ParseColourTable(std::string_view value, ColourMap* map);

// The font size used when LARGURALETRA or ALTURALETRA is empty:
// work area × numerator ÷ denominator, rounded to nearest, halves to even.
int ScaleRoundHalfEven(int work_area_pixels, int numerator, int denominator);

// Default font cell from the desktop's usable area (×13/1024 wide, ×28/734 high).
int DefaultFontWidth(int work_area_width);
int DefaultFontHeight(int work_area_height);

}  // namespace pavodin

#endif  // PAVODIN_CONSOLE_VIDEO_SETTINGS_H_
