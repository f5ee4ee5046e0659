#include "speech/wave_speech_sink.h"

namespace pavodin {

void WaveSpeechSink::PlayImage(const std::vector<uint8_t>& image, bool uncut) {
  const bool cut = player_->WavCutSpeech;
  if (uncut) player_->WavCutSpeech = false;
  player_->WavPlayImage(image.data(), image.size());
  player_->WavCutSpeech = cut;
}

}  // namespace pavodin
