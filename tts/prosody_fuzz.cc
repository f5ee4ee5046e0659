#include <string>

#include "tts/diphones.h"
#include "tts/fuzz_input.h"
#include "tts/pho_lines.h"
#include "tts/prosody.h"
#include "tts/recording_tts_messages.h"
#include "tts/tokens.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pavodin;
  FuzzInput in = SplitFuzzInput(data, size);
  ProsodyConfig config;
  RecordingTtsMessages messages;
  ParseProsody(in.file, messages, &config);
  TtsLines patterns = AssignPatterns(config, SplitTokens(config, in.text.substr(0, 2000)));
  TtsLines phonemes;
  for (const std::string& p : patterns) {
    phonemes.push_back(";" + p);
    phonemes.push_back("a");
    phonemes.push_back(">e");
    phonemes.push_back("_ 20");
    phonemes.push_back("");
  }
  DiphoneList diphones;
  std::string current;
  BuildPhoLines(config, diphones, phonemes, 1.0, 1.0, &current);
  return 0;
}
