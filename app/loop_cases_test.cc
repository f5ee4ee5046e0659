// Runs every case folder under tests/loop_cases: the keys typed, the screen
// left behind, the exit code, the commands run and what was spoken.
//
//   keys         keys typed, as text; <ESC> <ENTER> <F1> <F8> <CTRL+F8> <DOWN>
//                <CTRL+BREAK> name keys, line ends are ignored
//   args         optional: command-line arguments, one per line (default carta.txt)
//   menu_choice  optional: the item the help menu answers with
//   screen.txt   expected screen (UTF-8, trailing blanks and empty last rows dropped)
//   exit_code    expected exit code
//   commands.txt optional: expected commands, one per line
//   said.txt     optional: expected speech, one item per line (UTF-8)
//
// PAVODIN_UPDATE_CASES=1 writes the actual results in place of the expected
// ones, for review with git diff.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/text_encoding.h"
#include "testing/program_harness.h"

namespace pavodin {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteText(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream ss(text);
  for (std::string line; std::getline(ss, line);) lines.push_back(line);
  return lines;
}

std::string Joined(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& s : items) out += Cp1252ToUtf8(s) + "\n";
  return out;
}

void TypeKeys(const std::string& keys, ScriptedMessages* messages) {
  static const std::pair<const char*, std::string> kNamed[] = {
      {"<ESC>", "\x1b"},          {"<ENTER>", "\r"},
      {"<F1>", std::string("\0;", 2)}, {"<F8>", std::string("\0B", 2)},
      {"<CTRL+F8>", std::string("\0e", 2)}, {"<DOWN>", std::string("\0P", 2)},
  };
  const std::string text = Utf8ToCp1252(keys);
  for (size_t i = 0; i < text.size();) {
    if (text[i] == '\n' || text[i] == '\r') {
      ++i;
      continue;
    }
    if (text.compare(i, 12, "<CTRL+BREAK>") == 0) {
      messages->Post(Message::KeyDown(vk::kCancel, KeyModifiers{true, false, false}));
      i += 12;
      continue;
    }
    bool named = false;
    for (const auto& [name, bytes] : kNamed) {
      const size_t len = std::string_view(name).size();
      if (text.compare(i, len, name) == 0) {
        messages->Type(bytes);
        i += len;
        named = true;
        break;
      }
    }
    if (!named) messages->Type(text.substr(i++, 1));
  }
}

TEST(LoopCasesTest, EveryCaseFolder) {
  const fs::path root = fs::path(PAVODIN_SOURCE_DIR) / "tests" / "loop_cases";
  const bool update = std::getenv("PAVODIN_UPDATE_CASES") != nullptr;
  int cases = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(root)) {
    if (!entry.is_directory()) continue;
    const fs::path dir = entry.path();
    SCOPED_TRACE(dir.filename().string());
    ++cases;

    ProgramHarness h;
    TypeKeys(ReadText(dir / "keys"), &h.messages);
    if (fs::exists(dir / "menu_choice")) h.menu.choice = std::stoi(ReadText(dir / "menu_choice"));
    std::vector<std::string> args = {"carta.txt"};
    if (fs::exists(dir / "args")) args = Lines(ReadText(dir / "args"));
    const int exit_code = h.Run(args);

    const std::string screen = Cp1252ToUtf8(h.Screen());
    const std::string commands = Joined(h.commands.calls);
    const std::string said = Joined(h.sink.said);
    if (update) {
      WriteText(dir / "screen.txt", screen);
      WriteText(dir / "exit_code", std::to_string(exit_code) + "\n");
      WriteText(dir / "commands.txt", commands);
      WriteText(dir / "said.txt", said);
      continue;
    }
    EXPECT_EQ(screen, ReadText(dir / "screen.txt"));
    EXPECT_EQ(exit_code, std::stoi(ReadText(dir / "exit_code")));
    if (fs::exists(dir / "commands.txt")) {
      EXPECT_EQ(commands, ReadText(dir / "commands.txt"));
    }
    if (fs::exists(dir / "said.txt")) {
      EXPECT_EQ(said, ReadText(dir / "said.txt"));
    }
  }
  EXPECT_GT(cases, 0);
}

}  // namespace
}  // namespace pavodin
