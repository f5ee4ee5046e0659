#include "platform/terminal_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pavodin {
namespace {

// A compact picture of messages: "D112" key-down, "C65" character; modifiers as c/a/s.
std::string Describe(const std::vector<Message>& msgs) {
  std::string out;
  for (const Message& m : msgs) {
    if (!out.empty()) out += ' ';
    out += m.kind == MessageKind::kKeyDown ? "D" : m.kind == MessageKind::kCharInput ? "C" : "?";
    out += std::to_string(m.code);
    if (m.mods.ctrl) out += 'c';
    if (m.mods.alt) out += 'a';
    if (m.mods.shift) out += 's';
  }
  return out;
}

std::string Decode(const std::string& bytes) {
  TerminalKeyDecoder decoder;
  std::vector<Message> out;
  decoder.Feed(bytes.data(), bytes.size(), &out);
  decoder.Timeout(&out);
  return Describe(out);
}

TEST(TerminalKeysTest, DecodesTheSequencesTerminalsSend) {
  struct Case {
    const char* name;
    std::string bytes;
    const char* expected;
  } cases[] = {
      {"letters", "aZ", "C97 C90"},
      {"UTF-8 becomes Windows-1252", "\xC3\xA7\xE2\x82\xAC", "C231 C128"},
      {"Enter, Ctrl+J (Ctrl+Enter: the queue makes it 10)", "\r\n", "C13 C13c"},
      {"Backspace, Ctrl+Backspace", "\x7f\x08", "C8 C8c"},
      {"Ctrl+letter and Tab", "\x01\t", "C1 C9"},
      {"lone Escape", "\x1b", "C27"},
      {"Escape twice", "\x1b\x1b", "C27 C27"},
      {"F1-F4 (SS3)", "\x1bOP\x1bOQ\x1bOR\x1bOS", "D112 D113 D114 D115"},
      {"F5-F12", "\x1b[15~\x1b[17~\x1b[18~\x1b[19~\x1b[20~\x1b[21~\x1b[23~\x1b[24~",
       "D116 D117 D118 D119 D120 D121 D122 D123"},
      {"Ctrl+F8", "\x1b[19;5~", "D119c"},
      {"Shift+Insert, Ctrl+Insert", "\x1b[2;2~\x1b[2;5~", "D45s D45c"},
      {"Delete, Home, End, PgUp, PgDn", "\x1b[3~\x1b[H\x1b[F\x1b[5~\x1b[6~", "D46 D36 D35 D33 D34"},
      {"arrows, both forms", "\x1b[A\x1b[B\x1bOC\x1bOD", "D38 D40 D39 D37"},
      {"Ctrl+Right", "\x1b[1;5C", "D39c"},
      {"Alt+F4", "\x1b[1;3S", "D115a"},
      {"rxvt and Linux console F1", "\x1b[11~\x1b[[A", "D112 D112"},
      {"Alt+letter", "\x1bx", "D88a"},
      {"Ctrl+Alt+letter", "\x1b\x01", "D65ca"},
      {"Alt+digit", "\x1b" "5", "D53a"},
      {"unknown sequence is dropped", "\x1b[99~a", "C97"},
  };
  for (const Case& c : cases) EXPECT_EQ(Decode(c.bytes), c.expected) << c.name;
}

TEST(TerminalKeysTest, SequencesSplitAcrossReadsAreJoined) {
  TerminalKeyDecoder decoder;
  std::vector<Message> out;
  decoder.Feed("\x1b[1", 3, &out);
  decoder.Feed("9~\xC3", 3, &out);
  EXPECT_TRUE(decoder.pending());
  decoder.Feed("\xA3", 1, &out);
  EXPECT_EQ(Describe(out), "D119 C227");
}

}  // namespace
}  // namespace pavodin
