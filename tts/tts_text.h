#ifndef PAVODIN_TTS_TTS_TEXT_H_
#define PAVODIN_TTS_TTS_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

// Small helpers shared by the text-to-speech stages. Everything here works on
// Windows-1252 bytes.

namespace pavodin {

// The stages hand each other lists of text lines.
using TtsLines = std::vector<std::string>;

// Windows-1252 letter case: a-z, the accented letters 224-254 (but not the
// division sign 247), and the pairs S/s caron, OE/oe, Z/z caron, Y/y diaeresis.
char UpperCp1252(char c);
char LowerCp1252(char c);
std::string UpperCp1252(std::string_view text);
std::string LowerCp1252(std::string_view text);

// Without the bytes of code 32 or less at both ends.
std::string_view TrimControls(std::string_view text);

// Without the blanks (code 32) at both ends.
std::string_view TrimSpaces(std::string_view text);

// The lines of a text file's contents: split at LF, a CR before the LF
// dropped; a final line without LF counts, an empty tail does not.
TtsLines SplitFileLines(std::string_view text);

// A decimal integer with an optional sign that fits a signed 32-bit value;
// false for anything else (empty text included).
bool ParseInt32(std::string_view text, int* value);

}  // namespace pavodin

#endif  // PAVODIN_TTS_TTS_TEXT_H_
