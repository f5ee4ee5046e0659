#ifndef PAVODIN_TTS_PHO_LINES_H_
#define PAVODIN_TTS_PHO_LINES_H_

#include <string>
#include <string_view>

#include "tts/diphones.h"
#include "tts/prosody.h"
#include "tts/tts_text.h"

// Last stage of the pipeline: phoneme lines become MBROLA lines
// "phoneme duration [position Hz]".

namespace pavodin {

// The duration of the first entry of the table for exactly this phoneme
// (case kept); 100 ms when there is none.
int DurationOf(const ProsodyConfig& prosody, std::string_view phoneme);

// The MBROLA lines of a phoneme list. Headers ";pat|token" become ";token"
// (a comment for MBROLA); empty lines stay. A phoneme lasts its table
// duration, 145 % from the stressed one (">") to the end of the word, 80 %
// before the stress in words over 12 letters and 90 % in words over 8,
// times `duration_factor`. Its pitch target follows the token's pattern:
// first level at 50 % of the first phoneme, second at 80 % of the stressed
// one, third at 50 % of the last one after the stress, each level a
// percentage of the base pitch times `pitch_factor`. Where the database has
// no diphone for two neighbouring phonemes, "_ 50" (or "y 50" when the pair
// with y exists) is put between them.
//
// `current_phoneme` carries the last phoneme from one call to the next, as
// one engine does between utterances; it may start empty.
TtsLines BuildPhoLines(const ProsodyConfig& prosody, const DiphoneList& diphones,
                       const TtsLines& phonemes, double pitch_factor, double duration_factor,
                       std::string* current_phoneme);

}  // namespace pavodin

#endif  // PAVODIN_TTS_PHO_LINES_H_
