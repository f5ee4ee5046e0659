// How long the console window takes to show output: one written line
// (its cells painted and copied to the window), a line that scrolls the
// grid (both ways of showing a scroll), and a full redraw after exposure.
// Output must appear while speech plays, so these bound how fast text can
// follow the voice.
//
// Runs on the display SDL finds, or, when none is set, on SDL's offscreen
// driver (no window system needed; the copy to a real screen comes on top).

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/sdl_window_display.h"

namespace pavodin {
namespace {

class Window {
 public:
  explicit Window(bool slow_scrolling) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("SDL_VIDEODRIVER", "offscreen", 0);
    screen.Reset(0x0F);
    VideoSettings settings;
    settings.slow_scrolling = slow_scrolling;
    settings.font_width = 16;
    settings.font_height = 39;
    display.Open(&screen, settings);
  }
  ScreenModel screen;
  SdlWindowDisplay display;
};

void BM_WriteLine(benchmark::State& state) {
  Window w(false);
  if (!w.display.is_open()) return state.SkipWithError("no window");
  w.screen.current_attr = 0x1F;
  for (auto _ : state) {
    w.screen.set_cursor(0, 3);
    w.screen.Write("Pavodin - Gerador e impressor - QUIRA - v. 1.0 - a linha inteira", &w.display);
  }
}
BENCHMARK(BM_WriteLine);

void BM_ScrollingLine(benchmark::State& state) {
  Window w(state.range(0) != 0);
  if (!w.display.is_open()) return state.SkipWithError("no window");
  w.screen.set_cursor(0, ScreenRows - 1);
  for (auto _ : state) w.screen.Write("Qual sua opção? G\r\n", &w.display);
}
BENCHMARK(BM_ScrollingLine)->Arg(0)->Arg(1)->ArgName("slow");

void BM_FullRedraw(benchmark::State& state) {
  Window w(false);
  if (!w.display.is_open()) return state.SkipWithError("no window");
  for (int row = 0; row < ScreenRows; ++row) {
    w.screen.current_attr = static_cast<uint8_t>(row % 8 << 4 | 0x0F);
    w.screen.Write("As opções deste programa são: G I N ESC F1 F8 Ctrl+F8 e a seta para baixo.\r\n", &w.display);
  }
  for (auto _ : state) w.display.ShowAll();
}
BENCHMARK(BM_FullRedraw);

}  // namespace
}  // namespace pavodin
