#include "docgen/docx_check.h"

#include <expat.h>
#include <zip.h>

namespace pavodin {
namespace {

zip_t* OpenZip(std::string_view bytes, std::string* err) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* src = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_t* archive = src ? zip_open_from_source(src, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
  if (archive == nullptr) {
    if (err) *err = zip_error_strerror(&error);
    if (src) zip_source_free(src);
  }
  zip_error_fini(&error);
  return archive;
}

}  // namespace

bool ZipEntryNames(std::string_view zip_bytes, std::vector<std::string>* names, std::string* err) {
  zip_t* archive = OpenZip(zip_bytes, err);
  if (!archive) return false;
  names->clear();
  const zip_int64_t n = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < n; ++i) {
    const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
    names->push_back(name ? name : "");
  }
  zip_close(archive);
  return true;
}

bool ReadZipEntry(std::string_view zip_bytes, const std::string& name, std::string* contents,
                  std::string* err) {
  zip_t* archive = OpenZip(zip_bytes, err);
  if (!archive) return false;
  zip_stat_t st;
  zip_file_t* file = nullptr;
  if (zip_stat(archive, name.c_str(), 0, &st) != 0 || (file = zip_fopen(archive, name.c_str(), 0)) == nullptr) {
    if (err) *err = "no entry " + name;
    zip_close(archive);
    return false;
  }
  contents->resize(st.size);
  zip_uint64_t got = 0;
  while (got < st.size) {
    const zip_int64_t r = zip_fread(file, contents->data() + got, st.size - got);
    if (r <= 0) break;
    got += static_cast<zip_uint64_t>(r);
  }
  zip_fclose(file);
  zip_close(archive);
  if (got != st.size) {
    if (err) *err = "short entry " + name;
    return false;
  }
  return true;
}

bool CheckWellFormedXml(std::string_view xml, std::string* err) {
  XML_Parser parser = XML_ParserCreate(nullptr);
  bool ok = true;
  // Fed in slices, as expat's length argument is an int.
  constexpr size_t kSlice = 1 << 20;
  size_t at = 0;
  do {
    const size_t n = std::min(kSlice, xml.size() - at);
    const bool last = at + n == xml.size();
    if (XML_Parse(parser, xml.data() + at, static_cast<int>(n), last) == XML_STATUS_ERROR) {
      ok = false;
      if (err)
        *err = std::string(XML_ErrorString(XML_GetErrorCode(parser))) + " at line " +
               std::to_string(XML_GetCurrentLineNumber(parser)) + " column " +
               std::to_string(XML_GetCurrentColumnNumber(parser));
      break;
    }
    at += n;
  } while (at < xml.size());
  XML_ParserFree(parser);
  return ok;
}

}  // namespace pavodin
