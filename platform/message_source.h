#ifndef PAVODIN_PLATFORM_MESSAGE_SOURCE_H_
#define PAVODIN_PLATFORM_MESSAGE_SOURCE_H_

#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/message.h"

namespace pavodin {

// The program's one message queue. The program's thread takes messages with
// Peek and blocks in Wait; any thread may Post (the sound device's block-done
// message, the wake-ups of speech stopping and of the engines).
class MessageSource {
 public:
  virtual ~MessageSource() = default;

  // Takes the oldest pending message without waiting. False when none is pending.
  virtual bool Peek(Message* msg) = 0;

  // Blocks until at least one message is pending. Never spins.
  virtual void Wait() = 0;

  // Thread-safe. Wakes a thread blocked in Wait.
  virtual void Post(const Message& msg) = 0;
};

// A plain thread-safe queue: the message source of the terminal displays,
// whose input threads post what they read.
class QueueMessageSource : public MessageSource {
 public:
  bool Peek(Message* msg) override;
  void Wait() override;
  void Post(const Message& msg) override;

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<Message> queue_;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_MESSAGE_SOURCE_H_
