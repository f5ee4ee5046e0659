#include "app/program.h"

#include "platform/text_encoding.h"
#include "platform/text_util.h"

namespace pavodin {
namespace {

constexpr uint8_t kEnter = 13;
constexpr uint8_t kEsc = 27;
constexpr uint8_t kHelpMenuKeys[] = {'G', 'I', 'N', kEsc};
constexpr const char* kHelpKeys[] = {"PVAJP01", "PVAJP02", "PVAJP03", "PVAJP09"};

}  // namespace

void Program::showBanner() {
  p_.console->ClearScreen();
  p_.console->SetBackColour(1);
  p_.out->WriteLine(std::string("Pavodin - Gerador e impressor - QUIRA - v. ") + kVersion);
  p_.console->SetBackColour(0);
  p_.out->WriteLine();
  p_.out->WriteLine();
}

void Program::startUp(const std::vector<std::string>& args) {
  showBanner();
  const std::string prompts_dir = p_.config->ReadSuiteSetting("PAVODIN", "DIRPAVODIN");
  p_.speech->InitSpeech(0, prompts_dir, p_.config);
  *p_.input_file_name = args.empty() ? std::string() : std::string(TrimBlanks(args.back()));

  // The title shows the name in the console's own code page.
  std::string title = "Pavodin " + FileTextToCp1252(*p_.input_file_name);
  if (title.size() > 8 + 136) title = title.substr(0, 136) + "...";
  p_.console->SetConsoleTitle(title);

  p_.messages->announceMessage("PVINIC");
  p_.speech->SpellText(kVersion);
}

void Program::commandLoop() {
  uint8_t choice;
  do {
    p_.messages->showMessage("PVQUAOPC", 0);
    uint8_t extended;
    p_.speech->ReadKeySpoken(&choice, &extended);
    p_.out->WriteLine();
    if (extended == 80) choice = runHelpMenu();
    choice = UpperKey(choice);
    if (choice == 0) {
      if (extended == 59) {
        showHelpList();
      } else if (extended == 101) {
        p_.speech->speakCurrentDate();
      }
      continue;
    }
    switch (choice) {
      case kEnter:
        break;
      case kEsc:
        choice = confirmExit();
        break;
      case 'G':
        p_.commands->generateCommand();
        break;
      case 'I':
        p_.commands->printCommand();
        break;
      case 'N':
        p_.commands->editInitialFormattingCommand();
        break;
      default:
        p_.messages->showMessage("PVOPVINV", 2);
    }
  } while (choice != kEsc && choice != 'G' && choice != 'I');
}

uint8_t Program::confirmExit() {
  showBanner();
  p_.out->WriteLine();
  p_.console->SetBackColour(4);
  uint8_t key;
  do {
    p_.messages->showMessage("PVDESTER", 0);
    uint8_t extended;
    p_.speech->ReadKeySpoken(&key, &extended);
    p_.out->WriteLine();
    key = UpperKey(key);
  } while (key != kEnter && key != kEsc && key != 'N' && key != 'S');
  p_.console->SetBackColour(0);
  if (key == kEnter || key == 'S') {
    p_.messages->showMessage("PVFIM", 1);
    return kEsc;
  }
  return 'N';
}

void Program::showHelpList() {
  showBanner();
  p_.console->SetBackColour(1);
  p_.messages->showMessage("PVAJUDA", 0);
  p_.console->SetBackColour(0);
  p_.out->WriteLine();
  p_.out->WriteLine();
  for (const char* key : kHelpKeys) {
    p_.console->MoveCursor(5, p_.console->CursorRow());
    p_.messages->showMessage(key, 1);
  }
  // Keys pressed to cut the listing short are not commands.
  while (p_.console->KeyAvailable()) p_.console->NextKey();
  p_.speech->PlayBeep();
}

uint8_t Program::runHelpMenu() {
  p_.menu->openOptionMenu(p_.console->CursorColumn(), p_.console->CursorRow(), 50, 4, 5);
  for (const char* key : kHelpKeys) p_.menu->addOption(key, messageText(key));
  const int chosen = p_.menu->selectOption();
  return (chosen >= 1 && chosen <= 4) ? kHelpMenuKeys[chosen - 1] : kEnter;
}

void Program::Run(const std::vector<std::string>& args) {
  startUp(args);
  commandLoop();
  p_.speech->FinishSpeech();
  p_.console->CloseConsole();
}

}  // namespace pavodin
