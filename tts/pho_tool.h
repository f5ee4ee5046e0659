#ifndef PAVODIN_TTS_PHO_TOOL_H_
#define PAVODIN_TTS_PHO_TOOL_H_

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/file_system.h"

// The command-line tool that prints MBROLA phoneme lines for a Portuguese
// text, so that the front end can be heard through any installed MBROLA:
//
//   pavodin-pho [options] [text...] | mbrola br4 - out.wav
//
// Options:
//   -d, --data DIR      folder of the data files (default: the installed
//                       tts/br4 folder)
//   -b, --base STEM     file stem of the data files (default "portug")
//   -s, --stages        also print each stage's list, as comments
//   -p, --pitch F       pitch factor (default 1.0)
//   -t, --time F        duration factor (default 1.0)
//   -h, --help
// Without text arguments the text is read from standard input, one
// utterance per line. Text may be UTF-8 or Windows-1252; output is UTF-8.

namespace pavodin {

struct PhoToolIo {
  std::function<std::string()> read_stdin;  // called only when no text argument is given
  std::string default_data_dir;  // used without --data
  FileSystem* fs = nullptr;
  std::ostream* out = nullptr;
  std::ostream* err = nullptr;
};

// Runs the tool; the result is the process's exit code: 0 done, 1 the data
// files could not be loaded, 2 a usage error.
int RunPhoTool(const std::vector<std::string>& args, const PhoToolIo& io);

}  // namespace pavodin

#endif  // PAVODIN_TTS_PHO_TOOL_H_
