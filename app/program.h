#ifndef PAVODIN_APP_PROGRAM_H_
#define PAVODIN_APP_PROGRAM_H_

#include <cstdint>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/messages.h"
#include "console/console.h"
#include "console/text_device.h"
#include "speech/speaking.h"
#include "speech/suite_config.h"

// The program itself: start-up, the single-key command loop, the exit
// confirmation, the help listing (F1) and the help menu (Down).

namespace pavodin {

inline constexpr char kVersion[] = "1.0";

struct ProgramParts {
  Console* console;
  TextDevice* out;
  Speech* speech;
  Messages* messages;
  SuiteConfig* config;
  Commands* commands;
  OptionMenu* menu;
  // The program-wide name of the text file to convert, set at start-up.
  std::string* input_file_name;
};

class Program {
 public:
  explicit Program(ProgramParts parts) : p_(parts) {}

  // Start-up, the command loop, then the end through the console. Never
  // returns: the program ends by ProgramEnd.
  [[noreturn]] void Run(const std::vector<std::string>& args);

  void showBanner();
  // `args` are the command-line arguments after the program name.
  void startUp(const std::vector<std::string>& args);
  void commandLoop();
  // ESC to end the program, "N" to stay.
  uint8_t confirmExit();
  void showHelpList();
  // The command character chosen in the menu; Enter when none.
  uint8_t runHelpMenu();

  // The text file to convert, as given on the command line (blanks trimmed).
  const std::string& inputFileName() const { return *p_.input_file_name; }

 private:
  ProgramParts p_;
};

}  // namespace pavodin

#endif  // PAVODIN_APP_PROGRAM_H_
