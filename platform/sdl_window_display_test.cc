#include "platform/sdl_window_display.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/program_end.h"
#include "platform/clock.h"
#include "platform/sdl_message_source.h"
#include "testing/fakes.h"

// The real window, on whatever display is there (Xvfb in CI: the
// window_display test runs these under xvfb-run). Without a display they
// are skipped. PAVODIN_SCREENSHOT_DIR=dir keeps pictures of what was drawn.

namespace pavodin {
namespace {

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kBlue{0, 0, 255}, kRed{255, 0, 0};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    if (!SdlWindowDisplay::Available(&why)) GTEST_SKIP() << "no display: " << why;
    settings.font_width = 16;
    settings.font_height = 32;
    screen.Reset(0x0F);
  }

  void Open() {
    display.Open(&screen, settings);
    ASSERT_TRUE(display.is_open());
  }

  // Everything the window shows, row by row.
  std::vector<Rgb> Image() {
    std::vector<Rgb> pixels;
    SDL_Surface* win = SDL_GetWindowSurface(display.window());
    for (int y = 0; y < win->h; ++y)
      for (int x = 0; x < win->w; ++x) {
        Rgb c{};
        display.WindowPixel(x, y, &c);
        pixels.push_back(c);
      }
    return pixels;
  }

  Rgb Pixel(int x, int y) {
    Rgb c{1, 2, 3};
    EXPECT_TRUE(display.WindowPixel(x, y, &c)) << x << "," << y;
    return c;
  }

  // How many pixels of a cell have exactly colour `c`.
  int CountInCell(int column, int row, Rgb c) {
    int n = 0;
    const CellMetrics& cell = display.cell();
    for (int y = row * cell.height; y < (row + 1) * cell.height; ++y)
      for (int x = column * cell.width; x < (column + 1) * cell.width; ++x) n += Pixel(x, y) == c;
    return n;
  }

  void Screenshot(const char* name) {
    const char* dir = std::getenv("PAVODIN_SCREENSHOT_DIR");
    if (dir) SDL_SaveBMP(SDL_GetWindowSurface(display.window()), (std::string(dir) + "/" + name + ".bmp").c_str());
  }

  ScreenModel screen;
  VideoSettings settings;
  SdlWindowDisplay display;
};

TEST_F(WindowTest, OpensWithTheAskedCellAndTheSizeLimits) {
  settings.font_face = "Lucida Console";
  Open();
  const CellMetrics& cell = display.cell();
  EXPECT_EQ(cell.width, 16);
  EXPECT_LE(cell.height, 33);  // the asked height plus any external leading
  EXPECT_GE(cell.height, 30);
  EXPECT_GT(cell.ascent, cell.height / 2);
  EXPECT_LT(cell.ascent, cell.height);
  EXPECT_TRUE(display.font().fixed_width) << display.font().family;

  int max_w = 0, max_h = 0, min_w = 0, min_h = 0, w = 0, h = 0;
  SDL_GetWindowMaximumSize(display.window(), &max_w, &max_h);
  SDL_GetWindowMinimumSize(display.window(), &min_w, &min_h);
  EXPECT_LE(max_w, 80 * cell.width);
  EXPECT_LE(max_h, 25 * cell.height);
  EXPECT_EQ(min_w, 16 * cell.width);
  EXPECT_EQ(min_h, 4 * cell.height);
  // Maximized (the default): as large as the limits allow.
  SDL_GetWindowSize(display.window(), &w, &h);
  EXPECT_EQ(w, max_w);
  EXPECT_EQ(h, max_h);
}

TEST_F(WindowTest, PaintsTextInThePaletteColoursOnlyWhereWritten) {
  Open();
  screen.current_attr = 0x1F;
  screen.Write("Pavodin", &display);
  screen.current_attr = 0x0F;
  screen.Write("\r\n", &display);
  Screenshot("banner");
  // Every cell of the banner has its blue background and white letter strokes.
  for (int col = 0; col < 7; ++col) {
    EXPECT_GT(CountInCell(col, 0, kBlue), 0) << col;
    EXPECT_GT(CountInCell(col, 0, kWhite), 0) << col;
  }
  const CellMetrics& cell = display.cell();
  EXPECT_EQ(CountInCell(7, 0, kBlack), cell.width * cell.height);
  EXPECT_EQ(CountInCell(0, 1, kBlack), cell.width * cell.height);
  // The letters differ: "P" and "a" are not the same picture.
  int differ = 0;
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x) differ += !(Pixel(x, y) == Pixel(cell.width + x, y));
  EXPECT_GT(differ, 10);
}

