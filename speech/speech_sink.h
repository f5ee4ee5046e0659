#ifndef PAVODIN_SPEECH_SPEECH_SINK_H_
#define PAVODIN_SPEECH_SPEECH_SINK_H_

#include <string>
#include <string_view>
#include <vector>
#include <cstdint>

// What the speaking operations hand to whatever produces sound: texts to
// speak, recorded files to play, the beep. The producers (wave player,
// synthesizers, engines) stand behind it.

namespace pavodin {

class SpeechSink {
 public:
  virtual ~SpeechSink() = default;
  // Starts speaking a Windows-1252 text; returns while it sounds.
  virtual void SpeakText(std::string_view text) = 0;
  // Plays a recorded RIFF/WAVE file to its end or until a key is waiting;
  // false when it cannot be played.
  virtual bool PlayFile(const std::string& path) = 0;
  // Starts a RIFF/WAVE image in memory (signal sounds). `uncut`: played
  // whole even when speech is being compressed.
  virtual void PlayImage(const std::vector<uint8_t>& image, bool uncut) = 0;
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
  void PlayImage(const std::vector<uint8_t>&, bool) override {}
  bool Busy() override { return false; }
  void Stop() override {}
};

}  // namespace pavodin

#endif  // PAVODIN_SPEECH_SPEECH_SINK_H_
