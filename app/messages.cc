#include "app/messages.h"

#include "platform/text_util.h"

namespace pavodin {
namespace {

struct CatalogueEntry {
  const char* key;
  const char* text;
};

// Texts in Windows-1252.
constexpr CatalogueEntry kCatalogue[] = {
    {"PVINIC", "Gerador de arquivo DOC e Impressor com qualidade"},
    {"PVEXPDOC", "Exportando arquivo para DOC, aguarde..."},
    {"PVOK", "Ok"},
    {"PVERRCAR", "Erro ao carregar o arquivo..."},
    {"PVIMPARQ", "Imprimindo arquivo..."},
    {"PVQUAOPC", "Qual sua op\xE7\xE3o? "},
    {"PVOPVINV", "Op\xE7\xE3o inv\xE1lida, aperte F1 para ajuda"},
    {"PVAJUDA", "As op\xE7\xF5" "es deste programa s\xE3o:"},
    {"PVAJP01", "G    Gerar arquivo DOC"},
    {"PVAJP02", "I    Imprimir arquivo em DOC"},
    {"PVAJP03", "N    Editar formata\xE7\xE3o inicial"},
    {"PVAJP09", "ESC  Terminar programa"},
    {"PVDESTER", "Deseja sair deste programa?"},
    {"PVFIM", "Fim do programa"},
    {"EPVNWORD", "Instale o Microsoft Word para utilizar esta fun\xE7\xE3o"},
    {"PVREESCR", "Arquivo j\xE1 existe, sobrescreve (s/n) ?"},
    {"PVDESIST", "Desistiu ..."},
    {"PVERRWOR", "Ocorreu erro, instale o Microsoft Office para realizar esta gera\xE7\xE3o."},
    {"PVERRGRA", "Erro ao gravar o arquivo..."},
    {"PVERRIMP", "Erro ao imprimir o arquivo..."},
};

}  // namespace

std::string messageText(std::string_view key) {
  for (const CatalogueEntry& entry : kCatalogue)
    if (key == entry.key) return entry.text;
  return std::string(key);
}

void Messages::announceMessage(std::string_view key) {
  if (speech_->PromptExists(key)) {
    speech_->PlayPrompt(key);
  } else {
    speech_->SpeakText(messageText(key));
  }
}

void Messages::showMessage(std::string_view key, int line_ends) {
  out_->Write(messageText(key));
  for (int i = 0; i < line_ends; ++i) out_->WriteLine();
  announceMessage(key);
}

void Messages::showStatusMessage(std::string_view key) {
  console_->SetBackColour(0);
  if (console_->CursorRow() == ScreenRows) {
    console_->ClearToLineEnd();
    out_->WriteLine();
  }
  const int row = console_->CursorRow();
  console_->MoveCursor(1, ScreenRows);
  console_->ClearToLineEnd();
  console_->SetBackColour(4);
  console_->MoveCursor(ScreenColumns - static_cast<int>(messageText(key).size()), ScreenRows);
  showMessage(key, 0);
  console_->SetBackColour(0);
  console_->MoveCursor(1, row);
}

uint8_t Messages::readUpperKey() {
  const uint8_t key = speech_->ReadKeyEcho();
  return UpperKey(key);
}

}  // namespace pavodin
