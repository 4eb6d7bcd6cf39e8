// The compiler's runtime, linked into this library, runs its one-time set-ups (the unwinder's
// frame tables at load, static-local guards) through the thread library's pthread_once. That
// function takes a thread-local slot on its first call, and the thread library never gives
// it back: every load would cost the terminal one of its 1088 slots for good, and after
// about a thousand loads the process aborts. The link (--wrap=pthread_once) sends those calls
// here instead; this once needs no slot.
#include <windows.h>

namespace {

// The thread library's states: 0 not yet run, 1 done. Ours adds 2 while the first caller runs
// the function; the others wait for it, as pthread_once asks.
constexpr LONG kFresh = 0, kDone = 1, kRunning = 2;

}  // namespace

// NOLINTNEXTLINE(bugprone-reserved-identifier): the name the linker's --wrap gives
extern "C" int __wrap_pthread_once(LONG* once, void (*function)()) {
  if (*reinterpret_cast<volatile LONG*>(once) == kDone) return 0;
  if (InterlockedCompareExchange(once, kRunning, kFresh) == kFresh) {
    function();
    InterlockedExchange(once, kDone);
    return 0;
  }
  while (*reinterpret_cast<volatile LONG*>(once) != kDone) SwitchToThread();
  return 0;
}
