#ifndef PAVODIN_PLATFORM_PIPED_INPUT_H_
#define PAVODIN_PLATFORM_PIPED_INPUT_H_

#include <atomic>
#include <thread>

#include "platform/message_source.h"

namespace pavodin {

// Key bytes read from a file descriptor that is not a terminal (a pipe or a
// file), for scripts: every byte is posted as a key byte as it arrives, and
// the end of the input is posted too, so that the program ends as when its
// window is closed once it needs a key that cannot come.
class PipedInput {
 public:
  PipedInput(int fd, MessageSource* messages);
  ~PipedInput();  // stops reading; the thread is detached if it is blocked in read

  PipedInput(const PipedInput&) = delete;
  PipedInput& operator=(const PipedInput&) = delete;

 private:
  void Run();

  int fd_;
  MessageSource* messages_;
  std::thread reader_;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_PIPED_INPUT_H_
