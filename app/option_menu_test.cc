#include "app/option_menu.h"

#include <gtest/gtest.h>

#include "testing/program_harness.h"

namespace pavodin {
namespace {

class OptionMenuTest : public ::testing::Test {
 protected:
  OptionMenuTest() : menu(h.console.get(), h.out.get(), h.speech.get()) {}

  // Opens the four-item menu of the command loop at (column, row) and runs it
  // with keys typed one at a time.
  int Run(const std::string& keys, int column = 1, int row = 5) {
    h.messages.TypeWhenWaiting(keys);
    menu.openOptionMenu(column, row, 50, 4, 5);
    for (const char* text : {"G    Gerar", "I    Imprimir", "N    Editar", "ESC  Terminar"})
      menu.addOption(std::string("K") + text[0], text);
    return menu.selectOption();
  }
  int Beeps() const { return static_cast<int>(std::count(h.sink.said.begin(), h.sink.said.end(), "beep")); }

  ProgramHarness h;
  SpokenOptionMenu menu;
};

TEST_F(OptionMenuTest, ChoosingMovingAndLeaving) {
  struct Case {
    const char* name;
    std::string keys;
    int result;
    int beeps;
  } cases[] = {
      {"Enter on the first item", "\r", 1, 0},
      {"Down twice", std::string("\0P\0P\r", 5), 3, 0},
      {"Up on item 1 parks outside, Down comes back", std::string("\0H\0P\r", 5), 1, 1},
      {"End, Home", std::string("\0O\0G\r", 5), 1, 0},
      {"first letter", "n\r", 3, 0},
      {"first letter past the end, then from the top", "xg\r", 1, 1},
      {"PgDn past the end: Enter gives nothing", std::string("\0Q\r", 3), 0, 2},
      {"ESC", std::string("\0P\x1b", 3), 0, 0},
      {"other characters announce again", ". \r", 1, 0},
  };
  for (const Case& c : cases) {
    h.sink.said.clear();
    EXPECT_EQ(Run(c.keys), c.result) << c.name;
    EXPECT_EQ(Beeps(), c.beeps) << c.name;
  }
}

TEST_F(OptionMenuTest, FirstItemIsHighlightedAndSpokenAtOnce) {
  h.speech->InitSpeech(0, "/prompts", &h.config);
  h.files.files["/prompts/PVAJP02.wav"] = "RIFF";
  h.messages.TypeWhenWaiting(std::string("\0P\r", 3));
  int looks = 0;
  h.messages.on_wait = [&] {
    if (looks++ > 0) return;  // the first wait: item 1 is current
    EXPECT_EQ(h.console->ScreenAttrAt(1, 5), 0x5E);  // yellow on 5
    EXPECT_EQ(h.console->ScreenAttrAt(1, 6), 0x5F);  // white on 5
    EXPECT_EQ(h.console->ScreenCharAt(50, 6), ' ');  // padded to the width
    EXPECT_EQ(h.console->ScreenAttrAt(50, 6), 0x5F);
    EXPECT_EQ(h.console->ScreenAttrAt(51, 6), 0x0F);
  };
  menu.openOptionMenu(1, 5, 50, 4, 5);
  menu.addOption("PVAJP01", "G    Gerar");
  menu.addOption("PVAJP02", "I    Imprimir");
  EXPECT_EQ(menu.selectOption(), 2);
  EXPECT_GT(looks, 0);
  EXPECT_EQ(h.sink.said, (std::vector<std::string>{"text:G    Gerar", "file:/prompts/PVAJP02.wav"}));
}

TEST_F(OptionMenuTest, RightSpellsTheItem) {
  h.speech->InitSpeech(0, "/prompts", &h.config);
  h.messages.TypeWhenWaiting(std::string("\0M\r", 3));
  menu.openOptionMenu(1, 5, 50, 4, 5);
  menu.addOption("A", "Ab");
  EXPECT_EQ(menu.selectOption(), 1);
  EXPECT_EQ(h.sink.said, (std::vector<std::string>{"text:Ab", "file:/letras/_65.wav", "file:/letras/_98.wav"}));
}

TEST_F(OptionMenuTest, ScreenColourAndCursorAreRestored) {
  for (int row = 1; row <= 25; ++row) {
    h.console->MoveCursor(1, row);
    h.console->SetBackColour(static_cast<uint8_t>(row % 8));
    h.out->Write(std::string(80, static_cast<char>('a' + row % 26)));
  }
  h.console->MoveCursor(7, 9);
  h.console->CurrentAttr() = 0x2A;
  std::vector<uint8_t> chars, attrs;
  for (int row = 1; row <= 25; ++row)
    for (int col = 1; col <= 80; ++col) {
      chars.push_back(h.console->ScreenCharAt(col, row));
      attrs.push_back(h.console->ScreenAttrAt(col, row));
    }

  EXPECT_EQ(Run(std::string("\0P\r", 3), 40, 24), 2);  // moved to column 30, row 22

  std::vector<uint8_t> chars_after, attrs_after;
  for (int row = 1; row <= 25; ++row)
    for (int col = 1; col <= 80; ++col) {
      chars_after.push_back(h.console->ScreenCharAt(col, row));
      attrs_after.push_back(h.console->ScreenAttrAt(col, row));
    }
  EXPECT_EQ(chars_after, chars);
  EXPECT_EQ(attrs_after, attrs);
  EXPECT_EQ(h.console->CursorColumn(), 7);
  EXPECT_EQ(h.console->CursorRow(), 9);
  EXPECT_EQ(h.console->CurrentAttr(), 0x2A);
}

TEST_F(OptionMenuTest, OpeningNearTheEdgesMovesTheMenuIn) {
  h.messages.TypeWhenWaiting("\r");
  bool looked = false;
  h.messages.on_wait = [&] {
    looked = true;
    EXPECT_EQ(h.console->ScreenCharAt(30, 22), 'A');
  };
  menu.openOptionMenu(40, 24, 50, 4, 5);
  menu.addOption("A", "Alpha");
  menu.selectOption();
  EXPECT_TRUE(looked);
}

TEST_F(OptionMenuTest, EmptyMenuBeepsUntilEnter) {
  h.messages.TypeWhenWaiting("a\r");
  menu.openOptionMenu(1, 1, 20, 4, 5);
  EXPECT_EQ(menu.selectOption(), 0);
  EXPECT_EQ(Beeps(), 3);
}

}  // namespace
}  // namespace pavodin
