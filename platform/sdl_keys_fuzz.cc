// Arbitrary SDL key events and input-method text through the key
// translation and on into the key queue: no crash, every message a byte or
// a virtual key, and the queue never past its 64 bytes.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "console/key_translator.h"
#include "platform/sdl_keys.h"

namespace {

class NoEffects : public pavodin::KeyEffects {
 public:
  void Tone(int, int) override {}
  [[noreturn]] void Terminate() override { throw 255; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pavodin::SdlKeyTranslator translator;
  NoEffects effects;
  pavodin::KeyTranslator queue(&effects);
  std::vector<pavodin::Message> out;
  size_t i = 0;
  while (i < size) {
    const uint8_t op = data[i++] % 3;
    if (op == 2) {
      // Text of up to 31 bytes, as SDL's event carries it.
      char text[32] = {};
      const size_t n = std::min<size_t>(data[i - 1] / 3 % 32, size - i);
      std::memcpy(text, data + i, n);
      i += n;
      translator.TextInput(text, &out);
    } else {
      if (size - i < 6) break;
      SDL_Keysym key{};
      key.scancode = static_cast<SDL_Scancode>(data[i] | (data[i + 1] & 1) << 8);
      key.sym = static_cast<SDL_Keycode>(data[i + 2] | data[i + 3] << 8 | (data[i + 1] & 0x40) << 24);
      key.mod = static_cast<uint16_t>(data[i + 4] | data[i + 5] << 8);
      i += 6;
      if (op == 0) translator.KeyDown(key, &out);
      if (op == 1) translator.KeyUp(key, &out);
    }
    for (const pavodin::Message& m : out) {
      if (m.code < 0 || m.code > 255) __builtin_trap();
      try {
        using pavodin::MessageKind;
        if (m.kind == MessageKind::kKeyDown && !pavodin::KeyTranslator::IsSystemKey(m.code, m.mods))
          queue.KeyDown(m.code, m.mods);
        if (m.kind == MessageKind::kCharInput) queue.CharInput(static_cast<uint8_t>(m.code), m.mods);
        if (m.kind == MessageKind::kKeyUp) queue.KeyUp(m.code, m.mods);
      } catch (int) {
        // Ctrl+Break ends the program; the queue stays usable.
      }
      if (queue.count() > pavodin::KeyTranslator::kCapacity) __builtin_trap();
      if (queue.count() > 40) queue.Take();
    }
    out.clear();
  }
  return 0;
}
