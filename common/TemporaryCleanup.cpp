#include "common/TemporaryCleanup.h"

#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

namespace spanwise {
namespace {

constexpr int kSlots = 32;
constexpr std::size_t kPathBytes = 4096;
constexpr int kTerminating[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

struct Slot {
  std::atomic<bool> used{false};  // path is complete while this is set
  std::atomic<bool> taken{false};
  char path[kPathBytes];
};

Slot slots[kSlots];
std::atomic<int> committing{0};  // live SignalsDeferred, in every thread
std::atomic<int> noted{0};       // the first signal that came meanwhile
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the handler reads these");

// Async-signal-safe: unlinks the temporaries, restores the default action
// and raises the signal in this thread, unblocked, so that it ends the
// process (in the handler: as soon as the handler returns).
void RemoveTemporariesAndDie(int signal_number) {
  for (Slot& slot : slots)
    if (slot.used.load()) ::unlink(slot.path);
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal_number, &action, nullptr);
  std::raise(signal_number);
}

extern "C" void OnTerminatingSignal(int signal_number) {
  const int saved = errno;
  if (committing.load() > 0) {
    int none = 0;
    noted.compare_exchange_strong(none, signal_number);
    // The commit may have ended before the note: then its end missed it.
    if (committing.load() > 0 || (signal_number = noted.exchange(0)) == 0) {
      errno = saved;
      return;
    }
  }
  RemoveTemporariesAndDie(signal_number);
  errno = saved;
}

void InstallOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int signal_number : kTerminating) {
      struct sigaction old {};
      if (sigaction(signal_number, nullptr, &old) != 0 || old.sa_handler != SIG_DFL) continue;
      struct sigaction action {};
      action.sa_handler = OnTerminatingSignal;
      sigemptyset(&action.sa_mask);
      for (int other : kTerminating) sigaddset(&action.sa_mask, other);
      sigaction(signal_number, &action, nullptr);
    }
  });
}

}  // namespace

int RecordTemporary(const char* path) {
  InstallOnce();
  const std::size_t length = std::strlen(path);
  if (length >= kPathBytes) return -1;
  for (int i = 0; i < kSlots; ++i) {
    bool expected = false;
    if (!slots[i].taken.compare_exchange_strong(expected, true)) continue;
    std::memcpy(slots[i].path, path, length + 1);
    slots[i].used.store(true);
    return i;
  }
  return -1;
}

void ForgetTemporary(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  slots[slot].used.store(false);
  slots[slot].taken.store(false);
}

SignalsDeferred::SignalsDeferred() {
  InstallOnce();
  committing.fetch_add(1);
}

SignalsDeferred::~SignalsDeferred() {
  if (committing.fetch_sub(1) != 1) return;
  const int signal_number = noted.exchange(0);
  if (signal_number == 0) return;
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, signal_number);
  pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
  RemoveTemporariesAndDie(signal_number);
}

}  // namespace spanwise
