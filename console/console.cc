#include "console/console.h"

#include <utility>

#include "console/program_end.h"

namespace pavodin {

Console::Console(ConsoleServices services)
    : services_(std::move(services)), keys_(this), title_(services_.program_path.substr(0, 79)) {}

Console::~Console() = default;

void Console::OpenConsole() {
  if (created_) return;
  settings_ = ReadVideoSettings(services_.settings);
  screen_.Reset(settings_.initial_attr);
  services_.display->Open(&screen_, settings_);
  created_ = true;
  focused_ = services_.display->HasFocus();
  services_.display->SetTitle(title_);
  SetBrailleMode(settings_.braille_mode);
}

void Console::ConsoleWrite(std::string_view bytes) {
  OpenConsole();
  screen_.Write(bytes, this);
}

// --- message wait and dispatch -------------------------------------------

void Console::WaitMessage() { services_.messages->Wait(); }

void Console::PumpMessages() {
  Message msg;
  while (services_.messages->Peek(&msg)) Dispatch(msg);
}

void Console::PumpConsoleMessages() { PumpMessages(); }

bool Console::KeyAvailable() {
  OpenConsole();
  PumpMessages();
  return !keys_.empty();
}

uint8_t Console::NextKey() {
  if (!KeyAvailable()) {
    reading_ = true;
    if (focused_) {
      services_.display->ShowCaret(screen_.cursor_column(), screen_.cursor_row());
      caret_shown_ = true;
    }
    do {
      // Piped keys have run out: end as when the window is closed.
      if (input_ended_) CloseConsole();
      WaitMessage();
    } while (!KeyAvailable());
    if (caret_shown_) {
      services_.display->HideCaret();
      caret_shown_ = false;
    }
    reading_ = false;
  }
  const uint8_t key = keys_.Take();
  if (!piped_backlog_.empty()) {
    keys_.QueueByte(piped_backlog_.front());
    piped_backlog_.pop_front();
  }
  return key;
}

void Console::HandleKeyDown(const Message& msg) {
  if (!KeyTranslator::IsSystemKey(msg.code, msg.mods)) {
    keys_.KeyDown(msg.code, msg.mods);
    return;
  }
  if (keys_.SystemKeyDown(msg.code, msg.mods)) return;
  // The system's own handling of its keys: of them only Alt+F4 does anything here.
  if (msg.mods.alt && msg.code == vk::kF4) CloseConsole();
}

void Console::Dispatch(const Message& msg) {
  switch (msg.kind) {
    case MessageKind::kKeyDown:
      HandleKeyDown(msg);
      break;
    case MessageKind::kCharInput:
      // Alt without Ctrl makes system characters, which are not input.
      if (!(msg.mods.alt && !msg.mods.ctrl)) keys_.CharInput(static_cast<uint8_t>(msg.code), msg.mods);
      break;
    case MessageKind::kKeyUp:
      keys_.KeyUp(msg.code, msg.mods);
      break;
    case MessageKind::kKeyByte:
      if (keys_.count() < KeyTranslator::kCapacity && piped_backlog_.empty()) {
        keys_.QueueByte(static_cast<uint8_t>(msg.code));
      } else {
        piped_backlog_.push_back(static_cast<uint8_t>(msg.code));
      }
      break;
    case MessageKind::kClose:
      if (!closing_) CloseConsole();
      break;
    case MessageKind::kFocusIn:
      focused_ = true;
      if (reading_ && !caret_shown_) {
        services_.display->ShowCaret(screen_.cursor_column(), screen_.cursor_row());
        caret_shown_ = true;
      }
      break;
    case MessageKind::kFocusOut:
      if (reading_ && caret_shown_) {
        services_.display->HideCaret();
        caret_shown_ = false;
      }
      focused_ = false;
      break;
    case MessageKind::kExpose:
      if (created_) services_.display->ShowAll();
      break;
    case MessageKind::kMouseMove:
    case MessageKind::kRightButtonDown:
    case MessageKind::kRightButtonUp:
      if (created_) services_.display->Pointer(msg);
      break;
    case MessageKind::kWaveDone:
      if (wave_done_enabled_ && wave_done_) wave_done_(msg.wparam, msg.lparam);
      break;
    case MessageKind::kEndOfInput:
      input_ended_ = true;
      break;
    case MessageKind::kWakeUp:
      break;
    case MessageKind::kQuit:
      Terminate();
  }
}

void Console::SetBrailleMode(int mode) { keys_.SetBrailleMode(mode); }

void Console::Tone(int hz, int ms) {
  StartTone(static_cast<uint16_t>(hz));
  DelayMs(static_cast<uint16_t>(ms));
  StopTone();
}

void Console::Terminate() {
  if (caret_shown_) {
    services_.display->HideCaret();
    caret_shown_ = false;
  }
  StopTone();
  if (created_) services_.display->Detach("Programa terminado");
  throw ProgramEnd{255};
}

// --- screen observer --------------------------------------------------------

void Console::ShowCells(int row, int first, int end) {
  if (end > first) services_.display->ShowCells(row, first, end);
}
void Console::ShowScroll() { services_.display->ShowScroll(); }
void Console::ShowAll() { services_.display->ShowAll(); }
void Console::Beep() { services_.sound->MessageBeep(); }
void Console::Written(std::string_view bytes) { services_.display->Written(bytes); }

}  // namespace pavodin
