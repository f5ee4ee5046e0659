#ifndef PAVODIN_PLATFORM_X11_ERROR_GUARD_H_
#define PAVODIN_PLATFORM_X11_ERROR_GUARD_H_

// SDL wakes a thread blocked in its event wait by sending an event to the
// window over a second X connection, also when the event that ends the wait
// comes from the X server itself. When the window is destroyed right after
// (the user closed it), the server may handle the destruction first and
// answer that send with BadWindow; Xlib's default handler would then end the
// program with exit code 1 when SDL closes that connection. Those answers
// are harmless and ignored; every other X error goes to Xlib's handler.

namespace pavodin {

// Installs the filter in the X library, loading it when it is installed
// (the program itself has no X dependency; on a desktop without X this does
// nothing). Must run before SDL starts its X11 video: SDL puts back the
// handler it found when it stops. Only the first call does anything.
void IgnoreLateWakeUpErrors();

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_X11_ERROR_GUARD_H_
