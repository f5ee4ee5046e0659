#ifndef PAVODIN_PLATFORM_FILE_SYSTEM_H_
#define PAVODIN_PLATFORM_FILE_SYSTEM_H_

#include <map>
#include <string>

// The files the core reads and writes. Paths are Linux paths; mapping the
// suite's Windows-style configured paths is done before they get here
// (platform/paths.h).

namespace pavodin {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Whole contents of a regular file. False (and `err` set) when it cannot be read.
  virtual bool ReadFile(const std::string& path, std::string* contents, std::string* err) = 0;

  // True when a regular file of that name exists.
  virtual bool FileExists(const std::string& path) = 0;

  // Writes through a temporary file in the same folder and renames it into
  // place, so a failure never leaves a half-written file under `path`.
  virtual bool WriteFileAtomic(const std::string& path, const std::string& contents,
                               std::string* err) = 0;
};

// The real disk.
class DiskFileSystem : public FileSystem {
 public:
  bool ReadFile(const std::string& path, std::string* contents, std::string* err) override;
  bool FileExists(const std::string& path) override;
  bool WriteFileAtomic(const std::string& path, const std::string& contents,
                       std::string* err) override;
};

// Files in memory, for tests: `files` may be filled and inspected directly.
class MemoryFileSystem : public FileSystem {
 public:
  bool ReadFile(const std::string& path, std::string* contents, std::string* err) override;
  bool FileExists(const std::string& path) override;
  bool WriteFileAtomic(const std::string& path, const std::string& contents,
                       std::string* err) override;

  std::map<std::string, std::string> files;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_FILE_SYSTEM_H_
