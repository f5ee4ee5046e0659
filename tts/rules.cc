#include "tts/rules.h"

#include <limits>

#include "platform/text_encoding.h"
#include "tts/char_classes.h"
#include "tts/tonic.h"

namespace pavodin {
namespace {

constexpr unsigned char kDiaeresisMark = 0xA8;  // "¨" before a phoneme

bool IsOneOf(unsigned char c, std::string_view upper_set) {
  unsigned char u = static_cast<unsigned char>(UpperCp1252(static_cast<char>(c)));
  return upper_set.find(static_cast<char>(u)) != std::string_view::npos;
}

// Upper-case members of the context classes, in Windows-1252.
const std::string_view kFrontVowels = "EI\xC9\xCD";                // E I É Í
const std::string_view kOpenBackVowels = "AO\xC1\xC2\xD3\xD4";     // A O Á Â Ó Ô
const std::string_view kLiquidsNasals = "LMNRZ";
const std::string_view kNRS = "NRS";

bool RightMatches(std::string_view ctx, std::string_view w, size_t cur) {
  const size_t n = w.size();
  for (char t : ctx) {
    const bool in = cur < n;
    const unsigned char c = in ? static_cast<unsigned char>(w[cur]) : 0;
    switch (t) {
      case '#':
        if (!in || !IsTtsVowel(c)) return false;
        ++cur;
        break;
      case '%':
        if (in) return false;
        break;
      case '&':
        if (!in || !IsOneOf(c, kLiquidsNasals)) return false;
        ++cur;
        break;
      case '*':
        if (!in || !IsTtsConsonant(c) || IsOneOf(c, "LR")) return false;
        break;
      case '+':
        if (!in || !IsOneOf(c, kFrontVowels)) return false;
        ++cur;
        break;
      case '[':
        if (in && (!IsTtsConsonant(c) || IsOneOf(c, "H"))) return false;
        break;
      case '\\':
        if (in && IsOneOf(c, "S")) ++cur;
        break;
      default:
        if (!in || c != static_cast<unsigned char>(t)) return false;
        ++cur;
    }
  }
  return true;
}

// `cur` is one past the letter to test, so 0 means "before the word start".
bool LeftMatches(std::string_view ctx, std::string_view w, size_t cur) {
  for (size_t k = ctx.size(); k > 0; --k) {
    const char t = ctx[k - 1];
    const bool in = cur > 0;
    const unsigned char c = in ? static_cast<unsigned char>(w[cur - 1]) : 0;
    switch (t) {
      case '#':
        if (!in || !IsTtsVowel(c)) return false;
        --cur;
        break;
      case '%':
        if (in) return false;
        break;
      case ']':
        if (!in || !IsOneOf(c, kOpenBackVowels)) return false;
        --cur;
        break;
      case '_':
        if (in) {
          if (!IsTtsVowel(c)) return false;
          --cur;
        }
        break;
      case '|':
        if (!in || !IsOneOf(c, kNRS)) return false;
        --cur;
        break;
      default:
        if (!in || c != static_cast<unsigned char>(t)) return false;
        --cur;
    }
  }
  return true;
}

const TRegra* FindRule(const RuleTable& rules, std::string_view w, size_t pos) {
  const unsigned char first = static_cast<unsigned char>(w[pos]);
  if (first < 32) return nullptr;
  for (const TRegra& rule : rules.lists[first - 32]) {
    if (w.substr(pos, rule.focus.size()) != rule.focus) continue;
    if (!RightMatches(rule.right, w, pos + rule.focus.size())) continue;
    if (!LeftMatches(rule.left, w, pos)) continue;
    return &rule;
  }
  return nullptr;
}

std::string_view Field(std::string_view* rest, char delimiter, size_t max) {
  size_t end = rest->find(delimiter);
  std::string_view field = rest->substr(0, end);
  *rest = end == std::string_view::npos ? std::string_view() : rest->substr(end + 1);
  return field.substr(0, max);
}

void ApplySandhi(TtsLines* list) {
  TtsLines& l = *list;
  size_t i = 2;
  while (i + 1 < l.size()) {
    if (l[i].empty() || l[i][0] != ';') {
      ++i;
      continue;
    }
    std::string_view first = l[i + 1];
    if (!first.empty() && static_cast<unsigned char>(first[0]) == kDiaeresisMark) {
      first.remove_prefix(1);
    }
    if (!first.empty() && std::string_view("aeiouwy").find(first[0]) != std::string_view::npos) {
      std::string& last = l[i - 2];
      if (last == "r2") {
        last.pop_back();  // "r"
      } else if (last == "s2") {
        last.assign(1, 'z');
      }
    }
    i += 2;
  }
}

}  // namespace

void ParseRules(std::string_view text, RuleTable* rules) {
  ReleaseRules(rules);
  for (const std::string& raw : SplitFileLines(text)) {
    if (!raw.empty() && raw[0] == ';') continue;
    std::string_view rest = raw;
    TRegra rule;
    rule.left = Field(&rest, '(', 5);
    rule.focus = Field(&rest, ')', 5);
    rule.right = Field(&rest, '=', 5);
    rule.output = Field(&rest, '|', 20);
    if (rule.focus.empty() || static_cast<unsigned char>(rule.focus[0]) < 32) continue;
    rules->lists[static_cast<unsigned char>(rule.focus[0]) - 32].push_back(std::move(rule));
  }
}

bool LoadRules(FileSystem& fs, const std::string& path, RuleTable* rules, std::string* err) {
  ReleaseRules(rules);
  std::string bytes;
  if (!fs.ReadFile(path, &bytes, err)) return false;
  ParseRules(FileTextToCp1252(bytes), rules);
  return true;
}

void ReleaseRules(RuleTable* rules) {
  for (auto& list : rules->lists) list.clear();
}

bool IsUnstressedWord(std::string_view w) {
  if (w.size() <= 2) return true;
  return w == "POR" || w == "DAS" || w == "DOS" || w == "COM" || w == "N\xC3O" || w == "SIM";
}

void TranscribeWord(const RuleTable& rules, std::string_view w, size_t stress, TtsLines* list) {
  // Once the mark is set, no later position may reach the threshold again.
  constexpr size_t kMarked = std::numeric_limits<size_t>::max();
  if (stress < 1) stress = kMarked;
  std::string acc;
  size_t pos = 0;  // 0-based; the stress position is 1-based
  while (pos < w.size()) {
    const TRegra* rule = FindRule(rules, w, pos);
    if (rule == nullptr) {
      ++pos;
      continue;
    }
    std::string_view out = std::string_view(rule->output).substr(0, 11);
    for (char c : out) {
      if (pos + 1 >= stress) {
        acc += '>';
        stress = kMarked;
      }
      if (c == '&') {
        list->push_back(acc);
        acc.clear();
      } else {
        acc += c;
      }
    }
    if (!out.empty()) {
      list->push_back(acc);
      acc.clear();
    }
    pos += rule->focus.size();
  }
  list->push_back(acc);
}

TtsLines TranscribeTokens(const RuleTable& rules, const ExceptionTable& exceptions,
                          const TtsLines& patterns) {
  TtsLines list;
  for (const std::string& line : patterns) {
    list.push_back(";" + line);
    std::string token = line.size() > 4 ? UpperCp1252(std::string_view(line).substr(4)) : "";
    if (token.empty()) {
      list.push_back("__");
      list.push_back("");
      continue;
    }
    switch (token[0]) {
      case ' ': continue;
      case '!': case '(': case ')': case ',': case '.': case ':': case ';': case '?':
        list.push_back(std::string("_") + token[0]);
        continue;
    }
    ApplyExceptions(exceptions, &token);
    size_t stress = IsUnstressedWord(token) ? 0 : TonicPosition(token);
    TranscribeWord(rules, token, stress, &list);
  }
  list.push_back("__");
  ApplySandhi(&list);
  return list;
}

}  // namespace pavodin
