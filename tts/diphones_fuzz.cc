#include <string>

#include "tts/diphones.h"
#include "tts/fuzz_input.h"
#include "tts/pho_lines.h"

// The text is a phoneme list, one line each, checked against the list.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pavodin;
  FuzzInput in = SplitFuzzInput(data, size);
  DiphoneList list;
  ParseDiphones(in.file, &list);
  TtsLines phonemes{";555|x"};
  size_t start = 0;
  while (start < in.text.size() && phonemes.size() < 200) {
    size_t end = in.text.find('\n', start);
    if (end == std::string_view::npos) end = in.text.size();
    phonemes.emplace_back(in.text.substr(start, end - start));
    start = end + 1;
  }
  ProsodyConfig config;
  std::string current;
  BuildPhoLines(config, list, phonemes, 1.0, 1.0, &current);
  return 0;
}
