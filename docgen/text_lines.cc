#include "docgen/text_lines.h"

#include <utility>

#include "platform/text_encoding.h"

namespace pavodin {

std::string DecodeFileText(std::string bytes) {
  const size_t nul = bytes.find('\0');
  if (nul != std::string::npos) bytes.resize(nul);
  // Decoded in place when it is UTF-8 already: the text may be large.
  if (IsValidUtf8(bytes)) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    return bytes;
  }
  return Cp1252ToUtf8(bytes);
}

TextLines::TextLines(std::string text) : text_(std::move(text)) {
  const size_t n = text_.size();
  size_t start = 0;
  size_t i = 0;
  while (i < n) {
    const char c = text_[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    starts_.push_back(start);
    ends_.push_back(i);
    i += (c == '\r' && i + 1 < n && text_[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < n) {
    starts_.push_back(start);
    ends_.push_back(n);
  }
}

}  // namespace pavodin
