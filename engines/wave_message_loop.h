#ifndef PAVODIN_ENGINES_WAVE_MESSAGE_LOOP_H_
#define PAVODIN_ENGINES_WAVE_MESSAGE_LOOP_H_

#include <chrono>
#include <deque>
#include <string>
#include <thread>

#include "engines/wave_player.h"
#include "platform/message_source.h"

// A minimal program message loop for driving the wave player on a real
// device (device tests, benchmarks): block-done messages go to the player,
// key bytes to a queue of their own, waits block in MessageSource::Wait.
namespace pavodin {

class WaveMessageLoop {
 public:
  explicit WaveMessageLoop(MessageSource* messages) : messages_(messages) {}

  void set_player(WavePlayer* player) { player_ = player; }

  WavHost Host() {
    WavHost h;
    h.pump_messages = [this] { Pump(); };
    h.key_available = [this] {
      Pump();
      return !keys.empty();
    };
    h.wait_message = [this] { messages_->Wait(); };
    h.delay_ms = [this](int ms) {
      std::this_thread::sleep_for(std::chrono::milliseconds(ms));
      Pump();
    };
    h.write_text = [this](const std::string& text) { console_text += text; };
    h.read_line = [] {};
    return h;
  }

  void Pump() {
    Message m;
    while (messages_->Peek(&m)) {
      if (m.kind == MessageKind::kWaveDone && player_ != nullptr) {
        player_->WavBlockDone(m.wparam, m.lparam);
      } else if (m.kind == MessageKind::kKeyByte) {
        keys.push_back(m.code);
      }
    }
  }

  std::deque<int> keys;
  std::string console_text;

 private:
  MessageSource* messages_;
  WavePlayer* player_ = nullptr;
};

}  // namespace pavodin

#endif  // PAVODIN_ENGINES_WAVE_MESSAGE_LOOP_H_
