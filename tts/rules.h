#ifndef PAVODIN_TTS_RULES_H_
#define PAVODIN_TTS_RULES_H_

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "tts/exceptions.h"
#include "tts/tts_text.h"

// Grapheme-to-phoneme rules (".nrl" file), one per line:
//
//   left(FOCUS)right=output|comment
//
// FOCUS is the run of letters the rule consumes; the contexts must hold
// around it; output is the phonemes it produces, "&" between two phonemes.
// Lines beginning with ";" are comments; blanks are ordinary characters.
// Right context classes: # vowel, % word end, & one of L M N R Z, * consonant
// other than L and R (not consumed), + E I É Í, [ word end or consonant other
// than H (not consumed), \ skips an S if there is one. Left context, read
// backwards: # vowel, % word start, ] one of A O Á Â Ó Ô, _ word start or a
// vowel, | one of N R S. Any other character must equal the letter.

namespace pavodin {

struct TRegra {
  std::string left;    // at most 5 characters
  std::string focus;   // 1 to 5 characters
  std::string right;   // at most 5 characters
  std::string output;  // at most 20 characters
};

struct RuleTable {
  // Rules by the first byte of their focus (32 to 255), in file order.
  std::array<std::vector<TRegra>, 224> lists;
};

// Adds the rules of the Windows-1252 file text to an emptied table. Lines
// whose focus is empty (blank lines, lines without "(") or begins with a
// control byte would consume no letter and are skipped.
void ParseRules(std::string_view text, RuleTable* rules);

// Reads and parses the file (UTF-8 or Windows-1252). False, with an empty
// table and `err` set, when it cannot be read.
bool LoadRules(FileSystem& fs, const std::string& path, RuleTable* rules, std::string* err);

// Empties every list.
void ReleaseRules(RuleTable* rules);

// True for words read without stress: two letters or fewer, and POR DAS DOS
// COM NÃO SIM.
bool IsUnstressedWord(std::string_view word);

// Appends the phoneme lines of an upper-case word to `list`, then the empty
// line that ends a word. `stress` is the 1-based position of the stressed
// letter (0: none); the first phoneme produced at or after it is marked ">".
// Only the first 11 characters of a rule's output are used.
void TranscribeWord(const RuleTable& rules, std::string_view word, size_t stress,
                    TtsLines* list);

// The phoneme list of a pattern list: per token a header ";" + pattern line,
// then the word's phonemes (after exceptions and stress), a pause "_," "_."
// etc. for punctuation, or "__" and an empty line for a boundary; a final
// "__". A final "s2"/"r2" becomes "z"/"r" before a word beginning with an
// unstressed vowel or glide.
TtsLines TranscribeTokens(const RuleTable& rules, const ExceptionTable& exceptions,
                          const TtsLines& patterns);

}  // namespace pavodin

#endif  // PAVODIN_TTS_RULES_H_
