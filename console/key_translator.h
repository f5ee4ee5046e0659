#ifndef PAVODIN_CONSOLE_KEY_TRANSLATOR_H_
#define PAVODIN_CONSOLE_KEY_TRANSLATOR_H_

#include <array>
#include <cstdint>

#include "platform/message.h"

// Turns keyboard events into the suite's key byte stream and keeps the
// 64-byte key queue. Ordinary keys are one byte; function, cursor and editing
// keys and Alt combinations are 0 followed by a key code. In braille mode the
// keys F D S J K L and the space bar are pressed together like the six dots
// and the thumb key of a braille keyboard, and the character is decided when
// all of them are released.

namespace pavodin {

// What a key can set off beyond queueing bytes.
class KeyEffects {
 public:
  virtual ~KeyEffects() = default;
  // A tone of `hz` for `ms` milliseconds (braille mode changes). Blocks.
  virtual void Tone(int hz, int ms) = 0;
  // Ctrl+Break: ends the program with exit code 255. Does not return.
  [[noreturn]] virtual void Terminate() = 0;
};

// The braille table: the six dot bits (dot 1 = bit 0 ... dot 6 = bit 5) to
// a Windows-1252 character.
extern const std::array<uint8_t, 64> BrailleTable;

class KeyTranslator {
 public:
  static constexpr int kCapacity = 64;
  // Stands for "no character" inside the braille logic; never queued by it.
  static constexpr uint8_t kNoCharacter = 254;

  explicit KeyTranslator(KeyEffects* effects) : effects_(effects) {}

  // A key-down that is not a system key (see IsSystemKey).
  void KeyDown(int vkey, KeyModifiers mods);
  // A system key-down: only Left and Right are translated (as without Alt).
  // Returns false when the key is left to the system's default handling.
  bool SystemKeyDown(int vkey, KeyModifiers mods);
  // The character a key press produced.
  void CharInput(uint8_t c, KeyModifiers mods);
  // Returns whether the release was handled (braille modes only).
  bool KeyUp(int vkey, KeyModifiers mods);
  // A byte queued as it stands (scripted or piped input); dropped when full.
  void QueueByte(uint8_t b);

  // Alt without Ctrl, and F10, are the system's keys.
  static bool IsSystemKey(int vkey, KeyModifiers mods) {
    return (mods.alt && !mods.ctrl) || vkey == vk::kF10;
  }

  // Switches the braille mode with its tones; values above 2 give 1.
  void SetBrailleMode(int mode);
  int braille_mode() const { return mode_; }

  int count() const { return count_; }
  bool empty() const { return count_ == 0; }
  // Removes and returns the oldest byte. The queue must not be empty.
  uint8_t Take();

 private:
  void Queue(uint8_t b) { queue_[count_++] = b; }
  uint8_t ApplySigns(uint8_t ch);
  void ClearSigns() { capital_ = caps_lock_ = number_ = false; }

  KeyEffects* effects_;
  std::array<uint8_t, kCapacity> queue_{};
  int count_ = 0;
  int mode_ = 0;
  uint8_t chord_ = 0;
  uint8_t pressed_ = 0;
  bool capital_ = false;
  bool caps_lock_ = false;
  bool number_ = false;
};

}  // namespace pavodin

#endif  // PAVODIN_CONSOLE_KEY_TRANSLATOR_H_
