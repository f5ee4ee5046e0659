// pavodin: turns a tagged text file into a formatted document, talking the
// user through it in its own large-text console.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/messages.h"
#include "app/program.h"
#include "console/console.h"
#include "console/program_end.h"
#include "console/text_device.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/message_source.h"
#include "platform/paths.h"
#include "platform/piped_input.h"
#include "platform/terminal_display.h"
#include "platform/text_stream_display.h"
#include "speech/speaking.h"
#include "speech/suite_config.h"

namespace pavodin {
namespace {

// The commands and the option menu that are not in the program yet: they do nothing.
class AbsentCommands : public Commands {
 public:
  void generateCommand() override {}
  void printCommand() override {}
  void editInitialFormattingCommand() override {}
};

class AbsentOptionMenu : public OptionMenu {
 public:
  void openOptionMenu(int, int, int, int, uint8_t) override {}
  void addOption(std::string_view, std::string_view) override {}
  int selectOption() override { return 0; }
};

// Until the program has its sound device the console's tone is silent; the
// terminal's bell stands for the beep.
class ConsoleSoundOnDisplay : public ConsoleSound {
 public:
  explicit ConsoleSoundOnDisplay(Display* display) : display_(display) {}
  void PlayLoop(std::vector<uint8_t>) override {}
  void StopLoop() override {}
  void MessageBeep() override { display_->Beep(); }

 private:
  Display* display_;
};

std::string ProgramPath(const char* argv0) {
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string(argv0 ? argv0 : "pavodin");
}

// "terminal" or "text"; the environment may choose, otherwise a terminal
// when both standard streams are one, plain text for pipes and scripts.
std::string ChooseDisplay() {
  const char* wanted = std::getenv("PAVODIN_DISPLAY");
  if (wanted && std::string(wanted) == "text") return "text";
  if (wanted && std::string(wanted) == "terminal") return "terminal";
  return (::isatty(0) && ::isatty(1)) ? "terminal" : "text";
}

int Main(int argc, char** argv) {
  const SuitePaths paths = DiscoverSuitePaths(argv[0]);
  DiskFileSystem files;
  SuiteConfig config(&files, paths);
  SystemClock clock;
  QueueMessageSource messages;

  std::unique_ptr<Display> display;
  std::unique_ptr<PipedInput> piped;
  if (ChooseDisplay() == "terminal") {
    display = std::make_unique<TerminalDisplay>(0, 1, &messages);
  } else {
    display = std::make_unique<TextStreamDisplay>(1);
    piped = std::make_unique<PipedInput>(0, &messages);
  }
  ConsoleSoundOnDisplay sound(display.get());

  ConsoleServices services;
  services.messages = &messages;
  services.display = display.get();
  services.sound = &sound;
  services.clock = &clock;
  services.settings = [&config](std::string_view section, std::string_view key, size_t room) {
    return config.ReadConfigDirSetting(section, key, room);
  };
  services.program_path = ProgramPath(argv[0]);

  Console console(services);
  TextDevice out(&console);
  SilentSpeechSink sink;
  Speech speech(&console, &out, &files, &sink);
  Messages catalogue(&console, &out, &speech);
  AbsentCommands commands;
  AbsentOptionMenu menu;
  Program program({&console, &out, &speech, &catalogue, &config, &commands, &menu});

  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    program.Run(args);
  } catch (const ProgramEnd& end) {
    display->Close();
    return end.exit_code;
  }
}

}  // namespace
}  // namespace pavodin

int main(int argc, char** argv) { return pavodin::Main(argc, argv); }
