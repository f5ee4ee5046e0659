#include "tts/tonic.h"

#include <string>

#include "tts/tts_text.h"

namespace pavodin {
namespace {

bool IsStressMark(unsigned char c) {
  switch (c) {
    case 0xE0: case 0xE1: case 0xE2: case 0xE3: case 0xE9: case 0xEA:  // à á â ã é ê
    case 0xED: case 0xF3: case 0xF4: case 0xF5: case 0xFA:              // í ó ô õ ú
      return true;
  }
  return false;
}

bool IsVowel(unsigned char c) {
  switch (c) {
    case 'a': case 'e': case 'i': case 'o': case 'u': case 'w': case 'y': case 0xFC:  // ü
      return true;
  }
  return false;
}

bool IsAEO(unsigned char c) { return c == 'a' || c == 'e' || c == 'o'; }
bool IsGQ(unsigned char c) { return c == 'g' || c == 'q'; }

}  // namespace

size_t TonicPosition(std::string_view word) {
  const std::string w = LowerCp1252(word);
  bool has_vowel = false;
  for (size_t i = w.size(); i > 0; --i) {
    unsigned char c = static_cast<unsigned char>(w[i - 1]);
    if (IsStressMark(c)) return i;
    has_vowel |= IsVowel(c);
  }
  if (!has_vowel) return 0;

  // Reads the word from its end; i is the 1-based position of c.
  size_t r = 0;
  int state = 0;
  for (size_t i = w.size(); i > 0; --i) {
    unsigned char c = static_cast<unsigned char>(w[i - 1]);
    switch (state) {
      case 0:
        if (IsAEO(c)) { r = i; state = 1; }
        else if (c == 'i') { r = i; state = 20; }
        else if (c == 'u') { r = i; state = 10; }
        else if (c == 'm') state = 40;
        else if (c != 's') state = 30;
        break;
      case 1:
        if (c == 'u') state = 4;
        else if (IsVowel(c)) return i;
        else state = 2;
        break;
      case 2:
        if (IsAEO(c)) return i;
        if (c == 'i' || c == 'u') { r = i; state = 3; }
        break;
      case 3:
        if (IsAEO(c)) return i;
        if (c == 'u') state = 5;
        else return r;
        break;
      case 4:
        if (IsGQ(c)) { r = i + 2; state = 2; }
        else return i + 1;
        break;
      case 5:
        return IsGQ(c) ? i + 2 : i + 1;
      case 10:
        if (IsAEO(c) || c == 'i') return i;
        return r;
      case 20:
        if (IsAEO(c)) r = i;
        else if (c == 'u') state = 21;
        else return r;
        break;
      case 21:
        return IsGQ(c) ? i + 2 : i + 1;
      case 30:
        if (IsVowel(c)) return i;
        break;
      case 40:
        if (c == 'i' || c == 'o' || c == 'u') return i;
        if (c == 'a' || c == 'e') { r = i; state = 1; }
        else state = 0;
        break;
    }
  }
  return r;
}

}  // namespace pavodin
