#ifndef PAVODIN_DOCGEN_DOCX_CHECK_H_
#define PAVODIN_DOCGEN_DOCX_CHECK_H_

#include <string>
#include <string_view>
#include <vector>

// Reading a .docx package back, to check what the writer produced (tests,
// fuzzers, the benchmark).

namespace pavodin {

// The names of the entries of a zip package, in order; false when the bytes
// are not a readable zip package.
bool ZipEntryNames(std::string_view zip_bytes, std::vector<std::string>* names, std::string* err);

// The uncompressed contents of one entry.
bool ReadZipEntry(std::string_view zip_bytes, const std::string& name, std::string* contents,
                  std::string* err);

// True when `xml` is a well-formed XML document.
bool CheckWellFormedXml(std::string_view xml, std::string* err);

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_DOCX_CHECK_H_
