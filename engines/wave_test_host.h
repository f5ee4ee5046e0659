#ifndef PAVODIN_ENGINES_WAVE_TEST_HOST_H_
#define PAVODIN_ENGINES_WAVE_TEST_HOST_H_

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>

#include "engines/wave_player.h"
#include "platform/fake_sound_device.h"
#include "platform/file_system.h"
#include "platform/message_source.h"

// Test and fuzz support for the wave player: RIFF/WAVE builders, and a
// single-threaded stand-in for the console's message loop in which waiting
// for a message lets the fake device finish its oldest block.

namespace pavodin {

inline std::string Le32Bytes(uint32_t v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(v >> (8 * i));
  return s;
}

inline std::string Le16Bytes(uint16_t v) {
  return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

inline std::string WaveChunk(const std::string& id, const std::string& body) {
  return id + Le32Bytes(static_cast<uint32_t>(body.size())) + body;
}

inline std::string FmtBody(int channels, int rate, int bits) {
  return Le16Bytes(1) + Le16Bytes(static_cast<uint16_t>(channels)) +
         Le32Bytes(static_cast<uint32_t>(rate)) +
         Le32Bytes(static_cast<uint32_t>(rate * channels * bits / 8)) + Le16Bytes(1) +
         Le16Bytes(static_cast<uint16_t>(bits));
}

// A canonical file: "RIFF", "WAVE", "fmt " of 16 bytes, "data".
inline std::string MakeWave(int channels, int rate, int bits, const std::string& samples) {
  std::string body = "WAVE" + WaveChunk("fmt ", FmtBody(channels, rate, bits)) +
                     WaveChunk("data", samples);
  return "RIFF" + Le32Bytes(static_cast<uint32_t>(body.size())) + body;
}

// 8-bit samples that never sit on the centre, so padding and stops show.
inline std::string Ramp8(size_t n, int seed = 0) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>(1 + (i + seed) % 120);
  return s;
}

// Messages the test host can look at without taking them.
class TestMessages : public MessageSource {
 public:
  bool Peek(Message* msg) override {
    if (queue.empty()) return false;
    *msg = queue.front();
    queue.pop_front();
    return true;
  }
  void Wait() override {}
  void Post(const Message& msg) override { queue.push_back(msg); }
  std::deque<Message> queue;
};

class WaveTestHost {
 public:
  WaveTestHost() : device(&messages) {
    player = std::make_unique<WavePlayer>(&device, &files, Host());
  }

  WavHost Host() {
    WavHost h;
    h.pump_messages = [this] { Pump(); };
    h.key_available = [this] {
      Pump();
      return !keys.empty();
    };
    h.wait_message = [this] { WaitMessage(); };
    h.delay_ms = [this](int ms) {
      delayed_ms += ms;
      Pump();
    };
    h.write_text = [this](const std::string& text) { console_text += text; };
    h.read_line = [this] {
      ++lines_read;
      Pump();
    };
    h.enable_done_handler = [this] { ++handler_enabled; };
    return h;
  }

  void PressKey(int key) { messages.Post(Message::KeyByte(static_cast<unsigned char>(key))); }

  // The console's pump: block-done messages go to the player, keys to the queue.
  void Pump() {
    Message m;
    while (messages.Peek(&m)) {
      if (m.kind == MessageKind::kWaveDone) {
        ++done_messages;
        if (m.code != kWaveDoneMessage) ++bad_done_messages;
        player->WavBlockDone(m.wparam, m.lparam);
      } else if (m.kind == MessageKind::kKeyByte) {
        keys.push_back(m.code);
      }
    }
  }

  // Blocking for the next message: with none pending, time passes until the
  // device finishes a block. A wait nothing can ever end is counted, and
  // after very many the process stops rather than hang.
  void WaitMessage() {
    ++waits;
    if (!messages.queue.empty()) return;
    if (device.FinishOldest()) return;
    if (++stuck_waits > 100000) std::abort();
    messages.Post(Message::Of(MessageKind::kWakeUp, kStopSpeechWakeUp));
  }

  TestMessages messages;
  FakeSoundDevice device;
  MemoryFileSystem files;
  std::unique_ptr<WavePlayer> player;
  std::deque<int> keys;
  std::string console_text;
  int waits = 0;
  int stuck_waits = 0;
  int delayed_ms = 0;
  int lines_read = 0;
  int handler_enabled = 0;
  int done_messages = 0;
  int bad_done_messages = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_ENGINES_WAVE_TEST_HOST_H_
