#ifndef PAVODIN_DOCGEN_DOCUMENT_MODEL_H_
#define PAVODIN_DOCGEN_DOCUMENT_MODEL_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// An in-memory word-processor document that is written to from an insertion
// point at its end, the way Word's selection is while text is typed: the
// character formatting in force applies to what is typed next; paragraph
// formatting applies to the last paragraph and is inherited by the
// paragraphs that a carriage return starts.
//
// Only direct formatting is kept; whatever is unset inherits the document
// defaults when the document is written out. Values a word processor would
// refuse are ignored (see the setters).
//
// The text is kept compact (blocks of text, small run and paragraph records,
// nothing that is reallocated whole as it grows) so that a document of many
// megabytes costs little more memory than its text.

namespace pavodin {

// Direct character formatting; a negative (or zero for the size) member is unset.
struct CharFormat {
  int32_t font = -1;             // index into DocumentModel::fonts()
  int32_t size_half_points = 0;  // 0: unset
  int8_t colour_index = -1;      // 0 automatic, 1 to 16 Word's indexed colours
  int8_t bold = -1;
  int8_t italic = -1;
  int8_t underline = -1;

  auto operator<=>(const CharFormat&) const = default;
};

// Direct paragraph formatting.
struct ParaFormat {
  int8_t alignment = -1;  // a WordAlignment; -1: unset
  bool auto_spacing_off = false;
  bool has_left_indent = false;
  int32_t left_indent_twips = 0;

  bool operator==(const ParaFormat&) const = default;
};

// A run of text with one character format. Runs follow one another in the
// document's text blocks and never straddle two blocks; a paragraph's first
// run starts at its text_block and text_begin, or at the start of the next
// block when it does not fit there.
struct Run {
  uint32_t length = 0;  // bytes; a longer stretch is split into several runs
  uint32_t format = 0;  // index into DocumentModel::formats()
};

// A paragraph: its runs are runs()[first_run] up to the next paragraph's first run.
struct Paragraph {
  size_t first_run = 0;
  size_t text_block = 0;
  size_t text_begin = 0;
  ParaFormat format;
  uint32_t mark_format = 0;  // character format of the paragraph mark
};

// Word refuses font sizes outside 1 to 1638 points and indents beyond 1584
// points (22 inches) either way.
inline constexpr int32_t kMinFontSize = 1;
inline constexpr int32_t kMaxFontSize = 1638;
inline constexpr int32_t kMaxIndentPoints = 1584;

class DocumentModel {
 public:
  DocumentModel();

  // Types UTF-8 text at the end. A carriage return ends the paragraph (a
  // line feed too, and CR LF counts once), a vertical tab is a line break,
  // a form feed a page break, a tab a tab. Other control characters, which
  // no document can hold, are dropped; malformed UTF-8 becomes U+FFFD.
  void TypeText(std::string_view utf8);

  // Character formatting for the text typed next. Refused values (an empty
  // font name, a size outside kMinFontSize..kMaxFontSize, a colour index
  // outside 0..16) change nothing. Blanks around a font name are dropped.
  void SetFontName(std::string_view utf8);
  void SetFontSize(int32_t points);
  void SetColourIndex(int32_t index);
  void SetBold(bool on);
  void SetItalic(bool on);
  void SetUnderline(bool on);

  // Formatting of the last paragraph. Refused values change nothing.
  void SetAlignment(int32_t alignment);
  void SetLeftIndent(int32_t points);
  void TurnOffAutoSpacing();

  const std::deque<Run>& runs() const { return runs_; }
  const std::deque<Paragraph>& paragraphs() const { return paragraphs_; }
  const std::vector<CharFormat>& formats() const { return formats_; }
  const std::vector<std::string>& fonts() const { return fonts_; }
  // The character format in force at the insertion point (also the format of
  // the last paragraph's mark).
  uint32_t current_format() const { return current_id_; }

  // The runs of a paragraph end before this index.
  size_t RunsEnd(size_t paragraph) const;

  // Calls fn(run, text) for each run of a paragraph, in order.
  template <typename Fn>
  void ForEachRun(size_t paragraph, Fn&& fn) const {
    size_t block = paragraphs_[paragraph].text_block;
    size_t at = paragraphs_[paragraph].text_begin;
    const size_t end = RunsEnd(paragraph);
    for (size_t r = paragraphs_[paragraph].first_run; r < end; ++r) {
      if (at + runs_[r].length > blocks_[block].size()) {
        ++block;
        at = 0;
      }
      fn(runs_[r], std::string_view(blocks_[block]).substr(at, runs_[r].length));
      at += runs_[r].length;
    }
  }

 private:
  void EndParagraph();
  void Place(const std::string& piece);
  void SetCurrent(const CharFormat& format);
  void AppendChar(char c);

  std::vector<std::string> blocks_;
  std::string scratch_;
  std::deque<Run> runs_;
  std::deque<Paragraph> paragraphs_;
  std::vector<CharFormat> formats_;
  std::map<CharFormat, uint32_t> format_ids_;
  std::vector<std::string> fonts_;
  std::map<std::string, int32_t, std::less<>> font_ids_;
  CharFormat current_;
  uint32_t current_id_ = 0;
  bool last_was_cr_ = false;
};

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_DOCUMENT_MODEL_H_
