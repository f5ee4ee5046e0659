#ifndef PAVODIN_DOCGEN_GENERATE_COMMAND_H_
#define PAVODIN_DOCGEN_GENERATE_COMMAND_H_

#include <string>
#include <string_view>

#include "docgen/docgen_services.h"
#include "docgen/document_feed.h"
#include "docgen/pv_vars.h"
#include "docgen/text_lines.h"
#include "platform/file_system.h"

// The Generate (G) and Print (I) commands: load the input file, build the
// document, save or print it, and tell the user how it went.

namespace pavodin {

// Catalogue keys the commands use.
inline constexpr std::string_view kMsgExporting = "PVEXPDOC";
inline constexpr std::string_view kMsgOk = "PVOK";
inline constexpr std::string_view kMsgLoadError = "PVERRCAR";
inline constexpr std::string_view kMsgPrinting = "PVIMPARQ";
inline constexpr std::string_view kMsgOverwrite = "PVREESCR";
inline constexpr std::string_view kMsgGaveUp = "PVDESIST";
inline constexpr std::string_view kMsgWordError = "PVERRWOR";
inline constexpr std::string_view kMsgSaveError = "PVERRGRA";   // "Erro ao gravar o arquivo..."
inline constexpr std::string_view kMsgPrintError = "PVERRIMP";  // "Erro ao imprimir o arquivo..."

// What the commands work with. Nothing is owned.
struct GenerateEnv {
  PvVars* vars = nullptr;  // input file name and the word processor
  GenerateUi* ui = nullptr;
  SuiteSettings* settings = nullptr;
  FileSystem* files = nullptr;
  std::string data_dir;  // stands for c:\tarmil
};

// Reads the file into lines (see TextLines and DecodeFileText). False on any
// failure: empty name, no such file, unreadable.
bool loadInputFile(FileSystem* files, const std::string& name, TextLines* lines);

// The document name of an input file: the name without its extension when
// that is a full stop and three characters, otherwise the whole name.
std::string DocumentName(std::string_view input_name);

// The title the document properties give an input file: its name without
// folders, as UTF-8 (a name that is not UTF-8 is read as Windows-1252).
std::string DocumentTitle(std::string_view input_name);

void generateCommand(const GenerateEnv& env);
void printCommand(const GenerateEnv& env);

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_GENERATE_COMMAND_H_
