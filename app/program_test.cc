#include "app/program.h"

#include <gtest/gtest.h>

#include "testing/program_harness.h"

namespace pavodin {
namespace {

TEST(ProgramTest, TitleNamesTheLastArgumentAndIsCutPast136Characters) {
  struct Case {
    std::vector<std::string> args;
    std::string title;
  } cases[] = {
      {{"-x", "  carta.txt  "}, "Pavodin carta.txt"},  // only the last counts, trimmed
      {{}, "Pavodin"},
      {{std::string(136, 'a')}, "Pavodin " + std::string(132, 'a') + "..."},  // 144: the console's limit
      {{std::string(137, 'a')}, "Pavodin " + std::string(128, 'a') + "..."},
      {{"rela\xC3\xA7\xC3\xA3o.txt"}, "Pavodin rela\xE7\xE3o.txt"},  // UTF-8 name, shown in the console's code page
  };
  for (const Case& c : cases) {
    ProgramHarness h;
    h.program->startUp(c.args);
    EXPECT_EQ(h.console->title(), c.title);
  }
  ProgramHarness h;
  h.program->startUp({std::string(137, 'a')});
  EXPECT_EQ(h.console->title().size(), 139u);
  EXPECT_EQ(h.program->inputFileName(), std::string(137, 'a'));
}

TEST(ProgramTest, BannerIsOnBlueAndTheRestOnBlack) {
  ProgramHarness h;
  h.program->startUp({"carta.txt"});
  EXPECT_EQ(h.console->ScreenAttrAt(1, 1), 0x1F);
  EXPECT_EQ(h.console->ScreenAttrAt(46, 1), 0x1F);  // the last character of the banner
  EXPECT_EQ(h.console->ScreenAttrAt(47, 1), 0x0F);  // the line end does not paint
  EXPECT_EQ(h.console->CursorRow(), 4);
  EXPECT_EQ(h.console->CurrentAttr(), 0x0F);
}

TEST(ProgramTest, ExitQuestionIsAskedOnRed) {
  ProgramHarness h;
  h.messages.Type("\x1bN");
  h.Run();
  EXPECT_EQ(h.console->ScreenAttrAt(1, 5) >> 4, 4);   // "Deseja sair deste programa?"
  EXPECT_EQ(h.console->ScreenAttrAt(1, 6) >> 4, 0);   // the next prompt
}

TEST(ProgramTest, HelpMenuOpensAtTheCursorWithTheFourCommands) {
  ProgramHarness h;
  h.menu.choice = 2;
  h.messages.Type(std::string("\0P", 2));
  EXPECT_EQ(h.Run(), 0);
  ASSERT_EQ(h.menu.opened.size(), 1u);
  EXPECT_EQ(h.menu.opened[0], (std::vector<int>{1, 5, 50, 4, 5}));
  EXPECT_EQ(h.menu.items, (std::vector<std::string>{"PVAJP01=G    Gerar arquivo DOC",
                                                     "PVAJP02=I    Imprimir arquivo em DOC",
                                                     "PVAJP03=N    Editar formata\xE7\xE3o inicial",
                                                     "PVAJP09=ESC  Terminar programa"}));
  EXPECT_EQ(h.commands.calls, (std::vector<std::string>{"print"}));
}

}  // namespace
}  // namespace pavodin
