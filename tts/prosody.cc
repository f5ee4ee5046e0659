#include "tts/prosody.h"

#include <algorithm>
#include <optional>

#include "platform/text_encoding.h"
#include "tts/tts_text.h"

namespace pavodin {
namespace {

std::string Text(std::string_view utf8) { return Utf8ToCp1252(utf8); }

// Index of the line after the section's header, or nothing.
std::optional<size_t> FindSection(const TtsLines& lines, std::string_view header_utf8) {
  const std::string header = Text(header_utf8);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (TrimControls(lines[i]) == header) return i + 1;
  }
  return std::nullopt;
}

// The entry lines of a section starting at `first`.
std::vector<std::string_view> SectionLines(const TtsLines& lines, size_t first) {
  std::vector<std::string_view> out;
  for (size_t i = first; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (!line.empty() && line[0] == '[') break;
    if (TrimControls(line).empty() || line[0] == ';' || line[0] == '*') continue;
    out.push_back(line);
  }
  return out;
}

bool ParseLevels(std::string_view list, std::array<int, 10>* levels) {
  std::array<int, 10> values{};
  size_t count = 0;
  size_t start = 0;
  while (count < values.size()) {
    size_t comma = list.find(',', start);
    std::string_view item = list.substr(start, comma == std::string_view::npos
                                                   ? std::string_view::npos
                                                   : comma - start);
    if (!ParseInt32(TrimControls(item), &values[count])) return false;
    ++count;
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (count < values.size()) return false;
  *levels = values;
  return true;
}

bool IsPattern(std::string_view p) {
  if (p.size() != 3) return false;
  for (size_t i = 0; i < 3; ++i) {
    bool level = p[i] >= '0' && p[i] <= '9';
    if (!level && !(i == 0 && p[i] == '?')) return false;
  }
  return true;
}

bool ReadDurations(const TtsLines& lines, size_t first, TtsMessages& messages,
                   ProsodyConfig* config) {
  const std::string wrong = Text("Configuração da prosódia: fonema errado: ");
  for (std::string_view line : SectionLines(lines, first)) {
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      messages.Show(wrong + std::string(line));
      return false;
    }
    if (config->durations.size() >= ProsodyConfig::kDurationCapacity) continue;
    DurationEntry entry;
    entry.phoneme = std::string(TrimControls(line.substr(0, eq)).substr(0, 2));
    if (!ParseInt32(TrimControls(line.substr(eq + 1).substr(0, 999)), &entry.ms)) {
      messages.Show(wrong + std::string(line));
      entry.ms = 100;
    }
    config->durations.push_back(entry);
  }
  return true;
}

bool ReadKeys(const TtsLines& lines, size_t first, TtsMessages& messages,
              ProsodyConfig* config) {
  for (std::string_view line : SectionLines(lines, first)) {
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      messages.Show(Text("Configuração da prosódia: chave errada: ") + std::string(line));
      return false;
    }
    if (config->keys.size() >= ProsodyConfig::kKeyCapacity) continue;
    config->keys.push_back({UpperCp1252(TrimControls(line.substr(0, eq))),
                            UpperCp1252(TrimControls(line.substr(eq + 1))).substr(0, 2)});
  }
  std::stable_sort(config->keys.begin(), config->keys.end(),
                   [](const TChave& a, const TChave& b) { return a.key < b.key; });
  return true;
}

bool ReadPatterns(const TtsLines& lines, size_t first, TtsMessages& messages,
                  ProsodyConfig* config) {
  const std::string wrong = Text("Configuração da prosódia: chave errada: ");
  for (std::string_view raw : SectionLines(lines, first)) {
    const std::string line = UpperCp1252(raw);
    std::string_view view = line;
    if (view.starts_with("HERTZ=")) {
      if (!ParseInt32(TrimControls(view.substr(6)), &config->base_pitch)) {
        messages.Show(wrong + std::string(raw));
        return false;
      }
      continue;
    }
    if (view.starts_with("TABHERTZ=")) {
      if (!ParseLevels(view.substr(9), &config->pitch_levels)) {
        messages.Show(wrong + std::string(raw));
        return false;
      }
      continue;
    }
    size_t eq = view.find('=');
    std::string_view pattern = eq == std::string_view::npos ? "" : TrimControls(view.substr(eq + 1));
    if (!IsPattern(pattern)) {
      messages.Show(wrong + std::string(raw));
      return false;
    }
    if (config->patterns.size() >= ProsodyConfig::kPatternCapacity) continue;
    std::string_view codes = TrimControls(view.substr(0, eq));
    std::string fields[3];
    for (int f = 0; f < 3; ++f) {
      size_t bar = codes.find('|');
      fields[f] = std::string(codes.substr(0, std::min<size_t>(bar, 3)));
      codes = bar == std::string_view::npos ? std::string_view() : codes.substr(bar + 1);
    }
    config->patterns.push_back({fields[0], fields[1], fields[2], std::string(pattern)});
  }
  return true;
}

}  // namespace

bool ParseProsody(std::string_view text, TtsMessages& messages, ProsodyConfig* config) {
  config->durations.clear();
  config->keys.clear();
  config->patterns.clear();
  config->base_pitch = 230;
  const TtsLines lines = SplitFileLines(text);

  std::optional<size_t> first = FindSection(lines, "[DURAÇÃO]");
  if (!first) {
    messages.Show(Text("Duração dos difones errada ou ausente"));
    return false;
  }
  if (!ReadDurations(lines, *first, messages, config)) return false;

  first = FindSection(lines, "[CHAVES]");
  if (!first) {
    messages.Show(Text("Prosódia: palavras chaves ausentes"));
    return false;
  }
  if (!ReadKeys(lines, *first, messages, config)) return false;

  first = FindSection(lines, "[PROSÓDIA]");
  if (!first) {
    messages.Show(Text("Prosódia: especificações ausentes"));
    return false;
  }
  return ReadPatterns(lines, *first, messages, config);
}

bool LoadProsody(FileSystem& fs, const std::string& path, TtsMessages& messages,
                 ProsodyConfig* config) {
  std::string bytes, err;
  if (!fs.ReadFile(path, &bytes, &err)) {
    config->durations.clear();
    config->keys.clear();
    config->patterns.clear();
    config->base_pitch = 230;
    messages.Show(Text("Configuração da prosódia não foi achada"));
    return false;
  }
  return ParseProsody(FileTextToCp1252(bytes), messages, config);
}

std::string LookupKey(const ProsodyConfig& config, std::string_view word) {
  const std::string key = UpperCp1252(word);
  auto it = std::lower_bound(config.keys.begin(), config.keys.end(), key,
                             [](const TChave& e, const std::string& k) { return e.key < k; });
  if (it != config.keys.end() && it->key == key) return it->code;
  return "";
}

}  // namespace pavodin
