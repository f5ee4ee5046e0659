#ifndef PAVODIN_TTS_EXCEPTIONS_H_
#define PAVODIN_TTS_EXCEPTIONS_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

// The pronunciation exceptions file (".exc"): lines "word=respelling", read
// in upper case; a "|" ends the respelling and starts a comment. There are
// no comment lines and blanks are ordinary characters. A respelling is
// another spelling of the word that the letter rules read correctly.

namespace pavodin {

struct ExceptionEntry {  // palavra_alias
  std::string word;        // upper case
  std::string respelling;  // upper case
};

struct ExceptionTable {
  static constexpr size_t kCapacity = 15000;
  std::vector<ExceptionEntry> entries;  // sorted by word, byte order
};

// Replaces the table's entries with those of the Windows-1252 file text and
// sorts them. A line without "=" is kept as a word ending in "|", which no
// word token can match; lines after the 15000th entry are ignored.
void ParseExceptions(std::string_view text, ExceptionTable* table);

// Reads and parses the file (UTF-8 or Windows-1252). False, with an empty
// table and `err` set, when it cannot be read.
bool LoadExceptions(FileSystem& fs, const std::string& path, ExceptionTable* table,
                    std::string* err);

// Replaces the upper-case word by its respelling. Final "S" and "M" letters
// are stripped one by one to find a base form and put back afterwards:
// with CASA=KAZA, CASAS gives KAZAS. A word not found stays as it is.
void ApplyExceptions(const ExceptionTable& table, std::string* word);

}  // namespace pavodin

#endif  // PAVODIN_TTS_EXCEPTIONS_H_
