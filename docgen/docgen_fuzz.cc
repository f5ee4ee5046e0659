// Arbitrary bytes through loading, the document feed and the tag language
// into the .docx writer; the saved package must open and every part must be
// well-formed XML.
//
// Input: initial-formatting text, a line "%%", then the tagged text; without
// "%%" everything is the tagged text. The raw bytes are also typed straight
// through the tag language, without decoding, to reach the writer with
// malformed UTF-8.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "docgen/docgen_fakes.h"
#include "docgen/document_feed.h"
#include "docgen/docx_check.h"
#include "docgen/docx_parts.h"
#include "docgen/docx_word.h"
#include "docgen/generate_command.h"
#include "docgen/tag_language.h"
#include "platform/file_system.h"

namespace {

std::string FixedTime() { return "2026-01-01T00:00:00Z"; }

void CheckPackage(const std::string& bytes) {
  std::vector<std::string> names;
  std::string err;
  if (!pavodin::ZipEntryNames(bytes, &names, &err) || names.size() != 8) __builtin_trap();
  for (const std::string& name : names) {
    std::string xml;
    if (!pavodin::ReadZipEntry(bytes, name, &xml, &err)) __builtin_trap();
    if (!pavodin::CheckWellFormedXml(xml, &err)) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pavodin;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  std::string_view formatting, text = all;
  const size_t split = all.find("\n%%\n");
  if (split != std::string_view::npos) {
    formatting = all.substr(0, split);
    text = all.substr(split + 4);
  }

  MemoryFileSystem files;
  files.files["/data/fenditra.ini"] = std::string(formatting);
  files.files["in.txt"] = std::string(text);
  // The title comes from the file name, which may hold any bytes.
  DocxWord word(&files, std::string(all.substr(0, 16)), "fuzz", FixedTime);
  SilentFeedback feedback;
  MapSettings settings;
  DocumentFeedEnv env{&word, &feedback, &settings, &files, "/data"};

  TextLines lines;
  if (!loadInputFile(&files, "in.txt", &lines)) __builtin_trap();
  if (!buildDocument(env, lines, 0, static_cast<int64_t>(lines.size()) - 1)) __builtin_trap();
  std::string err;
  if (DocumentXmlWriter::MeasureXml(*word.document()) !=
      DocumentXmlWriter::WholeXml(*word.document()).size())
    __builtin_trap();
  if (!word.saveDocument("out", &err)) __builtin_trap();
  CheckPackage(files.files["out.docx"]);

  DocxWord raw(&files, "raw", "fuzz", FixedTime);
  raw.startWord();
  TagInterpreter tags(&raw, &feedback);
  tags.typeTaggedText(all);
  if (!raw.saveDocument("raw", &err)) __builtin_trap();
  CheckPackage(files.files["raw.docx"]);
  return 0;
}
