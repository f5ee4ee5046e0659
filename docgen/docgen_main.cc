// pavodin_docgen: builds the .docx of a tagged text the way the Generate
// command does, without the console or speech, for trying documents out.
//
//   pavodin_docgen [-f INITIAL_FORMATTING] [-o NAME] [-m] INPUT
//
// The document is saved as NAME.docx (default: the input's document name).
// Without -f the suite's initial-formatting file is used when it exists.
// -m prints the process's peak resident memory at the end ("peak_kb N"),
// measured for this program alone (the kernel's VmHWM of its own memory).

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "docgen/docgen_fakes.h"
#include "docgen/document_feed.h"
#include "docgen/docx_word.h"
#include "docgen/generate_command.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace {

long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pavodin;
  std::string input, out_name, formatting;
  bool report_peak = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-m") == 0) {
      report_peak = true;
    } else if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) {
      out_name = argv[++i];
    } else if (std::strcmp(argv[i], "-f") == 0 && i + 1 < argc) {
      formatting = argv[++i];
    } else {
      input = argv[i];
    }
  }
  if (input.empty()) {
    std::fprintf(stderr, "usage: %s [-f INITIAL_FORMATTING] [-o NAME] [-m] INPUT\n", argv[0]);
    return 2;
  }
  DiskFileSystem files;
  TextLines lines;
  if (!loadInputFile(&files, input, &lines)) {
    std::fprintf(stderr, "cannot read %s\n", input.c_str());
    return 1;
  }
  DocxWord word(&files, DocumentTitle(input), "Pavodin");
  SilentFeedback feedback;
  MapSettings settings;
  if (!formatting.empty()) settings.values["PAVODIN/ARQFENDITRA"] = formatting;
  DocumentFeedEnv env;
  env.word = &word;
  env.feedback = &feedback;
  env.settings = &settings;
  env.files = &files;
  env.data_dir = DiscoverSuitePaths(argv[0]).data_dir;
  if (!buildDocument(env, lines, 0, static_cast<int64_t>(lines.size()) - 1)) return 1;
  lines = TextLines();
  if (out_name.empty()) out_name = DocumentName(input);
  std::string err;
  if (!word.saveDocument(out_name, &err)) {
    std::fprintf(stderr, "cannot save %s.docx: %s\n", out_name.c_str(), err.c_str());
    return 1;
  }
  word.closeDocument();
  word.quitWord();
  std::printf("%s.docx\n", out_name.c_str());
  if (report_peak) std::printf("peak_kb %ld\n", PeakResidentKb());
  return 0;
}
