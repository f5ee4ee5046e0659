#include <string>

#include "tts/fuzz_input.h"
#include "tts/rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pavodin::FuzzInput in = pavodin::SplitFuzzInput(data, size);
  pavodin::RuleTable rules;
  pavodin::ParseRules(in.file, &rules);
  pavodin::ExceptionTable none;
  pavodin::TtsLines patterns{"555|"};
  size_t start = 0;
  while (start < in.text.size() && patterns.size() < 64) {
    size_t end = in.text.find(' ', start);
    if (end == std::string_view::npos) end = in.text.size();
    patterns.push_back("574|" + std::string(in.text.substr(start, end - start)));
    start = end + 1;
  }
  pavodin::TranscribeTokens(rules, none, patterns);
  return 0;
}
