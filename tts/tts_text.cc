#include "tts/tts_text.h"

#include <limits>

namespace pavodin {

char UpperCp1252(char c) {
  unsigned char b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  if (b >= 224 && b <= 254 && b != 247) return static_cast<char>(b - 32);
  switch (b) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
  }
  return c;
}

char LowerCp1252(char c) {
  unsigned char b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  if (b >= 192 && b <= 222 && b != 215) return static_cast<char>(b + 32);
  switch (b) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
  }
  return c;
}

std::string UpperCp1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperCp1252(c);
  return out;
}

std::string LowerCp1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerCp1252(c);
  return out;
}

std::string_view TrimControls(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
  return text.substr(b, e - b);
}

std::string_view TrimSpaces(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return text.substr(b, e - b);
}

TtsLines SplitFileLines(std::string_view text) {
  TtsLines lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

bool ParseInt32(std::string_view text, int* value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return false;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) return false;
  *value = static_cast<int>(v);
  return true;
}

}  // namespace pavodin
