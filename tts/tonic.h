#ifndef PAVODIN_TTS_TONIC_H_
#define PAVODIN_TTS_TONIC_H_

#include <cstddef>
#include <string_view>

namespace pavodin {

// The 1-based position of the letter of the stressed vowel of a Portuguese
// word (Windows-1252, any case), 0 when the word has no vowel. The rightmost
// accented vowel wins; otherwise the default stress of the language applies,
// read from the end of the word: "casa" 2, "amor" 3, "aqui" 4, "quito" 3.
size_t TonicPosition(std::string_view word);

}  // namespace pavodin

#endif  // PAVODIN_TTS_TONIC_H_
