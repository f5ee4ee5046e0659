#include "platform/message_source.h"

namespace pavodin {

bool QueueMessageSource::Peek(Message* msg) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (queue_.empty()) return false;
  *msg = queue_.front();
  queue_.pop_front();
  return true;
}

void QueueMessageSource::Wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  ready_.wait(lock, [this] { return !queue_.empty(); });
}

void QueueMessageSource::Post(const Message& msg) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(msg);
  }
  ready_.notify_one();
}

}  // namespace pavodin
