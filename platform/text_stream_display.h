#ifndef PAVODIN_PLATFORM_TEXT_STREAM_DISPLAY_H_
#define PAVODIN_PLATFORM_TEXT_STREAM_DISPLAY_H_

#include "console/display.h"

// The console as plain text on a file descriptor, for scripts and pipes:
// the bytes the program writes, in UTF-8, with line feeds ending the lines.
// Positioning, colours and the title are not shown.

namespace pavodin {

class TextStreamDisplay : public Display {
 public:
  explicit TextStreamDisplay(int out_fd) : out_fd_(out_fd) {}

  void Open(const ScreenModel*, const VideoSettings&) override {}
  void SetTitle(std::string_view) override {}
  void ShowCaret(int, int) override {}
  void HideCaret() override {}
  void Close() override {}
  void Detach(std::string_view) override {}
  bool HasFocus() override { return false; }

  void ShowCells(int, int, int) override {}
  void ShowScroll() override {}
  void ShowAll() override {}
  void Beep() override {}
  void Written(std::string_view bytes) override;

  // The transcript text of written bytes (exposed for tests).
  static std::string Transcript(std::string_view bytes);

 private:
  int out_fd_;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_TEXT_STREAM_DISPLAY_H_
