#ifndef PAVODIN_CONSOLE_PROGRAM_END_H_
#define PAVODIN_CONSOLE_PROGRAM_END_H_

namespace pavodin {

// Thrown by the operations that end the program (closing the console,
// Ctrl+Break, a quit message). `main` catches it, lets every module's end
// step run through the unwinding, and returns `exit_code`.
struct ProgramEnd {
  int exit_code;
};

}  // namespace pavodin

#endif  // PAVODIN_CONSOLE_PROGRAM_END_H_
