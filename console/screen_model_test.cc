#include "console/screen_model.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/fakes.h"

namespace pavodin {
namespace {

std::string Row(const ScreenModel& s, int row) {
  std::string out;
  for (int c = 0; c < ScreenColumns; ++c) out += static_cast<char>(s.CharAt(c, row));
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

struct WriteCase {
  const char* name;
  std::string bytes;
  int column, row;             // 0-based cursor afterwards
  std::string row0, row1;      // contents afterwards, trailing blanks dropped
};

TEST(ScreenModelTest, WritesBytesAtTheCursor) {
  const std::string eighty(80, 'x');
  const WriteCase cases[] = {
      {"printable", "abc", 3, 0, "abc", ""},
      {"carriage return only returns", "abc\rX", 1, 0, "Xbc", ""},
      {"line feed returns and moves down", "ab\ncd", 2, 1, "ab", "cd"},
      {"backspace blanks the cell to the left", "abc\b", 2, 0, "ab", ""},
      {"backspace at column 0 does nothing", "\b\bab", 2, 0, "ab", ""},
      {"tab and other controls leave no trace", "a\tb\x01\x1b\x0c\x0b" "c", 3, 0, "abc", ""},
      {"full row leaves the cursor at column 80", eighty, 80, 0, eighty, ""},
      {"next character wraps to the next row", eighty + "y", 1, 1, eighty, "y"},
      {"line feed after a full row moves one row only", eighty + "\ny", 1, 1, eighty, "y"},
      {"Windows-1252 bytes are stored as they are", "op\xE7\xE3o", 5, 0, "op\xE7\xE3o", ""},
  };
  for (const WriteCase& c : cases) {
    ScreenModel screen;
    RecordingDisplay display;
    screen.Write(c.bytes, &display);
    EXPECT_EQ(screen.cursor_column(), c.column) << c.name;
    EXPECT_EQ(screen.cursor_row(), c.row) << c.name;
    EXPECT_EQ(Row(screen, 0), c.row0) << c.name;
    EXPECT_EQ(Row(screen, 1), c.row1) << c.name;
  }
}

TEST(ScreenModelTest, BellBeepsWithoutMovingTheCursor) {
  ScreenModel screen;
  RecordingDisplay display;
  screen.Write("a\x07", &display);
  EXPECT_EQ(display.beeps, 1);
  EXPECT_EQ(screen.cursor_column(), 1);
}

TEST(ScreenModelTest, WritingPastTheLastRowScrollsWithBlanksInTheCurrentAttribute) {
  ScreenModel screen;
  RecordingDisplay display;
  screen.Reset(0x07);
  for (int i = 0; i < ScreenRows; ++i) screen.Write("line" + std::to_string(i) + "\n", &display);
  EXPECT_EQ(display.scrolls, 1);
  EXPECT_EQ(Row(screen, 0), "line1");
  EXPECT_EQ(Row(screen, ScreenRows - 2), "line24");
  EXPECT_EQ(screen.cursor_row(), ScreenRows - 1);

  screen.current_attr = 0x4F;
  screen.Write("\n", &display);
  EXPECT_EQ(Row(screen, ScreenRows - 1), "");
  EXPECT_EQ(screen.AttrAt(0, ScreenRows - 1), 0x4F);
  EXPECT_EQ(screen.AttrAt(0, ScreenRows - 2), 0x07);
}

TEST(ScreenModelTest, ReportsTheChangedCellsOfEachRow) {
  ScreenModel screen;
  RecordingDisplay display;
  screen.Write("abc", &display);
  screen.Write("\rZ", &display);     // written left of where the write began
  screen.Write("\nxy\b", &display);  // row 0 finished, row 1 shown
  using C = RecordingDisplay::Cells;
  EXPECT_EQ(display.cells, (std::vector<C>{{0, 0, 3}, {0, 0, 3}, {0, 1, 1}, {1, 0, 2}}));
}

TEST(ScreenModelTest, ClearsTheRowFromTheCursorOnly) {
  ScreenModel screen;
  RecordingDisplay display;
  screen.Write("abcdef", &display);
  screen.set_cursor(2, 0);
  screen.current_attr = 0x12;
  screen.ClearToLineEnd(&display);
  EXPECT_EQ(Row(screen, 0), "ab");
  EXPECT_EQ(screen.AttrAt(5, 0), 0x12);
  EXPECT_EQ(screen.cursor_column(), 2);

  screen.set_cursor(80, 0);  // right after a full row: nothing to clear
  display.cells.clear();
  screen.ClearToLineEnd(&display);
  EXPECT_TRUE(display.cells.empty());
}

TEST(ScreenModelTest, ColoursGoThroughTheMapThenThePalette) {
  ColourMap map{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  EXPECT_EQ(ColourOf(5, map), (Rgb{142, 0, 142}));
  map[1] = 14;
  EXPECT_EQ(ColourOf(1, map), (Rgb{255, 255, 0}));
  map[2] = 16;  // above 15: black
  EXPECT_EQ(ColourOf(2, map), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace pavodin
