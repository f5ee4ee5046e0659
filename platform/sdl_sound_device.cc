#include "platform/sdl_sound_device.h"

#include <SDL.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace pavodin {
namespace {

// About 10 ms of sound per callback: a block reaches the output, and a stop
// silences it, within one such buffer.
Uint16 BufferFrames(int rate) {
  Uint16 frames = 64;
  while (frames < 4096 && frames < rate / 100) frames = static_cast<Uint16>(frames * 2);
  return frames;
}

bool LooksBusy(const std::string& error) {
  return error.find("busy") != std::string::npos || error.find("Busy") != std::string::npos ||
         error.find("in use") != std::string::npos;
}

}  // namespace

SdlSoundDevice::SdlSoundDevice(MessageSource* messages) : messages_(messages) {}

SdlSoundDevice::~SdlSoundDevice() {
  Close();
  if (audio_initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlSoundDevice::Open(const SoundFormat& format) {
  if (device_ != 0) return kSoundError;
  if (format.bits != 8 && format.bits != 16) return kSoundBadFormat;
  if (format.channels < 1 || format.channels > 8) return kSoundBadFormat;
  if (format.rate < 1000 || format.rate > 384000) return kSoundBadFormat;
  // A machine without sound output stays without it for the run; asking
  // again for every sound would only fill standard error with the sound
  // system's complaints.
  if (no_output_) return kSoundNoDriver;
  if (!audio_initialised_) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      no_output_ = true;
      return kSoundNoDriver;
    }
    audio_initialised_ = true;
  }
  SDL_AudioSpec want;
  SDL_zero(want);
  want.freq = format.rate;
  want.format = format.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  want.channels = static_cast<Uint8>(format.channels);
  want.samples = BufferFrames(format.rate);
  want.callback = &SdlSoundDevice::AudioCallback;
  want.userdata = this;
  SDL_AudioSpec have;
  // No changes allowed: SDL converts to whatever the output really takes.
  const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (id == 0) {
    const std::string error = SDL_GetError();
    if (LooksBusy(error)) return kSoundAllocated;
    no_output_ = true;
    return kSoundNoDriver;
  }
  device_ = id;
  silence_ = format.bits == 8 ? 128 : 0;
  SDL_PauseAudioDevice(device_, 0);
  return kSoundOk;
}

int SdlSoundDevice::Write(const uint8_t* data, size_t length, uintptr_t tag) {
  if (device_ == 0) return kSoundInvalidHandle;
  SDL_LockAudioDevice(device_);
  queue_.push_back(Block{data, length, 0, tag});
  SDL_UnlockAudioDevice(device_);
  return kSoundOk;
}

int SdlSoundDevice::Unprepare(uintptr_t tag) {
  if (device_ == 0) return kSoundOk;
  int result = kSoundOk;
  SDL_LockAudioDevice(device_);
  for (const Block& b : queue_)
    if (b.tag == tag) result = kSoundStillPlaying;
  SDL_UnlockAudioDevice(device_);
  return result;
}

void SdlSoundDevice::Reset() {
  if (device_ == 0) return;
  std::deque<Block> dropped;
  SDL_LockAudioDevice(device_);
  dropped.swap(queue_);
  SDL_UnlockAudioDevice(device_);
  for (const Block& b : dropped) PostDone(b.tag);
}

void SdlSoundDevice::Close() {
  if (device_ == 0) return;
  // Closing waits for the audio thread to end; what it had not taken is
  // reported as discarded.
  SDL_CloseAudioDevice(device_);
  device_ = 0;
  std::deque<Block> dropped;
  dropped.swap(queue_);
  for (const Block& b : dropped) PostDone(b.tag);
}

void SdlSoundDevice::AudioCallback(void* self, uint8_t* stream, int length) {
  static_cast<SdlSoundDevice*>(self)->Fill(stream, length > 0 ? static_cast<size_t>(length) : 0);
}

void SdlSoundDevice::Fill(uint8_t* out, size_t length) {
  size_t filled = 0;
  while (filled < length && !queue_.empty()) {
    Block& b = queue_.front();
    const size_t n = std::min(length - filled, b.length - b.played);
    std::memcpy(out + filled, b.data + b.played, n);
    b.played += n;
    filled += n;
    if (b.played == b.length) {
      const uintptr_t tag = b.tag;
      queue_.pop_front();
      PostDone(tag);
    }
  }
  std::memset(out + filled, silence_, length - filled);
  if (observer_) observer_(out, length);
}

void SdlSoundDevice::PostDone(uintptr_t tag) {
  Message msg = Message::Of(MessageKind::kWaveDone, kWaveDoneMessage);
  msg.wparam = device_;
  msg.lparam = tag;
  messages_->Post(msg);
}

}  // namespace pavodin
