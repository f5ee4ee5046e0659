#include "platform/paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace pavodin {
namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* v = std::getenv(name);
  return (v && *v) ? std::string(v) : fallback;
}

bool IsDirectory(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool HasSuiteConfig(const std::string& dir) {
  struct stat st;
  return ::stat((dir + "/KELDAM.INI").c_str(), &st) == 0 || ::stat((dir + "/keldam.ini").c_str(), &st) == 0;
}

std::string WithoutTrailingSlash(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

std::string ProgramDirectory(const char* argv0) {
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  std::string exe;
  if (n > 0) {
    exe.assign(buf, static_cast<size_t>(n));
  } else if (argv0) {
    exe = argv0;
  }
  const size_t slash = exe.rfind('/');
  return slash == std::string::npos ? std::string(".") : exe.substr(0, slash);
}

}  // namespace

SuitePaths DiscoverSuitePaths(const char* argv0) {
  SuitePaths paths;
  const std::string home = EnvOr("HOME", "/tmp");
  const std::string user_dir = EnvOr("XDG_CONFIG_HOME", home + "/.config") + "/pavodin";
  std::string config = EnvOr("PAVODIN_CONFIG_DIR", "");
  if (config.empty()) {
    // The user's own configuration; without one, the one installed with the program.
    config = user_dir;
    if (!HasSuiteConfig(user_dir) && HasSuiteConfig(PAVODIN_INSTALL_CONFIG_DIR))
      config = PAVODIN_INSTALL_CONFIG_DIR;
  }
  paths.config_dir = WithoutTrailingSlash(config);

  std::string data = EnvOr("PAVODIN_DATA_DIR", "");
  if (data.empty()) {
    const std::string beside = ProgramDirectory(argv0) + "/../share/pavodin";
    if (IsDirectory(beside)) {
      data = beside;
    } else if (IsDirectory(PAVODIN_SOURCE_DATA_DIR)) {
      data = PAVODIN_SOURCE_DATA_DIR;
    } else {
      data = PAVODIN_INSTALL_DATA_DIR;
    }
  }
  paths.data_dir = WithoutTrailingSlash(data);

  char cwd[4096];
  paths.start_dir = WithoutTrailingSlash(::getcwd(cwd, sizeof cwd) ? std::string(cwd) : ".");
  return paths;
}

std::string MapSuitePath(std::string_view path, std::string_view data_dir) {
  std::string p(path);
  for (char& c : p)
    if (c == '\\') c = '/';
  if (p.size() >= 2 && p[1] == ':' &&
      ((p[0] >= 'a' && p[0] <= 'z') || (p[0] >= 'A' && p[0] <= 'Z'))) {
    p.erase(0, 2);
  }
  static constexpr std::string_view kSuite = "/tarmil";
  if (p.size() >= kSuite.size()) {
    bool same = true;
    for (size_t i = 0; i < kSuite.size(); ++i) {
      char c = p[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
      if (c != kSuite[i]) same = false;
    }
    if (same && (p.size() == kSuite.size() || p[kSuite.size()] == '/')) {
      p = std::string(data_dir) + p.substr(kSuite.size());
    }
  }
  return p;
}

}  // namespace pavodin
