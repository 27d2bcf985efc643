// Preloaded into a client under test (LD_PRELOAD), never into the program: a pseudo-terminal
// refuses the modem-control ioctls (DTR, RTS, the status lines) that a serial port takes, and
// some clients give up on that refusal. Here those calls succeed on any terminal that refuses
// them, and the status lines read as a cabled, powered phone: DTR, RTS, CTS, DSR and carrier.
// Every other call goes through unchanged.
#include <dlfcn.h>
#include <errno.h>
#include <stdarg.h>
#include <sys/ioctl.h>

namespace {

using IoctlFunction = int (*)(int, unsigned long, ...);

bool IsModemControl(unsigned long request) {
  return request == TIOCMGET || request == TIOCMSET || request == TIOCMBIS || request == TIOCMBIC;
}

}  // namespace

// glibc's declaration, noexcept included, so this definition takes its place.
extern "C" int ioctl(int fd, unsigned long request, ...) noexcept {
  va_list arguments;
  va_start(arguments, request);
  void* argument = va_arg(arguments, void*);
  va_end(arguments);
  static const auto next = reinterpret_cast<IoctlFunction>(::dlsym(RTLD_NEXT, "ioctl"));
  if (next == nullptr) {
    errno = ENOSYS;
    return -1;
  }
  const int result = next(fd, request, argument);
  if (result != -1 || errno != ENOTTY || !IsModemControl(request)) return result;
  if (request == TIOCMGET && argument != nullptr) {
    *static_cast<int*>(argument) = TIOCM_DTR | TIOCM_RTS | TIOCM_CTS | TIOCM_DSR | TIOCM_CAR;
  }
  return 0;
}
