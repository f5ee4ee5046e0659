#include "docgen/xml_text.h"

#include "platform/text_encoding.h"

namespace pavodin {

void AppendXmlSafeText(std::string_view utf8, bool keep_breaks, std::string* out) {
  static constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c >= 0x20 && c < 0x80) {
      size_t j = i + 1;
      while (j < utf8.size()) {
        const unsigned char d = static_cast<unsigned char>(utf8[j]);
        if (d < 0x20 || d >= 0x80) break;
        ++j;
      }
      out->append(utf8.substr(i, j - i));
      i = j;
    } else if (c < 0x20) {
      if (c == '\t' || (keep_breaks && (c == '\v' || c == '\f'))) out->push_back(static_cast<char>(c));
      ++i;
    } else {
      char32_t cp = 0;
      const size_t n = DecodeUtf8(utf8.substr(i), &cp);
      if (n == 0 || cp == 0xFFFE || cp == 0xFFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        out->append(kReplacement);
        i += n == 0 ? 1 : n;
      } else {
        out->append(utf8.substr(i, n));
        i += n;
      }
    }
  }
}

void AppendXmlEscaped(std::string_view text, std::string* out) {
  struct {
    std::string* out;
    void Append(std::string_view s) { out->append(s); }
  } sink{out};
  WriteXmlEscaped(text, sink);
}

}  // namespace pavodin
