#ifndef PAVODIN_PLATFORM_SDL_KEYS_H_
#define PAVODIN_PLATFORM_SDL_KEYS_H_

#include <SDL2/SDL_keyboard.h>

#include <vector>

#include "platform/message.h"

// SDL keyboard events as the console's key messages, the way the keyboard of
// the suite's original system delivers them: a key-down with its Windows
// virtual key, the character the press produced (Windows-1252), and the
// key-up the braille chords are decided on.
//
// SDL gives no text for Enter, Escape, Backspace, Tab or Ctrl+letter; their
// characters (13, 27, 8, 9, 1-26) are made from the key-down here. Text typed
// while Ctrl or Alt is held is dropped, except what AltGr (the right Alt of
// layouts that have it) produces. Key repeat is repeated key-downs.
//
// X servers and desktops keep Ctrl+Alt+F1...F12 for console switching, so
// Ctrl+Alt+F11/F12 (braille on/switch, off) seldom arrive; Ctrl+Shift+F11 and
// Ctrl+Shift+F12 are delivered as those combinations instead.

namespace pavodin {

// The Windows virtual-key code of an SDL key (0 when it has none). Letters
// follow the keyboard layout; digits, function, cursor and editing keys the
// key's position. The numeric keypad gives cursor keys with Num Lock off.
int WindowsVirtualKey(const SDL_Keysym& key);

// Ctrl, Alt and Shift from SDL's modifier bits.
KeyModifiers ModifiersOf(uint16_t sdl_mod);

class SdlKeyTranslator {
 public:
  // Appends the messages of one SDL event to `out`.
  void KeyDown(const SDL_Keysym& key, std::vector<Message>* out);
  void KeyUp(const SDL_Keysym& key, std::vector<Message>* out);
  // UTF-8 text of the last key press (possibly composed with a dead key).
  void TextInput(const char* utf8, std::vector<Message>* out);

 private:
  // What the key-down said about the text that follows it.
  bool text_allowed_ = true;
  SDL_Keycode last_key_ = 0;
  bool last_altgr_ = false;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_SDL_KEYS_H_
