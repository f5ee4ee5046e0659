#ifndef PAVODIN_PLATFORM_SDL_WINDOW_DISPLAY_H_
#define PAVODIN_PLATFORM_SDL_WINDOW_DISPLAY_H_

#include <memory>
#include <string>
#include <string_view>

#include "console/display.h"
#include "platform/console_font.h"
#include "platform/window_metrics.h"

struct SDL_Window;
struct SDL_Surface;

// The console as a window of its own (SDL2 + SDL2_ttf), class "KdWinCrt":
// the 80 × 25 grid in the configured font, stretched to the configured cell,
// painted by runs of equal attributes into an image of the whole grid that
// is copied to the window. Scrolls move that image (slow scrolling) or
// redraw it from the grids; exposure and resizing redraw it too. The caret
// is a 2-pixel bar inverting the cell's pixels at the baseline. The right
// mouse button held shows the image enlarged around the pointer.
//
// Program thread only. The window's events reach the console through
// SdlMessageSource; this class only draws and answers questions.

namespace pavodin {

class SdlWindowDisplay : public Display {
 public:
  // Whether windows can be opened here: SDL's video starts on a desktop's
  // window system (X11 or Wayland), not on its invisible "offscreen" or
  // "dummy" drivers nor on a bare text console, and a fixed-width font is
  // installed. `why` tells what failed.
  static bool Available(std::string* why);

  SdlWindowDisplay();
  ~SdlWindowDisplay() override;

  SdlWindowDisplay(const SdlWindowDisplay&) = delete;
  SdlWindowDisplay& operator=(const SdlWindowDisplay&) = delete;

  // Opens the window on the desktop's window system (or on the SDL video
  // driver SDL_VIDEODRIVER names). On failure (no video, no fixed-width
  // font) the reason is written to standard error and the display draws
  // nothing.
  void Open(const ScreenModel* screen, const VideoSettings& settings) override;
  void SetTitle(std::string_view title) override;
  void ShowCaret(int column, int row) override;
  void HideCaret() override;
  void Pointer(const Message& msg) override;
  void Close() override;
  void Detach(std::string_view title) override;
  bool HasFocus() override;

  void ShowCells(int row, int first, int end) override;
  void ShowScroll() override;
  void ShowAll() override;
  // The console's sound plays the beep; the window has nothing to show for it.
  void Beep() override {}

  // For tests and the curious.
  bool is_open() const { return window_ != nullptr; }
  const CellMetrics& cell() const { return cell_; }
  const FontChoice& font() const { return font_->choice(); }
  const WindowSizeLimits& size_limits() const { return limits_; }
  SDL_Window* window() const { return window_; }
  bool magnifying() const { return zoom_source_ != nullptr; }
  // The colour the window shows at (x, y) of its drawing area, as handed to
  // the window system. False outside the area.
  bool WindowPixel(int x, int y, Rgb* out);

 private:
  void DrawRun(int row, const AttrRun& run);
  void DrawRows(int first_row, int end_row);
  void ScrollImage();
  // Copies `area` of the grid image to the window, with the caret and the
  // black beyond the grid, and has it shown.
  void Present(const PixelRect& area);
  void PresentAll();
  void DrawCaret(SDL_Surface* target);
  void Zoom(int x, int y);
  void UpdateSizeLimits();
  void Release();

  const ScreenModel* screen_ = nullptr;
  VideoSettings settings_;
  SDL_Window* window_ = nullptr;
  std::unique_ptr<ConsoleFont> font_;
  CellMetrics cell_;
  WindowSizeLimits limits_;
  PixelSize usable_;
  bool decorations_known_ = false;
  SDL_Surface* image_ = nullptr;        // the whole grid as drawn
  SDL_Surface* zoom_source_ = nullptr;  // the image when the magnifier began
  int pointer_x_ = 0, pointer_y_ = 0;   // where the enlargement is centred
  bool caret_shown_ = false;
  PixelRect caret_;
  bool detached_ = false;
  bool video_started_ = false;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_SDL_WINDOW_DISPLAY_H_
