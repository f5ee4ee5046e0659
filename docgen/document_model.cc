#include "docgen/document_model.h"

#include "docgen/word_operations.h"
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
    const bool need_run = runs_.size() == paragraphs_.back().first_run ||
                          runs_.back().format != current_id_;
    const size_t before = text_.size();
    if (need_run) runs_.push_back(Run{before, current_id_});
    AppendXmlSafeText(utf8.substr(i, j - i), /*keep_breaks=*/true, &text_);
    if (need_run && text_.size() == before) runs_.pop_back();
    i = j;
  }
}

void DocumentModel::EndParagraph() {
  Paragraph& last = paragraphs_.back();
  last.mark_format = current_id_;
  Paragraph next;
  next.first_run = runs_.size();
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

std::string_view DocumentModel::RunText(size_t run) const {
  const size_t begin = runs_[run].begin;
  const size_t end = run + 1 < runs_.size() ? runs_[run + 1].begin : text_.size();
  return std::string_view(text_).substr(begin, end - begin);
}

size_t DocumentModel::RunsEnd(size_t paragraph) const {
  return paragraph + 1 < paragraphs_.size() ? paragraphs_[paragraph + 1].first_run : runs_.size();
}

}  // namespace pavodin
