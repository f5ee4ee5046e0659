#ifndef PAVODIN_PLATFORM_FAKE_SOUND_DEVICE_H_
#define PAVODIN_PLATFORM_FAKE_SOUND_DEVICE_H_

#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_source.h"
#include "platform/sound_device.h"

// A sound device for tests: it keeps every block it was given and every call,
// and "plays" a block only when told (FinishOldest), so a test decides when
// time passes.

namespace pavodin {

class FakeSoundDevice : public SoundDevice {
 public:
  struct Block {
    std::vector<uint8_t> bytes;  // as they stood when written
    const uint8_t* data = nullptr;
    uintptr_t tag = 0;
    SoundFormat format;
  };

  explicit FakeSoundDevice(MessageSource* messages) : messages_(messages) {}

  int Open(const SoundFormat& format) override {
    ++open_attempts;
    int result = kSoundOk;
    if (!open_results.empty()) {
      result = open_results.front();
      open_results.pop_front();
    }
    calls.push_back("open " + std::to_string(format.rate) + "/" + std::to_string(format.bits) +
                    "/" + std::to_string(format.channels) + " -> " + std::to_string(result));
    if (is_open) return kSoundError;
    if (result == kSoundOk) {
      is_open = true;
      format_ = format;
    }
    return result;
  }

  int Write(const uint8_t* data, size_t length, uintptr_t tag) override {
    if (!is_open) return kSoundInvalidHandle;
    if (write_result != kSoundOk) return write_result;
    Block b;
    b.bytes.assign(data, data + length);
    b.data = data;
    b.tag = tag;
    b.format = format_;
    written.push_back(b);
    queued.push_back(written.size() - 1);
    if (queued.size() > max_queued) max_queued = queued.size();
    calls.push_back("write " + std::to_string(tag) + " " + std::to_string(length));
    if (on_write) on_write(written.back());
    return kSoundOk;
  }

  int Unprepare(uintptr_t tag) override {
    ++unprepares;
    for (size_t i : queued)
      if (written[i].tag == tag) return kSoundStillPlaying;
    return unprepare_result;
  }

  void Reset() override {
    calls.push_back("reset");
    while (!queued.empty()) Done(/*played=*/false);
  }

  void Close() override {
    if (!is_open) return;
    Reset();
    calls.back() = "close";
    is_open = false;
  }

  // Plays the oldest queued block to its end and posts its done message.
  // False when nothing is queued.
  bool FinishOldest() {
    if (queued.empty()) return false;
    Done(/*played=*/true);
    return true;
  }

  // Every block played to its end, in order (discarded blocks are left out).
  std::vector<uint8_t> PlayedStream() const {
    std::vector<uint8_t> out;
    for (size_t i : played) out.insert(out.end(), written[i].bytes.begin(), written[i].bytes.end());
    return out;
  }

  // Script and record, open to tests.
  std::deque<int> open_results;  // results of the next Open calls; kSoundOk once empty
  int write_result = kSoundOk;
  int unprepare_result = kSoundOk;
  std::function<void(const Block&)> on_write;  // runs after each accepted Write
  std::vector<std::string> calls;
  std::vector<Block> written;
  std::deque<size_t> queued;   // indices into `written`
  std::vector<size_t> played;  // indices into `written`
  size_t max_queued = 0;
  int open_attempts = 0;
  int unprepares = 0;
  int overwritten_while_queued = 0;  // blocks whose bytes changed before they were done
  bool is_open = false;

 private:
  void Done(bool was_played) {
    const size_t i = queued.front();
    queued.pop_front();
    const Block& b = written[i];
    if (!b.bytes.empty() && std::memcmp(b.data, b.bytes.data(), b.bytes.size()) != 0) ++overwritten_while_queued;
    if (was_played) played.push_back(i);
    Message msg = Message::Of(MessageKind::kWaveDone, kWaveDoneMessage);
    msg.wparam = 1;
    msg.lparam = b.tag;
    messages_->Post(msg);
  }

  MessageSource* messages_;
  SoundFormat format_;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_FAKE_SOUND_DEVICE_H_
