#include "platform/text_encoding.h"

namespace pavodin {
namespace {

// Code points of the bytes 0x80 to 0x9F.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

bool CodePointToCp1252(char32_t cp, unsigned char* byte) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
    *byte = static_cast<unsigned char>(cp);
    return true;
  }
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == cp) {
      *byte = static_cast<unsigned char>(0x80 + i);
      return true;
    }
  }
  return false;
}

void AppendUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

size_t DecodeUtf8(std::string_view text, char32_t* cp) {
  if (text.empty()) return 0;
  const auto b0 = static_cast<unsigned char>(text[0]);
  if (b0 < 0x80) {
    *cp = b0;
    return 1;
  }
  size_t len;
  char32_t value;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2, value = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, value = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, value = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < len) return 0;
  for (size_t i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b & 0xC0) != 0x80) return 0;
    value = (value << 6) | (b & 0x3F);
  }
  if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *cp = value;
  return len;
}

bool IsValidUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    char32_t cp;
    const size_t len = DecodeUtf8(bytes, &cp);
    if (len == 0) return false;
    bytes.remove_prefix(len);
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) AppendUtf8(Cp1252ToCodePoint(static_cast<unsigned char>(c)), &out);
  return out;
}

std::string Utf8ToCp1252(std::string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    char32_t cp;
    const size_t len = DecodeUtf8(text, &cp);
    if (len == 0) {
      out.push_back(replacement);
      text.remove_prefix(1);
      continue;
    }
    unsigned char byte;
    out.push_back(CodePointToCp1252(cp, &byte) ? static_cast<char>(byte) : replacement);
    text.remove_prefix(len);
  }
  return out;
}

std::string FileTextToCp1252(std::string_view bytes) {
  if (!IsValidUtf8(bytes)) return std::string(bytes);
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  return Utf8ToCp1252(bytes);
}

}  // namespace pavodin
