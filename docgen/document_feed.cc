#include "docgen/document_feed.h"

#include <algorithm>
#include <utility>

#include "platform/paths.h"

namespace pavodin {

std::string InitialFormattingPath(const DocumentFeedEnv& env) {
  std::string configured = env.settings ? env.settings->ReadSuiteSetting("PAVODIN", "ARQFENDITRA")
                                        : std::string();
  if (configured.empty()) configured = std::string(kDefaultInitialFormattingPath);
  return MapSuitePath(configured, env.data_dir);
}

void applyInitialFormatting(const DocumentFeedEnv& env, TagInterpreter* tags) {
  std::string bytes;
  if (!env.files || !env.files->ReadFile(InitialFormattingPath(env), &bytes, nullptr)) return;
  const TextLines lines(DecodeFileText(std::move(bytes)));
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) joined += TrimBlanks(lines[i]);
  tags->typeTaggedText(joined);
}

void typeLineSeparator(std::string_view line, WordOperations* word) {
  if (!IsBlankLine(line) && line.front() != ' ' && line.front() != '.') {
    word->typeText(" ");
  } else {
    word->typeText("\r");
  }
}

std::string leadingBlanksToTabs(std::string_view line, WordOperations* word) {
  if (IsBlankLine(line)) return std::string();
  size_t n = 0;
  while (n + 1 < line.size() && line[n] == ' ') ++n;
  const std::string_view rest = TrimBlanks(line);
  const size_t tabs = n / 4;
  if (tabs == 0) return std::string(rest);
  word->typeText(std::string(tabs, '\t'));
  std::string out(n % 4, ' ');
  out += rest;
  return out;
}

std::string moveLeadingTag(std::string_view line) {
  const size_t a = line.find('<');
  if (a == std::string_view::npos) return std::string(line);
  for (size_t i = 0; i < a; ++i)
    if (line[i] != ' ') return std::string(line);
  const size_t b = line.find('>');
  if (b == std::string_view::npos || b < a || b + 1 >= line.size() || line[b + 1] != ' ')
    return std::string(line);
  const std::string_view tag = line.substr(a, b - a + 1);
  if (!isKnownTag(tag)) return std::string(line);
  const std::string rest = std::string(line.substr(0, a)) + std::string(line.substr(b + 1));
  size_t k = 0;
  while (k + 1 < rest.size() && rest[k] == ' ') ++k;
  return rest.substr(0, k) + std::string(tag) + rest.substr(k);
}

bool buildDocument(const DocumentFeedEnv& env, const TextLines& lines, int64_t first,
                   int64_t last) {
  WordOperations* word = env.word;
  if (!word->startWord()) return false;
  TagInterpreter tags(word, env.feedback);
  applyInitialFormatting(env, &tags);
  // Indexes outside the list are never read.
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, static_cast<int64_t>(lines.size()) - 1);
  if (last < first) return true;

  std::string current = moveLeadingTag(lines[static_cast<size_t>(first)]);
  for (int64_t i = first;;) {
    const std::string previous = current;
    current = leadingBlanksToTabs(current, word);
    tags.typeTaggedText(current);
    if (++i > last) return true;
    current = moveLeadingTag(lines[static_cast<size_t>(i)]);
    if (IsBlankLine(previous) && !IsBlankLine(current) && current.front() != ' ') {
      word->typeText("\r");
    } else {
      typeLineSeparator(current, word);
    }
  }
}

}  // namespace pavodin
