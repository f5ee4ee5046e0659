#include "tts/exceptions.h"

#include <algorithm>

#include "platform/text_encoding.h"
#include "tts/tts_text.h"

namespace pavodin {

void ParseExceptions(std::string_view text, ExceptionTable* table) {
  table->entries.clear();
  for (const std::string& raw : SplitFileLines(text)) {
    if (raw.empty()) continue;
    if (table->entries.size() >= ExceptionTable::kCapacity) break;
    std::string line = UpperCp1252(raw);
    size_t eq = line.find('=');
    if (eq == std::string::npos) {
      table->entries.push_back({line + "|", ""});
      continue;
    }
    size_t bar = line.find('|', eq + 1);
    size_t end = bar == std::string::npos ? line.size() : bar;
    table->entries.push_back({line.substr(0, eq), line.substr(eq + 1, end - eq - 1)});
  }
  std::stable_sort(table->entries.begin(), table->entries.end(),
                   [](const ExceptionEntry& a, const ExceptionEntry& b) { return a.word < b.word; });
}

bool LoadExceptions(FileSystem& fs, const std::string& path, ExceptionTable* table,
                    std::string* err) {
  table->entries.clear();
  std::string bytes;
  if (!fs.ReadFile(path, &bytes, err)) return false;
  ParseExceptions(FileTextToCp1252(bytes), table);
  return true;
}

void ApplyExceptions(const ExceptionTable& table, std::string* word) {
  std::string w = *word;
  std::string suffix;
  while (true) {
    auto it = std::lower_bound(
        table.entries.begin(), table.entries.end(), w,
        [](const ExceptionEntry& e, const std::string& key) { return e.word < key; });
    if (it != table.entries.end() && it->word == w) {
      *word = it->respelling + suffix;
      return;
    }
    if (w.empty()) break;
    char c = w.back();
    if (c != 'S' && c != 'M') break;
    suffix.insert(suffix.begin(), c);
    w.pop_back();
    if (w.empty()) break;
  }
  *word = w + suffix;
}

}  // namespace pavodin
