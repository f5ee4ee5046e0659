#ifndef PAVODIN_PLATFORM_MESSAGE_H_
#define PAVODIN_PLATFORM_MESSAGE_H_

#include <cstdint>

// A window message in platform-neutral form. Displays (terminal, window, test
// scripts) turn what they receive into these; other threads post the wave-done
// and wake-up messages. The console's message wait takes them one at a time.

namespace pavodin {

// Modifier keys as they stood when the key event happened.
struct KeyModifiers {
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
};

enum class MessageKind {
  kKeyDown,      // code = virtual key (Windows numbering: 'A' = 65, F1 = 112, ...)
  kCharInput,    // code = Windows-1252 byte produced by the key press
  kKeyUp,        // code = virtual key
  kKeyByte,      // code = a key byte queued as it stands (scripted or piped input)
  kClose,        // close button, Alt+F4
  kEndOfInput,   // piped key input has ended: no key will ever come again
  kFocusIn,
  kFocusOut,
  kExpose,       // the window must be redrawn from the grids
  kMouseMove,    // x, y in window pixels
  kRightButtonDown,
  kRightButtonUp,
  kWaveDone,     // 957: a wave block finished; wparam/lparam as posted
  kWakeUp,       // 1123 or 2980 in code: only makes a waiting loop run again
  kQuit,         // ends the program with exit code 255
};

// Private message numbers, kept for their meaning in logs and tests.
inline constexpr int kWaveDoneMessage = 957;
inline constexpr int kStopSpeechWakeUp = 1123;
inline constexpr int kEngineWakeUp = 2980;

// Virtual-key codes the core looks at.
namespace vk {
inline constexpr int kCancel = 3;  // Ctrl+Break
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kReturn = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPrior = 33;
inline constexpr int kNext = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int kF1 = 112;
inline constexpr int kF4 = 115;
inline constexpr int kF10 = 121;
inline constexpr int kF11 = 122;
inline constexpr int kF12 = 123;
}  // namespace vk

struct Message {
  MessageKind kind = MessageKind::kWakeUp;
  int code = 0;
  KeyModifiers mods;
  int x = 0;
  int y = 0;
  std::uintptr_t wparam = 0;
  std::uintptr_t lparam = 0;

  static Message KeyDown(int vkey, KeyModifiers m = {}) {
    Message msg;
    msg.kind = MessageKind::kKeyDown;
    msg.code = vkey;
    msg.mods = m;
    return msg;
  }
  static Message KeyUp(int vkey, KeyModifiers m = {}) {
    Message msg = KeyDown(vkey, m);
    msg.kind = MessageKind::kKeyUp;
    return msg;
  }
  static Message CharInput(unsigned char c, KeyModifiers m = {}) {
    Message msg;
    msg.kind = MessageKind::kCharInput;
    msg.code = c;
    msg.mods = m;
    return msg;
  }
  static Message KeyByte(unsigned char b) {
    Message msg;
    msg.kind = MessageKind::kKeyByte;
    msg.code = b;
    return msg;
  }
  static Message Of(MessageKind kind, int code = 0) {
    Message msg;
    msg.kind = kind;
    msg.code = code;
    return msg;
  }
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_MESSAGE_H_
