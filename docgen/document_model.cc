#include "docgen/document_model.h"

#include "docgen/word_operations.h"
#include <algorithm>
#include <cstdint>

#include "docgen/text_lines.h"
#include "docgen/xml_text.h"

namespace pavodin {

DocumentModel::DocumentModel() {
  formats_.push_back(CharFormat{});
  format_ids_[CharFormat{}] = 0;
  paragraphs_.push_back(Paragraph{});
}

void DocumentModel::TypeText(std::string_view utf8) {
  bool after_cr = false;
  size_t i = 0;
  while (i < utf8.size()) {
    const char c = utf8[i];
    if (c == '\r' || c == '\n') {
      if (!(c == '\n' && after_cr)) EndParagraph();
      after_cr = c == '\r';
      ++i;
      continue;
    }
    after_cr = false;
    size_t j = i;
    while (j < utf8.size() && utf8[j] != '\r' && utf8[j] != '\n') ++j;
    scratch_.clear();
    AppendXmlSafeText(utf8.substr(i, j - i), /*keep_breaks=*/true, &scratch_);
    Place(scratch_);
    i = j;
  }
}

void DocumentModel::Place(const std::string& piece) {
  if (piece.empty()) return;
  constexpr size_t kBlockBytes = 1 << 20;
  bool new_block = false;
  if (blocks_.empty() || blocks_.back().size() + piece.size() > blocks_.back().capacity()) {
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(kBlockBytes, piece.size()));
    new_block = true;
  }
  blocks_.back() += piece;
  size_t added = piece.size();
  while (added > 0) {
    const bool extend = !new_block && runs_.size() > paragraphs_.back().first_run &&
                        runs_.back().format == current_id_ && runs_.back().length < UINT32_MAX;
    new_block = false;
    if (!extend) runs_.push_back(Run{0, current_id_});
    const size_t n = std::min<size_t>(added, UINT32_MAX - runs_.back().length);
    runs_.back().length += static_cast<uint32_t>(n);
    added -= n;
  }
}

void DocumentModel::EndParagraph() {
  Paragraph& last = paragraphs_.back();
  last.mark_format = current_id_;
  Paragraph next;
  next.first_run = runs_.size();
  next.text_block = blocks_.empty() ? 0 : blocks_.size() - 1;
  next.text_begin = blocks_.empty() ? 0 : blocks_.back().size();
  next.format = last.format;
  next.mark_format = current_id_;
  paragraphs_.push_back(next);
}

void DocumentModel::SetCurrent(const CharFormat& format) {
  current_ = format;
  auto it = format_ids_.find(format);
  if (it == format_ids_.end()) {
    const uint32_t id = static_cast<uint32_t>(formats_.size());
    formats_.push_back(format);
    it = format_ids_.emplace(format, id).first;
  }
  current_id_ = it->second;
  paragraphs_.back().mark_format = current_id_;
}

void DocumentModel::SetFontName(std::string_view utf8) {
  while (!utf8.empty() && IsBlankByte(utf8.front())) utf8.remove_prefix(1);
  while (!utf8.empty() && IsBlankByte(utf8.back())) utf8.remove_suffix(1);
  std::string name;
  AppendXmlSafeText(utf8, /*keep_breaks=*/false, &name);
  std::erase_if(name, [](char c) { return c == '\t'; });
  if (name.empty()) return;
  auto it = font_ids_.find(name);
  if (it == font_ids_.end()) {
    const int32_t id = static_cast<int32_t>(fonts_.size());
    fonts_.push_back(name);
    it = font_ids_.emplace(name, id).first;
  }
  CharFormat f = current_;
  f.font = it->second;
  SetCurrent(f);
}

void DocumentModel::SetFontSize(int32_t points) {
  if (points < kMinFontSize || points > kMaxFontSize) return;
  CharFormat f = current_;
  f.size_half_points = points * 2;
  SetCurrent(f);
}

void DocumentModel::SetColourIndex(int32_t index) {
  if (index < 0 || index > 16) return;
  CharFormat f = current_;
  f.colour_index = static_cast<int8_t>(index);
  SetCurrent(f);
}

void DocumentModel::SetBold(bool on) {
  CharFormat f = current_;
  f.bold = on ? 1 : 0;
  SetCurrent(f);
}

void DocumentModel::SetItalic(bool on) {
  CharFormat f = current_;
  f.italic = on ? 1 : 0;
  SetCurrent(f);
}

void DocumentModel::SetUnderline(bool on) {
  CharFormat f = current_;
  f.underline = on ? 1 : 0;
  SetCurrent(f);
}

void DocumentModel::SetAlignment(int32_t alignment) {
  if (alignment < kAlignLeft || alignment > kAlignJustified) return;
  paragraphs_.back().format.alignment = static_cast<int8_t>(alignment);
}

void DocumentModel::SetLeftIndent(int32_t points) {
  if (points < -kMaxIndentPoints || points > kMaxIndentPoints) return;
  paragraphs_.back().format.has_left_indent = true;
  paragraphs_.back().format.left_indent_twips = points * 20;
}

void DocumentModel::TurnOffAutoSpacing() { paragraphs_.back().format.auto_spacing_off = true; }

size_t DocumentModel::RunsEnd(size_t paragraph) const {
  return paragraph + 1 < paragraphs_.size() ? paragraphs_[paragraph + 1].first_run : runs_.size();
}

}  // namespace pavodin
