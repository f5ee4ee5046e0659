// pavodin-pho: prints the MBROLA phoneme lines of a Portuguese text.

#include <unistd.h>

#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "tts/pho_tool.h"

int main(int argc, char** argv) {
  pavodin::DiskFileSystem fs;
  pavodin::PhoToolIo io;
  io.default_data_dir = pavodin::DiscoverSuitePaths(argv[0]).data_dir + "/tts/br4";
  io.fs = &fs;
  io.out = &std::cout;
  io.err = &std::cerr;
  io.read_stdin = [] {
    if (isatty(STDIN_FILENO)) std::cerr << "pavodin-pho: reading the text from standard input\n";
    return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  };
  return pavodin::RunPhoTool(std::vector<std::string>(argv + 1, argv + argc), io);
}
