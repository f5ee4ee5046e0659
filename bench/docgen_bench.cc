// Document generation at scale: a generated tagged text of 10 MB
// (paragraphs, indents, tags every few words) through load, feed and save to
// a .docx, with no clicks; its peak memory in a separate process; and the
// same content as Markdown through pandoc, for comparison.
//
//   docgen_bench [--benchmark_filter=...]
// Set DOCGEN_BENCH_MB to change the size of the text, DOCGEN_BENCH_DIR to
// keep the texts and documents in that folder.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "docgen/docgen_fakes.h"
#include "docgen/document_feed.h"
#include "docgen/docx_word.h"
#include "docgen/generate_command.h"
#include "platform/file_system.h"

extern char** environ;

namespace pavodin {
namespace {

// The same text as tagged text and as Markdown.
struct Texts {
  std::string tagged;
  std::string markdown;
};

Texts MakeTexts(size_t bytes) {
  static const char* const kWords[] = {
      "carta", "ação", "pão", "você", "documento", "parágrafo", "linha", "texto", "formatação",
      "negrito", "São", "Paulo", "dezembro", "atenciosamente", "prezada", "senhora", "é", "de",
      "para", "com", "uma", "o", "a", "que", "não", "mais", "então", "também", "lição", "através"};
  constexpr size_t kWordCount = sizeof kWords / sizeof kWords[0];
  Texts t;
  t.tagged.reserve(bytes + 4096);
  t.markdown.reserve(bytes + 4096);
  uint32_t seed = 12345;
  auto next = [&seed](uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  while (t.tagged.size() < bytes) {
    // Paragraph opening: centred title, indented by blanks, left indent, or plain.
    switch (next(6)) {
      case 0: t.tagged += "<C> "; break;
      case 1: t.tagged += "    "; break;
      case 2: t.tagged += "<RP=36> "; break;
      case 3: t.tagged += "<AF> "; break;
      default: break;
    }
    const uint32_t lines = 3 + next(8);
    for (uint32_t l = 0; l < lines; ++l) {
      size_t line_len = 0;
      while (line_len < 70) {
        const std::string w = kWords[next(kWordCount)];
        std::string tagged_word = w, md_word = w;
        if (next(4) == 0) {  // a tag every few words
          switch (next(5)) {
            case 0: tagged_word = "<IN>" + w + "<FN>"; md_word = "**" + w + "**"; break;
            case 1: tagged_word = "<II>" + w + "<FI>"; md_word = "*" + w + "*"; break;
            case 2: tagged_word = "<IS>" + w + "<FS>"; md_word = "[" + w + "]{.underline}"; break;
            case 3: tagged_word = "<CE=6>" + w + "<CE=0>"; break;
            default: tagged_word = "<SF=14>" + w + "<SF=12>"; break;
          }
        }
        if (line_len) {
          t.tagged += ' ';
          t.markdown += ' ';
        }
        t.tagged += tagged_word;
        t.markdown += md_word;
        line_len += w.size() + 1;
      }
      t.tagged += "\r\n";
      t.markdown += "\n";
    }
    t.tagged += "\r\n";
    t.markdown += "\n";
  }
  return t;
}

size_t BenchBytes() {
  const char* mb = std::getenv("DOCGEN_BENCH_MB");
  return static_cast<size_t>(mb ? std::atof(mb) * 1e6 : 10e6);
}

// Writes the texts once into a scratch folder.
struct Scratch {
  Scratch() {
    const char* keep = std::getenv("DOCGEN_BENCH_DIR");
    keep_ = keep != nullptr && *keep != 0;
    dir = keep_ ? std::filesystem::path(keep)
                : std::filesystem::temp_directory_path() /
                      ("docgen_bench." + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const Texts texts = MakeTexts(BenchBytes());
    input_bytes = texts.tagged.size();
    DiskFileSystem files;
    std::string err;
    if (!files.WriteFileAtomic(tagged(), texts.tagged, &err) ||
        !files.WriteFileAtomic(markdown(), texts.markdown, &err)) {
      std::fprintf(stderr, "cannot write the bench texts: %s\n", err.c_str());
      std::exit(1);
    }
  }
  ~Scratch() {
    if (!keep_) std::filesystem::remove_all(dir);
  }
  std::string tagged() const { return (dir / "texto.txt").string(); }
  std::string markdown() const { return (dir / "texto.md").string(); }

  std::filesystem::path dir;
  size_t input_bytes = 0;

 private:
  bool keep_ = false;
};

Scratch& TheScratch() {
  static Scratch scratch;
  return scratch;
}

double g_docgen_seconds = 0;

void BM_LoadFeedSave(benchmark::State& state) {
  Scratch& s = TheScratch();
  DiskFileSystem files;
  SilentFeedback silent;
  MapSettings settings;
  double total = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    TextLines lines;
    if (!loadInputFile(&files, s.tagged(), &lines)) state.SkipWithError("cannot load");
    DocxWord word(&files, "texto.txt", "bench");
    DocumentFeedEnv env{&word, &silent, &settings, &files, s.dir.string()};
    buildDocument(env, lines, 0, static_cast<int64_t>(lines.size()) - 1);
    std::string err;
    if (!word.saveDocument((s.dir / "texto").string(), &err)) state.SkipWithError(err.c_str());
    word.closeDocument();
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  g_docgen_seconds = total / static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.input_bytes));
  state.counters["input_MB"] = static_cast<double>(s.input_bytes) / 1e6;
  state.counters["docx_MB"] =
      static_cast<double>(std::filesystem::file_size(s.dir / "texto.docx")) / 1e6;
}
BENCHMARK(BM_LoadFeedSave)->Unit(benchmark::kMillisecond)->Iterations(3);

// Runs a program to its end, its standard output going to `output` (or
// nowhere). Its peak resident memory in bytes as the kernel counts it for
// the child (which, for a spawned child, can include the parent's), or -1.
long RunAndMeasure(std::vector<std::string> args, double* seconds,
                   const std::string& output = "/dev/null") {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  struct rusage usage;
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return usage.ru_maxrss * 1024L;
}

// The program's own path, run as a separate process that reports its own
// peak memory, so that the benchmark's memory is not counted.
void BM_DocgenPeakMemory(benchmark::State& state) {
  Scratch& s = TheScratch();
  double seconds = 0;
  long peak = -1;
  const std::string report = (s.dir / "peak.txt").string();
  for (auto _ : state) {
    if (RunAndMeasure({PAVODIN_DOCGEN_PATH, "-m", "-o", (s.dir / "proc").string(), s.tagged()},
                      &seconds, report) < 0)
      break;
    std::string text, err;
    DiskFileSystem files;
    const size_t at = files.ReadFile(report, &text, &err) ? text.find("peak_kb ") : std::string::npos;
    if (at != std::string::npos) peak = std::atol(text.c_str() + at + 8) * 1024L;
  }
  if (peak < 0) {
    state.SkipWithError("pavodin_docgen failed");
    return;
  }
  state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
  state.counters["peak_per_input"] = static_cast<double>(peak) / static_cast<double>(s.input_bytes);
  state.counters["seconds"] = seconds;
}
BENCHMARK(BM_DocgenPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Pandoc(benchmark::State& state) {
  Scratch& s = TheScratch();
  const char* pandoc = "/usr/bin/pandoc";
  if (access(pandoc, X_OK) != 0) {
    state.SkipWithError("pandoc is not installed");
    return;
  }
  double seconds = 0;
  long peak = -1;
  for (auto _ : state)
    peak = RunAndMeasure({pandoc, "-o", (s.dir / "pandoc.docx").string(), s.markdown()}, &seconds);
  if (peak < 0) {
    state.SkipWithError("pandoc failed");
    return;
  }
  state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
  state.counters["seconds"] = seconds;
  if (g_docgen_seconds > 0) {
    state.counters["pandoc_over_docgen"] = seconds / g_docgen_seconds;
    std::printf("load+feed+save %.3f s, pandoc %.3f s, pandoc/docgen %.1f\n", g_docgen_seconds,
                seconds, seconds / g_docgen_seconds);
  }
}
BENCHMARK(BM_Pandoc)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace pavodin
