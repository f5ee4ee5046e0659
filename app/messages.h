#ifndef PAVODIN_APP_MESSAGES_H_
#define PAVODIN_APP_MESSAGES_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/text_device.h"
#include "speech/speaking.h"

// The message catalogue: every text the program shows or speaks is named by
// a key. A recorded prompt named after the key, when it exists, is played
// instead of speaking the text.

namespace pavodin {

// The catalogue text of `key` (Windows-1252), or the key itself when the
// catalogue has no such key. Keys are compared exactly.
std::string messageText(std::string_view key);

class Messages {
 public:
  Messages(Console* console, TextDevice* out, Speech* speech)
      : console_(console), out_(out), speech_(speech) {}

  // Speaks the message without writing anything.
  void announceMessage(std::string_view key);
  // Writes the text at the cursor, ends the line `line_ends` times, then speaks it.
  void showMessage(std::string_view key, int line_ends);
  // Writes the text right-aligned on row 25 in red and speaks it; the cursor
  // returns to column 1 of the row it was on.
  void showStatusMessage(std::string_view key);
  // One key, its byte spoken, upper-cased ("a"-"z" only). An extended key
  // gives 0 and leaves its code as the next key.
  uint8_t readUpperKey();

 private:
  Console* console_;
  TextDevice* out_;
  Speech* speech_;
};

}  // namespace pavodin

#endif  // PAVODIN_APP_MESSAGES_H_
