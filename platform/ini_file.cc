#include "platform/ini_file.h"

namespace pavodin {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view ini_text, std::string_view section,
                                        std::string_view key, size_t max_chars) {
  section = Trim(section);
  key = Trim(key);
  bool in_section = false;
  while (!ini_text.empty()) {
    size_t end = ini_text.find_first_of("\r\n");
    std::string_view line = ini_text.substr(0, end);
    ini_text.remove_prefix(end == std::string_view::npos ? ini_text.size() : end + 1);
    line = Trim(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      const std::string_view name =
          Trim(close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1));
      in_section = SameName(name, section);
      continue;
    }
    if (!in_section) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    if (!SameName(Trim(line.substr(0, eq)), key)) continue;
    std::string_view value = Trim(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, max_chars));
  }
  return std::nullopt;
}

}  // namespace pavodin
