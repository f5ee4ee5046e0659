#ifndef PAVODIN_ENGINES_WAVE_PLAYER_H_
#define PAVODIN_ENGINES_WAVE_PLAYER_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engines/wave_riff.h"
#include "platform/file_system.h"
#include "platform/sound_device.h"

// The wave player: plays RIFF/WAVE files and images, and raw PCM buffers,
// through a SoundDevice in blocks of at most 65,534 bytes over four slots
// allocated once. A queued key stops playback at once and stays queued.
//
// Single-threaded: every member runs on the program's thread. The device
// reports finished blocks as kWaveDone messages; the program's message
// handling must pass each one to WavBlockDone (the console's wave-done hook).
//
// Every wait for the device blocks in the host's wait_message until the next
// message (a block done, a key, a wake-up) and then looks again; the only
// sleeps are the retries of a busy device (100 ms) and of a full ring when
// called directly (WavWriteBlock, 50 ms).

namespace pavodin {

// What the player needs from the program's message loop. key_available,
// pump_messages, wait_message and delay_ms must be set; the others may be
// left empty.
struct WavHost {
  // Handles pending messages (so WavBlockDone runs for finished blocks), then
  // answers whether a key is queued, without taking it.
  std::function<bool()> key_available;
  // Handles every pending message.
  std::function<void()> pump_messages;
  // Blocks until the next message arrives (a key, a block-done, a wake-up).
  std::function<void()> wait_message;
  // Sleeps, then handles pending messages.
  std::function<void(int ms)> delay_ms;
  // The console's standard output and input: device failure messages, and
  // the line the user answers them with.
  std::function<void(const std::string&)> write_text;
  std::function<void()> read_line;
  // Optional: makes the console pass block-done messages to WavBlockDone.
  std::function<void()> enable_done_handler;
};

class WavePlayer {
 public:
  // `device` and `files` are not owned and must outlive the player.
  WavePlayer(SoundDevice* device, FileSystem* files, WavHost host);
  // Closes the device if it is open: it must not read the slots after them.
  ~WavePlayer();
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;

  // Plays a wave file to its end (or until a key). `name` is a path as the
  // FileSystem takes it (the caller maps suite paths). 0 when played or stopped
  // by a key (also when a key was already queued: nothing is played); -1 when
  // the file is missing, unreadable, not a wave file or shorter than its
  // chunks say (what was queued still plays); otherwise the device's code.
  int WavPlayFile(const std::string& name);

  // Queues an image's sound and returns once the last block is queued. An
  // image that is not RIFF/WAVE plays nothing. Never reads outside the
  // `size` bytes; a "data" chunk longer than the image plays what is there.
  void WavPlayImage(const uint8_t* image, size_t size);

  // Handles pending messages; stops and closes the device when a key is
  // queued or nothing is left in it. True while blocks are still in the device.
  bool WavIsPlaying();

  // Silences the device at once and closes it. The format is kept.
  void WavStop();

  // Plays bytes of PCM sound in blocks; returns once the last is queued.
  // 0, or the device's code when it could not be opened. The bytes are
  // copied: the caller may reuse them at once.
  int WavPlayBuffer(const uint8_t* samples, size_t length, int rate, int bits, int channels);

  // Waits for the sound in another format to end, then opens the device.
  int WavSetFormat(int rate, int bits, int channels);

  // Opens the device in the stored format unless it is open. Retries while
  // the device is in use, 100 attempts 100 ms apart.
  int WavOpenDevice();

  // Hands one block of at most 65,534 bytes to the device through the next
  // free slot. With all four slots in use it waits up to 40 times 50 ms and
  // then drops the block. The block is declared at least 256 bytes long, the
  // rest filled with silence; an 8-bit mono block not exactly 65,534 bytes
  // long ends on the centre 128. A block the device refuses is dropped.
  void WavWriteBlock(const uint8_t* samples, size_t length);

  // The handler of one block-done message: `wparam` names the device,
  // `lparam` the finished slot (1 to 4).
  void WavBlockDone(uintptr_t wparam, uintptr_t lparam);

  // Switches of the speech configuration. Speed-up plays at 1.5 times the
  // rate; speech cutting plays mono sound with every other pitch period
  // dropped, 16-bit mono as 8-bit.
  bool WavSpeedUp = false;
  bool WavCutSpeech = false;

  // Inspection, for tests.
  int pending() const { return pending_; }
  bool device_open() const { return device_open_; }
  const SoundFormat& format() const { return format_; }

 private:
  static constexpr int kSlots = 4;

  SoundDevice* device_;
  FileSystem* files_;
  WavHost host_;
  bool device_open_ = false;
  SoundFormat format_;
  int slot_cursor_ = 0;  // the slot used last, 1 to 4; 0 before the first
  int pending_ = 0;
  std::unique_ptr<uint8_t[]> slots_[kSlots];
  bool slot_busy_[kSlots] = {};  // handed to the device, its done message not yet handled
  // The speech cut rewrites samples; it works here so callers' sound stays intact.
  std::unique_ptr<uint8_t[]> work_;
};

}  // namespace pavodin

#endif  // PAVODIN_ENGINES_WAVE_PLAYER_H_
