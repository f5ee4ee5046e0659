#include "console/video_settings.h"

#include <cstdint>
#include <limits>

#include "platform/text_util.h"

namespace pavodin {
namespace {

bool FirstIsYes(const std::string& v) { return !v.empty() && (v[0] == 'S' || v[0] == 's'); }

}  // namespace

int32_t ParseConfigNumber(std::string_view text, bool* whole) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  const size_t first_digit = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    value = value * 10 + (text[i] - '0');
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    ++i;
  }
  if (whole) *whole = i == text.size() && i > first_digit;
  return static_cast<int32_t>(negative ? -value : value);
}

void ParseColourTable(std::string_view value, ColourMap* map) {
  std::string rest(value);
  rest += ',';
  for (size_t entry = 0; entry < map->size(); ++entry) {
    const size_t comma = rest.find(',');
    if (comma == std::string::npos) break;
    bool whole = false;
    const int32_t n = ParseConfigNumber(TrimBlanks(std::string_view(rest).substr(0, comma)), &whole);
    (*map)[entry] = static_cast<uint8_t>(n & 0xFF);
    if (!whole) break;
    rest.erase(0, comma + 1);
  }
}

int ScaleRoundHalfEven(int work_area_pixels, int numerator, int denominator) {
  const int64_t n = static_cast<int64_t>(work_area_pixels) * numerator;
  int64_t q = n / denominator;
  const int64_t r2 = 2 * (n % denominator);
  if (r2 > denominator || (r2 == denominator && (q % 2) != 0)) ++q;
  return static_cast<int>(q);
}

int DefaultFontWidth(int work_area_width) { return ScaleRoundHalfEven(work_area_width, 13, 1024); }
int DefaultFontHeight(int work_area_height) { return ScaleRoundHalfEven(work_area_height, 28, 734); }

VideoSettings ReadVideoSettings(const SettingLookup& lookup) {
  VideoSettings s;
  auto get = [&](std::string_view key, size_t room = 79) {
    return lookup ? lookup("VIDEO", key, room) : std::nullopt;
  };

  if (auto v = get("TABCORES")) ParseColourTable(*v, &s.colour_map);
  if (auto v = get("CORESFIXAS")) s.colours_fixed = FirstIsYes(*v);
  if (auto v = get("LENTO")) s.slow_scrolling = FirstIsYes(*v);

  int background = 0;
  int foreground = 15;
  if (auto v = get("CORFUNDO")) background = v->empty() ? 0 : ParseConfigNumber(*v);
  if (auto v = get("CORLETRA")) foreground = v->empty() ? 7 : ParseConfigNumber(*v);
  s.initial_attr = static_cast<uint8_t>(((static_cast<uint32_t>(background) * 16u) | static_cast<uint32_t>(foreground)) & 0xFFu);

  // AMPLIF has room for one character only; "8" gives 0, which the magnifier treats as 2.
  if (auto v = get("AMPLIF", 1)) s.magnify_factor = v->empty() ? 0 : (static_cast<unsigned char>((*v)[0]) & 7);

  if (auto v = get("FONTE")) s.font_face = *v;
  if (auto v = get("LARGURALETRA"); v && !v->empty()) s.font_width = ParseConfigNumber(*v);
  if (auto v = get("ALTURALETRA"); v && !v->empty()) s.font_height = ParseConfigNumber(*v);
  if (auto v = get("PESOLETRA")) s.font_weight = ParseConfigNumber(*v);
  if (auto v = get("CANTOTELA"))
    s.maximized = !(v->size() >= 2 && ((*v)[1] == 'S' || (*v)[1] == 's'));

  if (lookup) {
    if (auto v = lookup("BRAILLE", "MODO", 79))
      s.braille_mode = v->empty() ? 0 : (static_cast<unsigned char>((*v)[0]) & 3);
  }
  return s;
}

}  // namespace pavodin
