#include "platform/sdl_window_display.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/text_encoding.h"
#include "platform/x11_error_guard.h"

namespace pavodin {
namespace {

// Slow scrolling copies pixels only while the window's bottom edge stays
// this far above the bottom of the screen.
constexpr int kScrollMargin = 32;

SDL_Rect ToSdl(const PixelRect& r) { return {r.x, r.y, r.width, r.height}; }

uint32_t MapColour(const SDL_Surface* surface, const Rgb& c) {
  return SDL_MapRGB(surface->format, c.r, c.g, c.b);
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
  const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
  const int r = std::max(a.x + a.width, b.x + b.width), bottom = std::max(a.y + a.height, b.y + b.height);
  return {x, y, r - x, bottom - y};
}

bool Intersects(const PixelRect& a, const PixelRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool IsDesktopDriver(const std::string& name) { return name == "x11" || name == "wayland"; }

// Starts SDL's video; true when it runs on a desktop's window system, or on
// the driver SDL_VIDEODRIVER names when `named_driver_is_fine`. A window
// system that is there but does not answer at once (a busy X server refusing
// a connection) is asked again before SDL's fallbacks are believed.
bool StartDesktopVideo(bool named_driver_is_fine, std::string* driver, std::string* error) {
  IgnoreLateWakeUpErrors();
  const char* named = std::getenv("SDL_VIDEODRIVER");
  const bool take_any = named_driver_is_fine && named && *named;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) SDL_Delay(200);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      *error = SDL_GetError();
      continue;
    }
    const char* name = SDL_GetCurrentVideoDriver();
    *driver = name ? name : "";
    if (take_any || IsDesktopDriver(*driver)) return true;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  return false;
}

}  // namespace

bool SdlWindowDisplay::Available(std::string* why) {
  // Desktop sessions name their display; probing without one only makes
  // the window-system libraries complain on standard error.
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((!x11 || !*x11) && (!wayland || !*wayland)) {
    *why = "neither DISPLAY nor WAYLAND_DISPLAY is set";
    return false;
  }
  // With no display SDL may still start: with "offscreen" or "dummy" it opens
  // windows nobody can see, with "kmsdrm" it takes over a text console the
  // terminal display serves better. Only desktops get the window.
  std::string driver, error;
  if (!StartDesktopVideo(false, &driver, &error)) {
    *why = driver.empty() ? error : "no window system (SDL video driver \"" + driver + "\")";
    return false;
  }
  const int displays = SDL_GetNumVideoDisplays();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  if (displays < 1) {
    *why = "the window system has no display";
    return false;
  }
  // A window without a font to draw in would show nothing at all.
  FontChoice font;
  return FindConsoleFont("monospace", 400, &font, why);
}

SdlWindowDisplay::SdlWindowDisplay() = default;

SdlWindowDisplay::~SdlWindowDisplay() { Release(); }

void SdlWindowDisplay::Open(const ScreenModel* screen, const VideoSettings& settings) {
  screen_ = screen;
  settings_ = settings;
  // The window class name, as the window system shows it.
  setenv("SDL_VIDEO_X11_WMCLASS", "KdWinCrt", 0);
  setenv("SDL_VIDEO_WAYLAND_WMCLASS", "KdWinCrt", 0);
  // The window system's own image transfer: a text grid needs no 3D driver,
  // and loading one per window costs time and memory.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  std::string driver, error;
  if (!StartDesktopVideo(true, &driver, &error)) {
    std::fprintf(stderr, "pavodin: cannot open a window: %s\n",
                 driver.empty() ? error.c_str() : ("SDL video driver " + driver).c_str());
    return;
  }
  video_started_ = true;
  SDL_Rect usable{0, 0, 1024, 768};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) SDL_GetDisplayBounds(0, &usable);
  usable_ = {usable.w, usable.h};
  font_ = std::make_unique<ConsoleFont>();
  if (!font_->Open(settings, usable_, &error)) {
    std::fprintf(stderr, "pavodin: %s\n", error.c_str());
    return;
  }
  cell_ = font_->cell();

  const PixelSize grid = GridPixels(cell_);
  image_ = SDL_CreateRGBSurfaceWithFormat(0, grid.width, grid.height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!image_) {
    std::fprintf(stderr, "pavodin: no memory for the window image: %s\n", SDL_GetError());
    return;
  }
  SDL_SetSurfaceBlendMode(image_, SDL_BLENDMODE_NONE);
  DrawRows(0, ScreenRows);

  limits_ = ComputeSizeLimits(cell_, usable_, 0);
  PixelSize size{std::min(grid.width, limits_.maximum.width), std::min(grid.height, limits_.maximum.height)};
  int x = SDL_WINDOWPOS_UNDEFINED, y = SDL_WINDOWPOS_UNDEFINED;
  if (settings.maximized) {
    // Maximized means as large as the grid allows, in the top-left corner.
    x = usable.x;
    y = usable.y;
    size = limits_.maximum;
  }
  window_ = SDL_CreateWindow("", x, y, size.width, size.height, SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
  if (!window_) {
    std::fprintf(stderr, "pavodin: cannot open a window: %s\n", SDL_GetError());
    return;
  }
  SDL_SetWindowMinimumSize(window_, limits_.minimum.width, limits_.minimum.height);
  SDL_SetWindowMaximumSize(window_, limits_.maximum.width, limits_.maximum.height);
  SDL_ShowWindow(window_);
  // Window managers leave a maximized window's side frames off the screen
  // or drop them, so a grid as wide as the desktop keeps its last column.
  if (settings.maximized) SDL_MaximizeWindow(window_);
  PresentAll();
}

