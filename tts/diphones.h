#ifndef PAVODIN_TTS_DIPHONES_H_
#define PAVODIN_TTS_DIPHONES_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

// The diphone list file (".dfn"): the pairs of phonemes the MBROLA database
// holds. Each line names a pair by its two phonemes (runs of letters, digits
// 2, "@" and "_") with anything else between them: "a e", "a-e" and "a\te\t123"
// all give "a-e". Empty lines and lines beginning with "!", "*" or ";" are
// skipped. Pairs are compared without regard to letter case.

namespace pavodin {

struct DiphoneList {
  std::vector<std::string> pairs;  // "a-b" in lower case, sorted
};

// Replaces the list with the pairs of the Windows-1252 file text.
void ParseDiphones(std::string_view text, DiphoneList* list);

// Reads and parses the file. False, with an empty list and `err` set, when
// it cannot be read.
bool LoadDiphones(FileSystem& fs, const std::string& path, DiphoneList* list, std::string* err);

void ReleaseDiphones(DiphoneList* list);

// Whether the pair "a-b" (any case) is in the list.
bool HasDiphone(const DiphoneList& list, std::string_view pair);

}  // namespace pavodin

#endif  // PAVODIN_TTS_DIPHONES_H_
