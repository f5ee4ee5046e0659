#include "platform/sdl_keys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/program_end.h"
#include "platform/clock.h"
#include "testing/fakes.h"

// Recorded SDL event sequences of real key presses, through the translation
// and the console's key queue, to the bytes the program reads.

namespace pavodin {
namespace {

struct SdlEvent {
  enum Type { kDown, kUp, kText } type;
  SDL_Keycode sym = 0;
  SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN;
  uint16_t mod = 0;
  std::string text;
};

SdlEvent Down(SDL_Keycode sym, SDL_Scancode sc, uint16_t mod = 0) { return {SdlEvent::kDown, sym, sc, mod, ""}; }
SdlEvent Up(SDL_Keycode sym, SDL_Scancode sc, uint16_t mod = 0) { return {SdlEvent::kUp, sym, sc, mod, ""}; }
SdlEvent Text(std::string utf8) { return {SdlEvent::kText, 0, SDL_SCANCODE_UNKNOWN, 0, std::move(utf8)}; }

// A whole press as SDL delivers it: key-down, its text (when SDL gives
// one), key-up.
std::vector<SdlEvent> Press(SDL_Keycode sym, SDL_Scancode sc, uint16_t mod = 0, std::string text = "") {
  std::vector<SdlEvent> events{Down(sym, sc, mod)};
  if (!text.empty()) events.push_back(Text(text));
  events.push_back(Up(sym, sc, mod));
  return events;
}

std::vector<SdlEvent> Then(std::vector<SdlEvent> a, const std::vector<SdlEvent>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class SdlKeysTest : public ::testing::Test {
 protected:
  SdlKeysTest() {
    ConsoleServices s;
    s.messages = &messages;
    s.display = &display;
    s.sound = &sound;
    s.clock = &clock;
    s.program_path = "pavodin";
    console = std::make_unique<Console>(s);
  }

  // Translates the events, lets the console take the messages, and answers
  // every byte queued.
  std::string Bytes(const std::vector<SdlEvent>& events) {
    std::vector<Message> out;
    for (const SdlEvent& e : events) {
      SDL_Keysym key{};
      key.sym = e.sym;
      key.scancode = e.scancode;
      key.mod = e.mod;
      if (e.type == SdlEvent::kDown) translator.KeyDown(key, &out);
      if (e.type == SdlEvent::kUp) translator.KeyUp(key, &out);
      if (e.type == SdlEvent::kText) translator.TextInput(e.text.c_str(), &out);
    }
    for (const Message& m : out) messages.Post(m);
    std::string bytes;
    while (console->KeyAvailable()) bytes += static_cast<char>(console->NextKey());
    return bytes;
  }

  ScriptedMessages messages;
  RecordingDisplay display;
  RecordingConsoleSound sound;
  FakeClock clock;
  std::unique_ptr<Console> console;
  SdlKeyTranslator translator;
};

std::string Ext(int code) { return std::string{'\0', static_cast<char>(code)}; }

TEST_F(SdlKeysTest, FunctionCursorAndEditingKeysGiveTheirTwoByteCodes) {
  struct Row {
    const char* name;
    SDL_Keycode sym;
    SDL_Scancode sc;
    int plain, ctrl, shift;
  } rows[] = {
      {"F1", SDLK_F1, SDL_SCANCODE_F1, 59, 94, 59},
      {"F2", SDLK_F2, SDL_SCANCODE_F2, 60, 95, 60},
      {"F3", SDLK_F3, SDL_SCANCODE_F3, 61, 96, 61},
      {"F4", SDLK_F4, SDL_SCANCODE_F4, 62, 97, 62},
      {"F5", SDLK_F5, SDL_SCANCODE_F5, 63, 98, 63},
      {"F6", SDLK_F6, SDL_SCANCODE_F6, 64, 99, 64},
      {"F7", SDLK_F7, SDL_SCANCODE_F7, 65, 100, 65},
      {"F8", SDLK_F8, SDL_SCANCODE_F8, 66, 101, 66},
      {"F9", SDLK_F9, SDL_SCANCODE_F9, 67, 102, 67},
      {"F11", SDLK_F11, SDL_SCANCODE_F11, 69, 104, 69},
      {"F12", SDLK_F12, SDL_SCANCODE_F12, 70, 105, 70},
      {"Insert", SDLK_INSERT, SDL_SCANCODE_INSERT, 82, 255, 254},
      {"Delete", SDLK_DELETE, SDL_SCANCODE_DELETE, 83, 83, 83},
      {"Home", SDLK_HOME, SDL_SCANCODE_HOME, 71, 119, 71},
      {"End", SDLK_END, SDL_SCANCODE_END, 79, 117, 79},
      {"PageUp", SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, 73, 132, 73},
      {"PageDown", SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 81, 118, 81},
      {"Up", SDLK_UP, SDL_SCANCODE_UP, 72, 113, 72},
      {"Down", SDLK_DOWN, SDL_SCANCODE_DOWN, 80, 114, 80},
      {"Left", SDLK_LEFT, SDL_SCANCODE_LEFT, 75, 115, 75},
      {"Right", SDLK_RIGHT, SDL_SCANCODE_RIGHT, 77, 116, 77},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(Bytes(Press(r.sym, r.sc)), Ext(r.plain)) << r.name;
    EXPECT_EQ(Bytes(Press(r.sym, r.sc, KMOD_LCTRL)), Ext(r.ctrl)) << "Ctrl+" << r.name;
    EXPECT_EQ(Bytes(Press(r.sym, r.sc, KMOD_RCTRL)), Ext(r.ctrl)) << "right Ctrl+" << r.name;
    EXPECT_EQ(Bytes(Press(r.sym, r.sc, KMOD_LSHIFT)), Ext(r.shift)) << "Shift+" << r.name;
    // Ctrl takes precedence over Shift.
    if (r.sym != SDLK_F11 && r.sym != SDLK_F12) {
      EXPECT_EQ(Bytes(Press(r.sym, r.sc, KMOD_LCTRL | KMOD_LSHIFT)), Ext(r.ctrl)) << "Ctrl+Shift+" << r.name;
    }
  }
  // F10 is the system's key, with and without Ctrl.
  EXPECT_EQ(Bytes(Press(SDLK_F10, SDL_SCANCODE_F10)), "");
  EXPECT_EQ(Bytes(Press(SDLK_F10, SDL_SCANCODE_F10, KMOD_LCTRL)), "");
}

TEST_F(SdlKeysTest, KeysKeepTheirPositionWhateverTheLayoutCallsThem) {
  // Ctrl+Alt+F11 as an X server without console switching reports it.
  SDL_Keysym key{};
  key.scancode = SDL_SCANCODE_F11;
  key.sym = 0;  // XF86Switch_VT_11 has no SDL key
  EXPECT_EQ(WindowsVirtualKey(key), vk::kF11);
  key.scancode = SDL_SCANCODE_1;
  key.sym = '&';  // French layout
  EXPECT_EQ(WindowsVirtualKey(key), '1');
  key.scancode = SDL_SCANCODE_Q;
  key.sym = 'a';
  EXPECT_EQ(WindowsVirtualKey(key), 'A');
  key.scancode = SDL_SCANCODE_F;
  key.sym = 0x430;  // Cyrillic: the key by position
  EXPECT_EQ(WindowsVirtualKey(key), 'F');
}

TEST_F(SdlKeysTest, NumericKeypadIsCursorKeysWithNumLockOffDigitsWithItOn) {
  EXPECT_EQ(Bytes(Press(SDLK_KP_8, SDL_SCANCODE_KP_8)), Ext(72));
  EXPECT_EQ(Bytes(Press(SDLK_KP_2, SDL_SCANCODE_KP_2, KMOD_LCTRL)), Ext(114));
  EXPECT_EQ(Bytes(Press(SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_LSHIFT)), Ext(254));
  EXPECT_EQ(Bytes(Press(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD)), Ext(83));
  EXPECT_EQ(Bytes(Press(SDLK_KP_8, SDL_SCANCODE_KP_8, KMOD_NUM, "8")), "8");
  EXPECT_EQ(Bytes(Press(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER)), "\r");
}

TEST_F(SdlKeysTest, CharactersSdlGivesNoTextForAreMadeFromTheKeyDown) {
  struct Row {
    const char* name;
    SDL_Keycode sym;
    SDL_Scancode sc;
    uint16_t mod;
    std::string bytes;
  } rows[] = {
      {"Enter", SDLK_RETURN, SDL_SCANCODE_RETURN, 0, "\r"},
      {"Ctrl+Enter", SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LCTRL, "\n"},
      {"Shift+Enter", SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LSHIFT, "\r"},
      {"Backspace", SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 0, "\b"},
      {"Ctrl+Backspace", SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, KMOD_RCTRL, "\x7f"},
      {"Escape", SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 0, "\x1b"},
      {"Tab", SDLK_TAB, SDL_SCANCODE_TAB, 0, "\t"},
      {"Shift+Tab", SDLK_TAB, SDL_SCANCODE_TAB, KMOD_LSHIFT, "\t"},
      {"Ctrl+Space", SDLK_SPACE, SDL_SCANCODE_SPACE, KMOD_LCTRL, " "},
      // Alt makes them system characters: nothing.
      {"Alt+Enter", SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT, ""},
      {"Alt+Backspace", SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, KMOD_LALT, ""},
  };
  for (const Row& r : rows) EXPECT_EQ(Bytes(Press(r.sym, r.sc, r.mod)), r.bytes) << r.name;
  for (int i = 0; i < 26; ++i) {
    const auto sym = static_cast<SDL_Keycode>('a' + i);
    const auto sc = static_cast<SDL_Scancode>(SDL_SCANCODE_A + i);
    // Ctrl+H and Ctrl+M are the characters 8 and 13 with Ctrl held, which
    // the key queue turns into 127 and 10 as for Backspace and Enter.
    char c = static_cast<char>(i + 1);
    if (c == 8) c = 127;
    if (c == 13) c = 10;
    EXPECT_EQ(Bytes(Press(sym, sc, KMOD_LCTRL)), std::string(1, c)) << "Ctrl+" << char('A' + i);
    EXPECT_EQ(Bytes(Press(sym, sc, KMOD_LCTRL | KMOD_LSHIFT)), std::string(1, c));
  }
  // Key repeat: repeated key-downs, one byte each.
  EXPECT_EQ(Bytes({Down(SDLK_RETURN, SDL_SCANCODE_RETURN), Down(SDLK_RETURN, SDL_SCANCODE_RETURN),
                   Up(SDLK_RETURN, SDL_SCANCODE_RETURN)}),
            "\r\r");
}

TEST_F(SdlKeysTest, TypedTextArrivesAsWindows1252) {
  EXPECT_EQ(Bytes(Press('a', SDL_SCANCODE_A, 0, "a")), "a");
  EXPECT_EQ(Bytes(Press('a', SDL_SCANCODE_A, KMOD_LSHIFT, "A")), "A");
  EXPECT_EQ(Bytes(Press(' ', SDL_SCANCODE_SPACE, 0, " ")), " ");
  // The ABNT2 keyboard's own letter, and dead-key accents composed by the input method.
  EXPECT_EQ(Bytes(Press(0xE7, SDL_SCANCODE_SEMICOLON, 0, "ç")), "\xe7");
  EXPECT_EQ(Bytes(Press(0xE7, SDL_SCANCODE_SEMICOLON, KMOD_LSHIFT, "Ç")), "\xc7");
  EXPECT_EQ(Bytes(Then(Press(0, SDL_SCANCODE_APOSTROPHE), Press('a', SDL_SCANCODE_A, 0, "ã"))), "\xe3");
  EXPECT_EQ(Bytes(Then(Press(0, SDL_SCANCODE_LEFTBRACKET), Press('e', SDL_SCANCODE_E, KMOD_LSHIFT, "É"))), "\xc9");
  EXPECT_EQ(Bytes(Press('5', SDL_SCANCODE_5, KMOD_LSHIFT, "%")), "%");
  EXPECT_EQ(Bytes(Press('e', SDL_SCANCODE_E, KMOD_RALT, "€")), "\x80");
  // Characters Windows-1252 lacks are shown as "?" rather than lost.
  EXPECT_EQ(Bytes(Press('o', SDL_SCANCODE_O, 0, "ő")), "?");
}

TEST_F(SdlKeysTest, TextTypedWithAltOrCtrlIsDroppedButAltGrTextIsKept) {
  // SDL gives text for Alt+letter; the system keeps Alt for itself.
  EXPECT_EQ(Bytes(Press('g', SDL_SCANCODE_G, KMOD_LALT, "g")), "");
  EXPECT_EQ(Bytes(Press('g', SDL_SCANCODE_G, KMOD_LCTRL, "g")), std::string(1, '\x07'));
  // Right Alt as plain Alt (US layouts) gives the key's own letter: dropped.
  EXPECT_EQ(Bytes(Press('q', SDL_SCANCODE_Q, KMOD_RALT, "q")), "");
  EXPECT_EQ(Bytes(Press('q', SDL_SCANCODE_Q, KMOD_RALT | KMOD_LSHIFT, "Q")), "");
  // As AltGr it gives another character: input (ABNT2 AltGr+Q and AltGr+]).
  EXPECT_EQ(Bytes(Press('q', SDL_SCANCODE_Q, KMOD_RALT, "/")), "/");
  EXPECT_EQ(Bytes(Press('[', SDL_SCANCODE_BACKSLASH, KMOD_RALT, "º")), "\xba");
  EXPECT_EQ(Bytes(Press(SDLK_UNKNOWN, SDL_SCANCODE_RALT, KMOD_MODE, "")), "");
}

TEST_F(SdlKeysTest, CtrlAltLettersAndDigitsGiveTheirAltCodes) {
  const int letters[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                           49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
  for (int i = 0; i < 26; ++i) {
    const auto sym = static_cast<SDL_Keycode>('a' + i);
    const auto sc = static_cast<SDL_Scancode>(SDL_SCANCODE_A + i);
    EXPECT_EQ(Bytes(Press(sym, sc, KMOD_LCTRL | KMOD_LALT)), Ext(letters[i])) << char('A' + i);
    // Alt alone is the system's.
    EXPECT_EQ(Bytes(Press(sym, sc, KMOD_LALT, std::string(1, static_cast<char>('a' + i))))
              , "") << "Alt+" << char('A' + i);
  }
  const SDL_Scancode digits[10] = {SDL_SCANCODE_1, SDL_SCANCODE_2, SDL_SCANCODE_3, SDL_SCANCODE_4, SDL_SCANCODE_5,
                                   SDL_SCANCODE_6, SDL_SCANCODE_7, SDL_SCANCODE_8, SDL_SCANCODE_9, SDL_SCANCODE_0};
  for (int i = 0; i < 10; ++i) {
    const auto sym = static_cast<SDL_Keycode>(i == 9 ? '0' : '1' + i);
    EXPECT_EQ(Bytes(Press(sym, digits[i], KMOD_LCTRL | KMOD_LALT)), Ext(120 + i)) << "digit " << i;
  }
  // Alt with Left and Right gives their plain codes.
  EXPECT_EQ(Bytes(Press(SDLK_LEFT, SDL_SCANCODE_LEFT, KMOD_LALT)), Ext(75));
  EXPECT_EQ(Bytes(Press(SDLK_RIGHT, SDL_SCANCODE_RIGHT, KMOD_LALT)), Ext(77));
}

int ExitCodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const ProgramEnd& end) {
    return end.exit_code;
  }
  return -1;
}

TEST_F(SdlKeysTest, CtrlBreakEndsWith255AndAltF4With0) {
  EXPECT_EQ(ExitCodeOf([&] { Bytes(Press(SDLK_PAUSE, SDL_SCANCODE_PAUSE, KMOD_LCTRL)); }), 255);
}

TEST_F(SdlKeysTest, AltF4ClosesWithExitCode0) {
  EXPECT_EQ(ExitCodeOf([&] { Bytes(Press(SDLK_F4, SDL_SCANCODE_F4, KMOD_LALT)); }), 0);
}

TEST_F(SdlKeysTest, PauseAloneGivesNothing) {
  EXPECT_EQ(Bytes(Press(SDLK_PAUSE, SDL_SCANCODE_PAUSE)), "");
}

TEST_F(SdlKeysTest, BrailleModesSwitchWithCtrlAltOrCtrlShiftF11AndF12) {
  EXPECT_EQ(Bytes(Press(SDLK_F11, SDL_SCANCODE_F11, KMOD_LCTRL | KMOD_LALT)), "");
  EXPECT_EQ(console->BrailleMode(), 1);
  ASSERT_EQ(sound.loops.size(), 2u);  // 800 Hz, then 1600 Hz
  EXPECT_EQ(Bytes(Press(SDLK_F11, SDL_SCANCODE_F11, KMOD_LCTRL | KMOD_LSHIFT)), "");
  EXPECT_EQ(console->BrailleMode(), 2);
  EXPECT_EQ(Bytes(Press(SDLK_F12, SDL_SCANCODE_F12, KMOD_RCTRL | KMOD_RSHIFT)), "");
  EXPECT_EQ(console->BrailleMode(), 0);
  EXPECT_EQ(sound.loops.size(), 5u);  // and 100 Hz going off
  EXPECT_EQ(Bytes(Press(SDLK_F11, SDL_SCANCODE_F11, KMOD_LCTRL | KMOD_LSHIFT)), "");
  EXPECT_EQ(console->BrailleMode(), 1);
  EXPECT_EQ(Bytes(Press(SDLK_F12, SDL_SCANCODE_F12, KMOD_LCTRL | KMOD_LALT)), "");
  EXPECT_EQ(console->BrailleMode(), 0);
}

// Braille keys as SDL delivers a chord: each key-down with its text, then
// the key-ups.
std::vector<SdlEvent> Chord(const std::string& keys) {
  std::vector<SdlEvent> events;
  auto code = [](char k) {
    return k == ' ' ? std::pair{SDL_Keycode{SDLK_SPACE}, SDL_SCANCODE_SPACE}
                    : std::pair{static_cast<SDL_Keycode>(k), static_cast<SDL_Scancode>(SDL_SCANCODE_A + (k - 'a'))};
  };
  for (char k : keys) {
    auto [sym, sc] = code(k);
    events.push_back(Down(sym, sc));
    events.push_back(Text(std::string(1, k)));
  }
  for (char k : keys) {
    auto [sym, sc] = code(k);
    events.push_back(Up(sym, sc));
  }
  return events;
}

TEST_F(SdlKeysTest, BrailleChordsAreDecidedWhenAllKeysAreUp) {
  console->OpenConsole();
  console->SetBrailleMode(1);
  EXPECT_EQ(Bytes(Chord("fd")), "b");
  EXPECT_EQ(Bytes(Then(Chord("f"), Chord("d"))), "a,");
  EXPECT_EQ(Bytes(Chord("fdsjkl")), "\xe9");  // é
  EXPECT_EQ(Bytes(Chord(" ")), " ");
  EXPECT_EQ(Bytes(Chord("fsj ")), "\r");  // space with dots 134 (m)
  // Keys pressed one over the other: the chord waits for the last release.
  EXPECT_EQ(Bytes({Down('f', SDL_SCANCODE_F), Text("f"), Down('d', SDL_SCANCODE_D), Text("d"),
                   Up('f', SDL_SCANCODE_F), Down('s', SDL_SCANCODE_S), Text("s"), Up('d', SDL_SCANCODE_D),
                   Up('s', SDL_SCANCODE_S)}),
            "l");
  // Function keys still work in braille mode.
  EXPECT_EQ(Bytes(Press(SDLK_F1, SDL_SCANCODE_F1)), Ext(59));
}

TEST_F(SdlKeysTest, BrailleMode2CapitalAndNumberSigns) {
  console->OpenConsole();
  console->SetBrailleMode(2);
  EXPECT_EQ(Bytes(Then(Chord("jl"), Chord("f"))), "A");
  EXPECT_EQ(Bytes(Then(Then(Chord("jl"), Chord("jl")), Then(Chord("f"), Chord("fd")))), "AB");
  EXPECT_EQ(Bytes(Then(Chord(" "), Chord("f"))), " a");
  EXPECT_EQ(Bytes(Then(Then(Chord("sjkl"), Chord("f")), Then(Chord("fd"), Chord("s")))), "12.");
  EXPECT_EQ(Bytes(Then(Chord("k"), Chord("f"))), "~a");
}

}  // namespace
}  // namespace pavodin
