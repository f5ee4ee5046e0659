#ifndef PAVODIN_DOCGEN_DOCGEN_FAKES_H_
#define PAVODIN_DOCGEN_DOCGEN_FAKES_H_

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "docgen/docgen_services.h"
#include "docgen/word_operations.h"

// Recording stand-ins for the services document generation uses, for tests,
// fuzzers and benchmarks. Each appends one readable entry per call to a log,
// which several fakes may share so that the order between them shows.

namespace pavodin {

// Entries look like: startWord, typeText("a\r\t"), setBold(1),
// saveDocument("carta"). A carriage return shows as \r and a tab as \t.
class RecordingWord : public WordOperations {
 public:
  explicit RecordingWord(std::vector<std::string>* log = nullptr) : log_(log ? log : &own_log_) {}

  bool startWord() override;
  void typeText(std::string_view text) override;
  void setFontName(std::string_view name) override;
  void setFontSize(int32_t points) override;
  void setFontColourIndex(int32_t index) override;
  void setBold(int32_t on) override;
  void setItalic(int32_t on) override;
  void setUnderline(int32_t on) override;
  void setParagraphAlignment(int32_t alignment) override;
  void setLeftIndent(int32_t points) override;
  void turnOffAutoSpacing() override;
  bool saveDocument(const std::string& name, std::string* err) override;
  bool printDocument(std::string* err) override;
  void closeDocument() override;
  void quitWord() override;

  const std::vector<std::string>& log() const { return *log_; }

  bool start_succeeds = true;
  bool save_succeeds = true;
  bool print_succeeds = true;

 private:
  void Record(std::string entry) { log_->push_back(std::move(entry)); }
  std::vector<std::string> own_log_;
  std::vector<std::string>* log_;
};

// Entries: show(PVERRCAR,1), announce(PVOK), key(83), endLine, speak(text), click.
class RecordingUi : public GenerateUi {
 public:
  explicit RecordingUi(std::vector<std::string>* log = nullptr) : log_(log ? log : &own_log_) {}

  void SpeakText(std::string_view text) override;
  void PlayTagClick() override;
  void ShowMessage(std::string_view key, int line_ends) override;
  void AnnounceMessage(std::string_view key) override;
  int ReadUpperKey() override;
  void EndLine() override;

  const std::vector<std::string>& log() const { return *log_; }

  // Keys ReadUpperKey returns, in order; kNoMoreKeys once they run out.
  std::deque<int> keys;

 private:
  std::vector<std::string> own_log_;
  std::vector<std::string>* log_;
};

// Feedback that makes no sound and records nothing (fuzzers, benchmarks).
class SilentFeedback : public DocumentFeedback {
 public:
  void SpeakText(std::string_view) override {}
  void PlayTagClick() override {}
};

// Settings from a map keyed by "SECTION/KEY".
class MapSettings : public SuiteSettings {
 public:
  std::string ReadSuiteSetting(std::string_view section, std::string_view key) override;
  std::map<std::string, std::string> values;
};

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_DOCGEN_FAKES_H_