TEST_F(WindowTest, ColourMapChangesWhatIsPainted) {
  settings.colour_map[1] = 4;   // blue shows red
  settings.colour_map[15] = 20; // white shows black (above 15)
  Open();
  screen.current_attr = 0x1F;
  screen.Write("XX", &display);
  EXPECT_GT(CountInCell(0, 0, kRed), 0);
  EXPECT_EQ(CountInCell(0, 0, kBlue), 0);
  EXPECT_EQ(CountInCell(0, 0, kWhite), 0);
  EXPECT_GT(CountInCell(0, 0, kBlack), 0);  // the letter, in black
}

TEST_F(WindowTest, CaretUnderlinesTheCellAtTheBaselineAndGoesAwayCleanly) {
  Open();
  const std::vector<Rgb> before = Image();
  const CellMetrics& cell = display.cell();
  display.ShowCaret(3, 2);
  const int y = 2 * cell.height + cell.ascent;
  for (int x = 3 * cell.width; x < 4 * cell.width; ++x) {
    EXPECT_EQ(Pixel(x, y), kWhite);
    EXPECT_EQ(Pixel(x, y + 1), kWhite);
  }
  EXPECT_EQ(Pixel(3 * cell.width, y - 1), kBlack);
  EXPECT_EQ(Pixel(3 * cell.width, y + 2), kBlack);
  EXPECT_EQ(Pixel(4 * cell.width, y), kBlack);
  // Text drawn under a shown caret keeps the caret, inverted once.
  screen.set_cursor(2, 2);
  screen.Write("ab", &display);
  std::vector<Rgb> with_caret, without;
  for (int x = 3 * cell.width; x < 4 * cell.width; ++x) with_caret.push_back(Pixel(x, y));
  display.HideCaret();
  for (int x = 3 * cell.width; x < 4 * cell.width; ++x) without.push_back(Pixel(x, y));
  for (size_t i = 0; i < with_caret.size(); ++i) {
    EXPECT_EQ(with_caret[i].r, 255 - without[i].r) << i;
    EXPECT_EQ(with_caret[i].b, 255 - without[i].b) << i;
  }
  screen.set_cursor(2, 2);
  screen.Write("  ", &display);
  EXPECT_TRUE(Image() == before);
}

TEST_F(WindowTest, ScrollingShowsWhatTheGridsHoldEitherWay) {
  for (bool slow : {false, true}) {
    SCOPED_TRACE(slow ? "slow scrolling" : "redraw");
    settings.slow_scrolling = slow;
    screen.Reset(0x0F);
    screen.set_cursor(0, 0);
    Open();
    if (slow) {
      // Pixels are moved only while the window has the focus.
      SDL_RaiseWindow(display.window());
      SDL_SetWindowInputFocus(display.window());
      for (int i = 0; i < 100 && !display.HasFocus(); ++i) {
        SDL_PumpEvents();
        SDL_Delay(10);
      }
      ASSERT_TRUE(display.HasFocus());
    }
    for (int i = 0; i < 40; ++i) {
      screen.current_attr = static_cast<uint8_t>((i % 7 + 1) << 4 | 0x0F);
      screen.Write("line " + std::to_string(i) + "\r\n", &display);
    }
    Screenshot(slow ? "scrolled-slow" : "scrolled");
    const std::vector<Rgb> scrolled = Image();
    display.ShowAll();
    EXPECT_TRUE(Image() == scrolled);
    display.Close();
  }
}

