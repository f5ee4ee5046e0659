#ifndef PAVODIN_DOCGEN_DOCX_WORD_H_
#define PAVODIN_DOCGEN_DOCX_WORD_H_

#include <functional>
#include <memory>
#include <string>

#include "docgen/document_model.h"
#include "docgen/docx_parts.h"
#include "docgen/word_operations.h"
#include "platform/file_system.h"

namespace pavodin {

// The word processor of this program: the Word operations over an in-memory
// document, saved as a .docx file. Operations sent before startWord or after
// closeDocument change nothing.
class DocxWord : public WordOperations {
 public:
  // `files` must outlive this. `title` and `creator` go into the document
  // properties (UTF-8). `utc_now` gives the time of saving in W3CDTF form;
  // empty means the system clock.
  DocxWord(FileSystem* files, std::string title, std::string creator,
           std::function<std::string()> utc_now = {});

  bool startWord() override;
  void typeText(std::string_view text) override;
  void setFontName(std::string_view name) override;
  void setFontSize(int32_t points) override;
  void setFontColourIndex(int32_t index) override;
  void setBold(int32_t on) override;
  void setItalic(int32_t on) override;
  void setUnderline(int32_t on) override;
  void setParagraphAlignment(int32_t alignment) override;
  void setLeftIndent(int32_t points) override;
  void turnOffAutoSpacing() override;
  // Writes `name` + ".docx" through a temporary file in the same folder.
  bool saveDocument(const std::string& name, std::string* err) override;
  // Printing is not available from this writer: always false.
  bool printDocument(std::string* err) override;
  void closeDocument() override;
  void quitWord() override;

  // The open document; null before startWord and after closeDocument.
  const DocumentModel* document() const { return document_.get(); }

 private:
  FileSystem* files_;
  DocxProperties properties_;
  std::function<std::string()> utc_now_;
  std::unique_ptr<DocumentModel> document_;
};

// The current time as W3CDTF in UTC ("2026-12-11T03:00:00Z").
std::string SystemUtcNowW3cdtf();

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_DOCX_WORD_H_
