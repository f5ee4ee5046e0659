#include <string>

#include "tts/exceptions.h"
#include "tts/fuzz_input.h"
#include "tts/tonic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pavodin::FuzzInput in = pavodin::SplitFuzzInput(data, size);
  pavodin::ExceptionTable table;
  pavodin::ParseExceptions(in.file, &table);
  for (size_t i = 1; i < table.entries.size(); ++i) {
    if (table.entries[i - 1].word > table.entries[i].word) __builtin_trap();
  }
  std::string word(in.text.substr(0, 300));
  pavodin::ApplyExceptions(table, &word);
  if (pavodin::TonicPosition(word) > word.size()) __builtin_trap();
  return 0;
}
