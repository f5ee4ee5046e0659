#ifndef PAVODIN_TTS_TTS_MESSAGES_H_
#define PAVODIN_TTS_TTS_MESSAGES_H_

#include <string>

namespace pavodin {

// Where the engine's loaders report faults of their data files to the user.
// The program shows the text on the console and speaks it; the command-line
// tool prints it on standard error.
class TtsMessages {
 public:
  virtual ~TtsMessages() = default;
  // `text` is Windows-1252.
  virtual void Show(const std::string& text) = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_TTS_TTS_MESSAGES_H_
