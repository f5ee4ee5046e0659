#include "tts/normalize.h"

#include <cstdint>

#include "platform/text_encoding.h"
#include "tts/char_classes.h"
#include "tts/char_names.h"
#include "tts/number_words.h"

namespace pavodin {
namespace {

constexpr uint64_t kFifteenDigits = 100000000000000ULL;  // 10^14: v has 15 digits

bool IsPlainPunctuation(unsigned char c) {
  switch (c) {
    case ' ': case '!': case '(': case ')': case ',': case '.': case ':': case ';': case '?':
      return true;
  }
  return false;
}

bool DigitAt(std::string_view s, size_t i) {
  return i < s.size() && IsDigit(static_cast<unsigned char>(s[i]));
}

bool CharAt(std::string_view s, size_t i, char c) { return i < s.size() && s[i] == c; }

const std::string& CommaWord() {
  static const std::string word = Utf8ToCp1252("vírgula ");
  return word;
}

const std::string& HyphenWord() {
  static const std::string word = Utf8ToCp1252(" traço");
  return word;
}

}  // namespace

std::string ReadWord(const AbbreviationTable& abbreviations, std::string_view s, size_t* pos) {
  size_t p = *pos;
  std::string word;
  bool all_consonants = true;
  while (p < s.size() && IsTtsLetter(static_cast<unsigned char>(s[p]))) {
    if (!IsTtsConsonant(static_cast<unsigned char>(s[p]))) all_consonants = false;
    word += s[p++];
    if (CharAt(s, p, '-')) word += s[p++];
  }
  *pos = p;
  if (!all_consonants || word.empty()) return word;
  if (CharAt(s, p, '.') && !LookupAbbreviation(abbreviations, word).empty()) return word;
  std::string spelled;
  for (char c : word) spelled += CharName(static_cast<unsigned char>(c));
  return spelled;
}

std::string ReadNumber(std::string_view s, size_t* pos) {
  size_t p = *pos;
  // A run such as a telephone number or a date with hyphens: digit by digit.
  size_t q = p;
  bool hyphen = false;
  while (q < s.size() && (DigitAt(s, q) || s[q] == '-')) hyphen |= s[q++] == '-';
  if (hyphen) {
    std::string out;
    for (size_t i = p; i < q; ++i) {
      if (s[i] == '-') {
        out += HyphenWord();
      } else {
        out += ' ';
        out += UnitWord(s[i] - '0');
      }
    }
    *pos = q;
    return out;
  }

  std::string prefix;
  while (p + 1 < s.size() && s[p] == '0' && DigitAt(s, p + 1)) {
    prefix += "zero ";
    ++p;
  }
  uint64_t v = 0;
  while (p < s.size()) {
    if (DigitAt(s, p)) {
      if (v >= kFifteenDigits) break;
      v = 10 * v + static_cast<uint64_t>(s[p] - '0');
      ++p;
    } else if (s[p] == '.' && DigitAt(s, p + 1) && DigitAt(s, p + 2) && DigitAt(s, p + 3) &&
               !DigitAt(s, p + 4)) {
      ++p;
    } else {
      break;
    }
  }
  *pos = p;
  std::string_view rest = s.substr(p);
  auto ordinal = [&](Gender g, size_t consumed, bool plural) {
    *pos = p + consumed;
    return OrdinalWords(g, v) + (plural ? "s" : "");
  };
  if (rest.empty() || rest[0] == ' ') return prefix + CardinalWords(v);
  if (static_cast<unsigned char>(rest[0]) == 186) return ordinal(Gender::kMasculine, 1, false);
  if (static_cast<unsigned char>(rest[0]) == 170) return ordinal(Gender::kFeminine, 1, false);
  if (rest.starts_with("o.")) return ordinal(Gender::kMasculine, 2, false);
  if (rest.starts_with("a.")) return ordinal(Gender::kFeminine, 2, false);
  if (rest.starts_with("os.")) return ordinal(Gender::kMasculine, 3, true);
  if (rest.starts_with("as.")) return ordinal(Gender::kFeminine, 3, true);
  return prefix + CardinalWords(v);
}

std::string NormalizeText(const AbbreviationTable& abbreviations, std::string_view text) {
  std::string single;
  if (text.size() == 1) {
    single = CharName(static_cast<unsigned char>(text[0]));
    text = single;
  }
  const std::string_view s = text;
  std::string r;
  size_t p = 0;
  while (p < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[p]);
    if (c == '-' && p >= 1 && s[p - 1] == ' ' && CharAt(s, p + 1, ' ')) {
      r += ',';
      ++p;
    } else if (c == '-' && DigitAt(s, p + 1)) {
      r += "menos ";
      ++p;
    } else if (IsDigit(c)) {
      // A number right after a word ("10h30") must not fuse with it.
      if (!r.empty() && IsTtsLetter(static_cast<unsigned char>(r.back()))) r += ' ';
      r += ReadNumber(s, &p);
      r += ' ';
      while (p + 1 < s.size() && (s[p] == ',' || s[p] == '.') && DigitAt(s, p + 1)) {
        r += s[p] == ',' ? CommaWord() : std::string("ponto ");
        ++p;
        r += ReadNumber(s, &p);
        r += ' ';
      }
    } else if (IsTtsLetter(c)) {
      std::string w = ReadWord(abbreviations, s, &p);
      std::string expansion;
      if (CharAt(s, p, '.') && CharAt(s, p + 1, ' ')) expansion = LookupAbbreviation(abbreviations, w);
      if (!expansion.empty()) {
        r += expansion;
        ++p;
      } else {
        r += w;
      }
    } else if (s.substr(p, 3) == "...") {
      r += "... ";
      p += 3;
    } else if (c == '.' && p + 1 < s.size() && s[p + 1] != ' ') {
      r += " ponto ";
      ++p;
    } else {
      if (IsPlainPunctuation(c)) {
        r += static_cast<char>(c);
      } else if (c != 9 && c != 10 && c != 13) {
        r += ' ';
        r += CharName(c);
        r += ' ';
      }
      ++p;
    }
  }
  return r;
}

}  // namespace pavodin
