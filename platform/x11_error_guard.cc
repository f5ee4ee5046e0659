#include "platform/x11_error_guard.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <dlfcn.h>

namespace pavodin {
namespace {

using ErrorHandler = int (*)(Display*, XErrorEvent*);
using SetErrorHandler = ErrorHandler (*)(ErrorHandler);

ErrorHandler g_previous = nullptr;

int OnXError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return g_previous ? g_previous(display, error) : 0;
}

}  // namespace

void IgnoreLateWakeUpErrors() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  // Kept loaded for good, so the handler outlives SDL's video restarts.
  void* xlib = dlopen("libX11.so.6", RTLD_NOW);
  if (!xlib) return;
  auto set_handler = reinterpret_cast<SetErrorHandler>(dlsym(xlib, "XSetErrorHandler"));
  if (set_handler) g_previous = set_handler(&OnXError);
}

}  // namespace pavodin
