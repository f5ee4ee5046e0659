#include "tts/pho_tool.h"

#include <cstdlib>

#include "platform/text_encoding.h"
#include "tts/front_end.h"

namespace pavodin {
namespace {

constexpr char kUsage[] =
    "usage: pavodin-pho [-d DIR] [-b STEM] [-s] [-p PITCH] [-t TIME] [text...]\n"
    "Prints the MBROLA phoneme lines of a Portuguese text (arguments, or standard input\n"
    "one utterance per line), e.g. pavodin-pho \"Bom dia.\" | mbrola br4 - bomdia.wav\n"
    "  -d, --data DIR    folder of portug.nrl .exc .abr .pro .dfn\n"
    "  -b, --base STEM   stem of the data file names (default portug)\n"
    "  -s, --stages      also print the list of every stage as comments\n"
    "  -p, --pitch F     pitch factor (default 1.0)\n"
    "  -t, --time F      duration factor (default 1.0)\n";

class StreamMessages : public TtsMessages {
 public:
  explicit StreamMessages(std::ostream& err) : err_(err) {}
  void Show(const std::string& text) override { err_ << Cp1252ToUtf8(text) << "\n"; }

 private:
  std::ostream& err_;
};

bool ParseFactor(const std::string& text, double* value) {
  char* end = nullptr;
  double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(v > 0.0) || v > 100.0) return false;
  *value = v;
  return true;
}

void PrintList(std::ostream& out, const char* title, const TtsLines& lines) {
  out << "; == " << title << "\n";
  for (const std::string& l : lines) out << ";  " << Cp1252ToUtf8(l) << "\n";
}

}  // namespace

int RunPhoTool(const std::vector<std::string>& args, const PhoToolIo& io) {
  std::ostream& out = *io.out;
  std::ostream& err = *io.err;
  std::string data_dir = io.default_data_dir;
  std::string stem = "portug";
  bool stages = false;
  double pitch = 1.0, duration = 1.0;
  std::vector<std::string> words;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string* v) {
      if (i + 1 >= args.size()) return false;
      *v = args[++i];
      return true;
    };
    std::string v;
    if (a == "-h" || a == "--help") {
      out << kUsage;
      return 0;
    } else if (a == "-s" || a == "--stages") {
      stages = true;
    } else if (a == "-d" || a == "--data") {
      if (!value(&data_dir)) return err << kUsage, 2;
    } else if (a == "-b" || a == "--base") {
      if (!value(&stem)) return err << kUsage, 2;
    } else if (a == "-p" || a == "--pitch" || a == "-t" || a == "--time") {
      bool is_pitch = a == "-p" || a == "--pitch";
      if (!value(&v) || !ParseFactor(v, is_pitch ? &pitch : &duration)) {
        err << "pavodin-pho: " << a << " needs a number above 0 and at most 100\n";
        return 2;
      }
    } else if (a == "--") {
      words.insert(words.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    } else if (a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9')) {
      err << "pavodin-pho: unknown option " << a << "\n" << kUsage;
      return 2;
    } else {
      words.push_back(a);
    }
  }

  TtsFrontEnd engine;
  StreamMessages messages(err);
  std::string why;
  if (!engine.Load(*io.fs, TtsDataFilesIn(data_dir, stem), messages, &why)) {
    err << "pavodin-pho: cannot load the data files: " << why << "\n";
    return 1;
  }

  TtsLines utterances;
  if (!words.empty()) {
    std::string text;
    for (const std::string& w : words) text += (text.empty() ? "" : " ") + w;
    utterances.push_back(FileTextToCp1252(text));
  } else {
    for (const std::string& line : SplitFileLines(io.read_stdin())) {
      if (!TrimControls(line).empty()) utterances.push_back(FileTextToCp1252(line));
    }
  }
  for (const std::string& text : utterances) {
    TtsStages s = engine.Run(text, pitch, duration);
    if (stages) {
      out << "; == text\n;  " << Cp1252ToUtf8(text) << "\n";
      out << "; == NormalizeText\n;  " << Cp1252ToUtf8(s.normalized) << "\n";
      PrintList(out, "SplitTokens", s.tokens);
      PrintList(out, "AssignPatterns", s.patterns);
      PrintList(out, "TranscribeTokens", s.phonemes);
      out << "; == BuildPhoLines\n";
    }
    for (const std::string& l : s.pho) out << Cp1252ToUtf8(l) << "\n";
  }
  return 0;
}

}  // namespace pavodin
