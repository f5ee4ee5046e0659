#ifndef PAVODIN_PLATFORM_TERMINAL_DISPLAY_H_
#define PAVODIN_PLATFORM_TERMINAL_DISPLAY_H_

#include <termios.h>

#include <atomic>
#include <string>
#include <thread>

#include "console/display.h"
#include "platform/message_source.h"
#include "platform/terminal_keys.h"

// The console shown in a text terminal: the 80 × 25 grid drawn with the
// palette's colours (24-bit colour sequences), Windows-1252 shown as UTF-8,
// the title through the terminal's title sequence, the caret as the
// terminal's underline cursor. Keys are read from the terminal on a thread
// of their own and posted as messages. The terminal is restored when the
// display closes, on every exit path (normal end, Ctrl+Break, signals).

namespace pavodin {

class TerminalDisplay : public Display {
 public:
  // `in_fd` and `out_fd` are the terminal; keys are posted to `messages`.
  TerminalDisplay(int in_fd, int out_fd, MessageSource* messages);
  ~TerminalDisplay() override;

  void Open(const ScreenModel* screen, const VideoSettings& settings) override;
  void SetTitle(std::string_view title) override;
  void ShowCaret(int column, int row) override;
  void HideCaret() override;
  void Close() override;
  void Detach(std::string_view title) override;
  bool HasFocus() override { return true; }

  void ShowCells(int row, int first, int end) override;
  void ShowScroll() override { DrawAll(); }
  void ShowAll() override { DrawAll(); }
  void Beep() override;

  // Draws row cells [first, end) as terminal output (exposed for tests).
  static std::string RenderCells(const ScreenModel& screen, const ColourMap& map, int row,
                                 int first, int end);

 private:
  void DrawAll();
  void Emit(const std::string& s);
  void ReadKeys();
  void Restore();

  int in_fd_;
  int out_fd_;
  MessageSource* messages_;
  const ScreenModel* screen_ = nullptr;
  ColourMap colour_map_{};
  termios saved_{};
  bool raw_ = false;
  int saved_stderr_ = -1;  // standard error while it is silenced
  int stop_pipe_[2] = {-1, -1};
  std::thread reader_;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_TERMINAL_DISPLAY_H_
