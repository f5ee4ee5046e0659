#include "platform/text_stream_display.h"

#include <unistd.h>

#include <cerrno>

#include "platform/text_encoding.h"

namespace pavodin {

std::string TextStreamDisplay::Transcript(std::string_view bytes) {
  std::string out;
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == 10) {
      out += '\n';
    } else if (c == 8) {
      out += '\b';
    } else if (c >= 32) {
      const char32_t cp = Cp1252ToCodePoint(c);
      AppendUtf8((cp == 0x7F || (cp >= 0x80 && cp < 0xA0)) ? U' ' : cp, &out);
    }
  }
  return out;
}

void TextStreamDisplay::Written(std::string_view bytes) {
  const std::string text = Transcript(bytes);
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(out_fd_, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

}  // namespace pavodin
