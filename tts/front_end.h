#ifndef PAVODIN_TTS_FRONT_END_H_
#define PAVODIN_TTS_FRONT_END_H_

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "tts/abbreviations.h"
#include "tts/diphones.h"
#include "tts/exceptions.h"
#include "tts/prosody.h"
#include "tts/rules.h"
#include "tts/tts_messages.h"
#include "tts/tts_text.h"

// The text half of the Portuguese text-to-speech engine: its five data
// files and the five stages that turn a text into MBROLA lines.

namespace pavodin {

// The five data files of one database.
struct TtsDataFiles {
  std::string rules;          // ".nrl"
  std::string exceptions;     // ".exc"
  std::string abbreviations;  // ".abr"
  std::string prosody;        // ".pro"
  std::string diphones;       // ".dfn"
};

// `dir` + "/" + `stem` + each extension; an empty stem is "portug".
TtsDataFiles TtsDataFilesIn(const std::string& dir, const std::string& stem = "portug");

// What each stage made of one text.
struct TtsStages {
  std::string normalized;  // NormalizeText
  TtsLines tokens;         // SplitTokens
  TtsLines patterns;       // AssignPatterns
  TtsLines phonemes;       // TranscribeTokens
  TtsLines pho;            // BuildPhoLines
};

class TtsFrontEnd {
 public:
  // Loads the files in the engine's order: rules, exceptions, abbreviations,
  // prosody, diphones. Stops at the first failure with `err` naming the
  // file; the prosody loader has then shown its own message.
  bool Load(FileSystem& fs, const TtsDataFiles& files, TtsMessages& messages, std::string* err);

  // Runs the five stages on a Windows-1252 text.
  TtsStages Run(std::string_view text, double pitch_factor = 1.0, double duration_factor = 1.0);

  const AbbreviationTable& abbreviations() const { return abbreviations_; }
  const ExceptionTable& exceptions() const { return exceptions_; }
  const RuleTable& rules() const { return rules_; }
  const ProsodyConfig& prosody() const { return prosody_; }
  const DiphoneList& diphones() const { return diphones_; }

 private:
  AbbreviationTable abbreviations_;
  ExceptionTable exceptions_;
  RuleTable rules_;
  ProsodyConfig prosody_;
  DiphoneList diphones_;
  std::string current_phoneme_;  // carried from one utterance to the next
};

}  // namespace pavodin

#endif  // PAVODIN_TTS_FRONT_END_H_
