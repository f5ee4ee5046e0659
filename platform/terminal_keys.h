#ifndef PAVODIN_PLATFORM_TERMINAL_KEYS_H_
#define PAVODIN_PLATFORM_TERMINAL_KEYS_H_

#include <string>
#include <vector>

#include "platform/message.h"

// Turns the bytes a terminal sends for key presses (UTF-8 characters,
// control bytes, escape sequences of xterm, VT220, rxvt and the Linux
// console) into key messages: character input for characters, key-downs for
// function, cursor and editing keys, with their Ctrl, Alt and Shift state.
// Terminals report no key releases, so braille chords cannot be typed here.

namespace pavodin {

class TerminalKeyDecoder {
 public:
  // Decodes what can be decoded; an incomplete sequence waits for more bytes.
  void Feed(const char* bytes, size_t n, std::vector<Message>* out);
  // No byte came for a while: a lone ESC is the Escape key, and an
  // incomplete sequence is given up.
  void Timeout(std::vector<Message>* out);
  bool pending() const { return !pending_.empty(); }

 private:
  // Decodes one key from the front of pending_; returns the bytes used, 0 when
  // more bytes are needed.
  size_t DecodeOne(std::vector<Message>* out);

  std::string pending_;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_TERMINAL_KEYS_H_
