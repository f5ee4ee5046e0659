#ifndef PAVODIN_TTS_RECORDING_TTS_MESSAGES_H_
#define PAVODIN_TTS_RECORDING_TTS_MESSAGES_H_

#include <string>
#include <vector>

#include "platform/text_encoding.h"
#include "tts/tts_messages.h"

namespace pavodin {

// Keeps every message, converted to UTF-8, for tests and fuzzers.
class RecordingTtsMessages : public TtsMessages {
 public:
  void Show(const std::string& text) override { shown.push_back(Cp1252ToUtf8(text)); }
  std::vector<std::string> shown;
};

}  // namespace pavodin

#endif  // PAVODIN_TTS_RECORDING_TTS_MESSAGES_H_
