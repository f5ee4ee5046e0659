#ifndef PAVODIN_PLATFORM_SOUND_DEVICE_H_
#define PAVODIN_PLATFORM_SOUND_DEVICE_H_

#include <cstddef>
#include <cstdint>

// The sound output the wave player writes its blocks to: one PCM stream at a
// time, fed block by block, each block reported back when it has been heard.

namespace pavodin {

// PCM layout of a stream: samples per second, bits per sample (8 = unsigned,
// 16 = signed little-endian), interleaved channels.
struct SoundFormat {
  int32_t rate = 0;
  int32_t bits = 0;
  int32_t channels = 0;

  bool operator==(const SoundFormat&) const = default;
};

// Result codes, numbered like the multimedia wave-output codes the program
// has always reported, so a number means the same thing in every message.
inline constexpr int kSoundOk = 0;
inline constexpr int kSoundError = 1;           // unspecified failure
inline constexpr int kSoundAllocated = 4;       // device in use by others: worth retrying
inline constexpr int kSoundInvalidHandle = 5;   // no device is open
inline constexpr int kSoundNoDriver = 6;        // no usable sound output on this machine
inline constexpr int kSoundNoMemory = 7;
inline constexpr int kSoundBadFormat = 32;      // the device cannot play this format
inline constexpr int kSoundStillPlaying = 33;   // the block is still queued

// The device. Used from the program's thread only; completion messages come
// from the device's own thread through the MessageSource it was given.
//
// Every block handed to Write is reported exactly once, as a message of kind
// kWaveDone (code kWaveDoneMessage) whose lparam is the block's tag: when the
// block has been played to its end, or at once when Reset or Close discards it.
class SoundDevice {
 public:
  virtual ~SoundDevice() = default;

  // Opens the output in `format`. kSoundOk when open; kSoundAllocated when the
  // output is busy and a later attempt may succeed; any other code is final.
  // Opening an open device fails with kSoundError.
  virtual int Open(const SoundFormat& format) = 0;

  // Queues `length` bytes behind the blocks already queued. The bytes are
  // read in place while the block plays: the caller must leave them untouched
  // until the block's done message has been handled.
  virtual int Write(const uint8_t* data, size_t length, uintptr_t tag) = 0;

  // Takes a block back after its done message. kSoundOk, or kSoundStillPlaying
  // when the block with that tag is still queued.
  virtual int Unprepare(uintptr_t tag) = 0;

  // Silences the output at once: every queued block is discarded and reported.
  virtual void Reset() = 0;

  // Resets and closes the output. Nothing when it is not open.
  virtual void Close() = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_SOUND_DEVICE_H_
