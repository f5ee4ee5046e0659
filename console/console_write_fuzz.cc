// Arbitrary byte streams written to the console: the cursor stays on the
// grid and every reported span lies inside its row.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "console/console.h"
#include "testing/fakes.h"

namespace {

class CheckingDisplay : public pavodin::RecordingDisplay {
 public:
  void ShowCells(int row, int first, int end) override {
    if (row < 0 || row >= pavodin::ScreenRows || first < 0 || end > pavodin::ScreenColumns)
      __builtin_trap();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pavodin::ScriptedMessages messages;
  CheckingDisplay display;
  pavodin::RecordingConsoleSound sound;
  pavodin::FakeClock clock;
  pavodin::ConsoleServices services;
  services.messages = &messages;
  services.display = &display;
  services.sound = &sound;
  services.clock = &clock;
  pavodin::Console console(services);
  // The first byte picks the attribute, the rest is written in pieces of up to 97 bytes.
  if (size > 0) {
    console.OpenConsole();
    console.CurrentAttr() = data[0];
    ++data, --size;
  }
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  while (!bytes.empty()) {
    const size_t n = bytes.size() < 97 ? bytes.size() : 97;
    console.ConsoleWrite(bytes.substr(0, n));
    bytes.remove_prefix(n);
    if (console.CursorColumn() < 1 || console.CursorColumn() > 81 || console.CursorRow() < 1 ||
        console.CursorRow() > 25)
      __builtin_trap();
    console.ClearToLineEnd();
  }
  return 0;
}
