#include "tts/diphones.h"

#include <algorithm>

#include "platform/text_encoding.h"
#include "tts/tts_text.h"

namespace pavodin {
namespace {

bool IsPhonemeChar(char c) {
  return c == '2' || c == '@' || c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

void ParseDiphones(std::string_view text, DiphoneList* list) {
  list->pairs.clear();
  for (const std::string& raw : SplitFileLines(text)) {
    std::string_view line = TrimControls(raw);
    if (line.empty() || line[0] == '!' || line[0] == '*' || line[0] == ';') continue;
    size_t i = 0;
    while (i < line.size() && IsPhonemeChar(line[i])) ++i;
    std::string pair(line.substr(0, i));
    while (i < line.size() && !IsPhonemeChar(line[i])) ++i;
    size_t start = i;
    while (i < line.size() && IsPhonemeChar(line[i])) ++i;
    pair += "-";
    pair += line.substr(start, i - start);
    list->pairs.push_back(LowerCp1252(pair));
  }
  std::sort(list->pairs.begin(), list->pairs.end());
}

bool LoadDiphones(FileSystem& fs, const std::string& path, DiphoneList* list, std::string* err) {
  list->pairs.clear();
  std::string bytes;
  if (!fs.ReadFile(path, &bytes, err)) return false;
  ParseDiphones(FileTextToCp1252(bytes), list);
  return true;
}

void ReleaseDiphones(DiphoneList* list) { list->pairs.clear(); }

bool HasDiphone(const DiphoneList& list, std::string_view pair) {
  return std::binary_search(list.pairs.begin(), list.pairs.end(), LowerCp1252(pair));
}

}  // namespace pavodin
