#include "app/console_tts_messages.h"

#include <gtest/gtest.h>

#include "testing/program_harness.h"
#include "tts/prosody.h"

namespace pavodin {
namespace {

TEST(ConsoleTtsMessagesTest, ProsodyFaultsAreWrittenAndSpoken) {
  ProgramHarness h;
  ConsoleTtsMessages messages(h.out.get(), h.speech.get());
  ProsodyConfig config;
  // A prosody file without its durations: the loader tells the user.
  EXPECT_FALSE(ParseProsody("", messages, &config));
  const std::string text = "Dura\xE7\xE3o dos difones errada ou ausente";
  EXPECT_EQ(h.sink.said, std::vector<std::string>{"text:" + text});
  EXPECT_EQ(h.Row(1), text);
  EXPECT_EQ(h.console->CursorRow(), 2);  // on a line of its own
  EXPECT_EQ(h.console->CursorColumn(), 1);
}

}  // namespace
}  // namespace pavodin
