// Speed of the Portuguese front end's five stages against espeak-ng's
// phonemizer (espeak_TextToPhonemes: phonemes only, no audio) on the same
// text: about 1 MB of Debian's Brazilian fortunes (package fortunes-br),
// fed line by line. Prints characters per second for both and their ratio.

#include <benchmark/benchmark.h>
#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/text_encoding.h"
#include "tts/front_end.h"
#include "tts/recording_tts_messages.h"

namespace {

constexpr char kFortunes[] = "/usr/share/games/fortunes/brasil";
constexpr size_t kTextBytes = 1 << 20;

struct Corpus {
  std::vector<std::string> utf8;    // for espeak-ng
  std::vector<std::string> cp1252;  // for our stages
  size_t chars = 0;
};

const Corpus& GetCorpus() {
  static const Corpus corpus = [] {
    Corpus c;
    std::ifstream in(kFortunes, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(s, line)) {
      if (!line.empty() && line != "%") lines.push_back(line);
    }
    while (!lines.empty() && c.chars < kTextBytes) {
      for (const std::string& l : lines) {
        c.utf8.push_back(l);
        c.cp1252.push_back(pavodin::Utf8ToCp1252(l));
        c.chars += c.cp1252.back().size();
        if (c.chars >= kTextBytes) break;
      }
    }
    return c;
  }();
  return corpus;
}

double g_ours = 0, g_espeak = 0;

void BM_PavodinStages(benchmark::State& state) {
  const Corpus& corpus = GetCorpus();
  if (corpus.chars == 0) return state.SkipWithError("no text: install fortunes-br");
  pavodin::DiskFileSystem fs;
  pavodin::RecordingTtsMessages messages;
  pavodin::TtsFrontEnd engine;
  std::string err;
  if (!engine.Load(fs, pavodin::TtsDataFilesIn(std::string(PAVODIN_SOURCE_DATA_DIR) + "/tts/br4"),
                   messages, &err)) {
    return state.SkipWithError(err.c_str());
  }
  for (auto _ : state) {
    for (const std::string& text : corpus.cp1252) {
      pavodin::TtsStages s = engine.Run(text, 1.0, 0.8);
      benchmark::DoNotOptimize(s.pho.data());
    }
  }
  state.counters["chars_per_s"] = benchmark::Counter(
      static_cast<double>(corpus.chars) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_EspeakPhonemizer(benchmark::State& state) {
  const Corpus& corpus = GetCorpus();
  if (corpus.chars == 0) return state.SkipWithError("no text: install fortunes-br");
  // Started once and never terminated: espeak_Terminate of espeak-ng 1.51
  // waits forever for its queue thread after synchronous use.
  static const bool started = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0) >= 0 &&
                              espeak_SetVoiceByName("pt-br") == EE_OK;
  if (!started) return state.SkipWithError("espeak-ng could not start");
  for (auto _ : state) {
    for (const std::string& text : corpus.utf8) {
      const void* p = text.c_str();
      while (p != nullptr) {
        const char* phonemes = espeak_TextToPhonemes(&p, espeakCHARS_UTF8, 0);
        benchmark::DoNotOptimize(phonemes);
      }
    }
  }
  state.counters["chars_per_s"] = benchmark::Counter(
      static_cast<double>(corpus.chars) * state.iterations(), benchmark::Counter::kIsRate);
}

// Keeps the last rate of each benchmark for the ratio printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      auto it = run.counters.find("chars_per_s");
      if (it == run.counters.end() || run.error_occurred) continue;
      double rate = it->second.value;  // already per second when reported
      (run.benchmark_name().find("Pavodin") != std::string::npos ? g_ours : g_espeak) = rate;
    }
  }
};

}  // namespace

BENCHMARK(BM_PavodinStages)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_EspeakPhonemizer)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (g_ours > 0 && g_espeak > 0) {
    std::printf("five stages: %.0f chars/s, espeak-ng phonemizer: %.0f chars/s, ratio %.2f\n",
                g_ours, g_espeak, g_ours / g_espeak);
  }
  benchmark::Shutdown();
  return 0;
}
