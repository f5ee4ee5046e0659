#include "tts/abbreviations.h"

#include "platform/text_encoding.h"
#include "tts/tts_text.h"

namespace pavodin {

void ParseAbbreviations(std::string_view text, AbbreviationTable* table) {
  table->entries.clear();
  for (const std::string& raw : SplitFileLines(text)) {
    std::string_view line = TrimControls(raw);
    if (line.empty() || line[0] == ';') continue;
    if (table->entries.size() >= AbbreviationTable::kCapacity) break;
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      table->entries.emplace_back("", std::string(line));
      continue;
    }
    std::string_view expansion = line.substr(eq + 1).substr(0, 999);
    table->entries.emplace_back(UpperCp1252(TrimControls(line.substr(0, eq))),
                                std::string(TrimControls(expansion)));
  }
}

bool LoadAbbreviations(FileSystem& fs, const std::string& path, AbbreviationTable* table,
                       std::string* err) {
  table->entries.clear();
  std::string bytes;
  if (!fs.ReadFile(path, &bytes, err)) return false;
  ParseAbbreviations(FileTextToCp1252(bytes), table);
  return true;
}

std::string LookupAbbreviation(const AbbreviationTable& table, std::string_view word) {
  std::string key = UpperCp1252(word);
  for (const auto& [abbreviation, expansion] : table.entries) {
    if (!abbreviation.empty() && abbreviation == key) return expansion;
  }
  return "";
}

}  // namespace pavodin
