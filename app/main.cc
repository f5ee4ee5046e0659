// pavodin: turns a tagged text file into a formatted document, talking the
// user through it in its own large-text console.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/document_commands.h"
#include "app/messages.h"
#include "app/option_menu.h"
#include "app/program.h"
#include "console/console.h"
#include "console/program_end.h"
#include "console/text_device.h"
#include "engines/console_sound.h"
#include "engines/wave_player.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/message_source.h"
#include "platform/paths.h"
#include "platform/piped_input.h"
#include "platform/sdl_looping_sound.h"
#include "platform/sdl_message_source.h"
#include "platform/sdl_sound_device.h"
#include "platform/sdl_window_display.h"
#include "platform/terminal_display.h"
#include "platform/text_stream_display.h"
#include "speech/speaking.h"
#include "speech/suite_config.h"
#include "speech/wave_speech_sink.h"

namespace pavodin {
namespace {

std::string ProgramPath(const char* argv0) {
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string(argv0 ? argv0 : "pavodin");
}

// "window", "terminal" or "text". PAVODIN_DISPLAY may choose; otherwise the
// window whenever a window system is there (a desktop launcher gives no
// terminal at all), a terminal when both standard streams are one, plain
// text for pipes and scripts.
std::string ChooseDisplay() {
  const char* wanted = std::getenv("PAVODIN_DISPLAY");
  const std::string choice = wanted ? wanted : "";
  if (choice == "text" || choice == "terminal") return choice;
  std::string why;
  if (SdlWindowDisplay::Available(&why)) return "window";
  if (choice == "window") std::fprintf(stderr, "pavodin: no window: %s\n", why.c_str());
  return (::isatty(0) && ::isatty(1)) ? "terminal" : "text";
}

int Main(int argc, char** argv) {
  const SuitePaths paths = DiscoverSuitePaths(argv[0]);
  DiskFileSystem files;
  SuiteConfig config(&files, paths);
  SystemClock clock;
  const std::string display_kind = ChooseDisplay();
  std::unique_ptr<MessageSource> message_source;
  if (display_kind == "window") {
    message_source = std::make_unique<SdlMessageSource>();
  } else {
    message_source = std::make_unique<QueueMessageSource>();
  }
  MessageSource& messages = *message_source;

  std::unique_ptr<Display> display;
  std::unique_ptr<PipedInput> piped;
  if (display_kind == "window") {
    display = std::make_unique<SdlWindowDisplay>();
  } else if (display_kind == "terminal") {
    display = std::make_unique<TerminalDisplay>(0, 1, &messages);
  } else {
    display = std::make_unique<TextStreamDisplay>(1);
    piped = std::make_unique<PipedInput>(0, &messages);
  }
  SdlLoopingSound tone_output;
  LoopingConsoleSound sound(&tone_output);

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
  SdlSoundDevice sound_device(&messages);
  WavHost host;
  host.key_available = [&console] { return console.KeyAvailable(); };
  host.pump_messages = [&console] { console.PumpMessages(); };
  host.wait_message = [&console] { console.WaitMessage(); };
  host.delay_ms = [&console](int ms) { console.DelayMs(static_cast<uint16_t>(ms)); };
  host.write_text = [&out](const std::string& text) { out.WriteLine(text); };
  host.read_line = [&out] { out.ReadLine(); };
  host.enable_done_handler = [&console] { console.EnableWaveDoneHandler(true); };
  WavePlayer player(&sound_device, &files, host);
  console.SetWaveDoneHandler(
      [&player](std::uintptr_t wparam, std::uintptr_t lparam) { player.WavBlockDone(wparam, lparam); });
  WaveSpeechSink sink(&player);
  Speech speech(&console, &out, &files, &sink);
  Messages catalogue(&console, &out, &speech);
  PvVars pv_vars;
  ConsoleGenerateUi generate_ui(&console, &out, &speech, &catalogue);
  ConfigSuiteSettings settings(&config);
  GenerateEnv env;
  env.vars = &pv_vars;
  env.ui = &generate_ui;
  env.settings = &settings;
  env.files = &files;
  env.data_dir = paths.data_dir;
  const char* user = std::getenv("USER");
  DocumentCommands commands(env, user && *user ? user : "Pavodin");
  SpokenOptionMenu menu(&console, &out, &speech);
  Program program({&console, &out, &speech, &catalogue, &config, &commands, &menu, &pv_vars.inputFileName});

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
