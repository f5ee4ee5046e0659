#include "console/text_device.h"

namespace pavodin {

void TextDevice::Flush() {
  if (used_ == 0) return;
  console_->ConsoleWrite(std::string_view(buffer_, used_));
  used_ = 0;
  console_->KeyAvailable();
}

void TextDevice::Write(std::string_view text) {
  for (char c : text) {
    buffer_[used_++] = c;
    if (used_ == kBufferSize) Flush();
  }
  Flush();
}

void TextDevice::WriteLine(std::string_view text) {
  std::string line(text);
  line += "\r\n";
  Write(line);
}

size_t TextDevice::ConsoleReadLine(uint8_t* buffer, uint16_t capacity) {
  size_t n = 0;
  uint8_t c;
  do {
    c = console_->NextKey();
    if (c == 8) {
      if (n > 0) {
        --n;
        console_->ConsoleWriteChar(8);
      }
    } else if (c >= 32) {
      if (n + 2 < capacity) {
        buffer[n++] = c;
        console_->ConsoleWriteChar(c);
      }
    }
  } while (c != 13);
  if (capacity >= 2) {
    buffer[n++] = 13;
    buffer[n++] = 10;
  }
  console_->ConsoleWrite("\r\n");
  return n;
}

std::string TextDevice::ReadLine() {
  uint8_t line[kBufferSize];
  const size_t n = ConsoleReadLine(line, kBufferSize);
  return std::string(reinterpret_cast<char*>(line), n >= 2 ? n - 2 : 0);
}

}  // namespace pavodin
