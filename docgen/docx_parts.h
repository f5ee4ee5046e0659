#ifndef PAVODIN_DOCGEN_DOCX_PARTS_H_
#define PAVODIN_DOCGEN_DOCX_PARTS_H_

#include <cstddef>
#include <string>
#include <vector>

#include "docgen/document_model.h"

// The XML parts of a .docx package (Office Open XML, transitional).
//
// Document defaults, written into styles.xml: Calibri 11 pt, 8 pt after each
// paragraph and 1.08 line spacing (Word's own defaults), language Brazilian
// Portuguese (pt-BR) so that screen readers choose a Portuguese voice; tab
// stops every 36 pt; A4 pages with Word's Brazilian margins (2.5 cm top and
// bottom, 3 cm left and right).

namespace pavodin {

// Document properties (docProps/core.xml). Texts are UTF-8; anything XML
// cannot hold is cleaned out.
struct DocxProperties {
  std::string title;
  std::string creator;
  std::string created_utc;   // W3CDTF, "2026-12-11T03:00:00Z"
  std::string modified_utc;
};

std::string ContentTypesXml();
std::string PackageRelsXml();
std::string DocumentRelsXml();
std::string StylesXml();
std::string SettingsXml();
std::string CorePropertiesXml(const DocxProperties& properties);
std::string AppPropertiesXml();

// word/document.xml, written piece by piece so that a large document never
// has to exist whole as XML in memory.
class DocumentXmlWriter {
 public:
  // `doc` must outlive the writer and stay unchanged while it is used.
  explicit DocumentXmlWriter(const DocumentModel& doc);

  // Appends the next piece to `out` (at least `min_bytes` unless the end is
  // reached). False, with nothing appended, once everything has been written.
  bool NextPiece(std::string* out, size_t min_bytes = 65536);

  // Starts again from the beginning.
  void Rewind();

  // The whole part in one string (small documents, tests).
  static std::string WholeXml(const DocumentModel& doc);

  // The size in bytes of the whole part, worked out without building it.
  static size_t MeasureXml(const DocumentModel& doc);

 private:

  const DocumentModel& doc_;
  std::vector<std::string> run_properties_;  // per character format
  size_t next_paragraph_ = 0;
  bool header_done_ = false;
  bool footer_done_ = false;
};

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_DOCX_PARTS_H_
