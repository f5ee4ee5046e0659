#ifndef PAVODIN_DOCGEN_TAG_LANGUAGE_H_
#define PAVODIN_DOCGEN_TAG_LANGUAGE_H_

#include <cstdint>
#include <optional>
#include <string_view>

#include "docgen/docgen_services.h"
#include "docgen/word_operations.h"

// The formatting tags of a tagged text: "<IN>" starts bold, "<FN>" ends it,
// "<SF=12>" sets the font size, and so on. A tag runs from "<" to the first
// ">" after it; a tag holding "=" is a parameter tag named up to and
// including that "=". Names are compared without regard to letter case;
// parameters keep theirs.
//
// Text is UTF-8; every character the tags are made of is ASCII, so the rules
// work on its bytes unchanged.

namespace pavodin {

// The phrase spoken for tags that are recognised but not carried out.
inline constexpr std::string_view kAnnouncedTagPhrase = "Colocar comando Word";

// The numeric value of a parameter: 0 when the parameter, trimmed of blanks
// (bytes of code 32 or less), is empty or does not start with a digit (so a
// leading blank, a sign or a letter gives 0); otherwise the whole decimal
// number it is, trailing blanks allowed. Nothing when it starts with a digit
// but is not a whole number (12pt) or does not fit in 32 bits.
std::optional<int32_t> TagNumber(std::string_view parameter);

// True when the name of `tag` (text from "<" to ">") is one of the known
// tags, including those that are only typed ("<TIT=", "<NTIT>").
bool isKnownTag(std::string_view tag);

// Carries out tags on a word processor.
class TagInterpreter {
 public:
  // Neither is owned; both must outlive the interpreter.
  TagInterpreter(WordOperations* word, DocumentFeedback* feedback);

  // Types one prepared line: the text between tags with typeText, each tag
  // carried out, announced or typed as written. A click follows each
  // recognised tag. Blanks after the last tag are dropped.
  void typeTaggedText(std::string_view line);

  // Carries out or announces one tag; false when it is not recognised (then
  // nothing was done). A parameter tag whose number is not a whole number is
  // not recognised, so it is typed as written and the author can see it.
  bool executeTag(std::string_view tag);

 private:
  WordOperations* word_;
  DocumentFeedback* feedback_;
};

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_TAG_LANGUAGE_H_
