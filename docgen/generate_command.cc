#include "docgen/generate_command.h"

#include <utility>

namespace pavodin {
namespace {

DocumentFeedEnv FeedEnv(const GenerateEnv& env) {
  DocumentFeedEnv feed;
  feed.word = env.vars->wordApplication;
  feed.feedback = env.ui;
  feed.settings = env.settings;
  feed.files = env.files;
  feed.data_dir = env.data_dir;
  return feed;
}

// Builds the document; false (PVERRWOR shown) when the word processor is
// missing or cannot start.
bool Build(const GenerateEnv& env, const TextLines& lines) {
  if (env.vars->wordApplication == nullptr ||
      !buildDocument(FeedEnv(env), lines, 0, static_cast<int64_t>(lines.size()) - 1)) {
    env.ui->ShowMessage(kMsgWordError, 1);
    return false;
  }
  return true;
}

// Asks whether to overwrite; true for Enter or "S".
bool ConfirmOverwrite(GenerateUi* ui) {
  for (;;) {
    ui->ShowMessage(kMsgOverwrite, 0);
    const int key = ui->ReadUpperKey();
    ui->EndLine();
    if (key == 13 || key == 'S') return true;
    if (key == 'N' || key == 27 || key == GenerateUi::kNoMoreKeys) return false;
  }
}

}  // namespace

bool loadInputFile(FileSystem* files, const std::string& name, TextLines* lines) {
  if (name.empty()) return false;
  std::string bytes;
  if (!files->ReadFile(name, &bytes, nullptr)) return false;
  *lines = TextLines(DecodeFileText(std::move(bytes)));
  return true;
}

std::string DocumentName(std::string_view input_name) {
  if (input_name.size() > 4 && input_name[input_name.size() - 4] == '.')
    input_name.remove_suffix(4);
  return std::string(input_name);
}

std::string DocumentTitle(std::string_view input_name) {
  const size_t slash = input_name.find_last_of('/');
  if (slash != std::string_view::npos) input_name.remove_prefix(slash + 1);
  return DecodeFileText(std::string(input_name));
}

void generateCommand(const GenerateEnv& env) {
  TextLines lines;
  if (!loadInputFile(env.files, env.vars->inputFileName, &lines)) {
    env.ui->ShowMessage(kMsgLoadError, 1);
    return;
  }
  const std::string name = DocumentName(env.vars->inputFileName);
  if (env.files->FileExists(name) || env.files->FileExists(name + ".docx") ||
      env.files->FileExists(name + ".doc")) {
    if (!ConfirmOverwrite(env.ui)) {
      env.ui->ShowMessage(kMsgGaveUp, 1);
      return;
    }
  }
  env.ui->ShowMessage(kMsgExporting, 1);
  if (!Build(env, lines)) return;
  WordOperations* word = env.vars->wordApplication;
  lines = TextLines();  // the document holds it all now; saving needs the memory
  std::string err;
  const bool saved = word->saveDocument(name, &err);
  word->closeDocument();
  word->quitWord();
  if (saved) {
    env.ui->AnnounceMessage(kMsgOk);
  } else {
    env.ui->ShowMessage(kMsgSaveError, 1);
  }
}

void printCommand(const GenerateEnv& env) {
  TextLines lines;
  if (!loadInputFile(env.files, env.vars->inputFileName, &lines)) {
    env.ui->ShowMessage(kMsgLoadError, 1);
    return;
  }
  env.ui->ShowMessage(kMsgExporting, 1);
  if (!Build(env, lines)) return;
  WordOperations* word = env.vars->wordApplication;
  env.ui->ShowMessage(kMsgPrinting, 1);
  std::string err;
  const bool printed = word->printDocument(&err);
  word->closeDocument();
  word->quitWord();
  if (printed) {
    env.ui->AnnounceMessage(kMsgOk);
  } else {
    env.ui->ShowMessage(kMsgPrintError, 1);
  }
}

}  // namespace pavodin
