#include "tts/char_classes.h"

namespace pavodin {
namespace {

// The accented capitals the stages know; their small forms are 32 higher.
bool IsAccentedVowelCapital(unsigned char c) {
  switch (c) {
    case 192: case 193: case 194: case 195: case 201: case 202: case 204: case 205:
    case 211: case 212: case 213: case 217: case 218: case 220:
      return true;
  }
  return false;
}

unsigned char Capital(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 224) return c - 32;
  return c;
}

}  // namespace

bool IsTtsConsonant(unsigned char c) {
  unsigned char u = Capital(c);
  if (u == 199 || u == 209) return true;  // Ç Ñ
  if (u < 'A' || u > 'Z' || c < 'A' || (c > 'Z' && c < 'a') || c > 'z') {
    return false;
  }
  return u != 'A' && u != 'E' && u != 'I' && u != 'O' && u != 'U';
}

bool IsTtsVowel(unsigned char c) {
  if (c >= 192 && IsAccentedVowelCapital(Capital(c))) return true;
  unsigned char u = (c >= 'a' && c <= 'z') ? c - 32 : c;
  return u == 'A' || u == 'E' || u == 'I' || u == 'O' || u == 'U';
}

bool IsTtsLetter(unsigned char c) { return IsTtsVowel(c) || IsTtsConsonant(c); }

}  // namespace pavodin
