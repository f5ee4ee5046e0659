#ifndef PAVODIN_APP_DOCUMENT_COMMANDS_H_
#define PAVODIN_APP_DOCUMENT_COMMANDS_H_

#include <string>
#include <string_view>

#include "app/commands.h"
#include "app/messages.h"
#include "console/console.h"
#include "console/text_device.h"
#include "docgen/docgen_services.h"
#include "docgen/docx_word.h"
#include "docgen/generate_command.h"
#include "speech/speaking.h"
#include "speech/suite_config.h"

// The document commands of the command loop, on the program's console,
// catalogue, speech and configuration.

namespace pavodin {

// What Generate and Print show, speak and read, through the console.
class ConsoleGenerateUi : public GenerateUi {
 public:
  ConsoleGenerateUi(Console* console, TextDevice* out, Speech* speech, Messages* messages)
      : console_(console), out_(out), speech_(speech), messages_(messages) {}

  void SpeakText(std::string_view text) override { speech_->SpeakText(text); }
  // A key waiting means the user wants the rest at full speed: no click then.
  void PlayTagClick() override {
    if (!console_->KeyAvailable()) speech_->PlayRepeatClick();
  }
  void ShowMessage(std::string_view key, int line_ends) override { messages_->showMessage(key, line_ends); }
  void AnnounceMessage(std::string_view key) override { messages_->announceMessage(key); }
  int ReadUpperKey() override { return messages_->readUpperKey(); }
  void EndLine() override { out_->WriteLine(); }

 private:
  Console* console_;
  TextDevice* out_;
  Speech* speech_;
  Messages* messages_;
};

class ConfigSuiteSettings : public SuiteSettings {
 public:
  explicit ConfigSuiteSettings(SuiteConfig* config) : config_(config) {}
  std::string ReadSuiteSetting(std::string_view section, std::string_view key) override {
    return config_->ReadSuiteSetting(section, key);
  }

 private:
  SuiteConfig* config_;
};

// G and I run the document commands on a .docx writer made for the input
// file; N is not built yet and does nothing.
class DocumentCommands : public Commands {
 public:
  // `creator` goes into the document's properties.
  DocumentCommands(GenerateEnv env, std::string creator)
      : env_(std::move(env)), creator_(std::move(creator)) {}
  void generateCommand() override { Run(&pavodin::generateCommand); }
  void printCommand() override { Run(&pavodin::printCommand); }
  void editInitialFormattingCommand() override {}

 private:
  // The writer lives for one command: the document's title comes from the
  // file name, which is known only after start-up.
  void Run(void (*command)(const GenerateEnv&)) {
    DocxWord word(env_.files, DocumentTitle(env_.vars->inputFileName), creator_);
    struct Unset {
      PvVars* vars;
      ~Unset() { vars->wordApplication = nullptr; }
    } unset{env_.vars};
    env_.vars->wordApplication = &word;
    command(env_);
  }

  GenerateEnv env_;
  std::string creator_;
};

}  // namespace pavodin

#endif  // PAVODIN_APP_DOCUMENT_COMMANDS_H_
