#include "docgen/docx_word.h"

#include <cstdio>
#include <ctime>
#include <utility>

#include "docgen/docx_package.h"

namespace pavodin {

std::string SystemUtcNowW3cdtf() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&now, &tm);
  char buf[80];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02dZ", tm.tm_year + 1900,
                tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
  return buf;
}

DocxWord::DocxWord(FileSystem* files, std::string title, std::string creator,
                   std::function<std::string()> utc_now)
    : files_(files), utc_now_(std::move(utc_now)) {
  properties_.title = std::move(title);
  properties_.creator = std::move(creator);
  if (!utc_now_) utc_now_ = SystemUtcNowW3cdtf;
}

bool DocxWord::startWord() {
  document_ = std::make_unique<DocumentModel>();
  properties_.created_utc = utc_now_();
  return true;
}

void DocxWord::typeText(std::string_view text) {
  if (document_) document_->TypeText(text);
}

void DocxWord::setFontName(std::string_view name) {
  if (document_) document_->SetFontName(name);
}

void DocxWord::setFontSize(int32_t points) {
  if (document_) document_->SetFontSize(points);
}

void DocxWord::setFontColourIndex(int32_t index) {
  if (document_) document_->SetColourIndex(index);
}

void DocxWord::setBold(int32_t on) {
  if (document_) document_->SetBold(on != 0);
}

void DocxWord::setItalic(int32_t on) {
  if (document_) document_->SetItalic(on != 0);
}

void DocxWord::setUnderline(int32_t on) {
  if (document_) document_->SetUnderline(on != 0);
}

void DocxWord::setParagraphAlignment(int32_t alignment) {
  if (document_) document_->SetAlignment(alignment);
}

void DocxWord::setLeftIndent(int32_t points) {
  if (document_) document_->SetLeftIndent(points);
}

void DocxWord::turnOffAutoSpacing() {
  if (document_) document_->TurnOffAutoSpacing();
}

bool DocxWord::saveDocument(const std::string& name, std::string* err) {
  if (!document_) {
    if (err) *err = "no document to save";
    return false;
  }
  properties_.modified_utc = utc_now_();
  std::string bytes;
  if (!BuildDocxPackage(*document_, properties_, &bytes, err)) return false;
  return files_->WriteFileAtomic(name + ".docx", bytes, err);
}

bool DocxWord::printDocument(std::string* err) {
  if (err) *err = "printing is not available";
  return false;
}

void DocxWord::closeDocument() { document_.reset(); }

void DocxWord::quitWord() { document_.reset(); }

}  // namespace pavodin
