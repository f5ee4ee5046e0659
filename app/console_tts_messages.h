#ifndef PAVODIN_APP_CONSOLE_TTS_MESSAGES_H_
#define PAVODIN_APP_CONSOLE_TTS_MESSAGES_H_

#include <string>

#include "console/text_device.h"
#include "speech/speaking.h"
#include "tts/tts_messages.h"

namespace pavodin {

// The text-to-speech engine's faults told the program's way: the console has
// no message boxes, so the text is written on its own line and spoken.
class ConsoleTtsMessages : public TtsMessages {
 public:
  ConsoleTtsMessages(TextDevice* out, Speech* speech) : out_(out), speech_(speech) {}
  void Show(const std::string& text) override {
    out_->WriteLine(text);
    speech_->SpeakText(text);
  }

 private:
  TextDevice* out_;
  Speech* speech_;
};

}  // namespace pavodin

#endif  // PAVODIN_APP_CONSOLE_TTS_MESSAGES_H_
