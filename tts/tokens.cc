#include "tts/tokens.h"

#include "tts/char_classes.h"

namespace pavodin {

TtsLines SplitTokens(const ProsodyConfig& config, std::string_view s) {
  TtsLines tokens{"[--]"};
  size_t p = 0;
  while (true) {
    while (p < s.size() && s[p] == ' ') ++p;
    if (p >= s.size()) break;
    std::string code, token;
    if (s[p] == '.' && p + 1 < s.size() && s[p + 1] == '.') {
      token.assign(1, '.');
      code.assign(1, '.');
      code.push_back('-');
      while (p < s.size() && s[p] == '.') ++p;
    } else if (!IsTtsLetter(static_cast<unsigned char>(s[p]))) {
      token = std::string(1, s[p]);
      code = token + token;
      ++p;
    } else {
      size_t start = p;
      while (p < s.size() && IsTtsLetter(static_cast<unsigned char>(s[p]))) ++p;
      token = std::string(s.substr(start, p - start));
      code = LookupKey(config, token);
      if (code.empty()) code = "XX";
    }
    tokens.push_back("[" + code + "]" + token);
    if (token[0] == '!' || token[0] == '.' || token[0] == '?') tokens.push_back("[--]");
  }
  return tokens;
}

namespace {

std::string CodeOf(const std::string& line) { return line.size() >= 3 ? line.substr(1, 2) : ""; }

bool FieldMatches(const std::string& field, const std::string& code) {
  return field.empty() || field == code;
}

}  // namespace

TtsLines AssignPatterns(const ProsodyConfig& config, const TtsLines& tokens) {
  TtsLines out;
  out.reserve(tokens.size());
  char last = '5';
  for (size_t i = 0; i < tokens.size(); ++i) {
    const std::string prev = i > 0 ? CodeOf(tokens[i - 1]) : "";
    const std::string cur = CodeOf(tokens[i]);
    const std::string next = i + 1 < tokens.size() ? CodeOf(tokens[i + 1]) : "";
    std::string pattern = "555";
    for (const TProsodia& entry : config.patterns) {
      if (FieldMatches(entry.prev, prev) && FieldMatches(entry.cur, cur) &&
          FieldMatches(entry.next, next)) {
        pattern = entry.pattern;
        break;
      }
    }
    if (!pattern.empty() && pattern[0] == '?') pattern[0] = last;
    if (pattern.size() >= 3) last = pattern[2];
    out.push_back(pattern + "|" + (tokens[i].size() > 4 ? tokens[i].substr(4) : ""));
  }
  return out;
}

}  // namespace pavodin