TEST_F(WindowTest, MagnifierEnlargesAroundThePointerAndReleaseRestores) {
  settings.magnify_factor = 0;  // AMPLIF "0": like 2
  Open();
  screen.current_attr = 0x1F;
  screen.Write("Pavodin - Gerador e impressor", &display);
  const std::vector<Rgb> before = Image();
  SDL_Surface* win = SDL_GetWindowSurface(display.window());
  const int w = win->w;

  Message press = Message::Of(MessageKind::kRightButtonDown);
  press.x = 0;
  press.y = 0;
  display.Pointer(press);
  EXPECT_TRUE(display.magnifying());
  Screenshot("magnified");
  // Around the top-left corner, each source pixel covers 2 × 2.
  for (int y = 0; y < 60; y += 3)
    for (int x = 0; x < 200; x += 3) {
      EXPECT_EQ(Pixel(2 * x, 2 * y), before[y * w + x]) << x << "," << y;
      EXPECT_EQ(Pixel(2 * x + 1, 2 * y + 1), before[y * w + x]) << x << "," << y;
    }
  // Following the pointer: the pixel under it stays under it.
  Message move = Message::Of(MessageKind::kMouseMove);
  move.x = 100;
  move.y = 20;
  display.Pointer(move);
  EXPECT_EQ(Pixel(100, 20), before[20 * w + 100]);

  display.Pointer(Message::Of(MessageKind::kRightButtonUp));
  EXPECT_FALSE(display.magnifying());
  EXPECT_TRUE(Image() == before);
}

TEST_F(WindowTest, MagnifierFactorOneShowsTheWindowUnchanged) {
  settings.magnify_factor = 1;
  Open();
  screen.current_attr = 0x4E;
  screen.Write("AMPLIF 1", &display);
  const std::vector<Rgb> before = Image();
  Message press = Message::Of(MessageKind::kRightButtonDown);
  press.x = 300;
  press.y = 100;
  display.Pointer(press);
  EXPECT_TRUE(Image() == before);
  display.Pointer(Message::Of(MessageKind::kRightButtonUp));
}

TEST_F(WindowTest, DetachedWindowKeepsItsImageAndTitle) {
  Open();
  screen.Write("x", &display);
  display.Detach("Programa terminado");
  EXPECT_STREQ(SDL_GetWindowTitle(display.window()), "Programa terminado");
  const std::vector<Rgb> before = Image();
  screen.Write("yyyy", &display);
  EXPECT_TRUE(Image() == before);
}

// The console on the real window and its SDL message source.
class WindowConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    if (!SdlWindowDisplay::Available(&why)) GTEST_SKIP() << "no display: " << why;
    messages = std::make_unique<SdlMessageSource>();
    ConsoleServices s;
    s.messages = messages.get();
    s.display = &display;
    s.sound = &sound;
    s.clock = &clock;
    s.program_path = "/usr/bin/pavodin";
    s.settings = [](std::string_view, std::string_view key, size_t) -> std::optional<std::string> {
      if (key == "LARGURALETRA") return "12";
      if (key == "ALTURALETRA") return "24";
      return std::nullopt;
    };
    console = std::make_unique<Console>(s);
  }

  void Push(uint32_t type, SDL_Keycode sym, SDL_Scancode sc, uint16_t mod = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = sc;
    e.key.keysym.mod = mod;
    e.key.windowID = SDL_GetWindowID(display.window());
    ASSERT_EQ(SDL_PushEvent(&e), 1);
  }

  std::unique_ptr<SdlMessageSource> messages;
  SdlWindowDisplay display;
  RecordingConsoleSound sound;
  FakeClock clock;
  std::unique_ptr<Console> console;
};

TEST_F(WindowConsoleTest, KeysPushedAsSdlEventsReachNextKey) {
  console->OpenConsole();
  console->CurrentAttr() = 0x1F;
  console->ConsoleWrite("Pavodin\r\n");
  EXPECT_STREQ(SDL_GetWindowTitle(display.window()), "/usr/bin/pavodin");
  EXPECT_EQ(display.cell().width, 12);
  Push(SDL_KEYDOWN, SDLK_F1, SDL_SCANCODE_F1);
  Push(SDL_KEYUP, SDLK_F1, SDL_SCANCODE_F1);
  Push(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LCTRL);
  EXPECT_EQ(console->NextKey(), 0);
  EXPECT_EQ(console->NextKey(), 59);
  EXPECT_EQ(console->NextKey(), 10);
  Rgb c{};
  ASSERT_TRUE(display.WindowPixel(1, 1, &c));
  EXPECT_EQ(c, kBlue);
}

TEST_F(WindowConsoleTest, ClosingTheWindowWhileWaitingForAKeyEndsWithExitCode0) {
  console->ConsoleWrite("Qual sua opção? ");
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  close.window.windowID = SDL_GetWindowID(display.window());
  ASSERT_EQ(SDL_PushEvent(&close), 1);
  int code = -1;
  try {
    console->NextKey();
  } catch (const ProgramEnd& end) {
    code = end.exit_code;
  }
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(display.is_open());
}

}  // namespace
}  // namespace pavodin
