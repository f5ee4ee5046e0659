#ifndef PAVODIN_CONSOLE_CONSOLE_H_
#define PAVODIN_CONSOLE_CONSOLE_H_

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "console/display.h"
#include "console/key_translator.h"
#include "console/screen_model.h"
#include "console/video_settings.h"
#include "platform/clock.h"
#include "platform/message_source.h"

// The text console: the screen, the key queue, the message wait and the
// small console operations. Everything the program shows goes through here,
// and every wait of the program blocks in its message wait.
//
// Single-threaded: only the program's thread calls these. Other threads only
// post messages to the MessageSource. Operations that pump messages
// (KeyAvailable, NextKey, DelayMs, the pumps) may run the message handling
// re-entrantly: painting, key translation and the wave-done handler.
//
// CloseConsole and the end by Ctrl+Break or a quit message throw ProgramEnd.

namespace pavodin {

struct ConsoleServices {
  MessageSource* messages = nullptr;
  Display* display = nullptr;
  ConsoleSound* sound = nullptr;
  Clock* clock = nullptr;
  // The [VIDEO] and [BRAILLE] keys; may be empty (all defaults).
  SettingLookup settings;
  // The program file's path: the window's first title.
  std::string program_path;
};

class Console : private KeyEffects, private ScreenObserver {
 public:
  explicit Console(ConsoleServices services);
  ~Console() override;

  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Creates the window on first use: reads the configuration, opens the
  // display, fills the grids, sets the configured braille mode.
  void OpenConsole();
  bool created() const { return created_; }

  void ConsoleWrite(std::string_view bytes);
  void ConsoleWriteChar(uint8_t c) { ConsoleWrite(std::string_view(reinterpret_cast<char*>(&c), 1)); }
  // 1-based cells, unchecked.
  uint8_t ScreenCharAt(int column, int row) const { return screen_.CharAt(column - 1, row - 1); }
  uint8_t ScreenAttrAt(int column, int row) const { return screen_.AttrAt(column - 1, row - 1); }

  // The attribute of cells written from now on: background in the high four
  // bits, foreground in the low four. Callers may save and restore it.
  uint8_t& CurrentAttr() { return screen_.current_attr; }
  const VideoSettings& settings() const { return settings_; }

  // Keys.
  bool KeyAvailable();          // pumps messages, then whether a byte is queued
  uint8_t NextKey();            // waits (blocking, caret shown) for a byte and takes it
  void PumpMessages();          // handles every pending message
  void PumpConsoleMessages();   // the same: the console is the program's only window
  void SetBrailleMode(int mode);
  int BrailleMode() const { return keys_.braille_mode(); }
  // Blocks until any message arrives (a key, a wave block done, a wake-up).
  void WaitMessage();

  // Cursor, clearing and colours (1-based positions).
  void MoveCursor(int column, int row);
  int CursorColumn() const { return screen_.cursor_column() + 1; }
  int CursorRow() const { return screen_.cursor_row() + 1; }
  void ClearScreen();
  void ClearToLineEnd();
  void SetTextColour(uint8_t colour);
  void SetBackColour(uint8_t colour);

  // Title: trimmed of blanks and control characters; more than 140
  // characters are cut to 140 followed by "...". No effect before the window exists.
  void SetConsoleTitle(std::string_view text);
  const std::string& title() const { return title_; }

  // Drains the key queue, destroys the window and ends the program with exit code 0.
  [[noreturn]] void CloseConsole();

  // Sleeps, then handles pending messages.
  void DelayMs(uint16_t ms);

  // A looping square-wave tone of 1-11025 Hz until StopTone.
  void StartTone(uint16_t frequency);
  void StopTone();
  bool tone_sounding() const { return tone_sounding_; }

  void GetDateParts(uint16_t* year, uint16_t* month, uint16_t* day, uint16_t* weekday);
  void GetTimeParts(uint16_t* hour, uint16_t* minute, uint16_t* second, uint16_t* hundredths);

  // The wave player's hook for block-done messages.
  using WaveDoneHandler = std::function<void(std::uintptr_t wparam, std::uintptr_t lparam)>;
  void SetWaveDoneHandler(WaveDoneHandler handler) { wave_done_ = std::move(handler); }
  void EnableWaveDoneHandler(bool enabled) { wave_done_enabled_ = enabled; }

  // Posts a message from any thread (speech wake-ups, wave blocks done).
  void PostMessage(const Message& msg) { services_.messages->Post(msg); }

  // Ends the program with exit code 255 (Ctrl+Break, quit message).
  [[noreturn]] void Terminate() override;

 private:
  void Dispatch(const Message& msg);
  void HandleKeyDown(const Message& msg);

  // KeyEffects
  void Tone(int hz, int ms) override;
  // ScreenObserver: forwards to the display, the beep to the sound.
  void ShowCells(int row, int first, int end) override;
  void ShowScroll() override;
  void ShowAll() override;
  void Beep() override;
  void Written(std::string_view bytes) override;

  ConsoleServices services_;
  ScreenModel screen_;
  KeyTranslator keys_;
  VideoSettings settings_;
  std::string title_;
  bool created_ = false;
  bool closing_ = false;
  bool input_ended_ = false;
  // Piped key bytes wait here while the key queue is full, so none is lost.
  std::deque<uint8_t> piped_backlog_;
  bool focused_ = true;
  bool reading_ = false;
  bool caret_shown_ = false;
  bool tone_sounding_ = false;
  WaveDoneHandler wave_done_;
  bool wave_done_enabled_ = false;
};

}  // namespace pavodin

#endif  // PAVODIN_CONSOLE_CONSOLE_H_
