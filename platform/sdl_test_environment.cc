// Test binary only: SDL and fontconfig keep global state (hints, caches)
// until they are shut down, which the leak checker would report at exit, so
// both are shut down once the tests are over. The X and D-Bus libraries SDL
// loads keep allocations of their own for the life of the process; they are
// kept loaded (SDL would unload them, leaving the checker nameless frames)
// and their allocations are not reported.

#include <dlfcn.h>

#include <SDL2/SDL.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

extern "C" const char* __lsan_default_suppressions() {
  return "leak:libX11.so\n"
         "leak:libXext.so\n"
         "leak:libXcursor.so\n"
         "leak:libXi.so\n"
         "leak:libXrandr.so\n"
         "leak:libXfixes.so\n"
         "leak:libXss.so\n"
         "leak:libxkbcommon.so\n"
         "leak:libdbus-1.so\n";
}

namespace pavodin {
namespace {

class SdlShutdown : public ::testing::Environment {
 public:
  SdlShutdown() {
    for (const char* lib : {"libX11.so.6", "libXext.so.6", "libXcursor.so.1", "libXi.so.6", "libXrandr.so.2",
                            "libXfixes.so.3", "libXss.so.1", "libxkbcommon.so.0"}) {
      dlopen(lib, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
    }
  }
  void TearDown() override {
    SDL_Quit();
    FcFini();
  }
};

[[maybe_unused]] ::testing::Environment* const kSdlShutdown =
    ::testing::AddGlobalTestEnvironment(new SdlShutdown);

}  // namespace
}  // namespace pavodin
