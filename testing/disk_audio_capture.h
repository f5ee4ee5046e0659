#ifndef PAVODIN_TESTING_DISK_AUDIO_CAPTURE_H_
#define PAVODIN_TESTING_DISK_AUDIO_CAPTURE_H_

// SDL's disk audio driver writing into a file of the test's own, so real
// sound devices can be tested without sound hardware. The environment is
// set while the object lives; the file is removed with it.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace pavodin {

class DiskAudioCapture {
 public:
  explicit DiskAudioCapture(const std::string& name)
      : path_(::testing::TempDir() + name + "_" + std::to_string(getpid()) + ".raw") {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
  }
  ~DiskAudioCapture() {
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    std::remove(path_.c_str());
  }
  DiskAudioCapture(const DiskAudioCapture&) = delete;
  DiskAudioCapture& operator=(const DiskAudioCapture&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace pavodin

#endif  // PAVODIN_TESTING_DISK_AUDIO_CAPTURE_H_
