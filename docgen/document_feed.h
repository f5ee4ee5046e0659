#ifndef PAVODIN_DOCGEN_DOCUMENT_FEED_H_
#define PAVODIN_DOCGEN_DOCUMENT_FEED_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "docgen/docgen_services.h"
#include "docgen/tag_language.h"
#include "docgen/text_lines.h"
#include "docgen/word_operations.h"
#include "platform/file_system.h"

// Turns the lines of a tagged text into the content of a document: starts
// the word processor, types the initial formatting, then each line, deciding
// whether it continues the paragraph before it or starts a new one.
//
// Paragraph rules: a line joins the line before it with one blank when both
// are non-blank and it starts with neither a blank nor "."; otherwise a
// paragraph ends between them. Leading blanks become tabs (four to a tab);
// a known tag opening a line and followed by a blank is moved behind the
// line's indentation, so that the line starts a new paragraph.

namespace pavodin {

// Where the feed finds what it needs. Nothing is owned.
struct DocumentFeedEnv {
  WordOperations* word = nullptr;
  DocumentFeedback* feedback = nullptr;
  SuiteSettings* settings = nullptr;
  FileSystem* files = nullptr;
  std::string data_dir;  // stands for c:\tarmil when mapping the configured path
};

// The default initial-formatting file, before mapping to the Linux layout.
inline constexpr std::string_view kDefaultInitialFormattingPath = "c:\\tarmil\\fenditra.ini";

// Starts the word processor, feeds the initial formatting and then
// lines[first] to lines[last] (nothing when last < first; indexes outside
// the list are left out). False, with nothing else sent, when startWord
// failed. Neither saves nor closes.
bool buildDocument(const DocumentFeedEnv& env, const TextLines& lines, int64_t first,
                   int64_t last);

// Reads the initial-formatting file (configuration PAVODIN/ARQFENDITRA, else
// the default) and types its lines, trimmed and joined without separator, as
// one tagged text. A missing or unreadable file types nothing and says nothing.
void applyInitialFormatting(const DocumentFeedEnv& env, TagInterpreter* tags);

// The path of the initial-formatting file on this system.
std::string InitialFormattingPath(const DocumentFeedEnv& env);

// Types a blank when `line` continues the paragraph before it, otherwise a
// carriage return.
void typeLineSeparator(std::string_view line, WordOperations* word);

// Types the tabs that stand for the line's leading blanks (four to a tab)
// and returns what remains to be typed: trimmed, with leftover blanks put
// back when at least one tab was typed. Empty for a blank line.
std::string leadingBlanksToTabs(std::string_view line, WordOperations* word);

// When the line opens with a known tag (only blanks before it) followed by a
// blank, returns the line with the tag moved behind the blanks that follow
// it; otherwise the line unchanged.
std::string moveLeadingTag(std::string_view line);

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_DOCUMENT_FEED_H_
