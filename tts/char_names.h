#ifndef PAVODIN_TTS_CHAR_NAMES_H_
#define PAVODIN_TTS_CHAR_NAMES_H_

#include <string>

namespace pavodin {

// The spoken name of a Windows-1252 byte, as the engine reads it aloud
// ("?" "interrogação", "B" "bê", "ç" "Cê cedilha"). Some names begin with a
// blank or carry accents only as pronunciation hints. Control bytes and a
// few others have no name: the result is then empty.
std::string CharName(unsigned char c);

}  // namespace pavodin

#endif  // PAVODIN_TTS_CHAR_NAMES_H_
