#include "speech/speaking.h"

#include <cstdio>
#include <random>

#include "speech/signal_sounds.h"

namespace pavodin {
namespace {

std::string AsDirectory(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

Speech::Speech(Console* console, TextDevice* out, FileSystem* files, SpeechSink* sink)
    : console_(console), out_(out), files_(files), sink_(sink), click_(ClickImage(std::random_device{}())) {}

void Speech::InitSpeech(int /*speed*/, std::string_view prompts_dir, SuiteConfig* config) {
  prompts_dir_ = AsDirectory(config->MapPath(prompts_dir));
  const std::string letters = config->ReadConfigDirSetting("TRADUTOR", "DIRLETRAS", 254)
                                  .value_or("c:\\tarmil\\som\\letras\\");
  letters_dir_ = AsDirectory(config->MapPath(letters));
}

std::string Speech::PromptPath(std::string_view name) const {
  const std::string& dir = (!name.empty() && name.front() == '_') ? letters_dir_ : prompts_dir_;
  return dir + std::string(name) + ".wav";
}

bool Speech::SpeechBusy() {
  if (console_->KeyAvailable()) {
    StopSpeech();
    return false;
  }
  return sink_->Busy();
}

void Speech::WaitUntilSilent() {
  while (SpeechBusy()) console_->WaitMessage();
}

void Speech::WaitPendingSpeech() {
  if (!speech_pending_) return;
  WaitUntilSilent();
  speech_pending_ = false;
}

void Speech::StopSpeech() {
  sink_->Stop();
  console_->PostMessage(Message::Of(MessageKind::kWakeUp, kStopSpeechWakeUp));
}

void Speech::SpeakText(std::string_view text) {
  WaitUntilSilent();
  if (console_->KeyAvailable()) return;
  sink_->SpeakText(text);
  speech_pending_ = true;
}

void Speech::SpellText(std::string_view text) {
  for (char c : text) {
    if (console_->KeyAvailable()) return;
    SpeakChar(static_cast<uint8_t>(c));
  }
}

void Speech::SpeakChar(uint8_t c) {
  WaitPendingSpeech();
  if (sink_->PlayFile(letters_dir_ + "_" + std::to_string(c) + ".wav")) WaitUntilSilent();
}

void Speech::PlayPrompt(std::string_view name) {
  WaitPendingSpeech();
  if (sink_->PlayFile(PromptPath(name))) WaitUntilSilent();
}

bool Speech::PromptExists(std::string_view name) { return files_->FileExists(PromptPath(name)); }

void Speech::PlayBeep() {
  WaitPendingSpeech();
  while (console_->KeyAvailable()) console_->NextKey();
  sink_->PlayImage(BeepImage(), false);
  WaitUntilSilent();
}

void Speech::PlayRepeatClick() {
  WaitPendingSpeech();
  sink_->PlayImage(click_, true);
  WaitUntilSilent();
}

uint8_t Speech::ReadKeyEcho() {
  const uint8_t key = console_->NextKey();
  StopSpeech();
  SpeakChar(key);
  return key;
}

void Speech::ReadKeySpoken(uint8_t* key, uint8_t* extended) {
  for (;;) {
    WaitUntilSilent();
    *extended = ' ';
    *key = console_->NextKey();
    if (*key == 0) {
      *extended = console_->NextKey();
      if (*extended == 16 || *extended == 17 || *extended == 18) *key = console_->NextKey();
    }
    if (*key == 0 && *extended == 66) {
      speakCurrentTime();
      continue;
    }
    if (*key != 222 && *key != 223 && *key > 31) {
      SpeakChar(*key);
      out_->Write(std::string(1, static_cast<char>(*key)));
    }
    return;
  }
}

void Speech::FinishSpeech() {
  WaitUntilSilent();
  StopSpeech();
}

void Speech::speakCurrentTime() {
  uint16_t hour, minute, second, hundredths;
  console_->GetTimeParts(&hour, &minute, &second, &hundredths);
  char text[64];
  std::snprintf(text, sizeof text, "%u horas e %u minutos", hour, minute);
  SpeakText(text);
}

void Speech::speakCurrentDate() {
  uint16_t year, month, day, weekday;
  console_->GetDateParts(&year, &month, &day, &weekday);
  char text[64];
  std::snprintf(text, sizeof text, "%u/%u/%u", day, month, year);
  SpeakText(text);
}

}  // namespace pavodin
