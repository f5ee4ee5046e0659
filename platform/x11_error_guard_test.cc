#include "platform/x11_error_guard.h"

#include <gtest/gtest.h>

// After the test framework: X's headers define macros (None, Bool) it uses as names.
#include <SDL2/SDL.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>

// Against a real X server (skipped without one). Xlib is reached the way the
// guard reaches it, through the loaded library. Each case runs in a child
// process, since Xlib's handler ends the process it runs in.

namespace pavodin {
namespace {

struct Xlib {
  Display* (*open)(const char*);
  int (*sync)(Display*, Bool);
  Status (*send)(Display*, Window, Bool, long, XEvent*);
  int (*map)(Display*, Window);
};

Xlib LoadXlib() {
  void* lib = dlopen("libX11.so.6", RTLD_NOW);
  Xlib x{};
  if (!lib) return x;
  x.open = reinterpret_cast<Display* (*)(const char*)>(dlsym(lib, "XOpenDisplay"));
  x.sync = reinterpret_cast<int (*)(Display*, Bool)>(dlsym(lib, "XSync"));
  x.send = reinterpret_cast<Status (*)(Display*, Window, Bool, long, XEvent*)>(dlsym(lib, "XSendEvent"));
  x.map = reinterpret_cast<int (*)(Display*, Window)>(dlsym(lib, "XMapWindow"));
  return x;
}

constexpr Window kGone = 0x3fffff;  // no such window

// A wake-up sent to a window that is gone, answered while SDL's video runs
// and again after it stopped (when SDL has put back the handler it found).
void SendToGoneWindow(const Xlib& x) {
  XEvent wake{};
  wake.xclient.type = ClientMessage;
  wake.xclient.window = kGone;
  wake.xclient.format = 32;
  Display* d = x.open(nullptr);
  if (!d) std::_Exit(3);
  x.send(d, kGone, False, NoEventMask, &wake);
  x.sync(d, False);
}

TEST(X11ErrorGuardDeathTest, LateWakeUpsToAGoneWindowAreIgnoredOtherErrorsStillEnd) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) GTEST_SKIP() << "no X display";
  const Xlib x = LoadXlib();
  if (!x.open) GTEST_SKIP() << "no X library";
  IgnoreLateWakeUpErrors();
  EXPECT_EXIT(
      {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) std::_Exit(4);
        SendToGoneWindow(x);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        SendToGoneWindow(x);
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(
      {
        Display* d = x.open(nullptr);
        x.map(d, kGone);
        x.sync(d, False);
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(1), "BadWindow");
}

}  // namespace
}  // namespace pavodin
