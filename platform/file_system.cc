#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace pavodin {
namespace {

std::string ErrnoText(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

bool DiskFileSystem::ReadFile(const std::string& path, std::string* contents, std::string* err) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (err) *err = ErrnoText("cannot open", path);
    return false;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (err) *err = "not a regular file: " + path;
    ::close(fd);
    return false;
  }
  contents->clear();
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (err) *err = ErrnoText("cannot read", path);
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    contents->append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return true;
}

bool DiskFileSystem::FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DiskFileSystem::WriteFileAtomic(const std::string& path, const std::string& contents,
                                     std::string* err) {
  std::string tmp = path + ".XXXXXX";
  const int fd = ::mkstemp(tmp.data());
  if (fd < 0) {
    if (err) *err = ErrnoText("cannot create a file beside", path);
    return false;
  }
  size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (err) *err = ErrnoText("cannot write", tmp);
      ::close(fd);
      ::unlink(tmp.c_str());
      return false;
    }
    done += static_cast<size_t>(n);
  }
  ::fchmod(fd, 0644);
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    if (err) *err = ErrnoText("cannot write", tmp);
    ::unlink(tmp.c_str());
    return false;
  }
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    if (err) *err = ErrnoText("cannot rename into", path);
    ::unlink(tmp.c_str());
    return false;
  }
  return true;
}

bool MemoryFileSystem::ReadFile(const std::string& path, std::string* contents, std::string* err) {
  auto it = files.find(path);
  if (it == files.end()) {
    if (err) *err = "no such file: " + path;
    return false;
  }
  *contents = it->second;
  return true;
}

bool MemoryFileSystem::FileExists(const std::string& path) { return files.count(path) != 0; }

bool MemoryFileSystem::WriteFileAtomic(const std::string& path, const std::string& contents,
                                       std::string*) {
  files[path] = contents;
  return true;
}

}  // namespace pavodin
