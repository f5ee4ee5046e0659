#include "platform/sdl_keys.h"

#include <string_view>

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

// Windows virtual keys without a name in message.h.
constexpr int kVkShift = 16, kVkControl = 17, kVkMenu = 18, kVkPause = 19, kVkCapital = 20;
constexpr int kVkClear = 12, kVkSnapshot = 44, kVkLWin = 91, kVkRWin = 92, kVkApps = 93;
constexpr int kVkNumpad0 = 96, kVkMultiply = 106, kVkAdd = 107, kVkSubtract = 109;
constexpr int kVkDecimal = 110, kVkDivide = 111, kVkNumLock = 144, kVkScroll = 145;

int KeypadKey(SDL_Scancode sc, bool num_lock) {
  // Keypad 1-9 and 0 in scancode order, and what they are with Num Lock off.
  static constexpr int kNavigation[10] = {vk::kEnd,   vk::kDown, vk::kNext,  vk::kLeft, kVkClear,
                                          vk::kRight, vk::kHome, vk::kUp,    vk::kPrior, vk::kInsert};
  if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_0) {
    const int i = sc - SDL_SCANCODE_KP_1;
    if (!num_lock) return kNavigation[i];
    return sc == SDL_SCANCODE_KP_0 ? kVkNumpad0 : kVkNumpad0 + 1 + i;
  }
  switch (sc) {
    case SDL_SCANCODE_KP_PERIOD: return num_lock ? kVkDecimal : vk::kDelete;
    case SDL_SCANCODE_KP_ENTER: return vk::kReturn;
    case SDL_SCANCODE_KP_MULTIPLY: return kVkMultiply;
    case SDL_SCANCODE_KP_PLUS: return kVkAdd;
    case SDL_SCANCODE_KP_MINUS: return kVkSubtract;
    case SDL_SCANCODE_KP_DIVIDE: return kVkDivide;
    default: return 0;
  }
}

int PositionalKey(SDL_Scancode sc) {
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return vk::kF1 + (sc - SDL_SCANCODE_F1);
  if (sc >= SDL_SCANCODE_F13 && sc <= SDL_SCANCODE_F24) return vk::kF1 + 12 + (sc - SDL_SCANCODE_F13);
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
  switch (sc) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_RETURN: return vk::kReturn;
    case SDL_SCANCODE_ESCAPE: return vk::kEscape;
    case SDL_SCANCODE_BACKSPACE: return vk::kBack;
    case SDL_SCANCODE_TAB: return vk::kTab;
    case SDL_SCANCODE_SPACE: return vk::kSpace;
    case SDL_SCANCODE_INSERT: return vk::kInsert;
    case SDL_SCANCODE_DELETE: return vk::kDelete;
    case SDL_SCANCODE_HOME: return vk::kHome;
    case SDL_SCANCODE_END: return vk::kEnd;
    case SDL_SCANCODE_PAGEUP: return vk::kPrior;
    case SDL_SCANCODE_PAGEDOWN: return vk::kNext;
    case SDL_SCANCODE_UP: return vk::kUp;
    case SDL_SCANCODE_DOWN: return vk::kDown;
    case SDL_SCANCODE_LEFT: return vk::kLeft;
    case SDL_SCANCODE_RIGHT: return vk::kRight;
    case SDL_SCANCODE_PAUSE: return kVkPause;
    case SDL_SCANCODE_CANCEL: return vk::kCancel;
    case SDL_SCANCODE_CAPSLOCK: return kVkCapital;
    case SDL_SCANCODE_NUMLOCKCLEAR: return kVkNumLock;
    case SDL_SCANCODE_SCROLLLOCK: return kVkScroll;
    case SDL_SCANCODE_PRINTSCREEN: return kVkSnapshot;
    case SDL_SCANCODE_LSHIFT: case SDL_SCANCODE_RSHIFT: return kVkShift;
    case SDL_SCANCODE_LCTRL: case SDL_SCANCODE_RCTRL: return kVkControl;
    case SDL_SCANCODE_LALT: case SDL_SCANCODE_RALT: return kVkMenu;
    case SDL_SCANCODE_LGUI: return kVkLWin;
    case SDL_SCANCODE_RGUI: return kVkRWin;
    case SDL_SCANCODE_APPLICATION: return kVkApps;
    // The punctuation keys' Windows codes (VK_OEM_*), by position.
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_INTERNATIONAL1: return 193;  // the ABNT2 "/?" key
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    case SDL_SCANCODE_NONUSBACKSLASH: return 226;
    default: return 0;
  }
}

