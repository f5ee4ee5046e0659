#include "docgen/docx_package.h"

#include <zip.h>

#include <cstring>
#include <memory>
#include <vector>

namespace pavodin {
namespace {

// A libzip source that streams word/document.xml out of a DocumentXmlWriter.
// Its size is worked out beforehand so that the package needs no Zip64
// records, which older readers of .docx files do not expect.
class DocumentSource {
 public:
  explicit DocumentSource(const DocumentModel& doc)
      : writer_(doc), size_(DocumentXmlWriter::MeasureXml(doc)) {
    zip_error_init(&error_);
  }
  ~DocumentSource() { zip_error_fini(&error_); }

  static zip_int64_t Callback(void* state, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
    return static_cast<DocumentSource*>(state)->Handle(data, len, cmd);
  }

 private:
  zip_int64_t Handle(void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
    switch (cmd) {
      case ZIP_SOURCE_OPEN:
        writer_.Rewind();
        pending_.clear();
        offset_ = 0;
        delivered_ = 0;
        return 0;
      case ZIP_SOURCE_READ: {
        zip_uint64_t done = 0;
        char* dest = static_cast<char*>(data);
        while (done < len) {
          if (offset_ == pending_.size()) {
            pending_.clear();
            offset_ = 0;
            if (!writer_.NextPiece(&pending_)) break;
          }
          const size_t n = std::min<size_t>(len - done, pending_.size() - offset_);
          std::memcpy(dest + done, pending_.data() + offset_, n);
          offset_ += n;
          done += n;
        }
        delivered_ += done;
        // The size given beforehand is in the package's headers: a part that
        // came out otherwise must fail the save, not make a corrupt file.
        if (delivered_ > size_ || (done == 0 && delivered_ != size_)) {
          zip_error_set(&error_, ZIP_ER_INCONS, 0);
          return -1;
        }
        return static_cast<zip_int64_t>(done);
      }
      case ZIP_SOURCE_CLOSE:
        return 0;
      case ZIP_SOURCE_STAT: {
        zip_stat_t* st = static_cast<zip_stat_t*>(data);
        zip_stat_init(st);
        st->size = size_;
        st->valid |= ZIP_STAT_SIZE;
        return sizeof(*st);
      }
      case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&error_, data, len);
      case ZIP_SOURCE_FREE:
        return 0;
      case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                                              -1);
      default:
        zip_error_set(&error_, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
  }

  DocumentXmlWriter writer_;
  std::string pending_;
  size_t offset_ = 0;
  zip_uint64_t size_ = 0;
  zip_uint64_t delivered_ = 0;
  zip_error_t error_;
};

std::string ZipErrorText(const char* what, zip_error_t* error) {
  return std::string(what) + ": " + zip_error_strerror(error);
}

}  // namespace

bool BuildDocxPackage(const DocumentModel& doc, const DocxProperties& properties,
                      std::string* bytes, std::string* err) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* output = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (output == nullptr) {
    if (err) *err = ZipErrorText("cannot start the document package", &error);
    zip_error_fini(&error);
    return false;
  }
  zip_t* archive = zip_open_from_source(output, ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) {
    if (err) *err = ZipErrorText("cannot start the document package", &error);
    zip_source_free(output);
    zip_error_fini(&error);
    return false;
  }
  zip_error_fini(&error);
  zip_source_keep(output);  // the archive's close must not free what we read back

  // libzip reads the small parts at close time, so they are kept alive here.
  const std::vector<std::pair<const char*, std::string>> parts = {
      {"[Content_Types].xml", ContentTypesXml()},
      {"_rels/.rels", PackageRelsXml()},
      {"docProps/core.xml", CorePropertiesXml(properties)},
      {"docProps/app.xml", AppPropertiesXml()},
      {"word/_rels/document.xml.rels", DocumentRelsXml()},
      {"word/styles.xml", StylesXml()},
      {"word/settings.xml", SettingsXml()},
  };
  DocumentSource document(doc);

  bool ok = true;
  std::string failure;
  auto add = [&](const char* name, zip_source_t* source) {
    if (!ok) {
      zip_source_free(source);
      return;
    }
    if (source == nullptr) {
      ok = false;
      failure = std::string("cannot add ") + name;
      return;
    }
    const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      ok = false;
      failure = std::string("cannot add ") + name + ": " + zip_strerror(archive);
      return;
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1);
  };
  for (size_t i = 0; i < 2; ++i)
    add(parts[i].first, zip_source_buffer(archive, parts[i].second.data(), parts[i].second.size(), 0));
  add("word/document.xml", zip_source_function(archive, &DocumentSource::Callback, &document));
  for (size_t i = 2; i < parts.size(); ++i)
    add(parts[i].first, zip_source_buffer(archive, parts[i].second.data(), parts[i].second.size(), 0));

  if (!ok || zip_close(archive) < 0) {
    if (ok) failure = std::string("cannot write the document package: ") + zip_strerror(archive);
    zip_discard(archive);
    zip_source_free(output);
    if (err) *err = failure;
    return false;
  }

  zip_stat_t st;
  if (zip_source_stat(output, &st) < 0 || (st.valid & ZIP_STAT_SIZE) == 0 ||
      zip_source_open(output) < 0) {
    if (err) *err = "cannot read the document package back";
    zip_source_free(output);
    return false;
  }
  bytes->resize(st.size);
  zip_uint64_t got = 0;
  while (got < st.size) {
    const zip_int64_t n = zip_source_read(output, bytes->data() + got, st.size - got);
    if (n <= 0) break;
    got += static_cast<zip_uint64_t>(n);
  }
  zip_source_close(output);
  zip_source_free(output);
  if (got != st.size) {
    if (err) *err = "cannot read the document package back";
    bytes->clear();
    return false;
  }
  return true;
}

}  // namespace pavodin
