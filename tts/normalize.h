#ifndef PAVODIN_TTS_NORMALIZE_H_
#define PAVODIN_TTS_NORMALIZE_H_

#include <string>
#include <string_view>

#include "tts/abbreviations.h"

// First stage of the Portuguese text-to-speech pipeline: any Windows-1252
// text becomes words made of letters, blanks and the punctuation the later
// stages understand (blank ! ( ) , . : ; ? and "..."). Numbers become words,
// known abbreviations followed by ". " their expansion, words made only of
// consonants are spelled, other symbols are replaced by their names.

namespace pavodin {

// The normalised text. `abbreviations` is the table of the ".abr" file.
// A text of exactly one character is read as that character's name ("?"
// gives "interrogação", "0" "zéro"). A number that follows a letter directly
// is set apart by a blank, so that "10h30" reads "dez agá trinta".
std::string NormalizeText(const AbbreviationTable& abbreviations, std::string_view text);

// The word of letters (and hyphens after letters) starting at `*pos`, which
// is moved past it. A word of consonants only is spelled letter by letter
// (CPF gives " sêpêéfe") unless a "." follows that introduces a known
// abbreviation.
std::string ReadWord(const AbbreviationTable& abbreviations, std::string_view text, size_t* pos);

// The number starting at the digit at `*pos`, in words, moving `*pos` past
// what it read: a run of digits and hyphens digit by digit (" cinco traço
// três"), leading zeros as "zero ", "." before exactly three digits as a
// thousands separator, at most 15 digits, and the ordinal endings º ª o. a.
// os. as.
std::string ReadNumber(std::string_view text, size_t* pos);

}  // namespace pavodin

#endif  // PAVODIN_TTS_NORMALIZE_H_
