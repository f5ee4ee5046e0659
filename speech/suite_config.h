#ifndef PAVODIN_SPEECH_SUITE_CONFIG_H_
#define PAVODIN_SPEECH_SUITE_CONFIG_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/paths.h"

// The suite configuration file "KELDAM.INI", shared by every program of the
// suite. It is looked for in the configuration directory (what stands for the
// Windows directory) and, when absent there, in the directory the program was
// started from. A missing file, section or key reads as empty.

namespace pavodin {

class SuiteConfig {
 public:
  SuiteConfig(FileSystem* files, SuitePaths paths) : files_(files), paths_(std::move(paths)) {}

  // The value of `key` in `section` (empty section: "KELDAM"), at most 254
  // characters, with "@" standing for the suite's program directory expanded:
  // a leading "@", or the "@" of the first "@\" still to be read, is replaced
  // by [KELDAM] PGMKELDAM (the starting directory when that is empty or
  // begins with "@"). Inserted text is not searched again. Empty when missing.
  std::string ReadSuiteSetting(std::string_view section, std::string_view key);

  // A key from the copy in the configuration directory only, without "@"
  // expansion, cut to `max_chars`: how the console's keys and the letters
  // directory are read. Nothing when the file or the key is absent.
  std::optional<std::string> ReadConfigDirSetting(std::string_view section, std::string_view key,
                                                  size_t max_chars);

  // A configured Windows-style path as a path on this system.
  std::string MapPath(std::string_view path) const { return MapSuitePath(path, paths_.data_dir); }

  const SuitePaths& paths() const { return paths_; }

 private:
  // Contents of the first of the candidate files that exists.
  bool ReadFileIn(const std::string& dir, std::string* contents);

  FileSystem* files_;
  SuitePaths paths_;
};

}  // namespace pavodin

#endif  // PAVODIN_SPEECH_SUITE_CONFIG_H_
