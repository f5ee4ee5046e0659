#include "tts/pho_lines.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace pavodin {
namespace {

constexpr unsigned char kDiaeresisMark = 0xA8;  // "¨"

// The product truncated toward zero and divided by 100, kept within the
// range of a 32-bit value whatever the data and the factors.
long long Percent(double product) {
  if (std::isnan(product)) return 0;
  constexpr double kMax = static_cast<double>(std::numeric_limits<int32_t>::max());
  if (product > kMax) product = kMax;
  if (product < -kMax) product = -kMax;
  return static_cast<long long>(std::trunc(product)) / 100;
}

class PhoBuilder {
 public:
  PhoBuilder(const ProsodyConfig& prosody, const DiphoneList& diphones, double pitch_factor,
             double duration_factor, std::string* current)
      : prosody_(prosody),
        diphones_(diphones),
        pitch_factor_(pitch_factor),
        duration_factor_(duration_factor),
        current_(*current) {}

  void Add(std::string line, bool end_of_word) {
    if (line.empty()) {
      percentage_ = 100;
      current_.clear();
      out_.push_back("");
      return;
    }
    if (line[0] == ';' && line.size() >= 5 && line[4] == '|') {
      pattern_ = line.substr(1, 3);
      line.erase(1, 4);  // ";" + token
      word_length_ = line.size();
      state_ = 0;
      CheckDiphone();
      out_.push_back(std::move(line));
      return;
    }
    AddPhoneme(std::move(line), end_of_word);
  }

  TtsLines Take() { return std::move(out_); }

 private:
  void AddPhoneme(std::string line, bool end_of_word) {
    if (line[0] == '>') {
      percentage_ = 145;
      line.erase(0, 1);
      if (!line.empty() && static_cast<unsigned char>(line[0]) == kDiaeresisMark) line.erase(0, 1);
      state_ = 2;
    } else if (static_cast<unsigned char>(line[0]) == kDiaeresisMark) {
      line.erase(0, 1);
      percentage_ = 100;
    }
    long long d;
    if (!line.empty() && line[0] == '_') {
      if (line == "_") line = "_ 100";
      if (line.size() >= 2 && line[1] == ' ') {
        int ms;
        d = ParseInt32(TrimControls(std::string_view(line).substr(2)), &ms) ? ms : 100;
      } else {
        d = DurationOf(prosody_, line);
      }
      line.erase(1);  // the pause is "_" whatever its spelling
    } else {
      d = DurationOf(prosody_, line);
      if (state_ < 2) {
        if (word_length_ > 13) d = d * 80 / 100;
        else if (word_length_ > 9) d = d * 90 / 100;
      }
    }
    current_ = line.substr(0, 255);
    std::string out = current_ + " " +
                      std::to_string(Percent(static_cast<double>(d) * percentage_ * duration_factor_));
    std::string target = PitchTarget(end_of_word);
    if (!target.empty()) out += " " + target;
    CheckDiphone();
    out_.push_back(std::move(out));
  }

  std::string PitchTarget(bool end_of_word) {
    int index = 0, position = 0;
    switch (state_) {
      case 0: index = 0; position = 50; state_ = 1; break;
      case 2: index = 1; position = 80; state_ = 3; break;
      case 3:
        if (!end_of_word) return "";
        index = 2; position = 50;
        break;
      default: return "";
    }
    if (pattern_.size() <= static_cast<size_t>(index)) return "";
    char level = pattern_[index];
    if (level < '0' || level > '9') return "";
    int v = prosody_.pitch_levels[level - '0'];
    // A level of 0 (or a negative one, which no voice can sing) sets no target.
    if (v <= 0) return "";
    long long hz = Percent(static_cast<double>(v) * pitch_factor_ * prosody_.base_pitch);
    return std::to_string(position) + " " + std::to_string(hz);
  }

  void CheckDiphone() {
    if (current_.empty()) return;
    if (!HasDiphone(diphones_, previous_ + "-" + current_)) {
      if (previous_ == "r2" && HasDiphone(diphones_, "r2-_")) out_.push_back("_ 50");
      else if (HasDiphone(diphones_, previous_ + "-y")) out_.push_back("y 50");
      else out_.push_back("_ 50");
    }
    previous_ = current_;
  }

  const ProsodyConfig& prosody_;
  const DiphoneList& diphones_;
  const double pitch_factor_;
  const double duration_factor_;
  std::string& current_;
  int percentage_ = 100;
  std::string pattern_ = "555";
  int state_ = 0;
  size_t word_length_ = 0;
  std::string previous_ = "_";
  TtsLines out_;
};

}  // namespace

int DurationOf(const ProsodyConfig& prosody, std::string_view phoneme) {
  for (const DurationEntry& entry : prosody.durations) {
    if (entry.phoneme == phoneme) return entry.ms;
  }
  return 100;
}

TtsLines BuildPhoLines(const ProsodyConfig& prosody, const DiphoneList& diphones,
                       const TtsLines& phonemes, double pitch_factor, double duration_factor,
                       std::string* current_phoneme) {
  std::string local;
  PhoBuilder builder(prosody, diphones, pitch_factor, duration_factor,
                     current_phoneme != nullptr ? current_phoneme : &local);
  for (size_t i = 0; i < phonemes.size(); ++i) {
    bool end_of_word = i + 1 == phonemes.size() || phonemes[i + 1].empty();
    builder.Add(phonemes[i], end_of_word);
  }
  return builder.Take();
}

}  // namespace pavodin
