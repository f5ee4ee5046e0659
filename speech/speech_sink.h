#ifndef PAVODIN_SPEECH_SPEECH_SINK_H_
#define PAVODIN_SPEECH_SPEECH_SINK_H_

#include <string>
#include <string_view>

// What the speaking operations hand to whatever produces sound: texts to
// speak, recorded files to play, the beep. The producers (wave player,
// synthesizers, engines) stand behind it.

namespace pavodin {

class SpeechSink {
 public:
  virtual ~SpeechSink() = default;
  // Starts speaking a Windows-1252 text; returns while it sounds.
  virtual void SpeakText(std::string_view text) = 0;
  // Starts playing a recorded RIFF/WAVE file; false when it cannot be played.
  virtual bool PlayFile(const std::string& path) = 0;
  // Starts the end-of-list beep.
  virtual void PlayBeep() = 0;
  // Whether anything still sounds.
  virtual bool Busy() = 0;
  // Silences everything at once.
  virtual void Stop() = 0;
};

// No sound at all: what the program has while no sound producer is built in.
class SilentSpeechSink : public SpeechSink {
 public:
  void SpeakText(std::string_view) override {}
  bool PlayFile(const std::string&) override { return false; }
  void PlayBeep() override {}
  bool Busy() override { return false; }
  void Stop() override {}
};

}  // namespace pavodin

#endif  // PAVODIN_SPEECH_SPEECH_SINK_H_
