#include "app/messages.h"

#include <gtest/gtest.h>

#include "testing/program_harness.h"

namespace pavodin {
namespace {

TEST(MessageTextTest, KeysAreExactAndUnknownKeysAreTheirOwnText) {
  EXPECT_EQ(messageText("PVQUAOPC"), "Qual sua op\xE7\xE3o? ");
  EXPECT_EQ(messageText("PVAJUDA"), "As op\xE7\xF5" "es deste programa s\xE3o:");
  EXPECT_EQ(messageText("PVAJP01"), "G    Gerar arquivo DOC");
  EXPECT_EQ(messageText("PVAJP09"), "ESC  Terminar programa");
  EXPECT_EQ(messageText("PVREESCR"), "Arquivo j\xE1 existe, sobrescreve (s/n) ?");
  EXPECT_EQ(messageText("pvok"), "pvok");
  EXPECT_EQ(messageText("PVO"), "PVO");
  EXPECT_EQ(messageText(""), "");
}

class MessagesTest : public ::testing::Test {
 protected:
  MessagesTest() { h.speech->InitSpeech(0, "/prompts", &h.config); }
  ProgramHarness h;
};

TEST_F(MessagesTest, ShowMessageWritesThenSpeaks) {
  h.catalogue->showMessage("PVQUAOPC", 0);
  EXPECT_EQ(h.console->CursorColumn(), 17);  // after the trailing blank
  EXPECT_EQ(h.sink.said, (std::vector<std::string>{"text:Qual sua op\xE7\xE3o? "}));

  h.catalogue->showMessage("PVOPVINV", 2);
  EXPECT_EQ(h.Row(1), "Qual sua op\xE7\xE3o? Op\xE7\xE3o inv\xE1lida, aperte F1 para ajuda");
  EXPECT_EQ(h.console->CursorRow(), 3);
  EXPECT_EQ(h.console->CursorColumn(), 1);
}

TEST_F(MessagesTest, ARecordedPromptReplacesTheSpokenText) {
  h.files.files["/prompts/PVOK.wav"] = "RIFF";
  h.catalogue->showMessage("PVOK", 0);
  h.catalogue->announceMessage("PVFIM");
  EXPECT_EQ(h.Row(1), "Ok");
  EXPECT_EQ(h.sink.said, (std::vector<std::string>{"file:/prompts/PVOK.wav", "text:Fim do programa"}));
}

TEST_F(MessagesTest, StatusMessageIsRightAlignedOnTheLastRowInRed) {
  h.console->MoveCursor(10, 5);
  h.catalogue->showStatusMessage("PVOK");
  EXPECT_EQ(h.Row(25), std::string(77, ' ') + "Ok");
  EXPECT_EQ(h.console->ScreenAttrAt(78, 25) >> 4, 4);
  EXPECT_EQ(h.console->ScreenAttrAt(77, 25) >> 4, 0);
  EXPECT_EQ(h.console->CursorColumn(), 1);
  EXPECT_EQ(h.console->CursorRow(), 5);
  EXPECT_EQ(h.console->CurrentAttr() >> 4, 0);

  // Called on the last row: that row is finished first, so the status row is new.
  h.console->MoveCursor(1, 25);
  h.out->Write("abc");
  h.catalogue->showStatusMessage("PVOK");
  EXPECT_EQ(h.Row(24), "abc");
  EXPECT_EQ(h.console->CursorRow(), 25);
}

TEST_F(MessagesTest, ReadUpperKeySpeaksTheByteAndUpperCasesLettersOnly) {
  h.messages.Type(std::string("s\xE7\0;", 4));
  EXPECT_EQ(h.catalogue->readUpperKey(), 'S');
  EXPECT_EQ(h.catalogue->readUpperKey(), 0xE7);  // not a-z: unchanged
  EXPECT_EQ(h.catalogue->readUpperKey(), 0);     // extended key: its code stays queued
  EXPECT_EQ(h.console->NextKey(), ';');
  EXPECT_EQ(h.sink.said.front(), "file:/letras/_115.wav");
  EXPECT_EQ(h.Row(1), "");  // nothing written
}

}  // namespace
}  // namespace pavodin
