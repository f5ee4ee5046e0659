#ifndef PAVODIN_TTS_TOKENS_H_
#define PAVODIN_TTS_TOKENS_H_

#include <string_view>

#include "tts/prosody.h"
#include "tts/tts_text.h"

// Second and third stages of the pipeline.

namespace pavodin {

// Cuts normalised text into token lines "[" + code + "]" + token:
//   "[--]"           a boundary: the first line and one after every token
//                    beginning with "!", "." or "?";
//   "[XX]casa"       a run of letters with its key-word code ("XX" when none);
//   "[,,],"          any other single character, its code the character twice;
//   "[.-]."          a run of two or more points.
TtsLines SplitTokens(const ProsodyConfig& config, std::string_view text);

// Gives each token line the pattern of the first table entry matching the
// codes of the token and of its neighbours ("555" when none): lines
// pattern + "|" + token, the token empty for a boundary.
TtsLines AssignPatterns(const ProsodyConfig& config, const TtsLines& tokens);

}  // namespace pavodin

#endif  // PAVODIN_TTS_TOKENS_H_
