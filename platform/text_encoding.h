#ifndef PAVODIN_PLATFORM_TEXT_ENCODING_H_
#define PAVODIN_PLATFORM_TEXT_ENCODING_H_

#include <string>
#include <string_view>

// The program works on Windows-1252 bytes. These convert at its edges:
// files and terminals speak UTF-8 on Linux.

namespace pavodin {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// The Unicode code point of a Windows-1252 byte. The five bytes Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same number, so that every byte round-trips.
char32_t Cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a code point; false when it has none.
bool CodePointToCp1252(char32_t cp, unsigned char* byte);

// Windows-1252 text as UTF-8.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 text as Windows-1252. Characters without a Windows-1252 byte become
// `replacement`. Malformed sequences give one replacement per bad byte.
std::string Utf8ToCp1252(std::string_view text, char replacement = '?');

// Appends the UTF-8 form of a code point.
void AppendUtf8(char32_t cp, std::string* out);

// Decodes one UTF-8 character at the front of `text`. Returns its length
// (0 when malformed or empty) and stores the code point.
size_t DecodeUtf8(std::string_view text, char32_t* cp);

// Text of a file whose encoding is not declared: valid UTF-8 is read as
// UTF-8 (a leading byte-order mark is dropped), anything else as Windows-1252.
std::string FileTextToCp1252(std::string_view bytes);

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_TEXT_ENCODING_H_
