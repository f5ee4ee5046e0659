#ifndef PAVODIN_TESTING_PROGRAM_HARNESS_H_
#define PAVODIN_TESTING_PROGRAM_HARNESS_H_

// The whole program on fakes: scripted keys in, screen, speech and exit code out.

#include <memory>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/messages.h"
#include "app/program.h"
#include "console/console.h"
#include "console/program_end.h"
#include "console/text_device.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "speech/speaking.h"
#include "speech/suite_config.h"
#include "testing/fakes.h"

namespace pavodin {

class RecordingCommands : public Commands {
 public:
  void generateCommand() override { calls.push_back("generate"); }
  void printCommand() override { calls.push_back("print"); }
  void editInitialFormattingCommand() override { calls.push_back("edit"); }
  std::vector<std::string> calls;
};

// Answers every selection with `choice` and keeps the items it was given.
class ScriptedOptionMenu : public OptionMenu {
 public:
  void openOptionMenu(int column, int row, int width, int height, uint8_t background) override {
    opened.push_back({column, row, width, height, background});
  }
  void addOption(std::string_view key, std::string_view text) override {
    items.push_back(std::string(key) + "=" + std::string(text));
  }
  int selectOption() override { return choice; }

  int choice = 0;
  std::vector<std::vector<int>> opened;
  std::vector<std::string> items;
};

class ProgramHarness : public FakeConsoleParts {
 public:
  ProgramHarness() {
    files.files["/cfg/KELDAM.INI"] = "[PAVODIN]\nDIRPAVODIN=/prompts\n[TRADUTOR]\nDIRLETRAS=/letras\n";
    console = std::make_unique<Console>(Services([this](std::string_view section, std::string_view key, size_t room) {
      return config.ReadConfigDirSetting(section, key, room);
    }));
    out = std::make_unique<TextDevice>(console.get());
    speech = std::make_unique<Speech>(console.get(), out.get(), &files, &sink);
    catalogue = std::make_unique<Messages>(console.get(), out.get(), speech.get());
    program = std::make_unique<Program>(
        ProgramParts{console.get(), out.get(), speech.get(), catalogue.get(), &config, &commands, &menu,
                     &input_file_name});
  }

  // Runs the whole program; answers its exit code.
  int Run(std::vector<std::string> args = {"carta.txt"}) {
    try {
      program->Run(args);
    } catch (const ProgramEnd& end) {
      return end.exit_code;
    }
    return -1;  // unreachable: Run never returns
  }

  // Row `row` (1-based) as Windows-1252 text, trailing blanks dropped.
  std::string Row(int row) const {
    std::string out;
    for (int c = 1; c <= ScreenColumns; ++c) out += static_cast<char>(console->ScreenCharAt(c, row));
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
  }
  // The screen, one line per row, trailing blanks and empty last rows dropped.
  std::string Screen() const {
    std::string out;
    for (int r = 1; r <= ScreenRows; ++r) out += Row(r) + "\n";
    while (out.size() >= 2 && out.substr(out.size() - 2) == "\n\n") out.pop_back();
    return out == "\n" ? "" : out;
  }

  MemoryFileSystem files;
  SuiteConfig config{&files, SuitePaths{"/cfg", "/data", "/start"}};
  RecordingSpeechSink sink;
  RecordingCommands commands;
  ScriptedOptionMenu menu;
  std::string input_file_name;
  std::unique_ptr<Console> console;
  std::unique_ptr<TextDevice> out;
  std::unique_ptr<Speech> speech;
  std::unique_ptr<Messages> catalogue;
  std::unique_ptr<Program> program;
};

}  // namespace pavodin

#endif  // PAVODIN_TESTING_PROGRAM_HARNESS_H_