bool IsAltGr(uint16_t mod) { return (mod & (KMOD_RALT | KMOD_MODE)) != 0 && (mod & KMOD_LALT) == 0; }

}  // namespace

KeyModifiers ModifiersOf(uint16_t mod) {
  KeyModifiers m;
  m.ctrl = (mod & KMOD_CTRL) != 0;
  m.alt = (mod & (KMOD_ALT | KMOD_MODE)) != 0;
  m.shift = (mod & KMOD_SHIFT) != 0;
  return m;
}

int WindowsVirtualKey(const SDL_Keysym& key) {
  if (key.sym >= 'a' && key.sym <= 'z') return static_cast<int>(key.sym - 'a' + 'A');
  const int pad = KeypadKey(key.scancode, (key.mod & KMOD_NUM) != 0);
  if (pad) return pad;
  if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z &&
      !(key.sym > 0 && key.sym < 0x80)) {
    // A layout without Latin letters: Windows names the key by position.
    return 'A' + (key.scancode - SDL_SCANCODE_A);
  }
  return PositionalKey(key.scancode);
}

void SdlKeyTranslator::KeyDown(const SDL_Keysym& key, std::vector<Message>* out) {
  KeyModifiers mods = ModifiersOf(key.mod);
  int v = WindowsVirtualKey(key);
  if (v == kVkPause && mods.ctrl) v = vk::kCancel;  // Ctrl+Break
  // Braille on/switch and off where the desktop keeps Ctrl+Alt+F11/F12.
  if ((v == vk::kF11 || v == vk::kF12) && mods.ctrl && mods.shift && !mods.alt) {
    mods.alt = true;
    mods.shift = false;
  }
  last_key_ = key.sym;
  last_altgr_ = IsAltGr(key.mod) && !mods.ctrl;
  text_allowed_ = !mods.ctrl && !mods.alt;
  if (last_altgr_) text_allowed_ = true;  // decided when the text comes
  out->push_back(Message::KeyDown(v, mods));

  // The characters SDL sends no text for. Alt makes them system characters.
  if (mods.alt) return;
  int c = -1;
  switch (v) {
    case vk::kReturn: c = 13; break;   // Ctrl+Enter becomes 10 in the key queue
    case vk::kBack: c = 8; break;      // Ctrl+Backspace becomes 127 there
    case vk::kEscape: c = 27; break;
    case vk::kTab: if (!mods.ctrl) c = 9; break;
    case vk::kSpace: if (mods.ctrl) c = 32; break;
    default:
      if (mods.ctrl && v >= 'A' && v <= 'Z') c = v - 'A' + 1;
  }
  if (c >= 0) out->push_back(Message::CharInput(static_cast<unsigned char>(c), mods));
}

void SdlKeyTranslator::KeyUp(const SDL_Keysym& key, std::vector<Message>* out) {
  out->push_back(Message::KeyUp(WindowsVirtualKey(key), ModifiersOf(key.mod)));
}

void SdlKeyTranslator::TextInput(const char* utf8, std::vector<Message>* out) {
  if (!text_allowed_) return;
  std::string_view text(utf8);
  if (last_altgr_) {
    // Right Alt acting as plain Alt gives the key's own character: a system
    // key, no text. As AltGr it gives another character, which is input.
    char32_t cp = 0;
    if (DecodeUtf8(text, &cp) == text.size() && cp < 0x80 && last_key_ > 0 && last_key_ < 0x80) {
      char32_t lower = (cp >= 'A' && cp <= 'Z') ? cp - 'A' + 'a' : cp;
      if (lower == static_cast<char32_t>(last_key_)) return;
    }
  }
  const std::string bytes = Utf8ToCp1252(text, '?');
  for (unsigned char c : bytes) {
    if (c < 32 || c == 127) continue;
    out->push_back(Message::CharInput(c, {}));
  }
}

}  // namespace pavodin
