#include "platform/piped_input.h"

#include <unistd.h>

#include <cerrno>

namespace pavodin {

PipedInput::PipedInput(int fd, MessageSource* messages)
    : fd_(fd), messages_(messages), reader_([this] { Run(); }) {}

PipedInput::~PipedInput() {
  // A blocking read cannot be interrupted portably; the process is ending anyway.
  if (reader_.joinable()) reader_.detach();
}

void PipedInput::Run() {
  unsigned char buf[256];
  for (;;) {
    const ssize_t n = ::read(fd_, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    for (ssize_t i = 0; i < n; ++i) messages_->Post(Message::KeyByte(buf[i]));
  }
  messages_->Post(Message::Of(MessageKind::kEndOfInput));
}

}  // namespace pavodin
