#ifndef PAVODIN_APP_COMMANDS_H_
#define PAVODIN_APP_COMMANDS_H_

#include <cstdint>
#include <string_view>

// What the command loop calls beyond the console and speech: the document
// commands, the initial-formatting editor and the spoken option menu.

namespace pavodin {

class Commands {
 public:
  virtual ~Commands() = default;
  // G: builds and saves the document beside the text file.
  virtual void generateCommand() = 0;
  // I: prints the document.
  virtual void printCommand() = 0;
  // N: opens the initial-formatting file in the suite's editor.
  virtual void editInitialFormattingCommand() = 0;
};

class OptionMenu {
 public:
  virtual ~OptionMenu() = default;
  virtual void openOptionMenu(int column, int row, int width, int height, uint8_t background) = 0;
  virtual void addOption(std::string_view key, std::string_view text) = 0;
  // The chosen item's position, 1 for the first; 0 when none was chosen.
  virtual int selectOption() = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_APP_COMMANDS_H_
