#include "console/console.h"

#include <gtest/gtest.h>

#include "console/program_end.h"
#include "platform/ini_file.h"
#include "testing/fakes.h"

namespace pavodin {
namespace {

class ConsoleTest : public ::testing::Test, protected FakeConsoleParts {
 protected:
  Console& Make(std::string ini = "") {
    console = std::make_unique<Console>(Services([ini](std::string_view section, std::string_view key, size_t room) {
      return FindIniValue(ini, section, key, room);
    }));
    return *console;
  }
  // Runs `f` and answers the exit code the program ended with (-1: it did not end).
  template <typename F>
  int ExitCodeOf(F f) {
    try {
      f();
    } catch (const ProgramEnd& end) {
      return end.exit_code;
    }
    return -1;
  }

  std::unique_ptr<Console> console;
};

TEST_F(ConsoleTest, OpensOnFirstUseWithTheConfiguredAttribute) {
  Console& c = Make("[VIDEO]\nCORFUNDO=1\nCORLETRA=14\n");
  c.MoveCursor(3, 3);  // positioning does not open the window
  EXPECT_EQ(display.opens, 0);
  c.ConsoleWrite("x");
  EXPECT_EQ(display.opens, 1);
  EXPECT_EQ(c.ScreenAttrAt(80, 25), 0x1E);
  EXPECT_EQ(c.ScreenCharAt(3, 3), 'x');
  EXPECT_EQ(display.titles.front(), "/usr/bin/pavodin");
  c.ConsoleWrite("y");
  EXPECT_EQ(display.opens, 1);
}

TEST_F(ConsoleTest, ConfiguredBrailleModeIsAnnouncedWhenTheWindowOpens) {
  Console& c = Make("[BRAILLE]\nMODO=1\n");
  c.OpenConsole();
  EXPECT_EQ(c.BrailleMode(), 1);
  ASSERT_EQ(sound.loops.size(), 2u);  // 800 Hz then 1600 Hz, 200 ms each
  EXPECT_EQ(clock.slept_ms, 400);
  EXPECT_EQ(sound.stops, 2);
}

TEST_F(ConsoleTest, CursorOperationsClampAndReport) {
  Console& c = Make();
  c.MoveCursor(0, 0);
  EXPECT_EQ(c.CursorColumn(), 1);
  EXPECT_EQ(c.CursorRow(), 1);
  c.MoveCursor(100, 30);
  EXPECT_EQ(c.CursorColumn(), 80);
  EXPECT_EQ(c.CursorRow(), 25);
  c.MoveCursor(1, 2);
  c.ConsoleWrite(std::string(80, 'a'));
  EXPECT_EQ(c.CursorColumn(), 81);
  EXPECT_EQ(c.CursorRow(), 2);
}

TEST_F(ConsoleTest, ColourSetters) {
  Console& c = Make();
  c.SetBackColour(17);
  EXPECT_EQ(c.CurrentAttr(), 0x1F);  // background 1
  c.SetTextColour(0x24);
  EXPECT_EQ(c.CurrentAttr(), 0x14);

  Console& fixed = Make("[VIDEO]\nCORESFIXAS=S\n");
  fixed.SetBackColour(4);
  fixed.SetTextColour(2);
  EXPECT_EQ(fixed.CurrentAttr(), 0x0F);
}

TEST_F(ConsoleTest, ClearingUsesTheCurrentAttribute) {
  Console& c = Make();
  c.ConsoleWrite("hello");
  c.SetBackColour(4);
  c.ClearScreen();
  EXPECT_EQ(c.ScreenCharAt(1, 1), ' ');
  EXPECT_EQ(c.ScreenAttrAt(40, 12), 0x4F);
  EXPECT_EQ(c.CursorColumn(), 1);
  EXPECT_GE(display.full_redraws, 1);
}

TEST_F(ConsoleTest, TitleIsTrimmedAndCutAfterTheWindowExists) {
  Console& c = Make();
  c.SetConsoleTitle("before");  // no window yet: no effect
  EXPECT_EQ(c.title(), "/usr/bin/pavodin");
  c.OpenConsole();
  c.SetConsoleTitle("  \t Pavodin carta.txt \r\n");
  EXPECT_EQ(c.title(), "Pavodin carta.txt");
  c.SetConsoleTitle(std::string(141, 'x'));
  EXPECT_EQ(c.title(), std::string(140, 'x') + "...");
  c.SetConsoleTitle(std::string(140, 'x'));
  EXPECT_EQ(c.title(), std::string(140, 'x'));
  EXPECT_EQ(display.titles.back(), c.title());
}

TEST_F(ConsoleTest, NextKeyWaitsWithTheCaretAtTheCursor) {
  Console& c = Make();
  c.ConsoleWrite("abc");
  messages.Post(Message::Of(MessageKind::kWakeUp, kStopSpeechWakeUp));
  messages.Post(Message::CharInput('k'));
  EXPECT_EQ(c.NextKey(), 'k');  // already there: no wait, no caret
  EXPECT_EQ(messages.waits, 0);
  EXPECT_EQ(display.caret_column, -1);

  // Nothing pending: the caret underlines the cursor cell during the wait.
  // The script then ends, which ends the program like a closed window.
  EXPECT_EQ(ExitCodeOf([&] { c.NextKey(); }), 0);
  EXPECT_EQ(messages.waits, 1);
  EXPECT_EQ(display.caret_column, 3);
  EXPECT_EQ(display.caret_row, 0);
  EXPECT_TRUE(display.closed);
}

TEST_F(ConsoleTest, CaretFollowsTheFocusDuringAWait) {
  Console& c = Make();
  display.focus = false;
  c.OpenConsole();
  messages.Post(Message::Of(MessageKind::kFocusIn));
  messages.Post(Message::Of(MessageKind::kFocusOut));
  messages.Post(Message::CharInput('z'));
  // All three arrive in one pump, before the wait starts: no caret at all.
  EXPECT_EQ(c.NextKey(), 'z');
  EXPECT_FALSE(display.caret_shown);
}

TEST_F(ConsoleTest, CloseConsoleDrainsKeysAndEndsWithZero) {
  Console& c = Make();
  messages.Type("abc");
  c.OpenConsole();
  EXPECT_EQ(ExitCodeOf([&] { c.CloseConsole(); }), 0);
  EXPECT_TRUE(messages.queue.empty());
  EXPECT_TRUE(display.closed);
}

TEST_F(ConsoleTest, ClosingTheWindowOrAltF4EndsAtOnce) {
  Console& c = Make();
  messages.Post(Message::Of(MessageKind::kClose));
  EXPECT_EQ(ExitCodeOf([&] { c.NextKey(); }), 0);

  Console& d = Make();
  messages.queue.clear();
  messages.Post(Message::KeyDown(vk::kF4, KeyModifiers{false, true, false}));
  EXPECT_EQ(ExitCodeOf([&] { d.NextKey(); }), 0);
}

TEST_F(ConsoleTest, CtrlBreakAndQuitEndWith255AndLeaveTheWindowDetached) {
  Console& c = Make();
  messages.Post(Message::KeyDown(vk::kCancel, KeyModifiers{true, false, false}));
  EXPECT_EQ(ExitCodeOf([&] { c.NextKey(); }), 255);
  EXPECT_EQ(display.detached_title, "Programa terminado");

  Console& d = Make();
  messages.queue.clear();
  messages.Post(Message::Of(MessageKind::kQuit));
  EXPECT_EQ(ExitCodeOf([&] { d.KeyAvailable(); }), 255);
}

TEST_F(ConsoleTest, WaveDoneGoesToTheHandlerOnlyWhenEnabled) {
  Console& c = Make();
  std::vector<std::uintptr_t> seen;
  c.SetWaveDoneHandler([&](std::uintptr_t w, std::uintptr_t) { seen.push_back(w); });
  Message done = Message::Of(MessageKind::kWaveDone, kWaveDoneMessage);
  done.wparam = 7;
  messages.Post(done);
  c.PumpMessages();
  c.EnableWaveDoneHandler(true);
  done.wparam = 8;
  messages.Post(done);
  c.PumpMessages();
  EXPECT_EQ(seen, (std::vector<std::uintptr_t>{8}));
}

TEST_F(ConsoleTest, DelaySleepsThenHandlesMessages) {
  Console& c = Make();
  c.OpenConsole();
  messages.Post(Message::CharInput('q'));
  c.DelayMs(200);
  EXPECT_EQ(clock.slept_ms, 200);
  EXPECT_TRUE(messages.queue.empty());
  EXPECT_EQ(c.NextKey(), 'q');
}

TEST_F(ConsoleTest, ToneReplacesAnyToneAndStops) {
  Console& c = Make();
  c.StopTone();  // no tone: nothing
  EXPECT_EQ(sound.stops, 0);
  c.StartTone(800);
  c.StartTone(400);
  EXPECT_EQ(sound.loops.size(), 2u);
  EXPECT_EQ(sound.stops, 1);
  c.StopTone();
  EXPECT_FALSE(sound.playing);
  EXPECT_FALSE(c.tone_sounding());
}

TEST_F(ConsoleTest, BellByteBeeps) {
  Console& c = Make();
  c.ConsoleWrite("\x07");
  EXPECT_EQ(sound.beeps, 1);
}

TEST_F(ConsoleTest, DateAndTimeParts) {
  Console& c = Make();
  clock.now = LocalTime{2026, 12, 13, 0, 12, 34, 56, 789};  // a Sunday
  uint16_t a, b, d, e;
  c.GetDateParts(&a, &b, &d, &e);
  EXPECT_EQ((std::vector<int>{a, b, d, e}), (std::vector<int>{2026, 12, 13, 0}));
  c.GetTimeParts(&a, &b, &d, &e);
  EXPECT_EQ((std::vector<int>{a, b, d, e}), (std::vector<int>{12, 34, 56, 78}));
}

}  // namespace
}  // namespace pavodin
