// The small console operations: cursor, clearing, colours, title, closing,
// delay, tone, date and time.

#include <algorithm>

#include "console/console.h"
#include "console/program_end.h"
#include "console/tone.h"
#include "platform/text_util.h"

namespace pavodin {

void Console::MoveCursor(int column, int row) {
  screen_.set_cursor(std::clamp(column - 1, 0, ScreenColumns - 1), std::clamp(row - 1, 0, ScreenRows - 1));
}

void Console::ClearScreen() {
  OpenConsole();
  screen_.Clear(this);
}

void Console::ClearToLineEnd() {
  OpenConsole();
  screen_.ClearToLineEnd(this);
}

void Console::SetTextColour(uint8_t colour) {
  OpenConsole();
  if (settings_.colours_fixed) return;
  screen_.current_attr = static_cast<uint8_t>((screen_.current_attr & 0xF0) | (colour & 0x0F));
}

void Console::SetBackColour(uint8_t colour) {
  OpenConsole();
  if (settings_.colours_fixed) return;
  screen_.current_attr = static_cast<uint8_t>((screen_.current_attr & 0x0F) | ((colour * 16) & 0xFF));
}

void Console::SetConsoleTitle(std::string_view text) {
  text = TrimBlanks(text);
  std::string title(text.substr(0, 140));
  if (text.size() > 140) title += "...";
  if (!created_) return;
  title_ = title;
  services_.display->SetTitle(title_);
}

void Console::CloseConsole() {
  if (created_) {
    closing_ = true;
    while (KeyAvailable()) NextKey();
    StopTone();
    services_.display->Close();
    created_ = false;
  }
  throw ProgramEnd{0};
}

void Console::DelayMs(uint16_t ms) {
  services_.clock->SleepMs(ms);
  PumpMessages();
  PumpConsoleMessages();
}

void Console::StartTone(uint16_t frequency) {
  if (tone_sounding_) StopTone();
  services_.sound->PlayLoop(BuildToneImage(frequency));
  tone_sounding_ = true;
}

void Console::StopTone() {
  if (!tone_sounding_) return;
  services_.sound->StopLoop();
  tone_sounding_ = false;
}

void Console::GetDateParts(uint16_t* year, uint16_t* month, uint16_t* day, uint16_t* weekday) {
  const LocalTime t = services_.clock->Now();
  *year = static_cast<uint16_t>(t.year);
  *month = static_cast<uint16_t>(t.month);
  *day = static_cast<uint16_t>(t.day);
  *weekday = static_cast<uint16_t>(t.weekday);
}

void Console::GetTimeParts(uint16_t* hour, uint16_t* minute, uint16_t* second, uint16_t* hundredths) {
  const LocalTime t = services_.clock->Now();
  *hour = static_cast<uint16_t>(t.hour);
  *minute = static_cast<uint16_t>(t.minute);
  *second = static_cast<uint16_t>(t.second);
  *hundredths = static_cast<uint16_t>(t.millisecond / 10);
}

}  // namespace pavodin
