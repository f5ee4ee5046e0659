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

// Appends `text` (already XML-safe) with &, <, > and " escaped.
void AppendXmlEscaped(std::string_view text, std::string* out);

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_XML_TEXT_H_
