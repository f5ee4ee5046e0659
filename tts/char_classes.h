#ifndef PAVODIN_TTS_CHAR_CLASSES_H_
#define PAVODIN_TTS_CHAR_CLASSES_H_

// Letter classes of the Portuguese text-to-speech stages (Windows-1252, both
// letter cases).

namespace pavodin {

// A-Z, a-z and À Á Â Ã Ç É Ê Ì Í Ñ Ó Ô Õ Ù Ú Ü in both cases.
bool IsTtsLetter(unsigned char c);

// B C D F G H J K L M N P Q R S T V W X Y Z Ç Ñ in both cases.
bool IsTtsConsonant(unsigned char c);

// A E I O U À Á Â Ã É Ê Ì Í Ó Ô Õ Ù Ú Ü in both cases.
bool IsTtsVowel(unsigned char c);

inline bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace pavodin

#endif  // PAVODIN_TTS_CHAR_CLASSES_H_
