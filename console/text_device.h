#ifndef PAVODIN_CONSOLE_TEXT_DEVICE_H_
#define PAVODIN_CONSOLE_TEXT_DEVICE_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "console/console.h"

// The program's standard output and input, bound to the console: written
// text is collected in a 128-byte buffer and handed to ConsoleWrite when the
// buffer is full and at the end of every output call, after which pending
// messages are handled; lines are read from the key queue with echo.

namespace pavodin {

class TextDevice {
 public:
  static constexpr size_t kBufferSize = 128;

  explicit TextDevice(Console* console) : console_(console) {}

  // One output call: writes the text and flushes.
  void Write(std::string_view text);
  // Writes the text and ends the line (carriage return and line feed).
  void WriteLine(std::string_view text = {});

  // Reads one line with echo. Backspace removes the last character; at most
  // capacity − 2 characters are kept; Enter ends the line. The stored line
  // ends in carriage return and line feed; the count includes both.
  size_t ConsoleReadLine(uint8_t* buffer, uint16_t capacity);
  // A line as text, without its carriage return and line feed.
  std::string ReadLine();

 private:
  void Flush();

  Console* console_;
  char buffer_[kBufferSize];
  size_t used_ = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_CONSOLE_TEXT_DEVICE_H_
