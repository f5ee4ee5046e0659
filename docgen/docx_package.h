#ifndef PAVODIN_DOCGEN_DOCX_PACKAGE_H_
#define PAVODIN_DOCGEN_DOCX_PACKAGE_H_

#include <string>

#include "docgen/document_model.h"
#include "docgen/docx_parts.h"

namespace pavodin {

// The bytes of a .docx file (a zip package) holding `doc`. The document part
// is produced piece by piece while it is compressed. False (and `err` set)
// when the package could not be built.
bool BuildDocxPackage(const DocumentModel& doc, const DocxProperties& properties,
                      std::string* bytes, std::string* err);

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_DOCX_PACKAGE_H_
