#ifndef PAVODIN_DOCGEN_TEXT_LINES_H_
#define PAVODIN_DOCGEN_TEXT_LINES_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Lines of a text file, as the document commands read them.

#include "platform/text_util.h"

namespace pavodin {

// True for the bytes of code 32 or less, which trimming removes.
inline bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= 32; }

// True when `s` is empty after trimming.
inline bool IsBlankLine(std::string_view s) { return TrimBlanks(s).empty(); }

// The characters of a file's bytes, as UTF-8. Text up to the first NUL byte
// is kept; valid UTF-8 is taken as it is (without a leading byte-order mark),
// anything else is read as Windows-1252.
std::string DecodeFileText(std::string bytes);

// A text split into lines at CR LF, a lone LF or a lone CR; a last line
// without a line end counts, an empty text has no lines. The lines are views
// into one buffer the object owns.
class TextLines {
 public:
  TextLines() = default;
  explicit TextLines(std::string text);

  size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::string_view operator[](size_t i) const {
    return std::string_view(text_).substr(starts_[i], ends_[i] - starts_[i]);
  }

 private:
  std::string text_;
  std::vector<size_t> starts_;
  std::vector<size_t> ends_;
};

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_TEXT_LINES_H_
