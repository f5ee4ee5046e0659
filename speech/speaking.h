#ifndef PAVODIN_SPEECH_SPEAKING_H_
#define PAVODIN_SPEECH_SPEAKING_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/text_device.h"
#include "platform/file_system.h"
#include "speech/speech_sink.h"
#include "speech/suite_config.h"

// The speaking operations every part of the program talks through: speak a
// text, spell it, say a character, play a recorded prompt, the beep, waiting
// for silence, stopping, and reading a key with its spoken echo. Every wait
// can be cut short by a key, which stays queued for the reader.

namespace pavodin {

class Speech {
 public:
  Speech(Console* console, TextDevice* out, FileSystem* files, SpeechSink* sink);

  // Reads the directories of recorded prompts and letters. `prompts_dir` is
  // the program's own prompt directory (a configured Windows-style path).
  void InitSpeech(int speed, std::string_view prompts_dir, SuiteConfig* config);

  void SpeakText(std::string_view text);
  // Each character's recorded file; stops before a character when a key waits.
  void SpellText(std::string_view text);
  void SpeakChar(uint8_t c);
  void PlayPrompt(std::string_view name);
  bool PromptExists(std::string_view name);
  // Drains the key queue, then plays the end-of-list beep and waits.
  void PlayBeep();
  // The short click (a repeated character, a carried-out tag), played to its
  // end unless a key cuts it short.
  void PlayRepeatClick();
  // NextKey, StopSpeech, the byte said from its recorded file, nothing written.
  uint8_t ReadKeyEcho();
  // Reads a key with the time on F8 and a spoken and written echo. `extended`
  // is a blank for an ordinary key, the key code (with key 0) otherwise.
  void ReadKeySpoken(uint8_t* key, uint8_t* extended);
  void StopSpeech();
  void WaitPendingSpeech();
  bool SpeechBusy();
  // Waits for silence, stops, closes the producers.
  void FinishSpeech();

  // The current time and date, spoken.
  void speakCurrentTime();
  void speakCurrentDate();

  const std::string& PromptsDir() const { return prompts_dir_; }
  const std::string& LettersDir() const { return letters_dir_; }

 private:
  void WaitUntilSilent();
  std::string PromptPath(std::string_view name) const;

  Console* console_;
  TextDevice* out_;
  FileSystem* files_;
  SpeechSink* sink_;
  std::string prompts_dir_;
  std::string letters_dir_;
  bool speech_pending_ = true;
  std::vector<uint8_t> click_;
};

}  // namespace pavodin

#endif  // PAVODIN_SPEECH_SPEAKING_H_
