#include "docgen/tag_language.h"

#include <string>

#include "docgen/text_lines.h"

namespace pavodin {
namespace {

// The two lists of known tags, as stored.
constexpr std::string_view kParameterTags = "<TF= <SF= <CE= <MS= <MI= <ME= <MD= <EL= <RP= <TIT=";
constexpr std::string_view kPlainTags =
    "<NTIT> <P> <IROD> <FROD> <AF> <C> <AL> <AR> <SS> <NSS> <IN> <FN> <II> <FI> <IS> <FS> "
    "<ISO> <FSO> <ISU> <FSU>";

// Upper-cases ASCII letters only; no tag name holds any other letter.
std::string UpperTagName(std::string_view name) {
  std::string s(name);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// True when `name` is one whole entry of a blank-separated list.
bool InList(std::string_view list, std::string_view name) {
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find(' ', start);
    if (end == std::string_view::npos) end = list.size();
    if (list.substr(start, end - start) == name) return true;
    start = end + 1;
  }
  return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int32_t> TagNumber(std::string_view parameter) {
  if (TrimBlanks(parameter).empty() || !IsDigit(parameter.front())) return 0;
  std::string_view digits = TrimBlanks(parameter);
  int64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

bool isKnownTag(std::string_view tag) {
  const std::string upper = UpperTagName(tag);
  const size_t eq = upper.find('=');
  if (eq != std::string::npos) return InList(kParameterTags, std::string_view(upper).substr(0, eq + 1));
  return InList(kPlainTags, upper);
}

TagInterpreter::TagInterpreter(WordOperations* word, DocumentFeedback* feedback)
    : word_(word), feedback_(feedback) {}

void TagInterpreter::typeTaggedText(std::string_view s) {
  for (;;) {
    const size_t a = s.find('<');
    const size_t b = s.find('>');
    if (a == std::string_view::npos || b == std::string_view::npos || b < a) {
      if (!s.empty()) word_->typeText(s);
      return;
    }
    if (a > 0) word_->typeText(s.substr(0, a));
    const std::string_view tag = s.substr(a, b - a + 1);
    s.remove_prefix(b + 1);
    if (executeTag(tag)) {
      feedback_->PlayTagClick();
    } else {
      word_->typeText(tag);
    }
    if (TrimBlanks(s).empty()) return;
  }
}

bool TagInterpreter::executeTag(std::string_view tag) {
  const size_t e = tag.find('=');
  if (e != std::string_view::npos && e > 0) {
    const std::string name = UpperTagName(tag.substr(0, e + 1));
    // The tag ends with ">", so the parameter stops one short of the end.
    const std::string_view parameter = tag.substr(e + 1, tag.size() - e - 2);
    const std::optional<int32_t> value = TagNumber(parameter);
    if (name == "<TF=") {
      word_->setFontName(parameter);
    } else if (name == "<SF=") {
      if (!value) return false;
      word_->setFontSize(*value);
    } else if (name == "<CE=") {
      if (!value) return false;
      word_->setFontColourIndex(*value >= 0 && *value <= 16 ? *value : 0);
    } else if (name == "<MS=" || name == "<MI=" || name == "<ME=" || name == "<MD=" ||
               name == "<EL=") {
      feedback_->SpeakText(kAnnouncedTagPhrase);
    } else if (name == "<RP=") {
      if (!value) return false;
      if (*value >= 1) {
        word_->setLeftIndent(*value);
      } else {
        word_->turnOffAutoSpacing();
      }
    } else {
      return false;
    }
    return true;
  }

  const std::string name = UpperTagName(tag);
  if (name == "<AF>") {
    word_->setParagraphAlignment(kAlignJustified);
  } else if (name == "<C>") {
    word_->setParagraphAlignment(kAlignCentre);
  } else if (name == "<AL>") {
    word_->setParagraphAlignment(kAlignLeft);
  } else if (name == "<AR>") {
    word_->setParagraphAlignment(kAlignRight);
  } else if (name == "<IN>" || name == "<FN>") {
    word_->setBold(name == "<IN>" ? 1 : 0);
  } else if (name == "<II>" || name == "<FI>") {
    word_->setItalic(name == "<II>" ? 1 : 0);
  } else if (name == "<IS>" || name == "<FS>") {
    word_->setUnderline(name == "<IS>" ? 1 : 0);
  } else if (name == "<P>" || name == "<IROD>" || name == "<FROD>" || name == "<SS>" ||
             name == "<NSS>" || name == "<ISO>" || name == "<FSO>" || name == "<ISU>" ||
             name == "<FSU>") {
    feedback_->SpeakText(kAnnouncedTagPhrase);
  } else {
    return false;
  }
  return true;
}

}  // namespace pavodin
