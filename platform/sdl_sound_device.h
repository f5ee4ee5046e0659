#ifndef PAVODIN_PLATFORM_SDL_SOUND_DEVICE_H_
#define PAVODIN_PLATFORM_SDL_SOUND_DEVICE_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/message_source.h"
#include "platform/sound_device.h"

// The sound device on SDL2 audio. SDL's audio thread takes the queued blocks
// in order and posts each block's done message to the MessageSource as soon
// as its last byte has gone to the output; after the queue it feeds silence.
//
// With SDL_AUDIODRIVER=disk (and SDL_DISKAUDIOFILE naming the file) the
// output is written to a file in real time, which needs no sound hardware.
//
// Open maps SDL's failures onto the device codes: an output reported busy
// gives kSoundAllocated (worth retrying), no audio driver or no output at all
// kSoundNoDriver, a format SDL cannot take kSoundBadFormat. Unprepare fails
// only for a block still queued (kSoundStillPlaying); the other failures of
// giving a block back (bad handle, no driver, no memory) cannot happen here.
namespace pavodin {

class SdlSoundDevice : public SoundDevice {
 public:
  // `messages` is not owned and must outlive the device.
  explicit SdlSoundDevice(MessageSource* messages);
  ~SdlSoundDevice() override;
  SdlSoundDevice(const SdlSoundDevice&) = delete;
  SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

  int Open(const SoundFormat& format) override;
  int Write(const uint8_t* data, size_t length, uintptr_t tag) override;
  int Unprepare(uintptr_t tag) override;
  void Reset() override;
  void Close() override;

  // For measuring: called on the audio thread with every buffer of output
  // just produced (in the opened format). Set it while the device is closed.
  using OutputObserver = std::function<void(const uint8_t* bytes, size_t length)>;
  void SetOutputObserver(OutputObserver observer) { observer_ = std::move(observer); }

 private:
  struct Block {
    const uint8_t* data;
    size_t length;
    size_t played;
    uintptr_t tag;
  };

  static void AudioCallback(void* self, uint8_t* stream, int length);
  void Fill(uint8_t* out, size_t length);
  void PostDone(uintptr_t tag);

  MessageSource* messages_;
  bool audio_initialised_ = false;
  bool no_output_ = false;  // opening found no sound output: not tried again
  uint32_t device_ = 0;  // SDL_AudioDeviceID; 0 when closed
  uint8_t silence_ = 0;
  std::deque<Block> queue_;  // shared with the audio thread under SDL's device lock
  OutputObserver observer_;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_SDL_SOUND_DEVICE_H_
