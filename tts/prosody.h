#ifndef PAVODIN_TTS_PROSODY_H_
#define PAVODIN_TTS_PROSODY_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "tts/tts_messages.h"

// The prosody file (".pro"): three sections, in any order.
//
//   [DURAÇÃO]    phoneme=milliseconds          base duration of each phoneme
//   [CHAVES]     word=code                     two-character class codes of key words
//   [PROSÓDIA]   HERTZ=230                     base pitch
//                TABHERTZ=50,60,...            ten levels, per cent of the base pitch
//                prev|cur|next=pattern         intonation pattern by the codes of a
//                                              token and its neighbours
//
// A section ends at the next line beginning with "["; empty lines and lines
// beginning with ";" or "*" are skipped. A pattern is three level digits
// (start of the word, stressed phoneme, end of the word); a first "?" stands
// for the last level of the token before.

namespace pavodin {

struct DurationEntry {
  std::string phoneme;  // at most 2 characters, case kept
  int ms = 100;
};

struct TChave {
  std::string key;   // upper case
  std::string code;  // upper case, at most 2 characters
};

struct TProsodia {
  std::string prev, cur, next;  // at most 3 characters each; empty matches any code
  std::string pattern;
};

struct ProsodyConfig {
  static constexpr size_t kDurationCapacity = 100;
  static constexpr size_t kKeyCapacity = 1000;
  static constexpr size_t kPatternCapacity = 300;

  std::vector<DurationEntry> durations;  // file order
  std::vector<TChave> keys;              // sorted by key, byte order
  std::vector<TProsodia> patterns;       // file order
  int base_pitch = 230;                  // BasePitch, Hz
  std::array<int, 10> pitch_levels{};    // PitchLevels; kept when a load has no TABHERTZ
};

// Loads the Windows-1252 text of a prosody file into `config`. Every fault
// is shown through `messages` with the engine's own texts; false when the
// load must fail (a missing section, a line without "=", a bad HERTZ or
// TABHERTZ line, a pattern that is not three levels). A duration that is not
// an integer is shown, stored as 100, and the load goes on. Entries beyond a
// table's capacity are ignored.
bool ParseProsody(std::string_view text, TtsMessages& messages, ProsodyConfig* config);

// Reads the file (UTF-8 or Windows-1252) and parses it; a file that cannot
// be read shows "Configuração da prosódia não foi achada".
bool LoadProsody(FileSystem& fs, const std::string& path, TtsMessages& messages,
                 ProsodyConfig* config);

// The code of the upper-cased word, or empty.
std::string LookupKey(const ProsodyConfig& config, std::string_view word);

}  // namespace pavodin

#endif  // PAVODIN_TTS_PROSODY_H_
