#ifndef PAVODIN_DOCGEN_WORD_OPERATIONS_H_
#define PAVODIN_DOCGEN_WORD_OPERATIONS_H_

#include <cstdint>
#include <string>
#include <string_view>

// Everything the program asks of a word processor. The operations act the
// way Word's selection does: typed text takes the character formatting in
// force at the insertion point, character formatting carries forward across
// lines and paragraphs, paragraph formatting applies to the paragraph that
// holds the insertion point and is inherited by the paragraphs a carriage
// return starts.
//
// Text handed over is UTF-8. A carriage return (13) ends a paragraph, a tab
// (9) is a tab.
//
// Calling order: startWord once; then any sequence of typeText and the
// formatting operations; then saveDocument or printDocument; then
// closeDocument and quitWord. Only startWord, saveDocument and printDocument
// report failure. A value the word processor refuses (a font size of 0, for
// example) leaves the formatting as it was.

namespace pavodin {

// Paragraph alignments, numbered as Word's Alignment property numbers them.
enum WordAlignment : int32_t {
  kAlignLeft = 0,
  kAlignCentre = 1,
  kAlignRight = 2,
  kAlignJustified = 3,
};

class WordOperations {
 public:
  virtual ~WordOperations() = default;

  // Starts the word processor with one new, empty document. False when it
  // cannot be started; nothing else may be sent then.
  virtual bool startWord() = 0;

  virtual void typeText(std::string_view text) = 0;

  virtual void setFontName(std::string_view name) = 0;
  virtual void setFontSize(int32_t points) = 0;
  // Word's colour-index numbering: 0 automatic, 1 to 16 its indexed colours.
  virtual void setFontColourIndex(int32_t index) = 0;
  // 1 switches on, 0 switches off.
  virtual void setBold(int32_t on) = 0;
  virtual void setItalic(int32_t on) = 0;
  virtual void setUnderline(int32_t on) = 0;  // single underline

  virtual void setParagraphAlignment(int32_t alignment) = 0;  // a WordAlignment
  virtual void setLeftIndent(int32_t points) = 0;
  // Switches off automatic space before and after the paragraph.
  virtual void turnOffAutoSpacing() = 0;

  // Saves the document as `name` plus ".docx". False (and `err` set) when
  // nothing was saved; a document already under that name is then untouched.
  virtual bool saveDocument(const std::string& name, std::string* err) = 0;
  // Prints the document and returns when printing is handed over. False (and
  // `err` set) when it could not be printed.
  virtual bool printDocument(std::string* err) = 0;
  // Closes the document without saving anything more.
  virtual void closeDocument() = 0;
  virtual void quitWord() = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_WORD_OPERATIONS_H_
