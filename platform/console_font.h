#ifndef PAVODIN_PLATFORM_CONSOLE_FONT_H_
#define PAVODIN_PLATFORM_CONSOLE_FONT_H_

#include <array>
#include <string>

#include "console/video_settings.h"
#include "platform/font_finder.h"
#include "platform/window_metrics.h"

struct SDL_Surface;
typedef struct _TTF_Font TTF_Font;

// The console window's font (SDL2_ttf): the configured face and weight
// found through fontconfig, sized so that its height and advance are the
// configured cell (the glyphs are stretched when the configured width does
// not match the face), and every Windows-1252 character rendered once.
// Needs SDL's video running; TTF is started and stopped with the font.

namespace pavodin {

class ConsoleFont {
 public:
  ConsoleFont() = default;
  ~ConsoleFont();

  ConsoleFont(const ConsoleFont&) = delete;
  ConsoleFont& operator=(const ConsoleFont&) = delete;

  // FONTE, PESOLETRA, LARGURALETRA and ALTURALETRA from `settings`; an
  // empty (or non-positive) size is computed from `usable`, the desktop's
  // usable area. False, with the reason, when no font can be opened.
  bool Open(const VideoSettings& settings, PixelSize usable, std::string* error);

  const CellMetrics& cell() const { return cell_; }
  const FontChoice& choice() const { return choice_; }

  // The character's glyph, white with coverage as alpha, one cell high,
  // drawn from the cell's top-left corner; null for characters that show
  // nothing (blank, controls).
  SDL_Surface* Glyph(uint8_t c) const { return glyphs_[c]; }

 private:
  bool OpenFace(const VideoSettings& settings, std::string* error);
  void FitToCell(const VideoSettings& settings, PixelSize usable);
  void RenderGlyphs();

  bool ttf_started_ = false;
  TTF_Font* font_ = nullptr;
  FontChoice choice_;
  CellMetrics cell_;
  std::array<SDL_Surface*, 256> glyphs_{};
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_CONSOLE_FONT_H_
