#ifndef PAVODIN_TTS_NUMBER_WORDS_H_
#define PAVODIN_TTS_NUMBER_WORDS_H_

#include <cstdint>
#include <string>

// Numbers as Portuguese words, in Windows-1252.

namespace pavodin {

enum class Gender { kMasculine, kFeminine };

// Cardinal words of a value below 10^15 (larger values are reduced modulo
// 10^15): 0 "zero", 1000 "mil ", 1001 "mil e um", 1120 "mil cento e vinte",
// 1000000 "um milhão ". A group that ends the number takes the joining "e "
// only when its own words have no inner " e " (1200 "mil e duzentos" but
// 1120 "mil cento e vinte"), as Portuguese is spoken.
std::string CardinalWords(uint64_t value);

// Ordinal words up to 1999 ("primeiro", "vigésima primeira", "milésimo
// nongentésimo nonagésimo nono"); 0 is "zero" and from 2000 on the cardinal
// words are given.
std::string OrdinalWords(Gender gender, uint64_t value);

// The word of one digit 0-9 ("zero" … "nove").
std::string UnitWord(int digit);

}  // namespace pavodin

#endif  // PAVODIN_TTS_NUMBER_WORDS_H_
