#include "docgen/docgen_fakes.h"

namespace pavodin {
namespace {

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Call(const char* name, int32_t value) {
  return std::string(name) + "(" + std::to_string(value) + ")";
}

}  // namespace

bool RecordingWord::startWord() {
  Record(start_succeeds ? "startWord" : "startWord failed");
  return start_succeeds;
}
void RecordingWord::typeText(std::string_view text) { Record("typeText(" + Quoted(text) + ")"); }
void RecordingWord::setFontName(std::string_view name) {
  Record("setFontName(" + Quoted(name) + ")");
}
void RecordingWord::setFontSize(int32_t v) { Record(Call("setFontSize", v)); }
void RecordingWord::setFontColourIndex(int32_t v) { Record(Call("setFontColourIndex", v)); }
void RecordingWord::setBold(int32_t v) { Record(Call("setBold", v)); }
void RecordingWord::setItalic(int32_t v) { Record(Call("setItalic", v)); }
void RecordingWord::setUnderline(int32_t v) { Record(Call("setUnderline", v)); }
void RecordingWord::setParagraphAlignment(int32_t v) { Record(Call("setParagraphAlignment", v)); }
void RecordingWord::setLeftIndent(int32_t v) { Record(Call("setLeftIndent", v)); }
void RecordingWord::turnOffAutoSpacing() { Record("turnOffAutoSpacing"); }
bool RecordingWord::saveDocument(const std::string& name, std::string* err) {
  Record("saveDocument(" + Quoted(name) + ")");
  if (!save_succeeds && err) *err = "disk full";
  return save_succeeds;
}
bool RecordingWord::printDocument(std::string* err) {
  Record("printDocument");
  if (!print_succeeds && err) *err = "no printer";
  return print_succeeds;
}
void RecordingWord::closeDocument() { Record("closeDocument"); }
void RecordingWord::quitWord() { Record("quitWord"); }

void RecordingUi::SpeakText(std::string_view text) {
  log_->push_back("speak(" + std::string(text) + ")");
}
void RecordingUi::PlayTagClick() { log_->push_back("click"); }
void RecordingUi::ShowMessage(std::string_view key, int line_ends) {
  log_->push_back("show(" + std::string(key) + "," + std::to_string(line_ends) + ")");
}
void RecordingUi::AnnounceMessage(std::string_view key) {
  log_->push_back("announce(" + std::string(key) + ")");
}
int RecordingUi::ReadUpperKey() {
  int key = kNoMoreKeys;
  if (!keys.empty()) {
    key = keys.front();
    keys.pop_front();
  }
  log_->push_back("key(" + std::to_string(key) + ")");
  return key;
}
void RecordingUi::EndLine() { log_->push_back("endLine"); }

std::string MapSettings::ReadSuiteSetting(std::string_view section, std::string_view key) {
  auto it = values.find(std::string(section) + "/" + std::string(key));
  return it == values.end() ? std::string() : it->second;
}

}  // namespace pavodin
