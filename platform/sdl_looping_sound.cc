#include "platform/sdl_looping_sound.h"

#include <SDL.h>

#include <cmath>
#include <cstring>
#include <utility>

namespace pavodin {
namespace {

// The bell: 120 ms of 880 Hz, 8-bit mono, faded in and out so it does not click.
std::vector<uint8_t> BellSamples() {
  constexpr int kRate = 11025;
  constexpr int kCount = kRate * 120 / 1000;
  constexpr double kPi = 3.14159265358979323846;
  std::vector<uint8_t> s(kCount);
  for (int i = 0; i < kCount; ++i) {
    const double edge = std::min(1.0, std::min(i, kCount - 1 - i) / 110.0);
    s[i] = static_cast<uint8_t>(128 + std::lround(40 * edge * std::sin(2 * kPi * 880 * i / kRate)));
  }
  return s;
}

}  // namespace

SdlLoopingSound::~SdlLoopingSound() {
  Stop();
  if (audio_initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlLoopingSound::PlayLooping(const SoundFormat& format, const uint8_t* samples,
                                  size_t length) {
  return Start(format, std::vector<uint8_t>(samples, samples + length), /*loop=*/true);
}

void SdlLoopingSound::Beep() { Start(SoundFormat{11025, 8, 1}, BellSamples(), /*loop=*/false); }

void SdlLoopingSound::Stop() {
  if (device_ == 0) return;
  SDL_CloseAudioDevice(device_);
  device_ = 0;
}

bool SdlLoopingSound::Start(const SoundFormat& format, std::vector<uint8_t> samples, bool loop) {
  Stop();
  if (samples.empty()) return false;
  if (format.bits != 8 && format.bits != 16) return false;
  if (format.channels < 1 || format.channels > 8 || format.rate < 1000 || format.rate > 384000)
    return false;
  if (no_output_) return false;  // see SdlSoundDevice::Open
  if (!audio_initialised_) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      no_output_ = true;
      return false;
    }
    audio_initialised_ = true;
  }
  samples_ = std::move(samples);
  position_ = 0;
  loop_ = loop;
  silence_ = format.bits == 8 ? 128 : 0;
  SDL_AudioSpec want;
  SDL_zero(want);
  want.freq = format.rate;
  want.format = format.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  want.channels = static_cast<Uint8>(format.channels);
  want.samples = 256;
  want.callback = &SdlLoopingSound::AudioCallback;
  want.userdata = this;
  SDL_AudioSpec have;
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ == 0) {
    no_output_ = true;
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlLoopingSound::AudioCallback(void* self_ptr, uint8_t* out, int length) {
  auto* self = static_cast<SdlLoopingSound*>(self_ptr);
  size_t filled = 0;
  const size_t total = length > 0 ? static_cast<size_t>(length) : 0;
  while (filled < total && self->position_ < self->samples_.size()) {
    const size_t n = std::min(total - filled, self->samples_.size() - self->position_);
    std::memcpy(out + filled, self->samples_.data() + self->position_, n);
    filled += n;
    self->position_ += n;
    if (self->loop_ && self->position_ == self->samples_.size()) self->position_ = 0;
  }
  std::memset(out + filled, self->silence_, total - filled);
}

}  // namespace pavodin
