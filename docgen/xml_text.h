#ifndef PAVODIN_DOCGEN_XML_TEXT_H_
#define PAVODIN_DOCGEN_XML_TEXT_H_

#include <string>
#include <string_view>

// Text as XML 1.0 can hold it.

namespace pavodin {

// Appends `utf8` to `out` keeping only characters XML can hold: control
// characters are dropped except the tab and, when `keep_breaks`, the
// vertical tab and form feed (which the document writer turns into breaks);
// malformed UTF-8, lone surrogates, U+FFFE and U+FFFF become U+FFFD.
void AppendXmlSafeText(std::string_view utf8, bool keep_breaks, std::string* out);

// Hands `text` (already XML-safe) to `sink.Append(std::string_view)` with
// &, <, > and " escaped. The sink may keep the text or only count it.
template <typename Sink>
void WriteXmlEscaped(std::string_view text, Sink& sink) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char* entity;
    switch (text[i]) {
      case '&': entity = "&amp;"; break;
      case '<': entity = "&lt;"; break;
      case '>': entity = "&gt;"; break;
      case '"': entity = "&quot;"; break;
      default: continue;
    }
    sink.Append(text.substr(start, i - start));
    sink.Append(entity);
    start = i + 1;
  }
  sink.Append(text.substr(start));
}

// Appends `text` (already XML-safe) with &, <, > and " escaped.
void AppendXmlEscaped(std::string_view text, std::string* out);

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_XML_TEXT_H_
