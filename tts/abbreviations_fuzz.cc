#include "tts/abbreviations.h"
#include "tts/fuzz_input.h"
#include "tts/normalize.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pavodin::FuzzInput in = pavodin::SplitFuzzInput(data, size);
  pavodin::AbbreviationTable table;
  pavodin::ParseAbbreviations(in.file, &table);
  if (table.entries.size() > pavodin::AbbreviationTable::kCapacity) __builtin_trap();
  pavodin::NormalizeText(table, in.text);
  return 0;
}
