#include "platform/terminal_display.h"

#include <gtest/gtest.h>

#include "testing/fakes.h"

namespace pavodin {
namespace {

TEST(TerminalDisplayTest, DrawsRunsOfEqualAttributesInThePaletteColours) {
  ScreenModel screen;
  RecordingDisplay ignore;
  screen.Reset(0x1F);
  screen.Write("op\xE7\xE3o", &ignore);
  screen.current_attr = 0x4E;
  screen.Write("!\x81", &ignore);
  ColourMap map{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  const std::string out = TerminalDisplay::RenderCells(screen, map, 0, 0, 7);
  EXPECT_EQ(out,
            "\x1b[1;1H"
            "\x1b[38;2;255;255;255;48;2;0;0;255m" "op\xC3\xA7\xC3\xA3o"
            "\x1b[38;2;255;255;0;48;2;255;0;0m" "! "  // an undefined byte shows as a blank
            "\x1b[0m");
  EXPECT_EQ(TerminalDisplay::RenderCells(screen, map, 0, 3, 3), "");
}

}  // namespace
}  // namespace pavodin
