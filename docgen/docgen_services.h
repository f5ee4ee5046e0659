#ifndef PAVODIN_DOCGEN_DOCGEN_SERVICES_H_
#define PAVODIN_DOCGEN_DOCGEN_SERVICES_H_

#include <string>
#include <string_view>

// What document generation needs from the rest of the program: the voice and
// the click while a document is built, the messages and the keyboard of the
// commands, and the suite configuration. Each is a small interface so the
// commands can be driven by tests; main supplies the real ones.

namespace pavodin {

// Sounds made while a document is built.
class DocumentFeedback {
 public:
  virtual ~DocumentFeedback() = default;
  // Speaks a Windows-1252 text.
  virtual void SpeakText(std::string_view text) = 0;
  // The short click that follows each recognised tag. Waits for speech in
  // progress to end, then plays the click to its end; returns at once while a
  // key is waiting, so a key press lets the rest of the document be built at
  // full speed.
  virtual void PlayTagClick() = 0;
};

// The console and message catalogue as the Generate and Print commands use them.
class GenerateUi : public DocumentFeedback {
 public:
  // Shows the catalogue text of `key` followed by `line_ends` line ends, and speaks it.
  virtual void ShowMessage(std::string_view key, int line_ends) = 0;
  // Speaks the message of `key` without showing it.
  virtual void AnnounceMessage(std::string_view key) = 0;
  // Reads one key, speaks it without writing it, and returns it upper-cased
  // ("a" to "z" only). Enter is 13, ESC 27. kNoMoreKeys when input has ended.
  virtual int ReadUpperKey() = 0;
  // Ends the current console line.
  virtual void EndLine() = 0;

  static constexpr int kNoMoreKeys = -1;
};

// The suite configuration (KELDAM.INI).
class SuiteSettings {
 public:
  virtual ~SuiteSettings() = default;
  // The value of `key` in `section`; empty when missing.
  virtual std::string ReadSuiteSetting(std::string_view section, std::string_view key) = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_DOCGEN_SERVICES_H_