void SdlWindowDisplay::UpdateSizeLimits() {
  int top = 0, left = 0, bottom = 0, right = 0;
  if (decorations_known_ || SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0) return;
  if (top <= 0 && left <= 0) return;  // not known yet
  decorations_known_ = true;
  limits_ = ComputeSizeLimits(cell_, usable_, top);
  SDL_SetWindowMinimumSize(window_, limits_.minimum.width, limits_.minimum.height);
  SDL_SetWindowMaximumSize(window_, limits_.maximum.width, limits_.maximum.height);
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  if (w > limits_.maximum.width || h > limits_.maximum.height)
    SDL_SetWindowSize(window_, std::min(w, limits_.maximum.width), std::min(h, limits_.maximum.height));
}

void SdlWindowDisplay::DrawRun(int row, const AttrRun& run) {
  const SDL_Rect area{run.first * cell_.width, row * cell_.height, (run.end - run.first) * cell_.width,
                      cell_.height};
  const Rgb fg = ColourOf(run.attr & 0x0F, settings_.colour_map);
  const Rgb bg = ColourOf(run.attr >> 4, settings_.colour_map);
  SDL_FillRect(image_, &area, MapColour(image_, bg));
  SDL_SetClipRect(image_, &area);
  for (int col = run.first; col < run.end; ++col) {
    SDL_Surface* glyph = font_->Glyph(screen_->CharAt(col, row));
    if (!glyph) continue;
    SDL_SetSurfaceColorMod(glyph, fg.r, fg.g, fg.b);
    SDL_Rect at{col * cell_.width + cell_.overhang, row * cell_.height, glyph->w, glyph->h};
    SDL_BlitSurface(glyph, nullptr, image_, &at);
  }
  SDL_SetClipRect(image_, nullptr);
}

void SdlWindowDisplay::DrawRows(int first_row, int end_row) {
  for (int row = first_row; row < end_row; ++row)
    for (const AttrRun& run : SplitRuns(*screen_, row, 0, ScreenColumns)) DrawRun(row, run);
}

void SdlWindowDisplay::ShowCells(int row, int first, int end) {
  if (!image_ || detached_ || end <= first) return;
  for (const AttrRun& run : SplitRuns(*screen_, row, first, end)) DrawRun(row, run);
  Present({first * cell_.width, row * cell_.height, (end - first) * cell_.width, cell_.height});
}

void SdlWindowDisplay::ScrollImage() {
  const int line = cell_.height;
  const int rows_bytes = image_->pitch * (image_->h - line);
  auto* pixels = static_cast<uint8_t*>(image_->pixels);
  std::memmove(pixels, pixels + image_->pitch * line, static_cast<size_t>(rows_bytes));
  const SDL_Rect strip{0, (ScreenRows - 1) * line, image_->w, line};
  SDL_FillRect(image_, &strip, MapColour(image_, ColourOf(screen_->current_attr >> 4, settings_.colour_map)));
}

void SdlWindowDisplay::ShowScroll() {
  if (!image_ || detached_) return;
  bool copy = settings_.slow_scrolling && HasFocus();
  if (copy) {
    int x = 0, y = 0, w = 0, h = 0, top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_GetWindowSize(window_, &w, &h);
    SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right);
    SDL_Rect screen{0, 0, 0, 0};
    SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &screen);
    copy = (screen.y + screen.h) - (y + h + bottom) > kScrollMargin;
  }
  if (copy) {
    ScrollImage();
  } else {
    DrawRows(0, ScreenRows);
  }
  PresentAll();
}

void SdlWindowDisplay::ShowAll() {
  if (!image_ || detached_) return;
  UpdateSizeLimits();
  DrawRows(0, ScreenRows);
  PresentAll();
  // An exposure while magnifying shows the enlargement again.
  if (zoom_source_) Zoom(pointer_x_, pointer_y_);
}

