#include "engines/wave_player.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engines/wave_cut.h"

namespace pavodin {
namespace {

constexpr size_t kMinBlock = 256;
constexpr int kOpenAttempts = 100;
constexpr int kOpenRetryMs = 100;
constexpr int kSlotWaits = 40;
constexpr int kSlotWaitMs = 50;

// The device's own words for the failures of giving a block back.
const char* UnprepareMessage(int code) {
  switch (code) {
    case 5: return "Specified device handle is invalid.";
    case 6: return "No device driver is present.";
    case 7: return "Unable to allocate or lock memory.";
    case 33: return "The data block pointed to by the pwh parameter is still in queue";
    default: return nullptr;
  }
}

}  // namespace

WavePlayer::WavePlayer(SoundDevice* device, FileSystem* files, WavHost host)
    : device_(device), files_(files), host_(std::move(host)) {
  // The console's text hooks may be left out; a message then goes unseen
  // rather than ending the program.
  if (!host_.write_text) host_.write_text = [](const std::string&) {};
  if (!host_.read_line) host_.read_line = [] {};
  for (auto& slot : slots_) slot = std::make_unique<uint8_t[]>(kWaveBlockSize);
  work_ = std::make_unique<uint8_t[]>(kWaveBlockSize);
}

WavePlayer::~WavePlayer() {
  if (device_open_) device_->Close();
}

int WavePlayer::WavPlayFile(const std::string& name) {
  if (host_.key_available()) return 0;
  std::string contents, err;
  if (!files_->ReadFile(name, &contents, &err)) return -1;

  int result = 0;
  WaveData wave;
  if (!WavParseImage(reinterpret_cast<const uint8_t*>(contents.data()), contents.size(), &wave)) {
    result = -1;
  } else {
    // The declared length sets the pieces; a file cut short plays what it
    // holds and then fails, even when it is cut inside its only piece.
    uint32_t remaining = wave.declared_length;
    size_t offset = 0;
    while (remaining > 0) {
      const size_t piece = WavFilePieceLength(remaining);
      const size_t got = std::min(piece, wave.length - offset);
      if (got == 0) {
        result = -1;
        break;
      }
      const int r = WavPlayBuffer(wave.samples + offset, got, wave.format.rate, wave.format.bits,
                                  wave.format.channels);
      if (r != 0) {
        result = r;
        break;
      }
      if (host_.key_available()) break;
      if (got < piece) {
        result = -1;  // the file ends inside its data
        break;
      }
      offset += got;
      remaining -= static_cast<uint32_t>(piece);
    }
  }
  while (WavIsPlaying()) host_.wait_message();
  return result;
}

void WavePlayer::WavPlayImage(const uint8_t* image, size_t size) {
  WaveData wave;
  if (!WavParseImage(image, size, &wave)) return;
  WavPlayBuffer(wave.samples, wave.length, wave.format.rate, wave.format.bits,
                wave.format.channels);
}

int WavePlayer::WavPlayBuffer(const uint8_t* samples, size_t length, int rate, int bits,
                              int channels) {
  if (WavSpeedUp) rate = static_cast<int>(int64_t{rate} * 3 / 2);
  const bool cut = WavCutSpeech && channels == 1;
  const int result = cut && bits == 16 ? WavSetFormat(rate, 8, 1) : WavSetFormat(rate, bits, channels);
  if (result != 0) return result;

  while (length > 0) {
    // Four blocks in the device: the next message (a block done, or a key)
    // is what can change that, so wait for it rather than polling.
    while (pending_ >= kSlots) {
      if (host_.key_available()) {
        WavStop();
        return 0;
      }
      host_.wait_message();
    }
    if (host_.key_available()) {
      WavStop();
      return 0;
    }
    const size_t n = std::min(length, kWaveBlockSize);
    if (cut) {
      std::memcpy(work_.get(), samples, n);
      WavWriteBlock(work_.get(), WavCutPeriods(work_.get(), n, bits, rate));
    } else {
      WavWriteBlock(samples, n);
    }
    samples += n;
    length -= n;
  }
  return 0;
}

int WavePlayer::WavSetFormat(int rate, int bits, int channels) {
  const SoundFormat wanted{rate, bits, channels};
  if (!(wanted == format_)) {
    // The device plays one format at a time: let the sound before end first.
    while (WavIsPlaying()) host_.wait_message();
  }
  format_ = wanted;
  return WavOpenDevice();
}

int WavePlayer::WavOpenDevice() {
  if (device_open_) return 0;
  if (host_.enable_done_handler) host_.enable_done_handler();
  int result = device_->Open(format_);
  for (int attempt = 1; result == kSoundAllocated && attempt < kOpenAttempts; ++attempt) {
    host_.delay_ms(kOpenRetryMs);
    result = device_->Open(format_);
  }
  device_open_ = result == kSoundOk;
  return result;
}

void WavePlayer::WavWriteBlock(const uint8_t* samples, size_t length) {
  for (int i = 0; i < kSlotWaits && pending_ >= kSlots; ++i) {
    host_.pump_messages();
    if (pending_ < kSlots) break;
    host_.delay_ms(kSlotWaitMs);
  }
  if (pending_ >= kSlots) return;
  length = std::min(length, kWaveBlockSize);

  // The slot after the cursor is normally the oldest and free; a block the
  // device refused leaves a gap, so look on to the first slot not in use
  // rather than overwrite sound still playing.
  do {
    slot_cursor_ = slot_cursor_ % kSlots + 1;
  } while (slot_busy_[slot_cursor_ - 1]);
  const int slot = slot_cursor_;
  uint8_t* buffer = slots_[slot - 1].get();
  ++pending_;
  slot_busy_[slot - 1] = true;

  const bool mono8 = format_.bits == 8 && format_.channels == 1;
  const size_t declared = std::max(length, kMinBlock);
  if (length < kMinBlock) std::memset(buffer + length, format_.bits == 8 ? 128 : 0, kMinBlock - length);
  if (length > 0) std::memcpy(buffer, samples, length);
  // An 8-bit block ends on the centre so the device does not click.
  if (mono8 && length > 0 && length != kWaveBlockSize) buffer[length - 1] = 128;

  if (device_->Write(buffer, declared, static_cast<uintptr_t>(slot)) != kSoundOk) {
    slot_busy_[slot - 1] = false;
    --pending_;
  }
}

void WavePlayer::WavBlockDone(uintptr_t /*wparam*/, uintptr_t lparam) {
  if (lparam < 1 || lparam > kSlots) return;
  const int slot = static_cast<int>(lparam);
  const int code = device_->Unprepare(lparam);
  if (code != kSoundOk) {
    if (const char* text = UnprepareMessage(code)) host_.write_text(text);
    host_.read_line();
  }
  // A message for a slot already given back (a duplicate) must not free a
  // slot whose sound is still playing.
  if (slot_busy_[slot - 1]) {
    slot_busy_[slot - 1] = false;
    if (pending_ > 0) --pending_;
  }
}

bool WavePlayer::WavIsPlaying() {
  host_.pump_messages();
  if (host_.key_available() || pending_ == 0) WavStop();
  return pending_ != 0;
}

void WavePlayer::WavStop() {
  if (device_open_) {
    if (pending_ != 0) device_->Reset();
    host_.pump_messages();
    device_->Close();
    host_.pump_messages();
  }
  device_open_ = false;
}

}  // namespace pavodin
