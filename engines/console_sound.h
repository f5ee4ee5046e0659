#ifndef PAVODIN_ENGINES_CONSOLE_SOUND_H_
#define PAVODIN_ENGINES_CONSOLE_SOUND_H_

#include "console/display.h"
#include "engines/looping_image.h"
#include "platform/looping_sound.h"

namespace pavodin {

// The console's tone and beep on a looping sound output.
class LoopingConsoleSound : public ConsoleSound {
 public:
  explicit LoopingConsoleSound(LoopingSound* output) : output_(output) {}
  void PlayLoop(std::vector<uint8_t> image) override {
    PlayImageLooping(output_, image.data(), image.size());
  }
  void StopLoop() override { output_->Stop(); }
  void MessageBeep() override { output_->Beep(); }

 private:
  LoopingSound* output_;
};

}  // namespace pavodin

#endif  // PAVODIN_ENGINES_CONSOLE_SOUND_H_
