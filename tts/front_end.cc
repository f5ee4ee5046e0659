#include "tts/front_end.h"

#include "tts/normalize.h"
#include "tts/pho_lines.h"
#include "tts/tokens.h"

namespace pavodin {

TtsDataFiles TtsDataFilesIn(const std::string& dir, const std::string& stem) {
  std::string base = dir;
  if (!base.empty() && base.back() != '/') base += '/';
  base += stem.empty() ? "portug" : stem;
  return {base + ".nrl", base + ".exc", base + ".abr", base + ".pro", base + ".dfn"};
}

bool TtsFrontEnd::Load(FileSystem& fs, const TtsDataFiles& files, TtsMessages& messages,
                       std::string* err) {
  std::string why;
  if (!LoadRules(fs, files.rules, &rules_, &why)) {
    *err = files.rules + ": " + why;
    return false;
  }
  if (!LoadExceptions(fs, files.exceptions, &exceptions_, &why)) {
    *err = files.exceptions + ": " + why;
    return false;
  }
  if (!LoadAbbreviations(fs, files.abbreviations, &abbreviations_, &why)) {
    *err = files.abbreviations + ": " + why;
    return false;
  }
  if (!LoadProsody(fs, files.prosody, messages, &prosody_)) {
    *err = files.prosody + ": the prosody file is faulty";
    return false;
  }
  if (!LoadDiphones(fs, files.diphones, &diphones_, &why)) {
    *err = files.diphones + ": " + why;
    return false;
  }
  return true;
}

TtsStages TtsFrontEnd::Run(std::string_view text, double pitch_factor, double duration_factor) {
  TtsStages s;
  s.normalized = NormalizeText(abbreviations_, text);
  s.tokens = SplitTokens(prosody_, s.normalized);
  s.patterns = AssignPatterns(prosody_, s.tokens);
  s.phonemes = TranscribeTokens(rules_, exceptions_, s.patterns);
  s.pho = BuildPhoLines(prosody_, diphones_, s.phonemes, pitch_factor, duration_factor,
                        &current_phoneme_);
  return s;
}

}  // namespace pavodin
