#include "platform/console_font.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>

#include <algorithm>

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

// Cells beyond these come only from a broken configuration; they would ask
// for images of gigabytes.
constexpr int kLargestCellWidth = 256;
constexpr int kLargestCellHeight = 512;
// Faces are measured at a large em, so their proportions are exact enough.
constexpr int kReferenceEm = 1000;

int Advance(TTF_Font* font) {
  int advance = 0;
  TTF_GlyphMetrics32(font, '0', nullptr, nullptr, nullptr, nullptr, &advance);
  return advance;
}

}  // namespace

ConsoleFont::~ConsoleFont() {
  for (SDL_Surface*& glyph : glyphs_) {
    if (glyph) SDL_FreeSurface(glyph);
    glyph = nullptr;
  }
  if (font_) TTF_CloseFont(font_);
  if (ttf_started_) TTF_Quit();
}

bool ConsoleFont::Open(const VideoSettings& settings, PixelSize usable, std::string* error) {
  if (!ttf_started_) {
    if (TTF_Init() != 0) {
      *error = std::string("cannot draw text: ") + TTF_GetError();
      return false;
    }
    ttf_started_ = true;
  }
  if (!OpenFace(settings, error)) return false;
  FitToCell(settings, usable);
  RenderGlyphs();
  return true;
}

bool ConsoleFont::OpenFace(const VideoSettings& settings, std::string* error) {
  if (!FindConsoleFont(settings.font_face, settings.font_weight, &choice_, error)) return false;
  font_ = TTF_OpenFontIndexDPI(choice_.path.c_str(), 72, choice_.index, kReferenceEm, kReferenceEm);
  // A file fontconfig knows but FreeType cannot read: the plain monospace font.
  if (!font_ && FindConsoleFont("monospace", settings.font_weight, &choice_, error)) {
    font_ = TTF_OpenFontIndexDPI(choice_.path.c_str(), 72, choice_.index, kReferenceEm, kReferenceEm);
  }
  if (!font_) {
    *error = "cannot open the font " + choice_.path + ": " + TTF_GetError();
    return false;
  }
  // No bold face installed: the renderer emboldens the regular one.
  if (settings.font_weight >= 600 && choice_.weight < 600) TTF_SetFontStyle(font_, TTF_STYLE_BOLD);
  return true;
}

void ConsoleFont::FitToCell(const VideoSettings& settings, PixelSize usable) {
  int want_h = settings.font_height.value_or(0);
  if (want_h <= 0) want_h = DefaultFontHeight(usable.height);
  want_h = std::clamp(want_h, 4, kLargestCellHeight);
  const int reference_advance = Advance(font_);
  EmProportions proportions;
  proportions.height_per_em = static_cast<double>(TTF_FontHeight(font_)) / kReferenceEm;
  if (reference_advance > 0) proportions.advance_per_em = static_cast<double>(reference_advance) / kReferenceEm;
  int want_w = settings.font_width.value_or(DefaultFontWidth(usable.width));
  // Width 0 asks for the face's own proportions.
  if (want_w <= 0) want_w = static_cast<int>(want_h / proportions.height_per_em * proportions.advance_per_em);
  want_w = std::clamp(want_w, 2, kLargestCellWidth);

  PixelSize em = EmSizeForCell(want_w, want_h, proportions);
  TTF_SetFontSizeDPI(font_, 72, em.width, em.height);
  // Rounding inside the font engine may overshoot by a pixel.
  while (TTF_FontHeight(font_) > want_h && em.height > 1) TTF_SetFontSizeDPI(font_, 72, em.width, --em.height);
  while (Advance(font_) > want_w && em.width > 1) TTF_SetFontSizeDPI(font_, 72, --em.width, em.height);

  const int external_leading = std::max(0, TTF_FontLineSkip(font_) - TTF_FontHeight(font_));
  cell_.width = std::max(Advance(font_), 1);
  cell_.height = std::max(TTF_FontHeight(font_) + external_leading, 1);
  cell_.ascent = TTF_FontAscent(font_);
  cell_.overhang = 0;  // outline fonts have none
}

void ConsoleFont::RenderGlyphs() {
  const SDL_Color white{255, 255, 255, 255};
  for (int b = 33; b < 256; ++b) {
    const char32_t cp = Cp1252ToCodePoint(static_cast<unsigned char>(b));
    if (cp == 0x7F || (cp >= 0x80 && cp <= 0xA0)) continue;  // controls and no-break space show nothing
    SDL_Surface* glyph = TTF_RenderGlyph32_Blended(font_, cp, white);
    if (!glyph) continue;
    SDL_SetSurfaceBlendMode(glyph, SDL_BLENDMODE_BLEND);
    glyphs_[b] = glyph;
  }
}

}  // namespace pavodin
