#include "docgen/text_lines.h"

#include <utility>

#include "platform/text_encoding.h"

namespace pavodin {

std::string_view TrimBlanks(std::string_view s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && IsBlankByte(s[b])) ++b;
  while (e > b && IsBlankByte(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string DecodeFileText(std::string_view bytes) {
  const size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  if (IsValidUtf8(bytes)) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return std::string(bytes);
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
