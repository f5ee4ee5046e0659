#ifndef PAVODIN_PLATFORM_PATHS_H_
#define PAVODIN_PLATFORM_PATHS_H_

#include <string>
#include <string_view>

// The Linux layout that stands for the suite's Windows places.
//
//  Windows                      Linux
//  Windows directory            the configuration directory: $PAVODIN_CONFIG_DIR, else
//   (where KELDAM.INI lives)     $XDG_CONFIG_HOME/pavodin (~/.config/pavodin) when it holds
//                                a KELDAM.INI, else the installed <sysconfdir>/pavodin
//                                when that holds one, else ~/.config/pavodin
//  c:\tarmil (suite folder)     the data directory: $PAVODIN_DATA_DIR, else the data
//                                installed beside the program (<prefix>/share/pavodin),
//                                else the source tree's data/ folder (uninstalled runs)
//  "d:\letras\x.wav"            "/letras/x.wav": the drive letter is dropped and a
//                                backslash is a separator
//  "c:\tarmil\fenditra.ini"     "<data directory>/fenditra.ini"

namespace pavodin {

struct SuitePaths {
  std::string config_dir;  // stands for the Windows directory; no trailing "/"
  std::string data_dir;    // stands for c:\tarmil; no trailing "/"
  std::string start_dir;   // the current directory at start; no trailing "/"
};

// Reads the environment and the program's own location (`argv0`, may be empty).
SuitePaths DiscoverSuitePaths(const char* argv0);

// A configured or default Windows-style path as a Linux path: backslashes
// become "/", a leading drive letter ("c:") is dropped, and a leading
// "\tarmil" (any letter case) is replaced by `data_dir`. A trailing separator
// stays, so "c:\tarmil\som\letras\" keeps naming a folder.
std::string MapSuitePath(std::string_view path, std::string_view data_dir);

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_PATHS_H_
