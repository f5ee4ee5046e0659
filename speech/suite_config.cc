#include "speech/suite_config.h"

#include "platform/ini_file.h"

namespace pavodin {

bool SuiteConfig::ReadFileIn(const std::string& dir, std::string* contents) {
  // Linux names are case-sensitive; the suite writes the name in capitals,
  // hand-made copies are often in lower case.
  for (const char* name : {"/KELDAM.INI", "/keldam.ini"}) {
    const std::string path = dir + name;
    if (files_->FileExists(path) && files_->ReadFile(path, contents, nullptr)) return true;
  }
  return false;
}

std::string SuiteConfig::ReadSuiteSetting(std::string_view section, std::string_view key) {
  if (section.empty()) section = "KELDAM";
  std::string ini;
  if (!ReadFileIn(paths_.config_dir, &ini) && !ReadFileIn(paths_.start_dir, &ini)) return "";

  std::string value = FindIniValue(ini, section, key, 254).value_or("");
  if (value.find('@') == std::string::npos) return value;

  std::string program_dir = FindIniValue(ini, "KELDAM", "PGMKELDAM", 254).value_or("");
  if (program_dir.empty() || program_dir[0] == '@') program_dir = paths_.start_dir;

  std::string out;
  std::string_view rest = value;
  if (rest.front() == '@') {
    out = program_dir;
    rest.remove_prefix(1);
  }
  for (size_t at; (at = rest.find("@\\")) != std::string_view::npos;) {
    out.append(rest.substr(0, at));
    out += program_dir;
    rest.remove_prefix(at + 1);
  }
  out.append(rest);
  return out;
}

std::optional<std::string> SuiteConfig::ReadConfigDirSetting(std::string_view section,
                                                             std::string_view key,
                                                             size_t max_chars) {
  std::string ini;
  if (!ReadFileIn(paths_.config_dir, &ini)) return std::nullopt;
  return FindIniValue(ini, section, key, max_chars);
}

}  // namespace pavodin
