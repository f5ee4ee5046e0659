#ifndef PAVODIN_SPEECH_WAVE_SPEECH_SINK_H_
#define PAVODIN_SPEECH_WAVE_SPEECH_SINK_H_

#include <cstdint>
#include <vector>

#include "engines/wave_player.h"
#include "speech/speech_sink.h"

namespace pavodin {

// Recorded files and signal sounds through the wave player. Texts are not
// spoken: no synthesizer is built in yet.
class WaveSpeechSink : public SpeechSink {
 public:
  explicit WaveSpeechSink(WavePlayer* player) : player_(player) {}

  void SpeakText(std::string_view) override {}
  bool PlayFile(const std::string& path) override { return player_->WavPlayFile(path) == 0; }
  void PlayImage(const std::vector<uint8_t>& image, bool uncut) override;
  bool Busy() override { return player_->WavIsPlaying(); }
  void Stop() override { player_->WavStop(); }

 private:
  WavePlayer* player_;
};

}  // namespace pavodin

#endif  // PAVODIN_SPEECH_WAVE_SPEECH_SINK_H_
