#include "speech/wave_speech_sink.h"

#include "console/tone.h"

namespace pavodin {

std::vector<uint8_t> WaveSpeechSink::BeepImage() {
  static constexpr uint8_t kPattern[8] = {128, 112, 96, 80, 64, 80, 96, 112};
  std::vector<uint8_t> image(44 + 512);
  for (size_t i = 0; i < 512; ++i) image[44 + i] = kPattern[i % 8];
  image.back() = 128;
  WriteWaveHeader(image.data(), 512, 11025, 8, 1);
  return image;
}

void WaveSpeechSink::PlayBeep() {
  const std::vector<uint8_t> image = BeepImage();
  player_->WavPlayImage(image.data(), image.size());
}

}  // namespace pavodin
