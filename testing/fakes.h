#ifndef PAVODIN_TESTING_FAKES_H_
#define PAVODIN_TESTING_FAKES_H_

// Recording fakes of the outside services, shared by the tests.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/display.h"
#include "platform/clock.h"
#include "platform/message_source.h"
#include "speech/speech_sink.h"

namespace pavodin {

// A message queue filled by the test. When the program waits with nothing
// left, the script has ended, as piped input ends: the program then ends as
// when its window is closed, so a test can never hang on a missing key.
class ScriptedMessages : public MessageSource {
 public:
  bool Peek(Message* msg) override {
    if (queue.empty()) return false;
    *msg = queue.front();
    queue.pop_front();
    return true;
  }
  void Wait() override {
    ++waits;
    if (on_wait) on_wait();
    if (!queue.empty()) return;
    if (!typed_when_waiting.empty()) {
      queue.push_back(typed_when_waiting.front());
      typed_when_waiting.pop_front();
      return;
    }
    queue.push_back(Message::Of(MessageKind::kEndOfInput));
  }
  void Post(const Message& msg) override { queue.push_back(msg); }

  // Queues key bytes as typed on a scripted keyboard.
  void Type(std::string_view bytes) {
    for (char c : bytes) queue.push_back(Message::KeyByte(static_cast<uint8_t>(c)));
  }

  // Keys a user types one at a time, each when the program waits for one.
  void TypeWhenWaiting(std::string_view bytes) {
    for (char c : bytes) typed_when_waiting.push_back(Message::KeyByte(static_cast<uint8_t>(c)));
  }

  std::deque<Message> queue;
  std::deque<Message> typed_when_waiting;
  int waits = 0;
  // Called whenever the program blocks: a test looks at the screen there.
  std::function<void()> on_wait;
};

// A display that keeps what it was told.
class RecordingDisplay : public Display {
 public:
  struct Cells {
    int row, first, end;
    bool operator==(const Cells&) const = default;
  };

  void Open(const ScreenModel* s, const VideoSettings& v) override {
    ++opens;
    screen = s;
    settings = v;
  }
  void SetTitle(std::string_view t) override { titles.emplace_back(t); }
  void ShowCaret(int column, int row) override {
    caret_shown = true;
    caret_column = column;
    caret_row = row;
  }
  void HideCaret() override { caret_shown = false; }
  void Close() override { closed = true; }
  void Detach(std::string_view t) override { detached_title = std::string(t); }
  bool HasFocus() override { return focus; }
  void ShowCells(int row, int first, int end) override { cells.push_back({row, first, end}); }
  void ShowScroll() override { ++scrolls; }
  void ShowAll() override { ++full_redraws; }
  void Beep() override { ++beeps; }
  void Written(std::string_view bytes) override { written += bytes; }

  const ScreenModel* screen = nullptr;
  VideoSettings settings;
  int opens = 0;
  std::vector<std::string> titles;
  bool caret_shown = false;
  int caret_column = -1, caret_row = -1;
  bool closed = false;
  std::string detached_title;
  bool focus = true;
  std::vector<Cells> cells;
  int scrolls = 0;
  int full_redraws = 0;
  int beeps = 0;
  std::string written;
};

class RecordingConsoleSound : public ConsoleSound {
 public:
  void PlayLoop(std::vector<uint8_t> image) override {
    loops.push_back(std::move(image));
    playing = true;
  }
  void StopLoop() override {
    ++stops;
    playing = false;
  }
  void MessageBeep() override { ++beeps; }

  std::vector<std::vector<uint8_t>> loops;
  int stops = 0;
  bool playing = false;
  int beeps = 0;
};

// Keeps what would have been spoken, in order: "text:...", "file:...", "beep".
class RecordingSpeechSink : public SpeechSink {
 public:
  void SpeakText(std::string_view text) override { said.push_back("text:" + std::string(text)); }
  bool PlayFile(const std::string& path) override {
    said.push_back("file:" + path);
    return true;
  }
  // The beep and the click are told apart by their length.
  void PlayImage(const std::vector<uint8_t>& image, bool) override {
    said.push_back(image.size() == 44 + 512 ? "beep" : image.size() == 44 + 256 ? "click" : "image");
  }
  bool Busy() override { return false; }
  void Stop() override { ++stops; }

  std::vector<std::string> said;
  int stops = 0;
};

// The outside services of a console, all fakes.
struct FakeConsoleParts {
  ConsoleServices Services(SettingLookup settings = {}) {
    ConsoleServices s;
    s.messages = &messages;
    s.display = &display;
    s.sound = &sound;
    s.clock = &clock;
    s.settings = std::move(settings);
    s.program_path = "/usr/bin/pavodin";
    return s;
  }

  ScriptedMessages messages;
  RecordingDisplay display;
  RecordingConsoleSound sound;
  FakeClock clock;
};

}  // namespace pavodin

#endif  // PAVODIN_TESTING_FAKES_H_
