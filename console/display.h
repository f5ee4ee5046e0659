#ifndef PAVODIN_CONSOLE_DISPLAY_H_
#define PAVODIN_CONSOLE_DISPLAY_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "console/screen_model.h"
#include "console/video_settings.h"
#include "platform/message.h"

// Where the console's screen is shown: a window, a terminal, plain text on
// standard output, or a test's memory. The display reads the grids of the
// screen it was opened with whenever it is told cells changed.

namespace pavodin {

class Display : public ScreenObserver {
 public:
  // Creates the window for `screen` with the configured font, colours and
  // placement. Called once, by the console's first drawing or key operation.
  virtual void Open(const ScreenModel* screen, const VideoSettings& settings) = 0;
  // Title text in Windows-1252.
  virtual void SetTitle(std::string_view title) = 0;
  // The caret underlines the cell at the baseline while a key is awaited.
  virtual void ShowCaret(int column, int row) = 0;
  virtual void HideCaret() = 0;
  // Pointer messages for the magnifier (right button held zooms).
  virtual void Pointer(const Message& /*msg*/) {}
  // Destroys the window: the console is closing.
  virtual void Close() = 0;
  // The program ends some other way: the window keeps its image and
  // `title` but no longer reacts.
  virtual void Detach(std::string_view title) = 0;
  // Whether the window holds the keyboard focus now.
  virtual bool HasFocus() = 0;
};

// The console's sounds: the looping tone and the system beep.
class ConsoleSound {
 public:
  virtual ~ConsoleSound() = default;
  // Plays a RIFF/WAVE image in memory, repeating until StopLoop.
  virtual void PlayLoop(std::vector<uint8_t> image) = 0;
  virtual void StopLoop() = 0;
  // The system's default message beep.
  virtual void MessageBeep() = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_CONSOLE_DISPLAY_H_
