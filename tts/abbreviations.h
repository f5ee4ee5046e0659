#ifndef PAVODIN_TTS_ABBREVIATIONS_H_
#define PAVODIN_TTS_ABBREVIATIONS_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"

// The abbreviations file (".abr"): lines "abbreviation=expansion", trimmed;
// empty lines and lines beginning with ";" are skipped. The abbreviation is
// compared in upper case; the expansion is kept as written.

namespace pavodin {

struct AbbreviationTable {
  static constexpr size_t kCapacity = 2000;
  // (abbreviation in upper case, expansion), in file order.
  std::vector<std::pair<std::string, std::string>> entries;
};

// Replaces the table's entries with those of the Windows-1252 file text.
// Never fails: a line without "=" gives an empty abbreviation (which never
// matches) and lines after the 2000th are ignored.
void ParseAbbreviations(std::string_view text, AbbreviationTable* table);

// Reads and parses the file (UTF-8 or Windows-1252). False, with an empty
// table and `err` set, when it cannot be read.
bool LoadAbbreviations(FileSystem& fs, const std::string& path, AbbreviationTable* table,
                       std::string* err);

// The expansion of the first entry equal to the upper-cased word, or empty.
std::string LookupAbbreviation(const AbbreviationTable& table, std::string_view word);

}  // namespace pavodin

#endif  // PAVODIN_TTS_ABBREVIATIONS_H_
