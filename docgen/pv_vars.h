#ifndef PAVODIN_DOCGEN_PV_VARS_H_
#define PAVODIN_DOCGEN_PV_VARS_H_

#include <string>

#include "docgen/word_operations.h"

namespace pavodin {

// The program-wide state the commands share; it lives for the whole run.
struct PvVars {
  // The text file named on the command line, as given: the bytes of the
  // Linux file name, not converted (may be empty).
  std::string inputFileName;
  // The word processor the commands drive: it stands for Word's application
  // object and holds the document it creates. Not owned; set by main.
  WordOperations* wordApplication = nullptr;
};

}  // namespace pavodin

#endif  // PAVODIN_DOCGEN_PV_VARS_H_