void SdlWindowDisplay::DrawCaret(SDL_Surface* target) {
  // Inverted pixels, like the system caret, so it shows on any colour.
  SDL_Rect r = ToSdl(caret_);
  SDL_Rect bounds{0, 0, target->w, target->h};
  SDL_Rect clipped;
  if (!SDL_IntersectRect(&r, &bounds, &clipped)) return;
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  const int bpp = target->format->BytesPerPixel;
  for (int y = clipped.y; y < clipped.y + clipped.h; ++y) {
    uint8_t* p = static_cast<uint8_t*>(target->pixels) + y * target->pitch + clipped.x * bpp;
    for (int i = 0; i < clipped.w * bpp; ++i) p[i] = static_cast<uint8_t>(~p[i]);
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
}

void SdlWindowDisplay::Present(const PixelRect& wanted) {
  SDL_Surface* win = SDL_GetWindowSurface(window_);
  if (!win) return;
  PixelRect area = wanted;
  // The caret's cells are copied whole before it is drawn again, so it is
  // never inverted twice.
  const bool caret = caret_shown_ && Intersects(area, caret_);
  if (caret) area = Union(area, caret_);
  SDL_Rect src = ToSdl(area);
  SDL_Rect dst = src;
  SDL_BlitSurface(image_, &src, win, &dst);
  if (caret) DrawCaret(win);
  SDL_Rect update = ToSdl(area);
  SDL_Rect bounds{0, 0, win->w, win->h};
  SDL_Rect clipped;
  if (SDL_IntersectRect(&update, &bounds, &clipped)) SDL_UpdateWindowSurfaceRects(window_, &clipped, 1);
}

void SdlWindowDisplay::PresentAll() {
  SDL_Surface* win = SDL_GetWindowSurface(window_);
  if (!win) return;
  SDL_FillRect(win, nullptr, SDL_MapRGB(win->format, 0, 0, 0));  // beyond the grid
  SDL_BlitSurface(image_, nullptr, win, nullptr);
  if (caret_shown_) DrawCaret(win);
  SDL_UpdateWindowSurface(window_);
}

void SdlWindowDisplay::ShowCaret(int column, int row) {
  if (!image_ || detached_) return;
  if (caret_shown_) HideCaret();
  caret_ = CaretRect(cell_, column, row);
  caret_shown_ = true;
  Present(caret_);
}

void SdlWindowDisplay::HideCaret() {
  if (!caret_shown_) return;
  caret_shown_ = false;
  if (image_ && !detached_) Present(caret_);
}

void SdlWindowDisplay::Zoom(int x, int y) {
  pointer_x_ = x;
  pointer_y_ = y;
  SDL_Surface* win = SDL_GetWindowSurface(window_);
  if (!win) return;
  const PixelSize image{zoom_source_->w, zoom_source_->h};
  SDL_Rect src = ToSdl(MagnifierSource(x, y, settings_.magnify_factor, image));
  SDL_Rect dst{0, 0, image.width, image.height};
  if (src.w > 0 && src.h > 0) SDL_BlitScaled(zoom_source_, &src, win, &dst);
  SDL_UpdateWindowSurface(window_);
}

void SdlWindowDisplay::Pointer(const Message& msg) {
  if (!image_ || detached_) return;
  switch (msg.kind) {
    case MessageKind::kRightButtonDown:
      if (zoom_source_) break;
      zoom_source_ = SDL_DuplicateSurface(image_);
      if (!zoom_source_) break;
      SDL_SetSurfaceBlendMode(zoom_source_, SDL_BLENDMODE_NONE);
      Zoom(msg.x, msg.y);
      break;
    case MessageKind::kMouseMove:
      if (zoom_source_) Zoom(msg.x, msg.y);
      break;
    case MessageKind::kRightButtonUp:
      if (!zoom_source_) break;
      SDL_FreeSurface(zoom_source_);
      zoom_source_ = nullptr;
      DrawRows(0, ScreenRows);
      PresentAll();
      break;
    default:
      break;
  }
}

void SdlWindowDisplay::SetTitle(std::string_view title) {
  if (!window_) return;
  std::string utf8 = Cp1252ToUtf8(title);
  for (char& c : utf8)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  SDL_SetWindowTitle(window_, utf8.c_str());
}

bool SdlWindowDisplay::HasFocus() {
  return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

bool SdlWindowDisplay::WindowPixel(int x, int y, Rgb* out) {
  if (!window_) return false;
  SDL_Surface* win = SDL_GetWindowSurface(window_);
  if (!win || x < 0 || y < 0 || x >= win->w || y >= win->h) return false;
  if (SDL_MUSTLOCK(win)) SDL_LockSurface(win);
  const int bpp = win->format->BytesPerPixel;
  uint32_t pixel = 0;
  std::memcpy(&pixel, static_cast<uint8_t*>(win->pixels) + y * win->pitch + x * bpp,
              static_cast<size_t>(std::min(bpp, 4)));
  if (SDL_MUSTLOCK(win)) SDL_UnlockSurface(win);
  SDL_GetRGB(pixel, win->format, &out->r, &out->g, &out->b);
  return true;
}

void SdlWindowDisplay::Close() { Release(); }

void SdlWindowDisplay::Detach(std::string_view title) {
  SetTitle(title);
  detached_ = true;
}

void SdlWindowDisplay::Release() {
  if (zoom_source_) SDL_FreeSurface(zoom_source_);
  zoom_source_ = nullptr;
  if (image_) SDL_FreeSurface(image_);
  image_ = nullptr;
  if (window_) SDL_DestroyWindow(window_);
  window_ = nullptr;
  font_.reset();
  if (video_started_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  video_started_ = false;
  caret_shown_ = false;
  screen_ = nullptr;
}

}  // namespace pavodin
